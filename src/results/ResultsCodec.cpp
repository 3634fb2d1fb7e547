// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsCodec.h"
#include "files/CodePage1250.h"
#include "ui/RandomSource.h"
#include <QIODevice>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kTextBlockLength = 26;   // elapsed 8 + date 10 + time of day 8
constexpr int kLowestKey = 30;         // keys are drawn from 30..149 (150 when repeating)
constexpr int kMaxRecordLength = 256;  // its length - 1 is kept in one byte
constexpr int kLongestHeader = 29;
constexpr int kMax16 = 32767;

int HighByte(int value) { return (value >> 8) & 0xFF; }
int LowByte(int value) { return value & 0xFF; }
char Byte(int value) { return static_cast<char>(static_cast<unsigned char>(value & 0xFF)); }

// "dd:dd:dd" or "dddd.dd.dd": digits with the separator at the given places.
bool HasFixedForm(const QString& text, int length, QChar separator, std::initializer_list<int> at) {
    if (text.size() != length) return false;
    for (int i = 0; i < length; ++i) {
        const bool separatorPlace = std::find(at.begin(), at.end(), i) != at.end();
        const char16_t c = text[i].unicode();
        if (separatorPlace ? text[i] != separator : c < u'0' || c > u'9') return false;
    }
    return true;
}

// Sizes `text` to `length` characters and gives its storage; unshared storage is
// reused as it is, so reading record after record into one string does not allocate.
QChar* ReuseText(QString& text, qsizetype length) {
    if (text.size() != length || !text.isDetached()) text.resize(length);
    return text.data();
}

// Unscrambles `length` bytes from `in` into their code page 1250 codes at `out`; the
// first byte is at position 1. False when a code falls out of range. In 16 bits, so
// the compiler takes many bytes at a time: the values stay within +-1300.
bool UnscrambleCodes(const unsigned char* in, int length, int key, unsigned char* out) {
    std::int16_t all = 0;
    for (int i = 0; i < length; ++i) {
        const auto x = static_cast<std::int16_t>(in[i] - key - 4 * (i + 1));
        const auto code = static_cast<std::int16_t>(x + ((x >> 15) & 255));   // folded back once
        all |= code;
        out[i] = static_cast<unsigned char>(code);
    }
    return all >= 0;
}

// The same for the 26 bytes of the times, in one go: their length is known.
bool UnscrambleTimes(const unsigned char* in, int key, unsigned char* out) {
    std::int16_t all = 0;
    for (int i = 0; i < DecodedRecord::kTimesLength; ++i) {
        const auto x = static_cast<std::int16_t>(in[i] - key - 4 * (i + 1));
        const auto code = static_cast<std::int16_t>(x + ((x >> 15) & 255));
        all |= code;
        out[i] = static_cast<unsigned char>(code);
    }
    return all >= 0;
}

// `text` becomes the characters of `length` code page 1250 codes.
void TextFromCodes(const unsigned char* codes, int length, const std::array<QChar, 256>& chars, QString& text) {
    QChar* out = ReuseText(text, length);
    for (int i = 0; i < length; ++i) out[i] = chars[codes[i]];
}

// The same for a text of fixed length, such as a date: plain ASCII codes, as in every
// date and time the game writes, need no lookup.
template <int Length>
void FixedTextFromCodes(const unsigned char* codes, const std::array<QChar, 256>& chars, QString& text) {
    QChar* out = ReuseText(text, Length);
    unsigned all = 0;
    for (int i = 0; i < Length; ++i) {
        out[i] = QChar(static_cast<char16_t>(codes[i]));
        all |= codes[i];
    }
    if (all >= 128) TextFromCodes(codes, Length, chars, text);
}

} // namespace

int TypeCodePosition(const QString& code) {
    const int index = TypeIndexOfCode(code);
    return index == 0 ? 0 : 2 * index - 1;
}

