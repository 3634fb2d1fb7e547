#include "results/CodePage1250.h"
#include <QStringDecoder>
#include <array>
#include <unordered_map>

namespace {

struct Tables {
    std::array<QChar, 256> toChar{};
    std::unordered_map<char16_t, unsigned char> toByte;
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
            if (c != QChar(QChar::ReplacementCharacter)) toByte.emplace(c.unicode(), code);
        }
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
    const auto& map = tables().toByte;
    const auto it = map.find(c.unicode());
    if (it == map.end()) return std::nullopt;
    return it->second;
}

QString DecodeCp1250(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    const auto& chars = Cp1250Chars();
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = chars[static_cast<unsigned char>(bytes[i])];
    return text;
}

std::optional<QByteArray> EncodeCp1250(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const auto code = Cp1250FromChar(c);
        if (!code) return std::nullopt;
        bytes.append(static_cast<char>(*code));
    }
    return bytes;
}
