#!/usr/bin/env python3
"""Checks that docs/architecture.md names every folder of the checkout: two levels deep, three
under qorvexctl/, each as `path/` (build trees and hidden folders left out).

Usage: check_doc_folders.py REPOSITORY_ROOT   (prints the folders it lacks; exit 1 then)
"""
import os
import pathlib
import sys


def folders(root):
    found = []
    for folder, subfolders, _ in os.walk(root):
        relative = pathlib.Path(folder).relative_to(root)
        depth = len(relative.parts)
        limit = 3 if relative.parts[:1] == ("qorvexctl",) else 2
        subfolders[:] = sorted(s for s in subfolders
                               if not s.startswith((".", "build", "__")) and depth < limit)
        if depth:
            found.append(relative.as_posix())
    return found


def main(root):
    page = (pathlib.Path(root) / "docs" / "architecture.md").read_text(encoding="utf-8")
    missing = [f for f in folders(root) if f"`{f}/`" not in page]
    for folder in missing:
        print(f"docs/architecture.md does not name `{folder}/`: add it to the Folders table")
    print(f"{len(missing)} folder(s) missing" if missing else "every folder is named")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
