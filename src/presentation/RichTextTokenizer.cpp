// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/RichTextTokenizer.h"
#include <algorithm>

namespace {

constexpr int kMaxParam = 999999999;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

char RichTextTokenizer::peek(qsizetype ahead) const {
    const qsizetype at = m_pos + ahead;
    return at < m_bytes.size() ? m_bytes[at] : '\0';
}

RichTextToken RichTextTokenizer::next() {
    RichTextToken token;
    if (m_binaryLeft > 0) {
        const qsizetype length = std::min(m_binaryLeft, m_bytes.size() - m_pos);
        m_binaryLeft = 0;
        token.kind = RichTextToken::Binary;
        token.bytes = m_bytes.sliced(m_pos, length);
        m_pos += length;
        return token;
    }
    while (!atEnd() && isLineEnd(peek())) ++m_pos;
    if (atEnd()) return token;

    const char c = peek();
    if (c == '{' || c == '}') {
        ++m_pos;
        token.kind = c == '{' ? RichTextToken::GroupStart : RichTextToken::GroupEnd;
        return token;
    }
    if (c == '\\') {
        ++m_pos;
        return afterBackslash();
    }
    const qsizetype start = m_pos;
    while (!atEnd() && peek() != '{' && peek() != '}' && peek() != '\\' && !isLineEnd(peek())) ++m_pos;
    token.kind = RichTextToken::Text;
    token.bytes = m_bytes.sliced(start, m_pos - start);
    return token;
}

RichTextToken RichTextTokenizer::afterBackslash() {
    RichTextToken token;
    if (atEnd()) return token;
    const char c = peek();
    if (isLetter(c)) return controlWord();
    ++m_pos;
    if (isLineEnd(c)) {
        token.kind = RichTextToken::Word;
        token.bytes = "par";
        return token;
    }
    if (c == '\'') {
        const int high = hexValue(peek());
        const int low = high < 0 ? -1 : hexValue(peek(1));
        if (low >= 0) {
            m_pos += 2;
            token.kind = RichTextToken::Hex;
            token.byte = static_cast<unsigned char>(high * 16 + low);
            return token;
        }
    }
    token.kind = RichTextToken::Symbol;
    token.symbol = c;
    return token;
}

RichTextToken RichTextTokenizer::controlWord() {
    RichTextToken token;
    token.kind = RichTextToken::Word;
    const qsizetype start = m_pos;
    while (!atEnd() && isLetter(peek())) ++m_pos;
    token.bytes = m_bytes.sliced(start, m_pos - start);

    const bool negative = peek() == '-' && isDigit(peek(1));
    if (negative || isDigit(peek())) {
        if (negative) ++m_pos;
        long long value = 0;
        while (!atEnd() && isDigit(peek())) {
            value = std::min<long long>(value * 10 + (peek() - '0'), kMaxParam);
            ++m_pos;
        }
        token.hasParam = true;
        token.param = static_cast<int>(negative ? -value : value);
    }
    if (peek() == ' ') ++m_pos;   // the delimiter belongs to the word

    if (token.bytes == "bin" && token.param > 0) m_binaryLeft = token.param;
    return token;
}