QString TypeCodeAtPosition(int position) {
    // Literals: a reader assigns one per record without allocating or counting references.
    static const std::array<QString, 8> kCodes = {
        QStringLiteral("V"), QStringLiteral("VR"), QStringLiteral("A"), QStringLiteral("AR"),
        QStringLiteral("M"), QStringLiteral("T"),  QStringLiteral("S"), QStringLiteral("SR")};
    if (position < 1 || position > 15 || position % 2 == 0) return {};
    return kCodes[static_cast<size_t>((position - 1) / 2)];
}

int TypeIndexOfCode(const QString& code) {
    // By its letters rather than by comparing texts: the statistics ask for every record.
    const qsizetype length = code.size();
    if (length < 1 || length > 2) return 0;
    const bool rearranged = length == 2;
    if (rearranged && code[1] != QLatin1Char('R')) return 0;
    switch (code[0].unicode()) {
    case u'V': return rearranged ? 2 : 1;
    case u'A': return rearranged ? 4 : 3;
    case u'M': return rearranged ? 0 : 5;
    case u'T': return rearranged ? 0 : 6;
    case u'S': return rearranged ? 8 : 7;
    default: return 0;
    }
}

QString FormatTriple(int first, int second, int third, QChar separator) {
    const auto twoDigits = [](int n) { return n < 10 ? QStringLiteral("0%1").arg(n) : QString::number(n); };
    const QString head = separator == QLatin1Char(':') ? twoDigits(first) : QString::number(first);
    return head + separator + twoDigits(second) + separator + twoDigits(third);
}

// The scrambled value v + key + 4 * position is folded back into a byte by
// subtracting 255 once, so it must not exceed 510; this is the highest key that
// keeps every character of `text` within that.
int HighestKeyFor(QByteArrayView text) {
    int highest = 255;
    for (qsizetype i = 0; i < text.size(); ++i)
        highest = std::min(highest, 510 - static_cast<unsigned char>(text[i]) - 4 * static_cast<int>(i + 1));
    return highest;
}

qsizetype FirstUnstorableCharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto code = Cp1250FromChar(text[i]);
        // Code 255 always folds to 0 and reads back as 0.
        if (!code || *code == 255 || *code + kLowestKey + 4 * (i + 1) > 510) return i;
    }
    return -1;
}

QString StorableText(QString text) {
    for (qsizetype i = FirstUnstorableCharacter(text); i >= 0; i = FirstUnstorableCharacter(text))
        text[i] = QLatin1Char('?');
    return text;
}

