#!/usr/bin/env python3
"""Checks that docs/cli.md shows every command of `qorvexctl --help` with its usage exactly as
`qorvexctl COMMAND --help` prints it, in a code block of its own section.

Usage: check_cli_docs.py QORVEXCTL REPOSITORY_ROOT   (prints what is missing; exit 1 then)
"""
import pathlib
import re
import subprocess
import sys

COMMAND_LINE = re.compile(r"^  (\S+)\s{2,}\S")


def commands(program):
    """The command names the overview lists under "commands:"."""
    text = subprocess.run([program, "--help"], capture_output=True, text=True, check=True).stdout
    listed = text.split("commands:\n", 1)[1].split("\n\n", 1)[0]
    return [m.group(1) for m in map(COMMAND_LINE.match, listed.splitlines()) if m]


def usage(program, command):
    result = subprocess.run([program, command, "--help"], capture_output=True, text=True)
    return result.stdout.rstrip("\n")


def main(program, root):
    page = (pathlib.Path(root) / "docs" / "cli.md").read_text(encoding="utf-8")
    problems = []
    names = commands(program)
    if not names:
        problems.append("qorvexctl --help lists no commands")
    for name in names:
        if f"\n## `qorvexctl {name}`" not in page:
            problems.append(f"docs/cli.md has no section \"## `qorvexctl {name}`\"")
        text = usage(program, name)
        if f"```\n{text}\n```" not in page:
            problems.append(f"docs/cli.md does not show `qorvexctl {name} --help` as it prints:\n"
                            f"{text}")
    for problem in problems:
        print(problem)
    print(f"{len(names)} commands, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[3], file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
