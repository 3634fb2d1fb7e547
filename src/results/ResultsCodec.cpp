#include "results/ResultsCodec.h"
#include "results/CodePage1250.h"
#include "ui/RandomSource.h"
#include <QIODevice>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kTextBlockLength = 26;   // elapsed 8 + date 10 + time of day 8
constexpr int kLowestKey = 30;         // keys are drawn from 30..149 (150 when repeating)
constexpr int kMaxRecordLength = 256;  // its length - 1 is kept in one byte
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

// The code page 1250 code of a byte scrambled with `key` at 1-based `position`;
// negative when it falls out of range.
int UnscrambledCode(unsigned char byte, int key, int position) {
    const int x = byte - key - 4 * position;
    return x + ((x >> 31) & 255);   // fold a negative value back once, without a branch
}

// Unscrambles `length` bytes from `in` into `text`; false when a code falls out of
// range (its character is written all the same).
bool UnscrambleInto(const unsigned char* in, int length, int key, QString& text) {
    QChar* out = ReuseText(text, length);
    const auto& chars = Cp1250Chars();
    int all = 0;
    for (int i = 1; i <= length; ++i) {
        const int code = UnscrambledCode(in[i - 1], key, i);
        all |= code;
        out[i - 1] = chars[static_cast<unsigned char>(code)];
    }
    return all >= 0;
}

// The same for a text of fixed length, such as a date, with a key below 1000. The codes
// are worked out together first, in 16 bits; plain ASCII ones, as in every date and
// time the game writes, need no lookup.
template <int Length>
bool UnscrambleFixed(const unsigned char* in, int key, QString& text) {
    std::array<char16_t, Length> codes;
    std::int16_t all = 0;
    for (int i = 1; i <= Length; ++i) {
        const auto x = static_cast<std::int16_t>(in[i - 1] - key - 4 * i);
        const auto code = static_cast<std::int16_t>(x + ((x >> 15) & 255));
        all |= code;
        codes[i - 1] = static_cast<unsigned char>(code);
    }
    QChar* out = ReuseText(text, Length);
    std::copy(codes.begin(), codes.end(), out);
    CharsFromCp1250Codes(out, Length, static_cast<unsigned>(all));
    return all >= 0;
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

bool CanEncode(const ResultRecord& r) {
    const qsizetype m = r.name.size();
    const qsizetype g = r.storedGameName.size();
    const qsizetype length = 2 + 28 + 2 + m + 5 + (g > 0 ? g + 4 : 1) + 1 + 5 + 10;
    return length <= kMaxRecordLength && FirstUnstorableCharacter(r.name) < 0 &&
           TypeCodePosition(r.typeCode) > 0 && r.boardSize >= 4 && r.boardSize <= 6 &&
           r.gapCount >= 0 && r.gapCount + kLowestKey <= 255 &&
           FirstUnstorableCharacter(r.storedGameName) < 0 &&
           (g == 0 || (r.storedGameNo >= 0 && r.storedGameNo <= kMax16)) &&
           r.shuffleNo >= 0 && r.shuffleNo + 300 + kLowestKey <= kMax16 &&
           r.steps >= 0 && r.steps + 400 + kLowestKey <= kMax16 &&
           r.elapsed.size() + r.date.size() + r.timeOfDay.size() == kTextBlockLength &&
           FirstUnstorableCharacter(r.elapsed + r.date + r.timeOfDay) < 0;
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
    QByteArray out;
    out.reserve(text.size() + 2);
    out.append(Byte(key));
    out.append(Byte(static_cast<int>(text.size())));
    for (qsizetype i = 0; i < text.size(); ++i) {
        int x = static_cast<unsigned char>(text[i]) + key + 4 * static_cast<int>(i + 1);
        if (x > 255) x -= 255;
        out.append(Byte(x));
    }
    return out;
}

bool UnscrambleText(QByteArrayView bytes, qsizetype offset, int length, int key, QString& text) {
    if (offset < 0 || length < 0 || offset + length > bytes.size()) return false;
    return UnscrambleInto(reinterpret_cast<const unsigned char*>(bytes.data() + offset), length, key, text);
}

ResultsCodec::ResultsCodec(RandomSource& random) : m_random(random) {}

int ResultsCodec::Draw(int scale) {
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(m_random.Rnd() * scale));
}

