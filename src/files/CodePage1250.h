// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Code page 1250, the encoding of every text the game keeps on disk. Single bytes
// map to single characters, so the tables are plain lookups.
#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// The characters of the 256 code page 1250 bytes.
const std::array<QChar, 256>& Cp1250Chars();
// The character that code page 1250 byte `code` stands for.
inline QChar CharFromCp1250(unsigned char code) { return Cp1250Chars()[code]; }
// Turns `count` code page 1250 codes (0..255), held one per QChar, into the characters
// they stand for, in place. `allCodes` is the bitwise or of the codes: a text of plain
// ASCII, like a date, is left as it is.
void CharsFromCp1250Codes(QChar* codes, qsizetype count, unsigned allCodes);
// The code page 1250 byte of `c`, or nothing when the code page cannot hold it.
std::optional<unsigned char> Cp1250FromChar(QChar c);

// Writes the bytes of `text` to `out` (room for text.size() bytes); the position of
// the first character the code page cannot hold, or -1 when it holds them all.
qsizetype EncodeCp1250Into(QStringView text, unsigned char* out);

// Whole texts; EncodeCp1250 gives nothing when any character cannot be held.
QString DecodeCp1250(QByteArrayView bytes);
std::optional<QByteArray> EncodeCp1250(const QString& text);
