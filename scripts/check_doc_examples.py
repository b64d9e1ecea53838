#!/usr/bin/env python3
"""Checks that every C++ example in README.md and docs/*.md is quoted from a compiled example
under examples/: its lines appear there one after the other, all indented alike.

Usage: check_doc_examples.py REPOSITORY_ROOT   (prints what is not quoted; exit 1 then)
"""
import pathlib
import re
import sys

BLOCK = re.compile(r"^```cpp\n(.*?)^```", re.S | re.M)


def quoted_in(block, lines):
    for start, line in enumerate(lines):
        if not line.strip() or not line.endswith(block[0]):
            continue
        indent = line[: len(line) - len(block[0])]
        if indent.strip():
            continue
        window = lines[start : start + len(block)]
        if window == [indent + b if b else "" for b in block]:
            return True
    return False


def main(root):
    root = pathlib.Path(root)
    examples = {p: p.read_text().split("\n") for p in sorted((root / "examples").rglob("*.cpp"))}
    missing = 0
    for page in [root / "README.md"] + sorted((root / "docs").glob("*.md")):
        for match in BLOCK.finditer(page.read_text()):
            block = match.group(1).rstrip("\n").split("\n")
            if not any(quoted_in(block, lines) for lines in examples.values()):
                line = page.read_text()[: match.start()].count("\n") + 1
                print(f"{page.relative_to(root)}:{line}: example not quoted from examples/")
                missing += 1
    print(f"{missing} unquoted example(s)" if missing else "every example is quoted")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