namespace {

// The code page bytes of a record's texts, prepared once for the checks and the
// scrambling alike, with the highest key each can take. A record is at most 256
// bytes, so each fits on the stack.
struct RecordTexts {
    std::array<unsigned char, kMaxRecordLength> name;
    std::array<unsigned char, kMaxRecordLength> game;
    std::array<unsigned char, kTextBlockLength> block;   // elapsed, date, time of day
    int nameLength = 0;
    int gameLength = 0;
    int nameHighestKey = 0;
    int gameHighestKey = 0;
    int blockHighestKey = 0;
};

// The keys a text may be scrambled with so that the values added to its key stay
// inside their fields.
struct KeyRange {
    int lowest = kLowestKey;
    int highest = 255;
};

// The name's key is added to the shuffle number and the steps (16 bits each) and,
// without a stored game, to the gap count (one byte). A count below zero, as a file
// may hold one, needs a key high enough to lift it.
KeyRange NameKeyRange(const ResultRecord& r, int textHighestKey) {
    KeyRange k;
    k.lowest = std::max({kLowestKey, -300 - r.shuffleNo, -400 - r.steps});
    k.highest = std::min({textHighestKey, kMax16 - 300 - r.shuffleNo, kMax16 - 400 - r.steps});
    if (r.storedGameName.isEmpty()) {
        k.lowest = std::max(k.lowest, -r.gapCount);
        k.highest = std::min(k.highest, 255 - r.gapCount);
    }
    return k;
}

// A stored game's key carries the gap count instead.
KeyRange GameKeyRange(const ResultRecord& r, int textHighestKey) {
    return {std::max(kLowestKey, -r.gapCount), std::min(textHighestKey, 255 - r.gapCount)};
}

// Far beyond anything a file can hold; keeps the key arithmetic clear of overflow.
bool CountsInReach(const ResultRecord& r) {
    const auto within = [](int v, int low, int high) { return v >= low && v <= high; };
    return within(r.shuffleNo, -1000, kMax16) && within(r.steps, -1000, kMax16) &&
           within(r.gapCount, -1000, 1000);
}

// The highest key with which each of the `n` bytes scrambles back at its place
// (HighestKeyFor), or -1 when one cannot with any key: code 255 always folds to 0,
// and the lowest key may already carry a byte past 510.
int StorableHighestKey(const unsigned char* bytes, qsizetype n) {
    // Keys are drawn up to 150: with no byte above 127 and at most 58 of them
    // (127 + 150 + 4 * 58 = 509) nothing comes near the fold, and no key is refused.
    unsigned all = 0;
    for (qsizetype i = 0; i < n; ++i) all |= bytes[i];
    if (all < 128 && n <= 58) return 255;
    int reach = 0;   // the largest v + 4 * position
    int code255 = 0;
    for (int i = 0; i < static_cast<int>(n); ++i) {
        const int v = bytes[i] + 4 * (i + 1);
        reach = v > reach ? v : reach;
        code255 |= bytes[i] == 255;
    }
    const int highest = std::min(255, 510 - reach);
    return code255 || highest < kLowestKey ? -1 : highest;
}

// Encodes `text` into `out`; its highest key, or -1 when it cannot be stored.
int EncodeStorable(QStringView text, unsigned char* out) {
    if (EncodeCp1250Into(text, out) >= 0) return -1;
    return StorableHighestKey(out, text.size());
}

// Fills `t`; false when the codec cannot write the record so that it reads back unchanged.
bool PrepareRecord(const ResultRecord& r, RecordTexts& t) {
    const qsizetype m = r.name.size();
    const qsizetype g = r.storedGameName.size();
    const qsizetype length = 2 + 28 + 2 + m + 5 + (g > 0 ? g + 4 : 1) + 1 + 5 + 10;
    if (length > kMaxRecordLength) return false;
    if (TypeCodePosition(r.typeCode) == 0 || r.boardSize < 4 || r.boardSize > 6 || !CountsInReach(r) ||
        (g > 0 && (r.storedGameNo < 0 || r.storedGameNo > kMax16)))
        return false;
    const qsizetype e = r.elapsed.size();
    const qsizetype d = r.date.size();
    if (e + d + r.timeOfDay.size() != kTextBlockLength) return false;
    t.nameLength = static_cast<int>(m);
    t.gameLength = static_cast<int>(g);
    t.nameHighestKey = EncodeStorable(r.name, t.name.data());
    t.gameHighestKey = EncodeStorable(r.storedGameName, t.game.data());
    // The three times are one text: their positions run on through all of them.
    unsigned char* block = t.block.data();
    if (EncodeCp1250Into(r.elapsed, block) >= 0 || EncodeCp1250Into(r.date, block + e) >= 0 ||
        EncodeCp1250Into(r.timeOfDay, block + e + d) >= 0)
        return false;
    t.blockHighestKey = StorableHighestKey(block, kTextBlockLength);
    if (t.nameHighestKey < 0 || t.gameHighestKey < 0 || t.blockHighestKey < 0) return false;
    const KeyRange name = NameKeyRange(r, t.nameHighestKey);
    if (name.lowest > name.highest) return false;
    // The stored game's key must differ from the name's, so it needs two to choose from.
    const KeyRange game = GameKeyRange(r, t.gameHighestKey);
    return g == 0 || game.lowest < game.highest;
}

void ScrambleInto(const unsigned char* in, int length, int key, unsigned char* out) {
    for (int i = 0; i < length; ++i) {
        const int x = in[i] + key + 4 * (i + 1);
        out[i] = static_cast<unsigned char>(x > 255 ? x - 255 : x);   // folded once, without a branch
    }
}

} // namespace

