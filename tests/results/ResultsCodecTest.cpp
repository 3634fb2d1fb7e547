// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsCodec.h"
#include "files/CodePage1250.h"
#include "support/FakePlatform.h"
#include "ui/SystemRandom.h"
#include <QBuffer>
#include <gtest/gtest.h>
#include <cmath>
#include <deque>
#include <optional>
#include <vector>

namespace {

ResultRecord SampleRecord() {
    ResultRecord r;
    r.name = QStringLiteral("Éva");
    r.typeCode = QStringLiteral("VR");
    r.boardSize = 5;
    r.gapCount = 2;
    r.shuffleNo = 7;
    r.steps = 123;
    r.elapsed = QStringLiteral("00:03:41");
    r.date = QStringLiteral("2006.03.07");
    r.timeOfDay = QStringLiteral("09:05:03");
    return r;
}

QByteArray EncodeFile(ResultsCodec& codec, const std::vector<ResultRecord>& records) {
    QByteArray bytes = codec.EncodeResultsHeader();
    for (const ResultRecord& r : records) {
        const auto encoded = codec.EncodeResultRecord(r);
        EXPECT_TRUE(encoded.has_value()) << r.name.toStdString();
        if (encoded) bytes += *encoded;
    }
    return bytes;
}

struct ReadBack {
    std::vector<ResultRecord> records;
    bool damaged = false;
    bool tailCut = false;
    int missingFiller = 0;
    qint64 recordsEnd = 0;
};

ReadBack ReadAll(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ResultsReader reader(buffer);
    ReadBack result;
    ResultRecord r;
    if (reader.ReadResultsHeader())
        while (!reader.atEnd() && reader.ReadResultRecord(r)) result.records.push_back(r);
    result.damaged = reader.resultsFileDamaged();
    result.tailCut = reader.tailCut();
    result.missingFiller = reader.missingFiller();
    result.recordsEnd = reader.recordsEnd();
    return result;
}

// A device that hands out at most a few bytes per read, as a pipe may.
class TrickleDevice final : public QIODevice {
public:
    explicit TrickleDevice(QByteArray bytes) : m_bytes(std::move(bytes)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_bytes.size() - m_pos + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 n = std::min<qint64>({max, 7, m_bytes.size() - m_pos});
        if (n <= 0) return m_pos >= m_bytes.size() ? -1 : 0;
        std::copy_n(m_bytes.constData() + m_pos, n, data);
        m_pos += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_pos = 0;
};

// Forces the next ScrambleText key to `key` (30..149) through the random script.
double DrawForKey(int key) { return (key - 30) / 1000.0; }

} // namespace

TEST(ResultsCodec, HeaderAndRecordHaveTheExactBytesForAFixedRandomSource) {
    FakeRandom random;
    random.script = {0.0, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01,
                     0.01, 0.01, 0.01,
                     // name key 62.5 -> 62 (halves to even) -> 92, text key 130, fillers a, b,
                     // three end fillers, the last 62.5 -> 62 -> 63
                     0.0625, 0.1, 0.2, 0.35, 0.02, 0.1, 0.6, 0.125};
    ResultsCodec codec(random);

    const QByteArray header = codec.EncodeResultsHeader();
    QByteArray expectedHeader(15, char(121));
    expectedHeader[12] = 15;
    EXPECT_EQ(header.toHex(' '), expectedHeader.toHex(' '));

    const unsigned char expected[] = {
        0x28, 0x19, 0x31, 0x82, 0xB6, 0xBA, 0xC8, 0xC2, 0xC9, 0xD4, 0xD2, 0xD3, 0xD8,
        0xDA, 0xDE, 0xE8, 0xE4, 0xEA, 0xF1, 0xF0, 0xF6, 0x02, 0xFE, 0x0C, 0x11, 0x0B,
        0x14, 0x1D, 0x17, 0x1E, 0x5C, 0x03, 0x2A, 0xDA, 0xC9, 0x25, 0x01, 0x8F, 0x02,
        0x67, 0x5C, 0x5E, 0x98, 0xFD, 0x70, 0xFE, 0xDA, 0x33, 0x2F, 0x3F};
    const auto record = codec.EncodeResultRecord(SampleRecord());
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->toHex(' '),
              QByteArray(reinterpret_cast<const char*>(expected), sizeof expected).toHex(' '));
    EXPECT_EQ(codec.cipherKey(), 130);

    const ReadBack back = ReadAll(header + *record);
    EXPECT_FALSE(back.damaged);
    ASSERT_EQ(back.records.size(), 1u);
    EXPECT_EQ(back.records[0], SampleRecord());
}

