#!/usr/bin/env python3
"""Assembles the element history files from one paragraph per element and language.

Input:  engine/data/history/en/NNN.txt and engine/data/history/no/NNN.txt (UTF-8, NNN the
        atomic number with three digits, one paragraph on one line) and the names in
        engine/data/elements.csv.
Output: dats/datfiles/atomdata/egrstoff.dat (English) and ngrstoff.dat (Norwegian),
        Windows-1252 with LF line ends, four lines per element: "Z symbol", the name,
        an empty line, the paragraph.

Run: python3 engine/data/generate_element_texts.py. It writes nothing unless all 2 x 103
paragraphs are present and usable.
"""

import csv
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
ELEMENT_COUNT = 103
# The reader takes lines of at most 6697 characters, line break included.
MAX_PARAGRAPH_LENGTH = 6696
LANGUAGES = [("en", "english_name", "egrstoff.dat"), ("no", "name", "ngrstoff.dat")]
OUTPUT_DIR = REPO / "dats" / "datfiles" / "atomdata"


class TextError(Exception):
    pass


def read_elements():
    with open(HERE / "elements.csv", newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    if [int(r["Z"]) for r in rows] != list(range(1, ELEMENT_COUNT + 1)):
        raise TextError("elements.csv must hold Z 1 to 103 in order")
    return rows


def read_paragraph(path):
    if not path.exists():
        raise TextError(f"{path}: missing")
    text = path.read_text(encoding="utf-8")
    if text.startswith("\ufeff"):
        text = text[1:]
    text = text.rstrip("\r\n")
    if not text.strip():
        raise TextError(f"{path}: empty")
    if "\n" in text or "\r" in text:
        raise TextError(f"{path}: more than one line")
    bad = sorted({c for c in text if ord(c) < 32})
    if bad:
        raise TextError(f"{path}: control characters {[hex(ord(c)) for c in bad]}")
    try:
        encoded = text.encode("cp1252")
    except UnicodeEncodeError as error:
        raise TextError(f"{path}: '{text[error.start]}' has no Windows-1252 code") from None
    if len(encoded) > MAX_PARAGRAPH_LENGTH:
        raise TextError(f"{path}: {len(encoded)} characters, at most {MAX_PARAGRAPH_LENGTH}")
    return encoded


def assemble(elements, language, name_column):
    lines = []
    for row in elements:
        z = int(row["Z"])
        paragraph = read_paragraph(HERE / "history" / language / f"{z:03d}.txt")
        lines += [f"{z} {row['symbol']}".encode("cp1252"),
                  row[name_column].strip().encode("cp1252"),
                  b"",
                  paragraph]
    return b"\n".join(lines) + b"\n"


def main():
    try:
        elements = read_elements()
        files = {name: assemble(elements, language, column) for language, column, name in LANGUAGES}
    except (TextError, OSError) as error:
        sys.exit(f"generate_element_texts: {error}")
    OUTPUT_DIR.mkdir(parents=True, exist_ok=True)
    for name, content in files.items():
        (OUTPUT_DIR / name).write_bytes(content)


if __name__ == "__main__":
    main()