bool CanEncode(const ResultRecord& r) {
    RecordTexts texts;
    return PrepareRecord(r, texts);
}

RecordProblem CheckStorable(const ResultRecord& r) {
    if (r.name.isEmpty() || r.name.size() > kMaxNameLength) return RecordProblem::NameLength;
    if (FirstUnstorableCharacter(r.name) >= 0) return RecordProblem::NameCharacter;
    if (TypeCodePosition(r.typeCode) == 0) return RecordProblem::TypeCode;
    if (r.boardSize < 4 || r.boardSize > 6) return RecordProblem::BoardSize;
    if (r.gapCount < 0 || r.gapCount > kMaxGapCount) return RecordProblem::GapCount;
    if (r.storedGameName.size() > kMaxNameLength || FirstUnstorableCharacter(r.storedGameName) >= 0)
        return RecordProblem::StoredGameName;
    if (!r.storedGameName.isEmpty() && (r.storedGameNo < 0 || r.storedGameNo > kMaxStoredGameNo))
        return RecordProblem::StoredGameNo;
    if (r.shuffleNo < 0 || r.shuffleNo > kMaxStorableCount) return RecordProblem::ShuffleNo;
    if (r.steps < 0 || r.steps > kMaxStorableCount) return RecordProblem::Steps;
    if (!HasFixedForm(r.elapsed, 8, QLatin1Char(':'), {2, 5}) ||
        !HasFixedForm(r.date, 10, QLatin1Char('.'), {4, 7}) ||
        !HasFixedForm(r.timeOfDay, 8, QLatin1Char(':'), {2, 5}))
        return RecordProblem::TimeText;
    return RecordProblem::None;
}

QByteArray ScrambleWithKey(QByteArrayView text, int key) {
    QByteArray out(text.size() + 2, Qt::Uninitialized);
    out[0] = Byte(key);
    out[1] = Byte(static_cast<int>(text.size()));
    ScrambleInto(reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()), key,
                 reinterpret_cast<unsigned char*>(out.data()) + 2);
    return out;
}

bool UnscrambleText(QByteArrayView bytes, qsizetype offset, int length, int key, QString& text) {
    if (offset < 0 || length < 0 || offset + length > bytes.size()) return false;
    std::vector<unsigned char> codes(static_cast<std::size_t>(length));
    int all = 0;
    for (int i = 0; i < length; ++i) {
        const int x = static_cast<unsigned char>(bytes[offset + i]) - key - 4 * (i + 1);
        const int code = x < 0 ? x + 255 : x;
        all |= code;
        codes[static_cast<std::size_t>(i)] = static_cast<unsigned char>(code);
    }
    if (all < 0) return false;
    TextFromCodes(codes.data(), length, Cp1250Chars(), text);
    return true;
}

ResultsCodec::ResultsCodec(RandomSource& random) : m_random(random) {}

int ResultsCodec::Draw(int scale) {
    // Rounded to the nearest whole number, halves to even. Without branches: the
    // fractions are random, and a rewrite draws millions of them.
    const double x = m_random.Rnd() * scale;
    const auto n = static_cast<int>(x);   // x >= 0: truncation is the floor
    const double fraction = x - n;
    return n + static_cast<int>(fraction > 0.5) + static_cast<int>(fraction == 0.5) * (n & 1);
}

int ResultsCodec::DrawKey(int highestKey, int lowestKey) {
    const int previousKey = m_cipherKey;
    int key = Draw(1000) % 120 + kLowestKey;
    if (key == previousKey) ++key;
    // Rarely (accented letters at the end of a long name, counts near the 16-bit limit
    // or below zero) the drawn key would not read back; one within the range does.
    const int lowest = std::min(lowestKey, highestKey);
    key = std::clamp(key, lowest, highestKey);
    if (key == previousKey && lowest < highestKey) key += key < highestKey ? 1 : -1;
    m_cipherKey = key;
    return key;
}