TEST(ResultsCodec, RecordsRoundTripThroughAFile) {
    std::vector<ResultRecord> records;
    const char* codes[] = {"V", "VR", "A", "AR", "M", "T", "S", "SR"};
    for (int i = 0; i < 8; ++i) {
        ResultRecord r = SampleRecord();
        r.typeCode = QString::fromLatin1(codes[i]);
        r.boardSize = 4 + i % 3;
        r.gapCount = i * 5;
        records.push_back(r);
    }
    ResultRecord accented = SampleRecord();
    accented.name = QStringLiteral("Árvíztűrő tükörfúrógép ŐŰőű");
    accented.storedGameName = QStringLiteral("Csíkos ő");
    accented.storedGameNo = 12;
    accented.typeCode = QStringLiteral("T");
    records.push_back(accented);
    ResultRecord largest = SampleRecord();
    largest.name = QString(30, QChar(0x0171));   // ű, code 251, at every place up to 30
    largest.storedGameName = QStringLiteral("x");
    largest.storedGameNo = kMaxStoredGameNo;
    largest.shuffleNo = kMaxStorableCount;
    largest.steps = kMaxStorableCount;
    largest.gapCount = kMaxGapCount;
    largest.elapsed = QStringLiteral("99:59:59");
    records.push_back(largest);
    ResultRecord plain = SampleRecord();
    plain.name = QStringLiteral("A");
    plain.boardSize = 6;
    plain.gapCount = 0;
    plain.shuffleNo = 0;
    plain.steps = 0;
    records.push_back(plain);

    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        FakeRandom random(seed);
        ResultsCodec codec(random);
        const ReadBack back = ReadAll(EncodeFile(codec, records));
        EXPECT_FALSE(back.damaged);
        ASSERT_EQ(back.records.size(), records.size());
        for (size_t i = 0; i < records.size(); ++i) EXPECT_EQ(back.records[i], records[i]) << i;
    }
}

TEST(ResultsCodec, HighKeysAreLoweredWhereTheyWouldNotReadBack) {
    // The highest keys with the largest counts and the highest letters at the end of a
    // 30-character name: every value must still come back unchanged.
    ResultRecord r = SampleRecord();
    r.name = QString(30, QChar(0x0151));   // ő, code 245
    r.storedGameName = QString(10, QChar(0x0171));
    r.storedGameNo = 5;
    r.steps = kMaxStorableCount;
    r.shuffleNo = kMaxStorableCount;
    r.gapCount = kMaxGapCount;
    FakeRandom random;
    random.script = {0.0};
    for (int i = 0; i < 15; ++i) random.script.push_back(0.5);
    for (int i = 0; i < 3; ++i) random.script.push_back(DrawForKey(149));
    ResultsCodec codec(random);
    const ReadBack back = ReadAll(EncodeFile(codec, {r}));
    EXPECT_FALSE(back.damaged);
    ASSERT_EQ(back.records.size(), 1u);
    EXPECT_EQ(back.records[0], r);
}

TEST(ResultsCodec, WithoutAStoredGameNameTheNumberReadsBackAsZero) {
    ResultRecord r = SampleRecord();
    r.storedGameNo = 321;
    FakeRandom random;
    ResultsCodec codec(random);
    const ReadBack back = ReadAll(EncodeFile(codec, {r}));
    ASSERT_EQ(back.records.size(), 1u);
    EXPECT_EQ(back.records[0].storedGameName, QString());
    EXPECT_EQ(back.records[0].storedGameNo, 0);
}

TEST(ResultsCodec, ChangingAGuardedByteOrACheckByteDamagesTheRecord) {
    FakeRandom random;
    ResultsCodec codec(random);
    const ResultRecord r = SampleRecord();   // name of m = 3 characters, no stored game
    const QByteArray header = codec.EncodeResultsHeader();
    const QByteArray second = *codec.EncodeResultRecord(r);
    const QByteArray first = *codec.EncodeResultRecord(r);
    const int m = 3;
    // 0-based offsets: type, shuffle (2), steps (2) at 32+m..36+m; the gap byte at
    // 38+m, then the five check bytes.
    std::vector<int> offsets = {32 + m, 33 + m, 34 + m, 35 + m, 36 + m};
    for (int i = 0; i < 5; ++i) offsets.push_back(39 + m + i);
    for (int offset : offsets) {
        for (int delta : {1, 255}) {
            QByteArray changed = first;
            changed[offset] = char((static_cast<unsigned char>(changed[offset]) + delta) & 0xFF);
            const ReadBack back = ReadAll(header + second + changed);
            EXPECT_TRUE(back.damaged) << "offset " << offset << " delta " << delta;
            EXPECT_EQ(back.records.size(), 1u) << "the record before the damage is kept";
        }
    }
    EXPECT_FALSE(ReadAll(header + second + first).damaged);
}

