#!/bin/sh
# Runs the batch modes of the qorvexctl command on small inputs and compares their output.
# Usage: batch_test.sh QORVEXCTL TESTDATA_DIR
set -u
cli=$1
data=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0

"$cli" validate --batch < "$data/validate_batch.in" > "$out/validate" 2> "$out/validate.err"
status=$?
diff -u "$data/validate_batch.expected" "$out/validate" || failed=1
[ "$status" -eq 1 ] || { echo "validate --batch: exit $status, expected 1"; failed=1; }
grep -q "line 3" "$out/validate.err" || { echo "validate --batch: no error for line 3"; failed=1; }

"$cli" nib check-digits --batch < "$data/nib_batch.in" > "$out/check" || failed=1
diff -u "$data/nib_check_digits.expected" "$out/check" || failed=1
"$cli" nib valid --batch < "$data/nib_batch.in" > "$out/valid" || failed=1
diff -u "$data/nib_valid.expected" "$out/valid" || failed=1
"$cli" nib valid --batch < "$data/nib_iban_batch.in" > "$out/iban_valid" || failed=1
diff -u "$data/nib_iban_valid.expected" "$out/iban_valid" || failed=1
"$cli" nib iban --batch < "$data/nib_iban_batch.in" > "$out/iban" || failed=1
diff -u "$data/nib_iban.expected" "$out/iban" || failed=1

"$cli" validate --rules classic --batch < "$data/validate_rules.in" > "$out/classic" || failed=1
diff -u "$data/validate_rules_classic.expected" "$out/classic" || failed=1
"$cli" validate --rules current --batch < "$data/validate_rules.in" > "$out/current" || failed=1
diff -u "$data/validate_rules_current.expected" "$out/current" || failed=1
[ "$("$cli" validate --rules current NL 99998B57)" = valid ] || { echo "validate --rules current"; failed=1; }
"$cli" validate --rules modern NL 99998B57 2> /dev/null
[ $? -eq 2 ] || { echo "validate --rules modern: exit not 2"; failed=1; }

[ "$("$cli" validate PT 123456789)" = valid ] || { echo "validate PT 123456789"; failed=1; }
"$cli" validate PT 123456780 > /dev/null && { echo "validate PT 123456780: exit 0"; failed=1; }
[ "$("$cli" nib check-digits 003501230001234567)" = "" ] || { echo "nib check-digits short"; failed=1; }
[ "$("$cli" nib iban 000201231234567890154)" = PT50000201231234567890154 ] ||
  { echo "nib iban of the registry example"; failed=1; }
"$cli" nib iban 000201231234567890155 > /dev/null 2>&1 && { echo "nib iban wrong NIB: exit 0"; failed=1; }
[ "$("$cli" nib valid "PT50 0002 0123 1234 5678 9015 4")" = valid ] || { echo "nib valid IBAN"; failed=1; }
# Every command answers --help and -h with its usage on standard output and exit 0; an
# unknown command or wrong arguments exit 2.
for command in version validate nib gif png; do
  for flag in --help -h; do
    "$cli" $command $flag > "$out/help" 2> "$out/help.err"
    status=$?
    [ "$status" -eq 0 ] || { echo "$command $flag: exit $status"; failed=1; }
    grep -q "^qorvexctl $command" "$out/help" || { echo "$command $flag: no usage"; failed=1; }
    [ -s "$out/help.err" ] && { echo "$command $flag: wrote to standard error"; failed=1; }
  done
done
"$cli" --help > /dev/null || { echo "--help: exit $?"; failed=1; }
"$cli" frobnicate > /dev/null 2>&1; status=$?
[ "$status" -eq 2 ] || { echo "unknown command: exit $status, expected 2"; failed=1; }
"$cli" validate PT > /dev/null 2>&1; status=$?
[ "$status" -eq 2 ] || { echo "validate with one argument: exit $status, expected 2"; failed=1; }
"$cli" png > /dev/null 2>&1; status=$?
[ "$status" -eq 2 ] || { echo "png without arguments: exit $status, expected 2"; failed=1; }
exit $failed