QByteArray ResultsCodec::ScrambleText(const QString& text, int highestKey) {
    const QByteArray bytes = EncodeCp1250(text).value_or(QByteArray(text.size(), '?'));
    const int previousKey = m_cipherKey;
    int key = Draw(1000) % 120 + kLowestKey;
    if (key == previousKey) ++key;
    // Rarely (accented letters at the end of a long name, or counts near the 16-bit
    // limit) the drawn key would not read back; a lower one always does.
    const int limit = std::min(highestKey, HighestKeyFor(bytes));
    if (key > limit) {
        key = limit;
        if (key == previousKey) --key;
    }
    m_cipherKey = key;
    return ScrambleWithKey(bytes, key);
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
    if (!CanEncode(r)) return std::nullopt;

    // The order of the scrambles fixes which key each field gets. A key is added to the
    // shuffle number, the step count and (unless a stored-game key follows) the gap count.
    const bool storedGame = !r.storedGameName.isEmpty();
    int nameKeyLimit = std::min(kMax16 - 300 - r.shuffleNo, kMax16 - 400 - r.steps);
    if (!storedGame) nameKeyLimit = std::min(nameKeyLimit, 255 - r.gapCount);
    QByteArray namePart = ScrambleText(r.name, nameKeyLimit);
    const int nameKey = m_cipherKey;
    const int shuffleValue = r.shuffleNo + 300 + nameKey;
    const int stepsValue = r.steps + 400 + nameKey;
    const std::array<int, 5> guarded = {8 * (TypeCodePosition(r.typeCode) + 1) + r.boardSize,
                                        HighByte(shuffleValue), LowByte(shuffleValue),
                                        HighByte(stepsValue), LowByte(stepsValue)};
    for (int b : guarded) namePart.append(Byte(b));

    QByteArray gamePart;
    if (!storedGame) {
        gamePart.append(Byte(nameKey));
    } else {
        gamePart = ScrambleText(r.storedGameName, 255 - r.gapCount);
        gamePart.append(Byte(HighByte(r.storedGameNo)));
        gamePart.append(Byte(LowByte(r.storedGameNo)));
    }
    gamePart.append(Byte(m_cipherKey + r.gapCount));

    const QByteArray textBlock = ScrambleText(r.elapsed + r.date + r.timeOfDay);
    const int textKey = m_cipherKey;

    QByteArray record;
    record.append(Byte(Draw(100) % 30 + 20));
    record.append(Byte(Draw(100) % 30 + 20));
    record.append(textBlock);
    record.append(namePart);
    record.append(gamePart);
    for (int i = 4; i >= 0; --i) record.append(Byte(255 - guarded[i]));
    const int fillerCount = Draw(100) % 10 + 1;
    for (int i = 0; i < fillerCount; ++i) record.append(Byte(Draw(500) % 254 + 1));

    record[3] = Byte(textKey);
    record[2] = Byte(static_cast<int>(record.size()) - 1);
    return record;
}

bool ResultsCodec::WriteResultsHeader(QIODevice& file) {
    const QByteArray header = EncodeResultsHeader();
    return file.write(header) == header.size();
}

bool ResultsCodec::WriteResultRecord(QIODevice& file, const ResultRecord& record) {
    const auto bytes = EncodeResultRecord(record);
    return bytes && file.write(*bytes) == bytes->size();
}