TEST(ResultsCodec, ATextBlockCodeBelowTheFoldDamagesTheRecordInWhicheverText) {
    FakeRandom random;
    ResultsCodec codec(random);
    const QByteArray record = *codec.EncodeResultRecord(SampleRecord());
    // With text key 255 the byte at block position p reads as b - 4p, folded once:
    // in range from b = 4p up. Every other block byte is 255, in range anywhere.
    struct Case {
        int position;   // 1..26: elapsed 1..8, date 9..18, time of day 19..26
        int byte;
        bool damaged;
    };
    const Case cases[] = {{1, 3, true},    {1, 4, false},   {8, 31, true},   {8, 32, false},
                          {9, 35, true},   {9, 36, false},  {18, 71, true},  {18, 72, false},
                          {19, 75, true},  {19, 76, false}, {26, 103, true}, {26, 104, false}};
    for (const Case& c : cases) {
        QByteArray body = record.mid(3);
        body[0] = char(255);
        for (int p = 1; p <= 26; ++p) body[p] = char(255);
        body[c.position] = char(c.byte);
        ResultRecord r;
        EXPECT_EQ(DecodeResultRecord(body, r), !c.damaged) << c.position << " " << c.byte;
    }
}

TEST(ResultsCodec, ARecordReadIntoTheSameStringsKeepsNothingOfTheOneBefore) {
    ResultRecord longAccented = SampleRecord();
    longAccented.name = QStringLiteral("Árvíztűrő tükörfúrógép ŐŰőű");
    longAccented.storedGameName = QStringLiteral("Csíkos ő");
    longAccented.typeCode = QStringLiteral("T");
    longAccented.elapsed = QStringLiteral("ő1:2ű:Á4");   // texts the codec keeps, not only digits
    longAccented.date = QStringLiteral("éééé.őő.űű");
    longAccented.timeOfDay = QStringLiteral("Ö9:05:0ü");
    ResultRecord shortPlain = SampleRecord();
    shortPlain.name = QStringLiteral("Al");
    ResultRecord accentedOnlyAtTheEnd = SampleRecord();
    accentedOnlyAtTheEnd.name = QStringLiteral("Abcdefgh ő");
    accentedOnlyAtTheEnd.timeOfDay = QStringLiteral("09:05:0ő");
    const std::vector<ResultRecord> records = {longAccented, shortPlain, longAccented,
                                               accentedOnlyAtTheEnd, shortPlain};
    FakeRandom random(3);
    ResultsCodec codec(random);
    QByteArray bytes = EncodeFile(codec, records);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ResultsReader reader(buffer);
    ASSERT_TRUE(reader.ReadResultsHeader());
    ResultRecord r;   // never copied, so each read reuses its storage
    for (const ResultRecord& expected : records) {
        ASSERT_TRUE(reader.ReadResultRecord(r));
        EXPECT_EQ(r, expected) << expected.name.toStdString();
    }
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.resultsFileDamaged());
}

// A file cut at any length reads as a reader that stops at the end of the file reads
// it: nothing of a header cut short; a record whose check bytes are all there, though
// its trailing filler is not; damage from a record cut before its check bytes. Every
// cut that does not end on a record's end is a cut-off tail, for the repair to move.
TEST(ResultsCodec, AFileCutAtAnyLengthReadsAsFarAsItsBytesCarry) {
    FakeRandom random;
    ResultsCodec codec(random);
    const QByteArray header = codec.EncodeResultsHeader();
    struct Span {
        qsizetype start, checked, end;   // where a record starts, its check bytes end, it ends
    };
    std::vector<Span> spans;
    QByteArray file = header;
    for (const char* gameName : {"", "Kert", ""}) {
        ResultRecord r = SampleRecord();
        r.storedGameName = QString::fromLatin1(gameName);
        r.storedGameNo = r.storedGameName.isEmpty() ? 0 : 3;
        const QByteArray bytes = *codec.EncodeResultRecord(r);
        // Filler, then the key and name, the 5 guarded bytes, the stored-game part, the
        // gap count and the 5 check bytes; only filler follows.
        const qsizetype storedPart = r.storedGameName.isEmpty() ? 1 : r.storedGameName.size() + 4;
        const qsizetype checked = 32 + r.name.size() + 5 + storedPart + 1 + 5;
        ASSERT_LT(checked, bytes.size());
        spans.push_back({file.size(), file.size() + checked, file.size() + bytes.size()});
        file += bytes;
    }
    for (qsizetype cut = 0; cut <= file.size(); ++cut) {
        SCOPED_TRACE(cut);
        const ReadBack back = ReadAll(file.left(cut));
        std::size_t records = 0;
        bool damaged = false;
        int missingFiller = 0;
        bool onAnEnd = cut == 0 || cut == header.size();
        for (const Span& span : spans) {
            if (cut >= span.checked) ++records;
            // The first three bytes of a record come with the one before it.
            if (cut >= span.start + 3 && cut < span.checked) damaged = true;
            if (cut >= span.checked && cut < span.end) missingFiller = int(span.end - cut);
            onAnEnd = onAnEnd || cut == span.end;
        }
        EXPECT_EQ(back.records.size(), records);
        EXPECT_EQ(back.damaged, damaged);
        EXPECT_EQ(back.missingFiller, missingFiller);
        EXPECT_EQ(back.tailCut, !onAnEnd && missingFiller == 0);
        if (records > 0) {
            EXPECT_EQ(back.recordsEnd, std::min(cut, spans[records - 1].end));
        }
    }
}

