// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/CodePage1250.h"
#include <QStringDecoder>
#include <array>
#include <cstdint>
#include <memory>

namespace {

// Code page 1250 holds characters of a few Unicode pages only (Latin, Latin
// Extended, punctuation and symbols). Each such page gets a flat table of 256
// entries: the byte of each of its characters, or -1.
constexpr int kNotHeld = -1;
using ByteTable = std::array<std::int16_t, 256>;

struct Tables {
    std::array<QChar, 256> toChar{};
    std::array<std::unique_ptr<ByteTable>, 256> toByte;   // by the character's high byte
    bool asciiKept = true;   // codes 0..127 stand for the characters 0..127

    Tables() {
        QStringDecoder decoder("windows-1250");
        for (int code = 0; code < 256; ++code) {
            const char byte = static_cast<char>(code);
            decoder.resetState();
            const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
            // Bytes the code page leaves unassigned decode to nothing usable.
            const QChar c = decoded.size() == 1 ? decoded.at(0) : QChar(QChar::ReplacementCharacter);
            toChar[code] = c;
            if (code < 128 && c.unicode() != code) asciiKept = false;
            if (c != QChar(QChar::ReplacementCharacter)) addByte(c.unicode(), code);
        }
    }

    // The first byte found for a character stays its byte.
    void addByte(char16_t c, int code) {
        auto& page = toByte[c >> 8];
        if (!page) {
            page = std::make_unique<ByteTable>();
            page->fill(kNotHeld);
        }
        std::int16_t& entry = (*page)[c & 0xFF];
        if (entry == kNotHeld) entry = static_cast<std::int16_t>(code);
    }

    int byteOf(char16_t c) const {
        const ByteTable* page = toByte[c >> 8].get();
        return page ? (*page)[c & 0xFF] : kNotHeld;
    }
};

// Built once, read only afterwards.
const Tables& tables() {
    static const Tables instance;
    return instance;
}

} // namespace

const std::array<QChar, 256>& Cp1250Chars() { return tables().toChar; }

void CharsFromCp1250Codes(QChar* codes, qsizetype count, unsigned allCodes) {
    const Tables& t = tables();
    if (allCodes < 128 && t.asciiKept) return;
    for (qsizetype i = 0; i < count; ++i) codes[i] = t.toChar[codes[i].unicode() & 0xFF];
}

std::optional<unsigned char> Cp1250FromChar(QChar c) {
    const int code = tables().byteOf(c.unicode());
    if (code == kNotHeld) return std::nullopt;
    return static_cast<unsigned char>(code);
}

qsizetype EncodeCp1250Into(QStringView text, unsigned char* out) {
    const Tables& t = tables();
    const bool asciiKept = t.asciiKept;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 128 && asciiKept) {   // most characters of names, every one of dates
            out[i] = static_cast<unsigned char>(c);
            continue;
        }
        const int code = t.byteOf(c);
        if (code == kNotHeld) return i;
        out[i] = static_cast<unsigned char>(code);
    }
    return -1;
}

QString DecodeCp1250(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    const auto& chars = Cp1250Chars();
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = chars[static_cast<unsigned char>(bytes[i])];
    return text;
}

std::optional<QByteArray> EncodeCp1250(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    if (EncodeCp1250Into(text, reinterpret_cast<unsigned char*>(bytes.data())) >= 0) return std::nullopt;
    return bytes;
}
