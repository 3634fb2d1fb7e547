// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Splits rich-text bytes into groups, control words, control symbols, escaped bytes
// and runs of plain text. It never fails: whatever the bytes are, it returns tokens
// until the end, so the reader above it decides what damage means.
#include <QByteArrayView>

struct RichTextToken {
    enum Kind {
        GroupStart,   // {
        GroupEnd,     // }
        Word,         // \name or \nameN; a backslash before a line end reads as \par
        Symbol,       // \ and one other character, such as \~ \* \{
        Hex,          // \'hh: one byte in the document's code page
        Text,         // plain bytes; line ends are dropped, as they carry no meaning
        Binary,       // the data that \binN announces, not text
        End,
    };
    Kind kind = End;
    QByteArrayView bytes;    // Word: the name; Text and Binary: the bytes
    int param = 0;           // Word: its number, clamped to +/- 999999999
    bool hasParam = false;
    char symbol = 0;         // Symbol: the character after the backslash
    unsigned char byte = 0;  // Hex: the byte
};

class RichTextTokenizer {
public:
    explicit RichTextTokenizer(QByteArrayView bytes) : m_bytes(bytes) {}

    RichTextToken next();

private:
    RichTextToken controlWord();
    RichTextToken afterBackslash();
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    char peek(qsizetype ahead = 0) const;

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    qsizetype m_binaryLeft = 0;   // bytes of \bin data still to hand out
};