QByteArray ResultsCodec::ScrambleText(const QString& text, int highestKey, int lowestKey) {
    const QByteArray bytes = EncodeCp1250(text).value_or(QByteArray(text.size(), '?'));
    return ScrambleWithKey(bytes, DrawKey(std::min(highestKey, HighestKeyFor(bytes)), lowestKey));
}

QByteArray ResultsCodec::EncodeResultsHeader() {
    const int n = Draw(100) % 15 + 15;
    m_cipherKey = n;
    QByteArray header;
    header.reserve(n);
    for (int i = 0; i < n; ++i) header.append(Byte(Draw(100) % 120 + 120));
    header[12] = Byte(n);
    return header;
}

std::optional<QByteArray> ResultsCodec::EncodeResultRecord(const ResultRecord& r) {
    QByteArray record;
    if (!AppendResultRecord(r, record)) return std::nullopt;
    return record;
}

bool ResultsCodec::AppendResultRecord(const ResultRecord& r, QByteArray& out) {
    RecordTexts t;
    if (!PrepareRecord(r, t)) return false;

    // The keys first, in the order the fields are scrambled. A key is added to the
    // shuffle number, the step count and (unless a stored-game key follows) the gap count.
    const bool storedGame = t.gameLength > 0;
    const KeyRange nameKeys = NameKeyRange(r, t.nameHighestKey);
    const int nameKey = DrawKey(nameKeys.highest, nameKeys.lowest);
    const KeyRange gameKeys = GameKeyRange(r, t.gameHighestKey);
    const int gameKey = storedGame ? DrawKey(gameKeys.highest, gameKeys.lowest) : nameKey;
    const int textKey = DrawKey(t.blockHighestKey, kLowestKey);
    const int fillerA = Draw(100) % 30 + 20;
    const int fillerB = Draw(100) % 30 + 20;
    const int fillerCount = Draw(100) % 10 + 1;

    const int shuffleValue = r.shuffleNo + 300 + nameKey;
    const int stepsValue = r.steps + 400 + nameKey;
    const std::array<int, 5> guarded = {8 * (TypeCodePosition(r.typeCode) + 1) + r.boardSize,
                                        HighByte(shuffleValue), LowByte(shuffleValue),
                                        HighByte(stepsValue), LowByte(stepsValue)};
    const int gamePartLength = storedGame ? t.gameLength + 4 : 1;
    const int length = 4 + kTextBlockLength + 2 + t.nameLength + 5 + gamePartLength + 1 + 5 + fillerCount;

    // Straight into the caller's buffer: a rewrite appends record after record to one.
    const qsizetype start = out.size();
    out.resize(start + length);
    auto* p = reinterpret_cast<unsigned char*>(out.data()) + start;
    const auto put = [&p](int value) { *p++ = static_cast<unsigned char>(value & 0xFF); };
    put(fillerA);
    put(fillerB);
    put(length - 1);
    put(textKey);
    ScrambleInto(t.block.data(), kTextBlockLength, textKey, p);
    p += kTextBlockLength;
    put(nameKey);
    put(t.nameLength);
    ScrambleInto(t.name.data(), t.nameLength, nameKey, p);
    p += t.nameLength;
    for (int b : guarded) put(b);
    if (storedGame) {
        put(gameKey);
        put(t.gameLength);
        ScrambleInto(t.game.data(), t.gameLength, gameKey, p);
        p += t.gameLength;
        put(HighByte(r.storedGameNo));
        put(LowByte(r.storedGameNo));
    } else {
        put(nameKey);
    }
    put(gameKey + r.gapCount);
    for (int i = 4; i >= 0; --i) put(255 - guarded[static_cast<std::size_t>(i)]);
    for (int i = 0; i < fillerCount; ++i) put(Draw(500) % 254 + 1);
    return true;
}

bool ResultsCodec::WriteResultsHeader(QIODevice& file) {
    const QByteArray header = EncodeResultsHeader();
    return file.write(header) == header.size();
}