bool DecodeResultRecord(QByteArrayView body, ResultRecord& r) {
    // D(j) is record byte j + 3, as the layout above counts.
    const qsizetype size = body.size();
    const auto D = [&](qsizetype j) { return static_cast<int>(static_cast<unsigned char>(body[j - 1])); };
    const auto has = [&](qsizetype j) { return j >= 1 && j <= size; };

    if (!has(29)) return false;
    const int nameKey = D(28);
    const int m = D(29);
    if (!UnscrambleText(body, 29, m, nameKey, r.name) || !has(35 + m)) return false;

    const int typeByte = D(30 + m);
    r.boardSize = typeByte % 16;
    const int position = typeByte / 8 - 1;
    if (position < 1 || position > 15 || position % 2 == 0 || r.boardSize < 4 || r.boardSize > 6)
        return false;
    r.typeCode = TypeCodeAtPosition(position);

    // Values of 32768 and more overflow the 16-bit fields they were written from.
    const int shuffleValue = D(31 + m) * 256 + D(32 + m);
    const int stepsValue = D(33 + m) * 256 + D(34 + m);
    if (shuffleValue > kMax16 || stepsValue > kMax16) return false;
    r.shuffleNo = shuffleValue - nameKey - 300;
    r.steps = stepsValue - nameKey - 400;
    if (r.shuffleNo < 0 || r.steps < 0) return false;

    const qsizetype q = 35 + m;
    int key = nameKey;
    qsizetype e = q;
    if (D(q) == nameKey) {
        r.storedGameName.clear();
        r.storedGameNo = 0;
    } else {
        key = D(q);
        if (!has(q + 1)) return false;
        const int g = D(q + 1);
        if (!UnscrambleText(body, q + 1, g, key, r.storedGameName) || !has(q + 3 + g)) return false;
        r.storedGameNo = D(q + 2 + g) * 256 + D(q + 3 + g);
        if (r.storedGameNo > kMax16) return false;
        // A number goes with a stored game's name only; without one it reads as 0.
        if (r.storedGameName.isEmpty()) r.storedGameNo = 0;
        e = q + 3 + g;
    }
    if (!has(e + 6)) return false;
    r.gapCount = D(e + 1) - key;
    if (r.gapCount < 0) return false;

    for (int i = 1; i <= 5; ++i)
        if (D(e + 7 - i) + D(29 + m + i) != 255) return false;

    // The text block: elapsed (8), date (10), time of day (8), with one key and the
    // character positions running on through all three. It lies within the 29 bytes
    // checked first.
    const int textKey = D(1);
    const auto* block = reinterpret_cast<const unsigned char*>(body.data()) + 1;
    return UnscrambleFixed<8>(block, textKey, r.elapsed) &&
           UnscrambleFixed<10>(block + 8, textKey + 4 * 8, r.date) &&
           UnscrambleFixed<8>(block + 18, textKey + 4 * 18, r.timeOfDay);
}

ResultsReader::ResultsReader(QIODevice& file) : m_file(file) {}

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
    m_atEnd = true;
    const qsizetype got = Ensure(13);
    if (got == 0) return true;   // an empty file holds no records
    if (got != 13) return Fail();
    const int n = static_cast<unsigned char>(m_buffer[m_pos + 12]);
    if (n < 13) return Fail();
    // The rest of the header, then the first three bytes of the first record.
    const qsizetype available = Ensure(n + 3);
    m_pos += std::min<qsizetype>(available, n + 3);
    if (available == n) return true;   // a header without records
    if (available != n + 3) return Fail();
    m_nextRecordLength = static_cast<unsigned char>(m_buffer[m_pos - 1]) + 1;
    m_atEnd = false;
    return true;
}

bool ResultsReader::ReadResultRecord(ResultRecord& record) {
    if (m_atEnd) return false;
    // The record from its 4th byte on, then the first three bytes of the next one
    // (which carry its length); the last record of the file has no next one.
    const qsizetype wanted = m_nextRecordLength;
    if (wanted <= 3) return Fail();
    const qsizetype got = Ensure(wanted);
    const qsizetype bodyLength = wanted - 3;
    const QByteArrayView body(m_buffer.constData() + m_pos, bodyLength);
    if (got == wanted) {
        m_nextRecordLength = static_cast<unsigned char>(m_buffer.constData()[m_pos + wanted - 1]) + 1;
    } else if (got == bodyLength) {
        m_atEnd = true;
    } else {
        return Fail();
    }
    m_pos += got;
    if (!DecodeResultRecord(body, record)) return Fail();
    return true;
}