// The last record ends where its own length says; one or two bytes after it hold no
// record and hide nothing, though they are a tail for the repair to move aside. Three
// or more start a record that is cut short.
TEST(ResultsCodec, OneOrTwoStrayBytesAfterTheLastRecordAreIgnored) {
    FakeRandom random;
    ResultsCodec codec(random);
    const QByteArray file = EncodeFile(codec, {SampleRecord(), SampleRecord(), SampleRecord()});
    const QByteArray header = codec.EncodeResultsHeader();
    for (const QByteArray& stray : {QByteArray("\x00", 1), QByteArray("\xFF\x07", 2)}) {
        const ReadBack back = ReadAll(file + stray);
        EXPECT_FALSE(back.damaged) << stray.size();
        EXPECT_EQ(back.records.size(), 3u) << stray.size();
        EXPECT_TRUE(back.tailCut) << stray.size();
        const ReadBack empty = ReadAll(header + stray);
        EXPECT_FALSE(empty.damaged) << stray.size();
        EXPECT_TRUE(empty.records.empty()) << stray.size();
    }
}

// Counts below zero are what the file's own arithmetic gives for such bytes, and the
// lists show them; a rewrite must copy them unchanged, with keys raised as needed.
TEST(ResultsCodec, NegativeCountsReadAndEncodeBack) {
    struct Case {
        int shuffleNo, steps, gapCount;
        const char* storedGameName;
    } cases[] = {{-7, -20, -5, ""}, {-500, -600, -200, ""}, {-3, -1, -250, "Kert"}, {-330, -430, -30, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shuffleNo);
        ResultRecord r = SampleRecord();
        r.shuffleNo = c.shuffleNo;
        r.steps = c.steps;
        r.gapCount = c.gapCount;
        r.storedGameName = QString::fromUtf8(c.storedGameName);
        r.storedGameNo = r.storedGameName.isEmpty() ? 0 : 4;
        EXPECT_NE(CheckStorable(r), RecordProblem::None);   // never stored as a new result
        ASSERT_TRUE(CanEncode(r));
        for (unsigned seed : {1u, 2u, 3u}) {
            FakeRandom random(seed);
            ResultsCodec codec(random);
            const ReadBack back = ReadAll(EncodeFile(codec, {r, r}));
            EXPECT_FALSE(back.damaged);
            ASSERT_EQ(back.records.size(), 2u);
            EXPECT_EQ(back.records[1], r);
        }
    }
    // Beyond what any key can carry.
    ResultRecord r = SampleRecord();
    r.shuffleNo = -556;
    EXPECT_FALSE(CanEncode(r));
}

TEST(ResultsCodec, HostileBytesNeverCrashTheReader) {
    FakeRandom random(7);
    ResultsCodec codec(random);
    const QByteArray file = EncodeFile(codec, {SampleRecord(), SampleRecord()});
    for (int i = 0; i < file.size(); ++i) {
        for (int value : {0, 1, 127, 255}) {
            QByteArray changed = file;
            changed[i] = char(value);
            const ReadBack back = ReadAll(changed);
            EXPECT_LE(back.records.size(), 2u);
        }
    }
    // Five bytes are a header cut short: no records, and no damage either.
    EXPECT_FALSE(ReadAll(QByteArray(5, 'x')).damaged);
    EXPECT_TRUE(ReadAll(QByteArray(5, 'x')).tailCut);
    EXPECT_FALSE(ReadAll(QByteArray()).damaged);
}

