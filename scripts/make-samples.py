#!/usr/bin/env python3
"""Writes the sample word books of the installation tree (data/Shelf) from scripts/samples.

Each scripts/samples/<Language>.txt holds that language's books in a readable form: a block
per book, "[folder/file name]" and "title = …", "group = …", "type = …" lines, then one word
per line with five fields separated by " | ": foreign, phonetic (or the problem or instruction
sentence), kana, Japanese, notes. "\\n" inside a field is a line break. Lines starting with "#"
are comments.

Word-book files are UTF-16 LE with a byte-order mark and CR LF line ends: three header lines
(title, group, type name), then one line of six quoted fields per word, a double quote written
as "#$22" and a line break as "#$0D". Run it after editing the sources; the written files are
committed. It checks that every book has at least 10 words and every language a book of 30.
"""
from pathlib import Path
import sys
import unicodedata

ROOT = Path(__file__).resolve().parent.parent
SOURCES = ROOT / "scripts" / "samples"
SHELF = ROOT / "data" / "Shelf"
TYPES = {"単語理解", "空欄補充", "作文問題"}


def parse(path: Path):
    books, book = [], None
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("[") and line.endswith("]"):
            folder, _, name = line[1:-1].partition("/")
            book = {"folder": folder, "name": name, "words": []}
            books.append(book)
        elif book is None:
            sys.exit(f"{path}:{number}: a word before the first [book]")
        elif " = " in line and "|" not in line:
            key, _, value = line.partition(" = ")
            book[key.strip()] = value.strip()
        else:
            fields = [f.strip().replace("\\n", "\r\n") for f in raw.split("|")]
            if len(fields) != 5:
                sys.exit(f"{path}:{number}: {len(fields)} fields instead of 5")
            book["words"].append(fields)
    return books


def typeable_ipa(text: str) -> str:
    """A nasal vowel as the pad types it: the vowel, then the combining tilde (U+0303)."""
    out = []
    for c in text:
        parts = unicodedata.decomposition(c).split()
        out.append(chr(int(parts[0], 16)) + "\u0303" if parts[-1:] == ["0303"] else c)
    return "".join(out)


def field(text: str) -> str:
    return '"' + text.replace('"', "#$22").replace("\r\n", "#$0D") + '"'


def write(language: str, book) -> None:
    if book.get("type") not in TYPES:
        sys.exit(f"{language}/{book['name']}: unknown type {book.get('type')}")
    if len(book["words"]) < 10:
        sys.exit(f"{language}/{book['name']}: {len(book['words'])} words, at least 10 are needed")
    lines = [book["title"], book["group"], book["type"]]
    words = [(w[0], typeable_ipa(w[1]) if book["type"] == "単語理解" else w[1], *w[2:]) for w in book["words"]]
    lines += [",".join(field(f) for f in (*word, "")) for word in words]
    path = SHELF / language / book["folder"] / book["name"]
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(b"\xff\xfe" + "".join(line + "\r\n" for line in lines).encode("utf-16-le"))


def main() -> None:
    for source in sorted(SOURCES.glob("*.txt")):
        language = source.stem
        books = parse(source)
        if max(len(b["words"]) for b in books) < 30:
            sys.exit(f"{language}: no book of 30 words or more")
        written = {book["folder"] + "/" + book["name"] for book in books}
        for old in (SHELF / language).glob("*/*.utx"):
            if f"{old.parent.name}/{old.name}" not in written:
                old.unlink()
        for book in books:
            write(language, book)


if __name__ == "__main__":
    main()