bool ResultsCodec::WriteResultRecord(QIODevice& file, const ResultRecord& record) {
    const auto bytes = EncodeResultRecord(record);
    return bytes && file.write(*bytes) == bytes->size();
}

bool DecodeResultFields(QByteArrayView body, DecodedRecord& r) {
    // D(j) is record byte j + 3, as the layout above counts.
    const qsizetype size = body.size();
    const auto* bytes = reinterpret_cast<const unsigned char*>(body.data());
    const auto D = [bytes](qsizetype j) { return static_cast<int>(bytes[j - 1]); };
    const auto has = [size](qsizetype j) { return j >= 1 && j <= size; };

    if (!has(29)) return false;
    const int nameKey = D(28);
    const int m = D(29);
    if (!has(35 + m) || !UnscrambleCodes(bytes + 29, m, nameKey, r.name.data())) return false;
    r.nameLength = m;

    const int typeByte = D(30 + m);
    r.boardSize = typeByte % 16;
    const int position = typeByte / 8 - 1;
    if (position < 1 || position > 15 || position % 2 == 0 || r.boardSize < 4 || r.boardSize > 6)
        return false;
    r.typeIndex = (position + 1) / 2;

    // Values of 32768 and more overflow the 16-bit fields they were written from.
    const int shuffleValue = D(31 + m) * 256 + D(32 + m);
    const int stepsValue = D(33 + m) * 256 + D(34 + m);
    if (shuffleValue > kMax16 || stepsValue > kMax16) return false;
    // A count below zero is what these bytes mean; the lists show it as it is.
    r.shuffleNo = shuffleValue - nameKey - 300;
    r.steps = stepsValue - nameKey - 400;

    const qsizetype q = 35 + m;
    int key = nameKey;
    qsizetype e = q;
    if (D(q) == nameKey) {
        r.storedGameNameLength = 0;
        r.storedGameNo = 0;
    } else {
        key = D(q);
        if (!has(q + 1)) return false;
        const int g = D(q + 1);
        if (!has(q + 3 + g) || !UnscrambleCodes(bytes + q + 1, g, key, r.storedGameName.data())) return false;
        r.storedGameNameLength = g;
        r.storedGameNo = D(q + 2 + g) * 256 + D(q + 3 + g);
        if (r.storedGameNo > kMax16) return false;
        // A number goes with a stored game's name only; without one it reads as 0.
        if (g == 0) r.storedGameNo = 0;
        e = q + 3 + g;
    }
    if (!has(e + 6)) return false;
    r.gapCount = D(e + 1) - key;

    for (int i = 1; i <= 5; ++i)
        if (D(e + 7 - i) + D(29 + m + i) != 255) return false;

    // The text block: elapsed (8), date (10), time of day (8), with one key and the
    // character positions running on through all three. It lies within the 29 bytes
    // checked first.
    return UnscrambleTimes(bytes + 1, D(1), r.times.data());
}

void ToResultRecord(const DecodedRecord& d, ResultRecord& r) {
    const std::array<QChar, 256>& chars = Cp1250Chars();
    TextFromCodes(d.name.data(), d.nameLength, chars, r.name);
    r.typeCode = TypeCodeAtPosition(2 * d.typeIndex - 1);
    r.boardSize = d.boardSize;
    r.gapCount = d.gapCount;
    if (d.storedGameNameLength == 0) r.storedGameName.clear();
    else TextFromCodes(d.storedGameName.data(), d.storedGameNameLength, chars, r.storedGameName);
    r.storedGameNo = d.storedGameNo;
    r.shuffleNo = d.shuffleNo;
    r.steps = d.steps;
    FixedTextFromCodes<8>(d.times.data(), chars, r.elapsed);
    FixedTextFromCodes<10>(d.times.data() + 8, chars, r.date);
    FixedTextFromCodes<8>(d.times.data() + 18, chars, r.timeOfDay);
}

bool DecodeResultRecord(QByteArrayView body, ResultRecord& record) {
    DecodedRecord decoded;
    if (!DecodeResultFields(body, decoded)) return false;
    ToResultRecord(decoded, record);
    return true;
}

