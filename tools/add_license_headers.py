#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Gives every source, script and build file its copyright and licence lines.

    tools/add_license_headers.py [--year YEAR] [--check] [ROOT]

The files are those git tracks under ROOT (the repository this tool lies in by
default). A file that already names its copyright and licence is left as it is, so
the tool can be run again at any time. Files listed in .reuse/dep5 (data files that
cannot carry a header) and the licence texts are skipped. A shebang line, a coding
line and an XML declaration stay first. A tracked file of a kind the tool does not
know is named, and the exit status is 1: give it a comment style here or list it in
.reuse/dep5. With --check nothing is written: the files that lack the lines are
named, and the exit status is 1 when there are any.
"""
import argparse
import datetime
import fnmatch
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

HOLDER = "Zelka-Kvadra developers"
LICENSE = "GPL-3.0-or-later"
# The software-centre description is published under the licence its
# metadata_license element names.
LICENSE_BY_PATTERN = {"*.metainfo.xml": "CC0-1.0"}

# Split so that licence scanners reading this file do not take them for its own tags.
COPYRIGHT_TAG = "SPDX-" + "FileCopyrightText:"
LICENSE_TAG = "SPDX-" + "License-Identifier:"

LINE_COMMENTS = {
    ".cpp": "//", ".h": "//", ".hpp": "//", ".c": "//",
    ".py": "#", ".sh": "#", ".cmake": "#", ".toml": "#", ".yml": "#", ".yaml": "#",
    ".supp": "#", ".desktop": "#", ".gitignore": "#", ".clang-format": "#",
}
BLOCK_COMMENTS = {".md": ("<!--", "-->"), ".xml": ("<!--", "-->"), ".svg": ("<!--", "-->")}
MAN_PAGE = re.compile(r"\.[1-9]$")
# Python's and Emacs's ways of naming a file's encoding.
CODING_LINE = re.compile(r"^[ \t\f]*#.*?coding[:=]|-\*-.*coding:.*-\*-")
ALWAYS_SKIPPED = ["LICENSE", "LICENSES/*", ".reuse/dep5"]


def comment_style(path, first_line):
    """('line', prefix) or ('block', (open, close)); None for an unknown kind of file."""
    name = path.name
    suffix = name if name.startswith(".") and name.count(".") == 1 else path.suffix
    if name == "CMakeLists.txt":
        return ("line", "#")
    if suffix in LINE_COMMENTS:
        return ("line", LINE_COMMENTS[suffix])
    if suffix in BLOCK_COMMENTS:
        return ("block", BLOCK_COMMENTS[suffix])
    if MAN_PAGE.search(name):
        return ("line", '.\\"')
    if first_line.startswith("#!"):
        return ("line", "#")
    return None


def lines_that_stay_first(lines):
    """How many of the leading lines must stay above the header."""
    kept = 0
    if lines and (lines[0].startswith("#!") or lines[0].startswith("<?xml")):
        kept = 1
    # An encoding declaration is only honoured on the first two lines.
    if len(lines) > kept and CODING_LINE.search(lines[kept]):
        kept += 1
    return kept


def header_lines(style, year, license_id, missing_copyright, missing_license):
    tags = []
    if missing_copyright:
        tags.append(f"{COPYRIGHT_TAG} {year} {HOLDER}")
    if missing_license:
        tags.append(f"{LICENSE_TAG} {license_id}")
    kind, syntax = style
    if kind == "line":
        return [f"{syntax} {tag}" for tag in tags]
    opening, closing = syntax
    return [opening, *tags, closing]


def with_header(text, style, year, license_id):
    """The text with the missing lines added; None when nothing is missing."""
    missing_copyright = COPYRIGHT_TAG not in text
    missing_license = LICENSE_TAG not in text
    if not (missing_copyright or missing_license):
        return None
    newline = "\r\n" if "\r\n" in text else "\n"
    lines = text.split(newline)
    kept = lines_that_stay_first(lines)
    header = header_lines(style, year, license_id, missing_copyright, missing_license)
    rest = lines[kept:]
    if rest == [""]:
        rest = []
    # A blank line parts the licence from the file's own opening comment, unless the
    # file already had one of the two lines there.
    if rest and rest[0] != "" and not any(tag in rest[0] for tag in (COPYRIGHT_TAG, LICENSE_TAG)):
        header.append("")
    result = lines[:kept] + header + rest
    if not result or result[-1] != "":
        result.append("")
    return newline.join(result)


def skipped_patterns(root):
    """The ALWAYS_SKIPPED patterns and the Files: patterns of .reuse/dep5."""
    patterns = list(ALWAYS_SKIPPED)
    dep5 = root / ".reuse" / "dep5"
    if not dep5.exists():
        return patterns
    in_files = False
    for line in dep5.read_text(encoding="utf-8").splitlines():
        if line.startswith("Files:"):
            patterns += line[len("Files:"):].split()
            in_files = True
        elif in_files and line[:1] in (" ", "\t"):
            patterns += line.split()
        else:
            in_files = False
    return patterns


def tracked_files(root):
    listing = subprocess.run(["git", "-C", str(root), "ls-files", "-z"], check=True,
                             capture_output=True).stdout.decode("utf-8")
    return [name for name in listing.split("\0") if name]


def write_replacing(path, text):
    """Writes through a scratch file beside `path`, keeping its mode."""
    mode = path.stat().st_mode
    fd, scratch = tempfile.mkstemp(dir=path.parent, prefix=f".{path.name}.")
    try:
        with os.fdopen(fd, "w", encoding="utf-8", newline="") as out:
            out.write(text)
            out.flush()
            os.fsync(out.fileno())
        os.chmod(scratch, mode)
        os.replace(scratch, path)
    except BaseException:
        os.unlink(scratch)
        raise


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("root", nargs="?", default=Path(__file__).resolve().parent.parent, type=Path)
    parser.add_argument("--year", type=int, default=datetime.date.today().year)
    parser.add_argument("--check", action="store_true", help="only name the files without the lines")
    args = parser.parse_args(argv)
    root = args.root.resolve()

    skipped = skipped_patterns(root)
    unknown, lacking = [], []
    for name in tracked_files(root):
        path = root / name
        if any(fnmatch.fnmatchcase(name, p) for p in skipped) or path.is_symlink() or not path.is_file():
            continue
        try:
            text = path.read_bytes().decode("utf-8")
        except UnicodeDecodeError:
            unknown.append(name)
            continue
        style = comment_style(path, text.split("\n", 1)[0])
        if style is None:
            unknown.append(name)
            continue
        license_id = next((lic for p, lic in LICENSE_BY_PATTERN.items() if fnmatch.fnmatchcase(path.name, p)),
                          LICENSE)
        updated = with_header(text, style, args.year, license_id)
        if updated is None:
            continue
        lacking.append(name)
        if not args.check:
            write_replacing(path, updated)

    verb = "lacks the lines" if args.check else "given the lines"
    for name in lacking:
        print(f"{name}: {verb}")
    for name in unknown:
        print(f"{name}: no comment style known; add one to this tool or list the file in .reuse/dep5",
              file=sys.stderr)
    return 1 if unknown or (args.check and lacking) else 0


if __name__ == "__main__":
    sys.exit(main())
