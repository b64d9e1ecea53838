#!/bin/sh
# Runs `qorvexctl amount` on small inputs, one value and in batches, and compares the output.
# Usage: amount_test.sh QORVEXCTL TESTDATA_DIR
set -u
cli=$1
data=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0

check() {  # name expected-file command...
  name=$1; expected=$2; shift 2
  "$@" > "$out/$name" || { echo "$name: exit $?"; failed=1; }
  diff -u "$expected" "$out/$name" || failed=1
}

check parse "$data/amount_parse.expected" "$cli" amount parse --batch < "$data/amount_parse.in"
check round "$data/amount_round.expected" "$cli" amount round --batch < "$data/amount_round.in"
check format_pt "$data/amount_format_pt.expected" \
  "$cli" amount format --batch --total 100 --system pt < "$data/amount_format.in"
check format_us "$data/amount_format_us.expected" \
  "$cli" amount format --batch --system us < "$data/amount_format.in"

[ "$("$cli" amount parse "1.234,5 €")" = "1234.5" ] || { echo "parse 1.234,5 €"; failed=1; }
[ "$("$cli" amount round 0.125 2)" = "0.13" ] || { echo "round 0.125 2"; failed=1; }
[ "$("$cli" amount format 1234.5 --total 0.5)" = "1.234,50 €
1235" ] || { echo "format --total"; failed=1; }
printf 'x\t2\n' | "$cli" amount round --batch > "$out/bad" 2> "$out/bad.err"
[ $? -eq 1 ] && [ "$(cat "$out/bad")" = "" ] && grep -q "line 1" "$out/bad.err" ||
  { echo "round --batch: a bad line"; failed=1; }
"$cli" amount round 1 > /dev/null 2>&1 && { echo "round without D: exit 0"; failed=1; }
exit $failed
