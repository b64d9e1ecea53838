#!/usr/bin/env python3
"""Writes data/iso3166.txt, the country list the controls read.

One line per ISO 3166-1 country, lines ended by CR LF, fields separated by TAB:
numeric code, two-letter code, three-letter code, the country's name in Portuguese.
The file is encoded as Windows-1252 like the rest of the data folder. Lines are sorted by
the name with accents folded, the order in which users expect to find a country.

Source: Debian's iso-codes package (the ISO 3166-1 table and its Portuguese translation).

Usage: make_iso3166.py [output_root]   (default: the repository root)
"""

import gettext
import json
import pathlib
import sys
import unicodedata

ISO_TABLE = pathlib.Path("/usr/share/iso-codes/json/iso_3166-1.json")
LOCALE_DIR = "/usr/share/locale"


def portuguese_names():
    return gettext.translation("iso_3166-1", LOCALE_DIR, languages=["pt"])


def sort_key(name):
    folded = unicodedata.normalize("NFKD", name)
    return "".join(c for c in folded if not unicodedata.combining(c)).casefold()


def country_lines():
    translation = portuguese_names()
    countries = json.loads(ISO_TABLE.read_text(encoding="utf-8"))["3166-1"]
    rows = [(c["numeric"], c["alpha_2"], c["alpha_3"], translation.gettext(c["name"]))
            for c in countries]
    rows.sort(key=lambda row: (sort_key(row[3]), row[1]))
    return ["\t".join(row) for row in rows]


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent
    target = root / "data" / "iso3166.txt"
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_bytes("\r\n".join(country_lines()).encode("cp1252") + b"\r\n")


if __name__ == "__main__":
    main()
