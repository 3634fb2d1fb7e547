#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the game's documents data/Leir.doc, data/Magyar.doc and data/English.doc.

The texts live in tools/documents/*.txt (UTF-8) in a small markup; the files are
written as rich text in code page 1250, the way a word processor writes them, which
is what the documentation viewer reads.  Run from anywhere:

    python3 tools/make_documents.py

Markup, one block per paragraph, blocks separated by blank lines:
  = Title          the document's title, centred
  # Heading        a section heading.  In the help documents the viewer finds a
                   section by the first occurrence of its heading (messages
                   154..166 of the language file), so a heading's words must not
                   appear anywhere before it; tests/presentation check this.
  ## Subheading    a smaller heading inside a section
  - item           a bulleted paragraph (consecutive items need no blank line)
  text             an ordinary paragraph; its lines are joined with blanks
Inside a paragraph: **bold** and //italic//.
"""

from __future__ import annotations

import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ROOT / "tools" / "documents"
DATA = ROOT / "data"
DOCUMENTS = ("Leir", "Magyar", "English")

# Each document declares the language it is written in: 1038 Hungarian, 1033 English.
LANGUAGE_CODES = {"Leir": 1038, "Magyar": 1038, "English": 1033}

HEADER = (
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang%d"
    "{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\r\n"
    "{\\colortbl ;\\red0\\green51\\blue102;\\red128\\green0\\blue0;}\r\n"
    "{\\*\\generator Zelka-Kvadra make_documents.py;}\\viewkind4\\uc1\r\n"
)

BODY = "\\pard\\sa120\\f0\\fs20 "
STYLES = {
    "title": "\\pard\\qc\\sb120\\sa240\\f0\\fs36\\b\\cf1 ",
    "heading": "\\pard\\sb360\\sa120\\f0\\fs28\\b\\cf1 ",
    "subheading": "\\pard\\sb200\\sa80\\f0\\fs22\\b\\cf2 ",
    "item": "\\pard\\li400\\fi-200\\sa60\\f0\\fs20 \\'95 ",
    "text": BODY,
}
# What ends each style's paragraph and brings the body format back.
ENDS = {
    "title": "\\b0\\cf0\\fs20\\par\r\n",
    "heading": "\\b0\\cf0\\fs20\\par\r\n",
    "subheading": "\\b0\\cf0\\fs20\\par\r\n",
    "item": "\\par\r\n",
    "text": "\\par\r\n",
}


def escape(text: str) -> str:
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif " " <= ch < "\x7f":
            out.append(ch)
        else:
            try:
                byte = ch.encode("cp1250")
            except UnicodeEncodeError:
                code = ord(ch)
                out.append("\\u%d?" % (code - 65536 if code > 32767 else code))
                continue
            out.append("\\'%02x" % byte[0])
    return "".join(out)


def inline(text: str) -> str:
    """Bold and italic marks to control words, the rest escaped."""
    parts = re.split(r"(\*\*|//)", text)
    out, bold, italic = [], False, False
    for part in parts:
        if part == "**":
            bold = not bold
            out.append("\\b " if bold else "\\b0 ")
        elif part == "//":
            italic = not italic
            out.append("\\i " if italic else "\\i0 ")
        else:
            out.append(escape(part))
    if bold or italic:
        raise ValueError("unclosed ** or // in: " + text)
    return "".join(out)


def blocks(source: str):
    """(style, text) for every paragraph of the markup."""
    current: list[str] = []
    style = None

    def flush():
        nonlocal current, style
        if current:
            yield style, " ".join(line.strip() for line in current)
        current, style = [], None

    for line in source.splitlines():
        if not line.strip():
            yield from flush()
            continue
        if line.startswith("= "):
            yield from flush()
            yield "title", line[2:].strip()
        elif line.startswith("## "):
            yield from flush()
            yield "subheading", line[3:].strip()
        elif line.startswith("# "):
            yield from flush()
            yield "heading", line[2:].strip()
        elif line.startswith("- "):
            yield from flush()
            current, style = [line[2:]], "item"
        else:
            if style is None:
                style = "text"
            current.append(line)
    yield from flush()


def document(source: str, language_code: int) -> bytes:
    out = [HEADER % language_code]
    for style, text in blocks(source):
        out.append(STYLES[style] + inline(text) + ENDS[style])
    out.append("}\r\n")
    return "".join(out).encode("ascii")


def main() -> int:
    for name in DOCUMENTS:
        source = (SOURCES / (name + ".txt")).read_text(encoding="utf-8")
        (DATA / (name + ".doc")).write_bytes(document(source, LANGUAGE_CODES[name]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