TEST(ResultsCodec, FormatTriplePadsAsTheFileNeeds) {
    struct Case {
        int a, b, c;
        char separator;
        const char* text;
    } cases[] = {
        {2006, 3, 7, '.', "2006.03.07"}, {9, 5, 3, ':', "09:05:03"},   {1, 5, 0, ':', "01:05:00"},
        {23, 59, 59, ':', "23:59:59"},   {2026, 12, 31, '.', "2026.12.31"}, {0, 0, 0, ':', "00:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatTriple(c.a, c.b, c.c, QLatin1Char(c.separator)), QLatin1String(c.text));
}

TEST(ResultsCodec, TypeCodesMapToTheirPositionsAndIndexes) {
    const char* codes[] = {"V", "VR", "A", "AR", "M", "T", "S", "SR"};
    for (int i = 0; i < 8; ++i) {
        const QString code = QString::fromLatin1(codes[i]);
        EXPECT_EQ(TypeCodePosition(code), 2 * i + 1);
        EXPECT_EQ(TypeCodeAtPosition(2 * i + 1), code);
        EXPECT_EQ(TypeIndexOfCode(code), i + 1);
    }
    for (const char* unknown : {"R", "", "MR", "TR", "VX", "VRR", "v"})
        EXPECT_EQ(TypeCodePosition(QString::fromLatin1(unknown)), 0) << unknown;
    EXPECT_EQ(TypeCodeAtPosition(2), QString());
}

TEST(ResultsCodec, UnstorableRecordsAreRefusedBeforeEncoding) {
    struct Case {
        const char* what;
        std::function<void(ResultRecord&)> change;
        RecordProblem problem;
    } cases[] = {
        {"empty name", [](ResultRecord& r) { r.name.clear(); }, RecordProblem::NameLength},
        {"31 characters", [](ResultRecord& r) { r.name = QString(31, 'a'); }, RecordProblem::NameLength},
        {"dot above, code 255", [](ResultRecord& r) { r.name = QStringLiteral("Jan\u02D9"); },
         RecordProblem::NameCharacter},
        {"not in code page 1250", [](ResultRecord& r) { r.name = QStringLiteral("Ann\u4E2D"); },
         RecordProblem::NameCharacter},
        {"steps", [](ResultRecord& r) { r.steps = kMaxStorableCount + 1; }, RecordProblem::Steps},
        {"shuffle number", [](ResultRecord& r) { r.shuffleNo = 32768 - 450; }, RecordProblem::ShuffleNo},
        {"100 hours", [](ResultRecord& r) { r.elapsed = FormatTriple(100, 0, 0, QLatin1Char(':')); },
         RecordProblem::TimeText},
        {"type", [](ResultRecord& r) { r.typeCode = QStringLiteral("X"); }, RecordProblem::TypeCode},
        {"size", [](ResultRecord& r) { r.boardSize = 7; }, RecordProblem::BoardSize},
        {"gaps", [](ResultRecord& r) { r.gapCount = 37; }, RecordProblem::GapCount},
        {"game number",
         [](ResultRecord& r) {
             r.storedGameName = QStringLiteral("g");
             r.storedGameNo = 32768;
         },
         RecordProblem::StoredGameNo},
    };
    for (const Case& c : cases) {
        ResultRecord r = SampleRecord();
        c.change(r);
        EXPECT_EQ(CheckStorable(r), c.problem) << c.what;
    }
    EXPECT_EQ(CheckStorable(SampleRecord()), RecordProblem::None);
    FakeRandom random;
    ResultsCodec codec(random);
    ResultRecord dotAbove = SampleRecord();
    dotAbove.name = QStringLiteral("\u02D9");
    EXPECT_FALSE(codec.EncodeResultRecord(dotAbove).has_value());
}

TEST(ResultsCodec, LongFilesReadBackAcrossBlocksAndShortDeviceReads) {
    std::vector<ResultRecord> records;
    for (int i = 0; i < 3000; ++i) {
        ResultRecord r = SampleRecord();
        r.name = QString(1 + i % 30, QChar(u'a' + i % 26));
        r.steps = i;
        if (i % 3 == 0) r.storedGameName = QStringLiteral("Csík");
        records.push_back(r);
    }
    FakeRandom random(11);
    ResultsCodec codec(random);
    const QByteArray bytes = EncodeFile(codec, records);
    ASSERT_GT(bytes.size(), 3 * 64 * 1024);

    const ReadBack back = ReadAll(bytes);
    EXPECT_FALSE(back.damaged);
    ASSERT_EQ(back.records.size(), records.size());
    for (size_t i = 0; i < records.size(); i += 97) EXPECT_EQ(back.records[i], records[i]) << i;
    EXPECT_EQ(back.records.back(), records.back());

    TrickleDevice trickle(bytes);
    ResultsReader reader(trickle);
    ASSERT_TRUE(reader.ReadResultsHeader());
    size_t count = 0;
    ResultRecord r;
    while (!reader.atEnd() && reader.ReadResultRecord(r)) EXPECT_EQ(r, records[count++]);
    EXPECT_FALSE(reader.resultsFileDamaged());
    EXPECT_EQ(count, records.size());
}

namespace {

// What the file's arithmetic gives for the scrambled byte y at text position i
// (1-based) under `key`: y - key - 4i, with 255 added once when that is below zero;
// below zero still, the code is out of range (-1).
int CodeOf(int y, int key, int i) {
    const int x = y - key - 4 * i;
    const int code = x < 0 ? x + 255 : x;
    return code < 0 ? -1 : code;
}

// The characters of `length` scrambled bytes from `from` of `body` under `key`, the
// first at text position `first`; nothing when a code is out of range.
std::optional<QString> ExpectedText(const QByteArray& body, int from, int length, int key, int first = 1) {
    QString text;
    for (int i = 0; i < length; ++i) {
        const int code = CodeOf(static_cast<unsigned char>(body[from + i]), key, first + i);
        if (code < 0) return std::nullopt;
        text.append(CharFromCp1250(static_cast<unsigned char>(code)));
    }
    return text;
}

// Whether reading the file's first record as codes finds it damaged.
bool ReadDecodedDamaged(QByteArray file) {
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    ResultsReader reader(buffer);
    DecodedRecord r;
    return !reader.ReadResultsHeader() || !reader.ReadDecodedRecord(r);
}

} // namespace

// Texts are unscrambled many bytes at a time, in steps that overlap at the end of a
// text, and read past a short one inside the reader's buffer. Every byte value at
// every place of names of every step shape, under low and high keys, and of the
// times block, must give what the byte-by-byte arithmetic gives: the same codes, the
// same characters, and the same refusal of a code out of range.
TEST(ResultsCodec, EveryScrambledByteReadsAsTheFileArithmeticSays) {
    const int lengths[] = {1, 2, 7, 8, 9, 15, 16, 17, 23, 24, 25, 31, 32, 33, 47, 64, 90};
    const int keys[] = {0, 30, 149, 255};
    FakeRandom headerRandom(1);
    const QByteArray header = ResultsCodec(headerRandom).EncodeResultsHeader();
    for (const int m : lengths) {
        ResultRecord sample = SampleRecord();
        sample.name = QString(m, QLatin1Char('a'));
        FakeRandom random(static_cast<unsigned>(m));
        ResultsCodec codec(random);
        const QByteArray record = *codec.EncodeResultRecord(sample);
        for (size_t k = 0; k < std::size(keys); ++k) {
            const int key = keys[k];
            const int timesKey = keys[(k + 1) % std::size(keys)];
            for (int v = 0; v < 256; v += 3) {
                SCOPED_TRACE(testing::Message() << "length " << m << " key " << key << " value " << v);
                QByteArray changed = record;
                // Body byte D(j) is record byte j + 3: the name's key D(28), repeated at D(35 + m)
                // where no stored game follows; the name from D(30); the times D(2..27).
                changed[3 + 27] = char(key);
                changed[3 + 34 + m] = char(key);
                for (int i = 0; i < m; ++i) changed[3 + 29 + i] = char((v + 37 * i) & 0xFF);
                changed[3] = char(timesKey);
                for (int i = 0; i < 26; ++i) changed[4 + i] = char((v + 11 * i + 160) & 0xFF);
                const QByteArray body = changed.mid(3);
                const auto name = ExpectedText(body, 29, m, key);
                const auto times = ExpectedText(body, 1, 26, timesKey);
                const bool decodes = name && times;

                DecodedRecord codes;
                ASSERT_EQ(DecodeResultFields(body, codes), decodes);
                ResultRecord chars;
                ASSERT_EQ(DecodeResultRecord(body, chars), decodes);
                const ReadBack back = ReadAll(header + changed);
                ASSERT_EQ(back.damaged, !decodes);
                ASSERT_EQ(ReadDecodedDamaged(header + changed), !decodes);
                if (!decodes) continue;
                ASSERT_EQ(back.records.size(), 1u);
                for (const ResultRecord& r : {chars, back.records[0]}) {
                    EXPECT_EQ(r.name, *name);
                    EXPECT_EQ(r.elapsed + r.date + r.timeOfDay, *times);
                }
                ToResultRecord(codes, chars);
                EXPECT_EQ(chars, back.records[0]);
                // The reader's codes, unscrambled from its buffer, which goes on past a text.
                QByteArray file = header + changed;
                QBuffer buffer(&file);
                buffer.open(QIODevice::ReadOnly);
                ResultsReader reader(buffer);
                ASSERT_TRUE(reader.ReadResultsHeader());
                DecodedRecord read;
                ASSERT_TRUE(reader.ReadDecodedRecord(read));
                EXPECT_EQ(read.nameCodes(), codes.nameCodes());
                EXPECT_EQ(QByteArrayView(read.times), QByteArrayView(codes.times));
                ToResultRecord(read, chars);
                EXPECT_EQ(chars, back.records[0]);
            }
        }
    }
}

// A rewrite writes a record back from its codes. It must write exactly what encoding
// the record's strings writes: the same checks, the same keys, the same bytes, for
// codes of every value (the unassigned ones refused alike), counts below zero and
// stored games.
TEST(ResultsCodec, ARecordWrittenFromItsCodesIsTheOneWrittenFromItsStrings) {
    struct Shape {
        int shuffleNo, steps, gapCount;
        const char* game;
    } shapes[] = {{7, 123, 2, ""}, {-7, -20, -5, ""}, {3, 4, 5, "Kert ő"}, {0, 0, 0, "x"}, {-500, 9, 1, ""}};
    const QByteArray plainTimes = "00:03:41" "2006.03.07" "09:05:03";
    for (const Shape& shape : shapes) {
        for (int code = 0; code < 256; ++code) {
            // The code at the first place of a name and at the end of a long one, and in the times.
            for (int at : {0, 25}) {
                SCOPED_TRACE(testing::Message() << "code " << code << " at " << at << " shuffle " << shape.shuffleNo);
                DecodedRecord codes;
                codes.nameLength = at + 1;
                std::fill_n(codes.name.begin(), at + 1, static_cast<unsigned char>('n'));
                codes.name[static_cast<size_t>(at)] = static_cast<unsigned char>(code);
                std::copy(plainTimes.begin(), plainTimes.end(), codes.times.begin());
                codes.times[static_cast<size_t>(at)] = static_cast<unsigned char>(code);
                const auto game = EncodeCp1250(QString::fromUtf8(shape.game));
                codes.storedGameNameLength = static_cast<int>(game->size());
                std::copy(game->begin(), game->end(), codes.storedGameName.begin());
                codes.typeIndex = 1 + code % 8;
                codes.boardSize = 4 + code % 3;
                codes.gapCount = shape.gapCount;
                codes.storedGameNo = game->isEmpty() ? 0 : 9;
                codes.shuffleNo = shape.shuffleNo;
                codes.steps = shape.steps;
                ResultRecord strings;
                ToResultRecord(codes, strings);

                FakeRandom fromStrings(5);
                FakeRandom fromCodes(5);
                ResultsCodec a(fromStrings);
                ResultsCodec b(fromCodes);
                QByteArray expected = "kept";
                QByteArray written = "kept";
                const bool encodes = a.AppendResultRecord(strings, expected);
                EXPECT_EQ(b.AppendDecodedRecord(codes, written), encodes);
                EXPECT_EQ(written.toHex(), expected.toHex());
                EXPECT_EQ(b.cipherKey(), a.cipherKey());
            }
        }
    }
}

// The name's key is kept low enough that no character folds twice: at most
// 510 - (code + 4 * position) for each character, found many bytes at a time for a
// long name. A drawn key of 149 shows the limit wherever it lies below; a limit
// below the lowest key refuses the name.
TEST(ResultsCodec, ANameKeyStaysBelowWhatEachCharacterAllows) {
    for (int length : {1, 2, 7, 15, 16, 17, 26, 31, 32, 33, 45, 58, 59, 60}) {
        for (int at = 0; at < length; ++at) {
            for (QChar high : {QChar(0x0171), QChar(0x00C1), QChar(u'z')}) {   // ű 251, Á 193
                SCOPED_TRACE(testing::Message() << "length " << length << " at " << at << " code " << int(high.unicode()));
                ResultRecord r = SampleRecord();
                r.gapCount = 0;
                r.name = QString(length, QLatin1Char('a'));
                r.name[at] = high;
                int limit = 255;
                for (int i = 0; i < length; ++i)
                    limit = std::min(limit, 510 - int(*Cp1250FromChar(r.name[i])) - 4 * (i + 1));
                ASSERT_EQ(CanEncode(r), limit >= 30);
                if (limit < 30) continue;
                FakeRandom random;
                random.script = {0.119};   // 119 + 30 = 149
                ResultsCodec codec(random);
                const auto record = codec.EncodeResultRecord(r);
                ASSERT_TRUE(record.has_value());
                EXPECT_EQ(static_cast<unsigned char>((*record)[30]), std::min(149, limit));
                const ReadBack back = ReadAll(ResultsCodec(random).EncodeResultsHeader() + *record);
                ASSERT_EQ(back.records.size(), 1u);
                EXPECT_EQ(back.records[0], r);
            }
        }
    }
}

// A draw becomes a key or a filler byte by rounding r * scale, halves to even. The
// rounding by adding and taking away 2^52 must agree with the plain arithmetic (whole
// part, fraction above, at or below a half) on every whole number and half of each
// scale the codec uses, the doubles either side of them, the ends of [0, 1) and a run
// of real draws.
TEST(ResultsCodec, ADrawIsRoundedAsThePlainArithmeticRoundsIt) {
    const auto plain = [](double r, int scale) {
        const double x = r * scale;
        const auto n = static_cast<int>(x);
        const double fraction = x - n;
        return fraction > 0.5 || (fraction == 0.5 && n % 2 == 1) ? n + 1 : n;
    };
    // Exact halves of both parities.
    EXPECT_EQ(RoundedDraw(0.125, 100), 12);
    EXPECT_EQ(RoundedDraw(0.375, 100), 38);
    EXPECT_EQ(RoundedDraw(0.375, 500), 188);
    EXPECT_EQ(RoundedDraw(0.0625, 1000), 62);
    EXPECT_EQ(RoundedDraw(0.1875, 1000), 188);
    SystemRandom random(26);
    for (const int scale : {100, 500, 1000}) {
        std::vector<double> draws = {0.0, std::nextafter(1.0, 0.0)};
        for (int n = 0; n < scale; ++n) {
            for (const double r : {n / double(scale), (n + 0.5) / scale}) {
                draws.push_back(r);
                draws.push_back(std::nextafter(r, 0.0));
                draws.push_back(std::nextafter(r, 1.0));
            }
        }
        for (int i = 0; i < 20000; ++i) draws.push_back(random.Rnd());
        for (const double r : draws) ASSERT_EQ(RoundedDraw(r, scale), plain(r, scale)) << r << " * " << scale;
    }
}

// The codec draws a record's numbers in blocks. It must take exactly the draws its
// fields need, in their order (the keys, the two leading filler bytes, the filler
// count, then one draw for each trailing filler byte), and leave the next draw to
// whoever comes after: with and without a stored game, from strings and from codes,
// with the fewest and the most filler bytes.
TEST(ResultsCodec, ARecordTakesExactlyTheDrawsItsFieldsNeed) {
    ResultRecord stored = SampleRecord();
    stored.typeCode = QStringLiteral("T");
    stored.storedGameName = QStringLiteral("Csíkos ő");
    stored.storedGameNo = 12;
    struct Case {
        const ResultRecord& record;
        bool fromCodes;
        double countDraw;   // 0.0 -> 1 filler byte, 0.09 -> 10
        int fillers;
    } cases[] = {{SampleRecord(), false, 0.0, 1}, {SampleRecord(), false, 0.09, 10}, {stored, false, 0.0, 1},
                 {stored, false, 0.09, 10}, {stored, true, 0.09, 10}, {SampleRecord(), true, 0.0, 1}};
    constexpr double kNext = 0.987;
    for (const Case& c : cases) {
        const bool storedGame = !c.record.storedGameName.isEmpty();
        SCOPED_TRACE(testing::Message() << "stored game " << storedGame << " from codes " << c.fromCodes
                                        << " fillers " << c.fillers);
        FakeRandom random;
        random.script = {0.0, 0.2, 0.3};   // the keys: 30, 200 % 120 + 30 = 110, 90
        if (!storedGame) random.script.pop_back();
        random.script.insert(random.script.end(), {0.1, 0.1, c.countDraw});
        random.script.insert(random.script.end(), static_cast<std::size_t>(c.fillers), 0.5);   // 250 % 254 + 1
        random.script.push_back(kNext);
        ResultsCodec codec(random);
        QByteArray record;
        if (c.fromCodes) {
            DecodedRecord codes;
            FakeRandom encodeRandom;
            ASSERT_TRUE(DecodeResultFields(ResultsCodec(encodeRandom).EncodeResultRecord(c.record)->mid(3), codes));
            ASSERT_TRUE(codec.AppendDecodedRecord(codes, record));
        } else {
            ASSERT_TRUE(codec.AppendResultRecord(c.record, record));
        }
        ASSERT_EQ(random.script, std::deque<double>{kNext});
        const qsizetype gamePart = storedGame ? c.record.storedGameName.size() + 4 : 1;
        ASSERT_EQ(record.size(), 4 + 26 + 2 + c.record.name.size() + 5 + gamePart + 1 + 5 + c.fillers);
        EXPECT_EQ(record.right(c.fillers), QByteArray(c.fillers, char(251)));
        EXPECT_EQ(static_cast<unsigned char>(record[3]), storedGame ? 90 : 110) << "the times' key";
        FakeRandom headerRandom;
        const ReadBack back = ReadAll(ResultsCodec(headerRandom).EncodeResultsHeader() + record);
        ASSERT_EQ(back.records.size(), 1u);
        EXPECT_EQ(back.records[0], c.record);
    }
}
