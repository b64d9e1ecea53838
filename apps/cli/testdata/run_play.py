#!/usr/bin/env python3
"""Runs every play script of a folder and compares what it prints with the files next to it.

Usage: run_play.py QORVEXCTL FOLDER [--update]
For NAME.play: NAME.jsonl is the expected standard output; NAME.exit the expected exit code
(0 without the file); NAME.stderr the expected error output (not compared without the file);
NAME.args extra command-line arguments, one a line. Screenshots go to a temporary folder.
When FOLDER.md exists (docs/play.md beside docs/play/), it must show every script and expected
output of the folder as they are, so the documented examples are the ones that ran.
--update writes the files from what the scripts print instead (review the differences).
"""
import difflib
import os
import subprocess
import sys
import tempfile


def read(path, default=None):
    if not os.path.exists(path):
        return default
    with open(path, encoding="utf-8") as f:
        return f.read()


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def run_one(program, script, shots, update):
    base = script[: -len(".play")]
    extra = [line for line in (read(base + ".args", "").splitlines()) if line]
    result = subprocess.run([program, "play", script, "--screenshots", shots] + extra,
                            capture_output=True, text=True, encoding="utf-8", timeout=120)
    if update:
        write(base + ".jsonl", result.stdout)
        if result.returncode:
            write(base + ".exit", f"{result.returncode}\n")
            write(base + ".stderr", result.stderr)
        return []
    problems = []
    expected_exit = int(read(base + ".exit", "0").strip())
    if result.returncode != expected_exit:
        problems.append(f"{script}: exit {result.returncode}, expected {expected_exit}\n"
                        f"{result.stderr}")
    expected = read(base + ".jsonl", "")
    if result.stdout != expected:
        diff = difflib.unified_diff(expected.splitlines(), result.stdout.splitlines(),
                                    "expected", "printed", lineterm="")
        problems.append(f"{script}: output differs\n" + "\n".join(diff))
    expected_err = read(base + ".stderr")
    if expected_err is not None and result.stderr != expected_err:
        problems.append(f"{script}: error output {result.stderr!r}, expected {expected_err!r}")
    return problems


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    program, folder = sys.argv[1], sys.argv[2]
    update = len(sys.argv) == 4 and sys.argv[3] == "--update"
    scripts = sorted(os.path.join(folder, n) for n in os.listdir(folder) if n.endswith(".play"))
    if not scripts:
        print(f"no .play files in {folder}", file=sys.stderr)
        return 1
    problems = []
    doc = read(folder.rstrip("/") + ".md")
    if doc is not None:
        for script in scripts:
            for shown in (script, script[: -len(".play")] + ".jsonl"):
                if read(shown, "") not in doc:
                    problems.append(f"{folder}.md does not show {shown} as it is")
    with tempfile.TemporaryDirectory() as shots:
        for script in scripts:
            problems += run_one(program, script, shots, update)
    for problem in problems:
        print(problem)
    print(f"{len(scripts)} scripts, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
