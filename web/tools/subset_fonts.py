#!/usr/bin/env python3
"""Writes the two report fonts of the browser edition as WOFF2 subsets, each
wrapped in a script that hands it to the page as a data URL: a page opened
from a local file may run its scripts but not fetch fonts beside it.

The full IPA fonts are 6 MB each; the page needs only what the report and the
form can show: every character the program's own texts and site tables use,
ASCII, half-width katakana, the symbols and kana of JIS X 0208 and its first
level of kanji (what a subject line or a place name typically holds). Any
other character falls back to the browser's own Japanese font.

    subset_fonts.py SOURCE_ROOT OUTPUT_FOLDER

Needs Debian's python3-fonttools and python3-brotli (run with /usr/bin/python3).
"""

import base64
import pathlib
import sys

from fontTools import subset

FONTS = {
    "IPAPGothic": ("ipagp", "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"),
    "IPAGothic": ("ipag", "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"),
}
TEXT_FOLDERS = ("common", "calc", "analysis", "run", "report", "site", "persist", "form", "web")


def jis_characters():
    chars = set()
    # Rows 1-8 (symbols, digits, kana, Greek, Cyrillic, rules) and the first level
    # of kanji (lead bytes 0x88-0x98) of code page 932, plus its NEC row 13.
    for lead in list(range(0x81, 0x85)) + [0x87] + list(range(0x88, 0x99)):
        for trail in range(0x40, 0xFD):
            try:
                chars.add(bytes([lead, trail]).decode("cp932"))
            except UnicodeDecodeError:
                pass
    chars.update(chr(c) for c in range(0x20, 0x7F))
    chars.update(chr(c) for c in range(0xFF61, 0xFFA0))
    return chars


def program_characters(root):
    chars = set()
    for folder in TEXT_FOLDERS:
        for path in (root / folder).rglob("*"):
            if path.suffix in (".cpp", ".h", ".js", ".html"):
                chars.update(c for c in path.read_text(encoding="utf-8") if ord(c) > 127)
    for path in (root / "data" / "Load_data").glob("*.csv"):
        chars.update(c for c in path.read_bytes().decode("cp932") if ord(c) > 127)
    return chars


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    root = pathlib.Path(sys.argv[1])
    out = pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    text = "".join(sorted(jis_characters() | program_characters(root)))
    for family, (name, source) in FONTS.items():
        options = subset.Options()
        options.flavor = "woff2"
        options.layout_features = ["*"]
        options.name_IDs = ["*"]
        font = subset.load_font(source, options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=text)
        subsetter.subset(font)
        woff2 = out / f"{name}.woff2"
        subset.save_font(font, str(woff2), options)
        data = base64.b64encode(woff2.read_bytes()).decode("ascii")
        (out / f"{name}.js").write_text(
            f'(window.korvexFonts = window.korvexFonts || {{}})["{family}"] =\n'
            f'    "data:font/woff2;base64,{data}";\n', encoding="ascii")
        woff2.unlink()


if __name__ == "__main__":
    main()