ResultsReader::ResultsReader(QIODevice& file) : m_file(file), m_bufferOffset(file.pos()) {}

bool ResultsReader::Fail() {
    m_damaged = true;
    m_atEnd = true;
    return false;
}

qsizetype ResultsReader::Ensure(qsizetype count) {
    constexpr qsizetype kBlock = 64 * 1024;
    if (m_end - m_pos >= count || m_deviceEnded) return std::min(count, m_end - m_pos);
    if (m_buffer.size() < kBlock) m_buffer.resize(kBlock);
    // Move the unread tail to the front, then fill the rest from the device.
    std::copy(m_buffer.begin() + m_pos, m_buffer.begin() + m_end, m_buffer.begin());
    m_end -= m_pos;
    m_bufferOffset += m_pos;
    m_pos = 0;
    while (m_end < count && !m_deviceEnded) {
        const qint64 got = m_file.read(m_buffer.data() + m_end, kBlock - m_end);
        if (got <= 0) m_deviceEnded = true;
        else m_end += got;
    }
    return std::min(count, m_end);
}

bool ResultsReader::ReadResultsHeader() {
    m_damaged = false;
    m_tailCut = false;
    m_missingFiller = 0;
    m_atEnd = true;
    m_recordsEnd = 0;
    const qsizetype got = Ensure(13);
    if (got == 0) return true;   // an empty file holds no records
    // A file cut inside its header holds no records, as a reader that stops at the end
    // of the file finds.
    m_tailCut = got < 13;
    if (m_tailCut) return true;
    const int n = static_cast<unsigned char>(m_buffer[m_pos + 12]);
    if (n < 13) return Fail();
    // The rest of the header, then the first three bytes of the first record.
    const qint64 headerStart = m_bufferOffset + m_pos;
    const qsizetype available = Ensure(n + 3);
    m_pos += std::min<qsizetype>(available, n + 3);
    // Only a header the game writes (15..29 bytes) can have been cut short; the end of
    // a file that claims a longer one is damage.
    if (available < n && n > kLongestHeader) return Fail();
    m_tailCut = available != n && available < n + 3;
    if (available < n) return true;
    m_recordsEnd = headerStart + n;
    if (available < n + 3) return true;   // a header without records
    m_nextRecordLength = static_cast<unsigned char>(m_buffer[m_pos - 1]) + 1;
    m_atEnd = false;
    return true;
}

bool ResultsReader::ReadResultRecord(ResultRecord& record) {
    if (!ReadDecodedRecord(m_decoded)) return false;
    ToResultRecord(m_decoded, record);
    return true;
}

bool ResultsReader::ReadDecodedRecord(DecodedRecord& record) {
    if (m_atEnd) return false;
    // The record from its 4th byte on, then the first three bytes of the next one
    // (which carry its length); the last record of the file has no next one.
    const qsizetype wanted = m_nextRecordLength;
    if (wanted <= 3) {
        m_tailCut = Ensure(1) == 0;   // three bytes that end the file start no record
        return Fail();
    }
    const qint64 bodyStart = m_bufferOffset + m_pos;
    const qsizetype got = Ensure(wanted);
    const qsizetype bodyLength = wanted - 3;
    if (got == wanted) {
        m_nextRecordLength = static_cast<unsigned char>(m_buffer.constData()[m_pos + wanted - 1]) + 1;
    } else {
        // The last record. One or two bytes after it are too few to start another;
        // the device ending before its end leaves as much of it as there is.
        m_atEnd = true;
        m_tailCut = got != bodyLength;
    }
    const qsizetype present = std::min(got, bodyLength);
    const QByteArrayView body(m_buffer.constData() + m_pos, present);
    m_pos += got;
    if (!DecodeResultFields(body, record)) return Fail();
    // Only filler can be missing from a record that decodes.
    if (present < bodyLength) {
        m_tailCut = false;
        m_missingFiller = static_cast<int>(bodyLength - present);
    }
    m_recordsEnd = bodyStart + present;
    return true;
}
