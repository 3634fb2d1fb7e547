// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsTable.h"
#include "files/CodePage1250.h"
#include "files/FileLimits.h"
#include "results/ResultsFile.h"
#include <QFileInfo>
#include <algorithm>
#include <bit>
#include <cstring>
#include <numeric>

namespace {

// A character of a text, or a code page 1250 code (whose digits, dots and colons are
// the same characters), as a number.
unsigned Unit(QChar c) { return c.unicode(); }

// The digits of `text` at `positions` as one number; false when one is not a digit.
template <class Text, std::size_t N>
bool Digits(Text text, const std::array<int, N>& positions, std::uint32_t& value) {
    value = 0;
    for (int p : positions) {
        const unsigned c = Unit(text[p]);
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

template <class Text>
std::uint32_t PackTimeOf(Text text) {
    std::uint32_t value = 0;
    if (text.size() != 8 || Unit(text[2]) != ':' || Unit(text[5]) != ':' ||
        !Digits(text, std::array{0, 1, 3, 4, 6, 7}, value))
        return kOddText;
    return value;
}

template <class Text>
std::uint32_t PackDateOf(Text text) {
    std::uint32_t value = 0;
    if (text.size() != 10 || Unit(text[4]) != '.' || Unit(text[7]) != '.' ||
        !Digits(text, std::array{0, 1, 2, 3, 5, 6, 8, 9}, value))
        return kOddText;
    return value;
}

static_assert(std::endian::native == std::endian::little, "codes are read as little-endian words");

std::uint64_t Load8(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Eight code page 1250 codes read as one little-endian word (byte i at bits 8i), each
// byte either a digit or, where `separatorBytes` marks it, the separator that
// `separators` holds there. Digits are the codes 0x30..0x39: high half 3, low half at
// most 9 (adding 6 to a low half of 9 or less keeps it below 16). Gives the word with
// each byte i turned into the two-digit number of bytes i and i + 1, or nothing.
std::optional<std::uint64_t> DigitPairs(std::uint64_t word, std::uint64_t separatorBytes, std::uint64_t separators) {
    constexpr std::uint64_t kHighHalves = 0xF0F0F0F0F0F0F0F0u;
    constexpr std::uint64_t kLowHalves = 0x0F0F0F0F0F0F0F0Fu;
    const std::uint64_t digitBytes = ~separatorBytes;
    if ((word & separatorBytes) != separators) return std::nullopt;
    if ((word & kHighHalves & digitBytes) != (0x3030303030303030u & digitBytes)) return std::nullopt;
    const std::uint64_t low = word & kLowHalves & digitBytes;
    if (((low + 0x0606060606060606u) & 0x1010101010101010u) != 0) return std::nullopt;
    // 10 x a digit plus the next digit is at most 99: no byte carries into the next.
    return low * 10 + (low >> 8);
}

unsigned ByteAt(std::uint64_t word, int i) { return static_cast<unsigned>(word >> (8 * i)) & 0xFF; }

// Read a word at a time: the table decodes a million of each per load.
std::uint32_t PackTimeCodes(QByteArrayView codes) {
    if (codes.size() != 8) return kOddText;
    // hh:mm:ss, the colons in bytes 2 and 5.
    const std::optional<std::uint64_t> pairs =
        DigitPairs(Load8(codes.data()), 0x0000FF0000FF0000u, 0x00003A00003A0000u);
    if (!pairs) return kOddText;
    return ByteAt(*pairs, 0) * 10000 + ByteAt(*pairs, 3) * 100 + ByteAt(*pairs, 6);
}

std::uint32_t PackDateCodes(QByteArrayView codes) {
    if (codes.size() != 10) return kOddText;
    // yyyy.mm. in the first word, the dots in bytes 4 and 7; dd after it.
    const std::optional<std::uint64_t> pairs =
        DigitPairs(Load8(codes.data()), 0xFF0000FF00000000u, 0x2E00002E00000000u);
    const unsigned d1 = static_cast<unsigned char>(codes[8]) - unsigned{'0'};
    const unsigned d2 = static_cast<unsigned char>(codes[9]) - unsigned{'0'};
    if (!pairs || d1 > 9 || d2 > 9) return kOddText;
    return ((ByteAt(*pairs, 0) * 100 + ByteAt(*pairs, 2)) * 100 + ByteAt(*pairs, 5)) * 100 + d1 * 10 + d2;
}

QString TwoDigits(std::uint32_t n) {
    return QString(QChar(u'0' + n / 10)) + QChar(u'0' + n % 10);
}

QString TimeFromDigits(std::uint32_t hhmmss) {
    return TwoDigits(hhmmss / 10000) + u':' + TwoDigits(hhmmss / 100 % 100) + u':' + TwoDigits(hhmmss % 100);
}

// A plain decimal number of at most 9 digits: such cells sort as numbers.
std::optional<int> CellNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// A record with a one-letter name, no stored game and one filler byte.
constexpr qint64 kSmallestRecordBytes = 49;

} // namespace

const TypeNames& StoredTypeCodes() {
    static const TypeNames codes{QString(),          QStringLiteral("V"), QStringLiteral("VR"),
                                 QStringLiteral("A"), QStringLiteral("AR"), QStringLiteral("M"),
                                 QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("SR")};
    return codes;
}

std::uint32_t ElapsedSeconds(std::uint32_t hhmmss) {
    if (hhmmss == kOddText) return kOddText;
    return hhmmss / 10000 * 3600 + hhmmss / 100 % 100 * 60 + hhmmss % 100;
}

std::uint32_t PackTime(QStringView text) { return PackTimeOf(text); }
std::uint32_t PackDate(QStringView text) { return PackDateOf(text); }
std::uint32_t PackTime(QByteArrayView codes) { return PackTimeCodes(codes); }
std::uint32_t PackDate(QByteArrayView codes) { return PackDateCodes(codes); }

int CompareCellTexts(const QString& a, const QString& b) {
    const std::optional<int> na = CellNumber(a);
    const std::optional<int> nb = CellNumber(b);
    if (na && nb && *na != *nb) return *na < *nb ? -1 : 1;
    if (na.has_value() != nb.has_value()) return na ? -1 : 1;
    if (const int c = QString::compare(a, b, Qt::CaseInsensitive)) return c;
    return QString::compare(a, b, Qt::CaseSensitive);
}

std::size_t MostRecordsIn(qint64 fileBytes) {
    return static_cast<std::size_t>(std::clamp<qint64>(fileBytes, 0, FileLimit::Results) / kSmallestRecordBytes + 1);
}

ResultsLoad ResultsTable::Load(const QString& path) {
    // The rows keep their storage from the last load: a reload of the same file
    // neither allocates nor copies a growing table.
    Clear();
    m_rows.reserve(MostRecordsIn(QFileInfo(path).size()));
    // By the texts' codes: a name read a million times is made into a string once.
    return ReadDecodedResultsFile(path, [this](const DecodedRecord& r) { Append(r); });
}

void ResultsTable::Clear() {
    m_rows.clear();
    m_texts.clear();
    m_odd.clear();
    m_ranks.clear();
}

void ResultsTable::Append(const ResultRecord& r) {
    ResultRow row;
    row.name = m_texts.intern(r.name);
    row.gameName = m_texts.intern(r.storedGameName);
    row.elapsed = PackTime(r.elapsed);
    row.date = PackDate(r.date);
    row.timeOfDay = PackTime(r.timeOfDay);
    row.steps = static_cast<std::int16_t>(r.steps);
    row.shuffleNo = static_cast<std::int16_t>(r.shuffleNo);
    row.storedGameNo = static_cast<std::int16_t>(r.storedGameNo);
    row.gapCount = static_cast<std::int16_t>(r.gapCount);
    row.typeIndex = static_cast<std::uint8_t>(TypeIndexOfCode(r.typeCode));
    row.boardSize = static_cast<std::uint8_t>(r.boardSize);
    if (row.elapsed == kOddText || row.date == kOddText || row.timeOfDay == kOddText)
        m_odd.insert(static_cast<std::uint32_t>(m_rows.size()), {r.elapsed, r.date, r.timeOfDay});
    m_rows.push_back(row);
}

void ResultsTable::Append(const DecodedRecord& r) {
    ResultRow row;
    row.name = m_texts.internCp1250(r.nameCodes());
    row.gameName = m_texts.internCp1250(r.storedGameNameCodes());
    row.elapsed = PackTimeCodes(r.elapsedCodes());
    row.date = PackDateCodes(r.dateCodes());
    row.timeOfDay = PackTimeCodes(r.timeOfDayCodes());
    row.steps = static_cast<std::int16_t>(r.steps);
    row.shuffleNo = static_cast<std::int16_t>(r.shuffleNo);
    row.storedGameNo = static_cast<std::int16_t>(r.storedGameNo);
    row.gapCount = static_cast<std::int16_t>(r.gapCount);
    row.typeIndex = static_cast<std::uint8_t>(r.typeIndex);
    row.boardSize = static_cast<std::uint8_t>(r.boardSize);
    if (row.elapsed == kOddText || row.date == kOddText || row.timeOfDay == kOddText)
        m_odd.insert(static_cast<std::uint32_t>(m_rows.size()),
                     {DecodeCp1250(r.elapsedCodes()), DecodeCp1250(r.dateCodes()), DecodeCp1250(r.timeOfDayCodes())});
    m_rows.push_back(row);
}

std::optional<std::uint32_t> ResultsTable::findText(const QString& text) const { return m_texts.find(text); }

QString ResultsTable::elapsedText(std::size_t i) const {
    const std::uint32_t v = m_rows[i].elapsed;
    return v == kOddText ? m_odd.value(static_cast<std::uint32_t>(i)).elapsed : TimeFromDigits(v);
}

QString ResultsTable::dateText(std::size_t i) const {
    const std::uint32_t v = m_rows[i].date;
    if (v == kOddText) return m_odd.value(static_cast<std::uint32_t>(i)).date;
    return QStringLiteral("%1.%2.%3").arg(v / 10000, 4, 10, QLatin1Char('0')).arg(TwoDigits(v / 100 % 100),
                                                                                    TwoDigits(v % 100));
}

QString ResultsTable::timeText(std::size_t i) const {
    const std::uint32_t v = m_rows[i].timeOfDay;
    return v == kOddText ? m_odd.value(static_cast<std::uint32_t>(i)).timeOfDay : TimeFromDigits(v);
}

ResultRecord ResultsTable::record(std::size_t i) const {
    const ResultRow& row = m_rows[i];
    ResultRecord r;
    r.name = name(i);
    r.typeCode = StoredTypeCodes()[row.typeIndex];
    r.boardSize = row.boardSize;
    r.gapCount = row.gapCount;
    r.storedGameName = storedGameName(i);
    r.storedGameNo = row.storedGameNo;
    r.shuffleNo = row.shuffleNo;
    r.steps = row.steps;
    r.elapsed = elapsedText(i);
    r.date = dateText(i);
    r.timeOfDay = timeText(i);
    return r;
}

const std::vector<std::uint32_t>& ResultsTable::textRanks() const {
    if (m_ranks.size() == m_texts.size()) return m_ranks;
    std::vector<std::uint32_t> byOrder(m_texts.size());
    std::iota(byOrder.begin(), byOrder.end(), 0u);
    std::sort(byOrder.begin(), byOrder.end(),
              [this](std::uint32_t a, std::uint32_t b) { return CompareCellTexts(text(a), text(b)) < 0; });
    m_ranks.assign(byOrder.size(), 0);
    for (std::size_t rank = 0; rank < byOrder.size(); ++rank) m_ranks[byOrder[rank]] = static_cast<std::uint32_t>(rank);
    return m_ranks;
}
