#!/usr/bin/env python3
"""Regenerates the country data and the NIB field's pictures into a temporary folder and
compares them with the committed files: data/iso3166.txt, data/images/flags_iso/16/*.png,
resources/countries.bmp and resources/nib_valid.png, nib_invalid.png.
Exits with 1 and names the files that differ."""

import filecmp
import pathlib
import subprocess
import sys
import tempfile

REPOSITORY = pathlib.Path(__file__).resolve().parent.parent
SCRIPTS = ["make_iso3166.py", "make_flags.py", "make_nib_images.py"]


def generated_files(root):
    files = [root / "data" / "iso3166.txt", root / "resources" / "countries.bmp",
             root / "resources" / "nib_valid.png", root / "resources" / "nib_invalid.png"]
    return files + sorted((root / "data" / "images" / "flags_iso" / "16").glob("*.png"))


def main():
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        for script in SCRIPTS:
            subprocess.run([sys.executable, str(REPOSITORY / "resources" / script), str(scratch)],
                           check=True)
        fresh = [p.relative_to(scratch) for p in generated_files(scratch)]
        committed = [p.relative_to(REPOSITORY) for p in generated_files(REPOSITORY)]
        different = sorted(set(fresh) ^ set(committed))
        different += [p for p in fresh if p in committed
                      and not filecmp.cmp(scratch / p, REPOSITORY / p, shallow=False)]
    for path in different:
        print(f"differs from its script's output: {path}")
    return 1 if different else 0


if __name__ == "__main__":
    sys.exit(main())
