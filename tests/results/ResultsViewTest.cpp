// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The decoded table, the filter and the sort of the results browser.
#include "results/ResultsFilter.h"
#include "results/ResultsSort.h"
#include "results/ResultsTable.h"
#include "files/CodePage1250.h"
#include "support/IndependentResultsFile.h"
#include "support/ResultsFixture.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

namespace {

// Record numbers 1..6 in file order. Ties on purpose: equal steps (1, 3, 5), equal
// dates and times of day (2, 4), equal hh:mm (1, 5), names equal but for case.
std::vector<ResultRecord> Records() {
    std::vector<ResultRecord> r = {
        Result("Anna", "V", 4, 1, 0, 9, "00:04:59", "2024.01.05", "10:00:00"),
        Result("béla", "VR", 5, 2, 3, 10, "00:05:00", "2024.01.05", "09:00:00"),
        Result("Béla", "A", 4, 1, 0, 9, "00:04:00", "2023.12.31", "23:00:00"),
        Result("Cecil", "T", 6, 0, 5, 30, "12:00:00", "2024.01.05", "09:00:00"),
        Result("anna", "V", 4, 1, 0, 9, "02:30:00", "2024.01.05", "10:00:30"),
        Result("42", "S", 5, 3, 0, 500, "01:00:00", "2025.02.01", "08:15:00"),
    };
    r[3].storedGameName = QStringLiteral("Csík");
    r[3].storedGameNo = 12;
    return r;
}

ResultsTable TableOf(const std::vector<ResultRecord>& records) {
    ResultsTable table;
    for (const ResultRecord& r : records) table.Append(r);
    return table;
}

std::vector<int> RecordNumbers(const std::vector<std::uint32_t>& rows) {
    std::vector<int> numbers;
    for (std::uint32_t i : rows) numbers.push_back(static_cast<int>(i) + 1);
    return numbers;
}

ResultsFilter AllShown() {
    ResultsFilter f;
    f.allowAllTypes();
    return f;
}

// Every type and size shown, then `change` applied.
template <typename Change> ResultsFilter AllShownBut(Change change) {
    ResultsFilter f = AllShown();
    change(f);
    return f;
}

// The record numbers that pass `filter` tested record by record, as a deletion tests them.
std::vector<int> RecordsPassing(const ResultsFilter& filter, const std::vector<ResultRecord>& records) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (RecordPassesFilter(filter, records[i])) numbers.push_back(static_cast<int>(i) + 1);
    return numbers;
}

} // namespace

TEST(ResultsTable, AFileFromAnotherWriterReadsBackExactly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eredm.dat"));
    ASSERT_TRUE(WriteIndependentResultsFile(path));
    ResultsTable table;
    const ResultsLoad load = table.Load(path);
    EXPECT_FALSE(load.damaged);
    EXPECT_FALSE(load.missing);
    ASSERT_EQ(table.size(), 4u);

    ResultRecord first = Result("Kovács, Béla", "T", 5, 2, 3, 187, "12:00:00", "2006.03.07", "09:05:03");
    first.storedGameName = QStringLiteral("Csík");
    first.storedGameNo = 12;
    const ResultRecord second = Result("anna", "VR", 4, 1, 0, 42, "00:03:41", "2024.01.05", "23:59:59");
    const ResultRecord third = Result("Ödön \"ÖK\"", "SR", 6, 0, 7, 1000, "01:05:00", "2024.01.05", "08:00:00");
    ResultRecord fourth = Result("Béla", "T", 5, 2, 0, 187, "02:30:00", "2006.03.07", "09:05:04");
    fourth.storedGameName = QStringLiteral("Csík");
    fourth.storedGameNo = 12;
    EXPECT_EQ(table.record(0), first);
    EXPECT_EQ(table.record(1), second);
    EXPECT_EQ(table.record(2), third);
    EXPECT_EQ(table.record(3), fourth);
    // The two stored-game names are one text of the pool.
    EXPECT_EQ(table.row(0).gameName, table.row(3).gameName);
}

TEST(ResultsTable, EmptyShortAndDamagedFilesGiveWhatCanBeRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eredm.dat"));
    const QByteArray whole = IndependentResultsFile();
    const int headerLength = static_cast<unsigned char>(whole[12]);
    // The type byte of record 2 (after record 1's 66 bytes; 4-letter name): its check fails.
    QByteArray damagedSecond = whole;
    const int typeByte = headerLength + 66 + 36;
    damagedSecond[typeByte] = static_cast<char>(damagedSecond[typeByte] ^ 0x01);
    struct Case {
        const char* what;
        QByteArray bytes;
        std::size_t rows;
        bool damaged;
    } cases[] = {
        {"zero length", QByteArray(), 0, false},
        {"header only", whole.left(headerLength), 0, false},
        {"cut header", whole.left(7), 0, false},   // a header cut short holds no records
        {"header length byte below 13", whole.left(12) + char(12), 0, true},
        {"cut in the last record", whole.left(whole.size() - 20), 3, true},
        {"damage in the second record", damagedSecond, 1, true},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteIndependentResultsFile(path, c.bytes));
        ResultsTable table;
        const ResultsLoad load = table.Load(path);
        EXPECT_EQ(table.size(), c.rows) << c.what;
        EXPECT_EQ(load.damaged, c.damaged) << c.what;
    }
    ResultsTable table;
    EXPECT_TRUE(table.Load(dir.filePath(QStringLiteral("none.dat"))).missing);
}

TEST(ResultsTable, TextsOutsideTheirDigitFormAreKeptAsTheyAre) {
    // Another program may write any 26 characters into the time block.
    ResultRecord odd = Result("Anna", "V", 4, 1, 0, 9, "ab:cd:ef", "2024-01-05", "noon    ");
    const ResultsTable table = TableOf({odd, Records()[0]});
    EXPECT_EQ(table.record(0), odd);
    EXPECT_EQ(table.record(1), Records()[0]);
    // They sort after every real time and never pass a time limit.
    ResultsFilter f = AllShown();
    f.elapsedBelow = 24 * 3600;
    EXPECT_EQ(RecordNumbers(FilterResultRows(table, f)), std::vector<int>{2});
    EXPECT_FALSE(RecordPassesFilter(f, odd));
    std::vector<std::uint32_t> rows = {0, 1};
    SortResultRows(table, rows, ResultColumn::Elapsed, false, StoredTypeCodes());
    EXPECT_EQ(RecordNumbers(rows), (std::vector<int>{2, 1}));
}

TEST(ResultsFilter, TableRowsAndRecordsPassTheSameTests) {
    const std::vector<ResultRecord> records = Records();
    const ResultsTable table = TableOf(records);
    const auto with = [](auto change) { return AllShownBut(change); };
    const auto pick = [&](int column, const char* text, int number = 0) {
        return with([=](ResultsFilter& f) { f.pick = {column, QString::fromUtf8(text), number}; });
    };
    struct Case {
        const char* what;
        ResultsFilter filter;
        std::vector<int> shown;
    } cases[] = {
        {"everything", AllShown(), {1, 2, 3, 4, 5, 6}},
        {"no type box checked", ResultsFilter{}, {}},
        {"4 x 4", with([](ResultsFilter& f) { f.boardSize = 4; }), {1, 3, 5}},
        {"type V", with([](ResultsFilter& f) { f.types = {false, true}; }), {1, 5}},
        {"step limit 10 shows up to 9", with([](ResultsFilter& f) { f.stepsBelow = 10; }), {1, 3, 5}},
        {"time limit 00:05:00 shows up to 00:04:59", with([](ResultsFilter& f) { f.elapsedBelow = 300; }), {1, 3}},
        {"time limit compares true times", with([](ResultsFilter& f) { f.elapsedBelow = 3 * 3600; }),
         {1, 2, 3, 5, 6}},
        {"gap count 1", with([](ResultsFilter& f) { f.gaps = 1; }), {1, 3, 5}},
        {"shuffled box checked", with([](ResultsFilter& f) { f.shuffled = ShuffleFilter::Shuffled; }), {2, 4}},
        {"shuffled box unchecked", with([](ResultsFilter& f) { f.shuffled = ShuffleFilter::NotShuffled; }),
         {1, 3, 5, 6}},
        {"picked name, case counts", pick(ResultColumn::Name, "anna"), {5}},
        {"picked type code", pick(ResultColumn::Type, "V"), {1, 5}},
        {"picked stored game", pick(ResultColumn::GameName, "Csík"), {4}},
        {"picked name nobody has", pick(ResultColumn::Name, "Zoe"), {}},
        {"picked elapsed time", pick(ResultColumn::Elapsed, "00:04:59"), {1}},
        {"picked date", pick(ResultColumn::Date, "2024.01.05"), {1, 2, 4, 5}},
        {"picked hour and minute", pick(ResultColumn::TimeOfDay, "10:00"), {1, 5}},
        {"picked steps", pick(ResultColumn::Steps, "", 9), {1, 3, 5}},
        {"picked empty shuffle number", pick(ResultColumn::ShuffleNo, "", 0), {1, 3, 5, 6}},
        {"picked stored game number", pick(ResultColumn::GameNo, "", 12), {4}},
        {"all at once", with([](ResultsFilter& f) {
             f.boardSize = 4;
             f.types = {false, true, false, true};
             f.stepsBelow = 10;
             f.shuffled = ShuffleFilter::NotShuffled;
             f.pick = {ResultColumn::TimeOfDay, QStringLiteral("10:00"), 0};
         }),
         {1, 5}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RecordNumbers(FilterResultRows(table, c.filter)), c.shown) << c.what;
        EXPECT_EQ(RecordsPassing(c.filter, records), c.shown) << c.what << " (records)";
    }
}

TEST(ResultsSort, ColumnsSortOnTheirKeysAndTiesKeepFileOrder) {
    const ResultsTable table = TableOf(Records());
    struct Case {
        int column;
        bool descending;
        std::vector<int> order;
    } cases[] = {
        // Numbers before texts; letter case only breaks ties.
        {ResultColumn::Name, false, {6, 1, 5, 3, 2, 4}},
        {ResultColumn::Name, true, {4, 2, 3, 5, 1, 6}},
        // Equal steps go by the true elapsed time: 12:00:00 is twelve hours, not two.
        {ResultColumn::Steps, false, {3, 1, 5, 2, 4, 6}},
        {ResultColumn::Steps, true, {6, 4, 2, 5, 1, 3}},
        {ResultColumn::Elapsed, false, {3, 1, 2, 6, 5, 4}},
        // Equal dates by time of day; equal dates and times keep file order both ways.
        {ResultColumn::Date, false, {3, 2, 4, 1, 5, 6}},
        {ResultColumn::Date, true, {6, 5, 1, 2, 4, 3}},
        // hh:mm, then the date.
        {ResultColumn::TimeOfDay, false, {6, 2, 4, 1, 5, 3}},
        {ResultColumn::Type, false, {3, 6, 4, 1, 5, 2}},
        {ResultColumn::Size, false, {1, 3, 5, 2, 6, 4}},
        {ResultColumn::GameName, false, {1, 2, 3, 5, 6, 4}},
        {ResultColumn::ShuffleNo, true, {4, 2, 1, 3, 5, 6}},
        {ResultColumn::RecordNo, false, {1, 2, 3, 4, 5, 6}},
        {ResultColumn::RecordNo, true, {6, 5, 4, 3, 2, 1}},
    };
    ResultsSorter sorter;
    for (const Case& c : cases) {
        // From a shuffled order too: the result must not depend on the order before.
        for (std::vector<std::uint32_t> rows : {std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5},
                                                std::vector<std::uint32_t>{5, 3, 1, 0, 2, 4}}) {
            sorter.Sort(table, rows, c.column, c.descending, StoredTypeCodes());
            EXPECT_EQ(RecordNumbers(rows), c.order) << "column " << c.column << (c.descending ? " descending" : "");
        }
    }
}

// The sort orders integer keys in one counting pass or several, as the bits in which
// the keys differ require. On a table whose columns span narrow and wide ranges, every
// column sorts as comparing its values does, ties in file order, from any order before
// and in both directions.
TEST(ResultsSort, EveryColumnOfALargeTableSortsAsComparingItsValues) {
    std::mt19937 random(2006);
    const auto draw = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const char* types[] = {"V", "VR", "A", "AR", "M", "T", "S", "SR"};
    std::vector<ResultRecord> records;
    for (int i = 0; i < 3000; ++i) {
        ResultRecord r = Result("", types[draw(0, 7)], draw(4, 6), draw(-255, 255), draw(-655, 32367),
                                i % 2 ? draw(0, 40) : draw(-655, 32367), "", "", "");
        r.name = (draw(0, 1) ? QStringLiteral("név ") : QStringLiteral("Név ")) + QString::number(draw(0, 300));
        r.elapsed = FormatTriple(draw(0, 99), draw(0, 59), draw(0, 59), u':');
        r.date = FormatTriple(draw(2000, 2030), draw(1, 12), draw(1, 3), u'.');
        r.timeOfDay = FormatTriple(draw(0, 23), draw(0, 1), draw(0, 59), u':');
        records.push_back(r);
    }
    const ResultsTable table = TableOf(records);
    const auto seconds = [](const ResultRecord& r) {
        return r.elapsed.mid(0, 2).toInt() * 3600 + r.elapsed.mid(3, 2).toInt() * 60 + r.elapsed.mid(6, 2).toInt();
    };
    const auto before = [&](int column, const ResultRecord& a, const ResultRecord& b) {
        switch (column) {
        case ResultColumn::Name: return CompareCellTexts(a.name, b.name) < 0;
        case ResultColumn::Size: return a.boardSize < b.boardSize;
        case ResultColumn::Gaps: return a.gapCount < b.gapCount;
        case ResultColumn::ShuffleNo: return a.shuffleNo < b.shuffleNo;
        case ResultColumn::Steps: return std::pair(a.steps, seconds(a)) < std::pair(b.steps, seconds(b));
        case ResultColumn::Elapsed: return std::pair(seconds(a), a.steps) < std::pair(seconds(b), b.steps);
        default: return std::pair(a.date, a.timeOfDay) < std::pair(b.date, b.timeOfDay);
        }
    };
    std::vector<std::uint32_t> fileOrder(records.size());
    std::iota(fileOrder.begin(), fileOrder.end(), 0u);
    std::vector<std::uint32_t> shuffled = fileOrder;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    ResultsSorter sorter;
    for (const int column : {ResultColumn::Name, ResultColumn::Size, ResultColumn::Gaps, ResultColumn::ShuffleNo,
                             ResultColumn::Steps, ResultColumn::Elapsed, ResultColumn::Date}) {
        for (const bool descending : {false, true}) {
            std::vector<std::uint32_t> expected = fileOrder;
            std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
                return descending ? before(column, records[b], records[a]) : before(column, records[a], records[b]);
            });
            for (std::vector<std::uint32_t> rows : {fileOrder, shuffled}) {
                sorter.Sort(table, rows, column, descending, StoredTypeCodes());
                EXPECT_TRUE(rows == expected) << "column " << column << (descending ? " descending" : "");
            }
        }
    }
}

// Altered bytes can read as counts below zero. The table holds them as they read, so
// the rows shown and the records a deletion tests pass the same filters, and they sort
// before every count of zero and more.
TEST(ResultsTable, CountsBelowZeroAreFilteredAndSortedAsTheyRead) {
    const std::vector<ResultRecord> records = {
        Result("Anna", "V", 4, 1, 0, 40, "00:01:00", "2024.01.05", "10:00:00"),
        Result("Zoli", "V", 4, -4, -7, -130, "00:01:00", "2024.01.05", "11:00:00"),
        Result("Béla", "V", 4, 2, 3, 60, "00:01:00", "2024.01.05", "12:00:00"),
    };
    const ResultsTable table = TableOf(records);
    EXPECT_EQ(table.record(1), records[1]);

    const auto with = [](auto change) { return AllShownBut(change); };
    const struct {
        const char* what;
        ResultsFilter filter;
        std::vector<int> shown;
    } filters[] = {
        {"step limit 50", with([](ResultsFilter& f) { f.stepsBelow = 50; }), {1, 2}},
        {"step limit -100", with([](ResultsFilter& f) { f.stepsBelow = -100; }), {2}},
        {"gap count -4", with([](ResultsFilter& f) { f.gaps = -4; }), {2}},
        {"shuffled", with([](ResultsFilter& f) { f.shuffled = ShuffleFilter::Shuffled; }), {2, 3}},
        {"picked steps", with([](ResultsFilter& f) { f.pick = {ResultColumn::Steps, QString(), -130}; }), {2}},
        {"picked shuffle number", with([](ResultsFilter& f) { f.pick = {ResultColumn::ShuffleNo, QString(), -7}; }),
         {2}},
        {"picked gap count", with([](ResultsFilter& f) { f.pick = {ResultColumn::Gaps, QString(), -4}; }), {2}},
    };
    for (const auto& c : filters) {
        EXPECT_EQ(RecordNumbers(FilterResultRows(table, c.filter)), c.shown) << c.what;
        EXPECT_EQ(RecordsPassing(c.filter, records), c.shown) << c.what << " (records)";
    }
    EXPECT_EQ(PickFromCell(table, 1, ResultColumn::Steps, QStringLiteral("-130")).number, -130);

    for (const int column : {ResultColumn::Steps, ResultColumn::Gaps, ResultColumn::ShuffleNo}) {
        std::vector<std::uint32_t> rows = {0, 1, 2};
        SortResultRows(table, rows, column, false, StoredTypeCodes());
        EXPECT_EQ(RecordNumbers(rows), (std::vector<int>{2, 1, 3})) << "column " << column;
    }
    // Equal times go by the steps, the one below zero first.
    std::vector<std::uint32_t> rows = {0, 1, 2};
    SortResultRows(table, rows, ResultColumn::Elapsed, true, StoredTypeCodes());
    EXPECT_EQ(RecordNumbers(rows), (std::vector<int>{3, 1, 2}));
}

TEST(ResultsSort, EqualTimesGoByTheirSteps) {
    const ResultsTable table = TableOf({Result("Anna", "V", 4, 1, 0, 30, "00:02:00", "2024.01.05", "10:00:00"),
                                        Result("Béla", "V", 4, 1, 0, 10, "00:02:00", "2024.01.05", "11:00:00"),
                                        Result("Cecil", "V", 4, 1, 0, 20, "00:02:00", "2024.01.05", "12:00:00")});
    for (const bool descending : {false, true}) {
        std::vector<std::uint32_t> rows = {0, 1, 2};
        SortResultRows(table, rows, ResultColumn::Elapsed, descending, StoredTypeCodes());
        EXPECT_EQ(RecordNumbers(rows), descending ? (std::vector<int>{1, 3, 2}) : (std::vector<int>{2, 3, 1}));
    }
}

TEST(ResultsSort, TheTypeColumnSortsByTheCodesShown) {
    const ResultsTable table = TableOf(Records());
    TypeNames shown = StoredTypeCodes();
    shown[1] = QStringLiteral("Z");   // V shows as Z: it goes last
    std::vector<std::uint32_t> rows = {0, 1, 2, 3, 4, 5};
    SortResultRows(table, rows, ResultColumn::Type, false, shown);
    EXPECT_EQ(RecordNumbers(rows), (std::vector<int>{3, 6, 4, 2, 1, 5}));
}

TEST(ResultsFilter, TheTimeLimitBoxAcceptsWhatItShouldAndNothingElse) {
    struct Case {
        const char* text;
        bool accepted;
        std::optional<int> seconds;
    } cases[] = {
        {"", true, std::nullopt},
        {"00:00:00", true, std::nullopt},
        {"00:05:00", true, 300},
        {"00:61:00", true, 61 * 60},     // minutes are not checked
        {"99:99:59", true, 99 * 3600 + 99 * 60 + 59},
        {"00:05:", true, 300},           // places past the end count as digits
        {"00:00:75", false, std::nullopt},
        {"1:2", false, std::nullopt},
        {"0:05:00", false, std::nullopt},
        {"00-05-00", false, std::nullopt},
        {"0a:05:00", false, std::nullopt},
        {"00:05:00x", false, std::nullopt},
        {"00", false, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimeLimitAccepted(QString::fromLatin1(c.text)), c.accepted) << c.text;
        EXPECT_EQ(TimeLimitSeconds(QString::fromLatin1(c.text)), c.seconds) << c.text;
    }
}

TEST(ResultsFilter, NumberBoxesReadTheirLeadingNumber) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"", 0}, {"abc", 0}, {"12", 12}, {"  12x", 12}, {"-3", -3}, {"+7", 7}, {"99999999999999", 999999999}};
    for (const Case& c : cases) EXPECT_EQ(LeadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

// Times and dates are packed from their codes a word at a time; every code at every
// position, and lengths one off, pack as the texts they decode to.
TEST(ResultsTable, TimesAndDatesPackFromCodesAsFromTheirTexts) {
    for (const QByteArray& valid : {QByteArray("12:34:56"), QByteArray("2006.03.07")}) {
        const bool time = valid.size() == 8;
        const auto packCodes = [time](const QByteArray& codes) { return time ? PackTime(codes) : PackDate(codes); };
        const auto packText = [time](const QString& text) { return time ? PackTime(text) : PackDate(text); };
        ASSERT_NE(packCodes(valid), kOddText);
        for (qsizetype position = 0; position < valid.size(); ++position) {
            for (int code = 0; code < 256; ++code) {
                QByteArray codes = valid;
                codes[position] = static_cast<char>(code);
                EXPECT_EQ(packCodes(codes), packText(DecodeCp1250(codes))) << codes.toHex().toStdString();
            }
        }
        for (const QByteArray& codes : {valid.chopped(1), valid + '0', valid.left(2) + valid})
            EXPECT_EQ(packCodes(codes), kOddText) << codes.toStdString();
    }
}

// The table keeps each text once, whatever bytes it was read from: it looks names up
// by their codes, and codes the code page leaves unassigned may read as one and the
// same character. Sorting and picking by name rely on one id per text. The codes are
// hashed and compared by words, so every code stands at the start and at the end of
// texts of the lengths around a word's.
TEST(ResultsTable, EachTextHasOneIdWhateverCodesItWasReadFrom) {
    const QByteArray letters = "ABCDEFGHIJKLMNOPQRS";
    for (const qsizetype length : {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 19}) {
        for (const bool atEnd : {true, false}) {
            for (const bool codesFirst : {true, false}) {
                TextPool pool;
                std::vector<std::uint32_t> byCodes(256), byText(256);
                std::vector<QString> texts(256);
                for (int pass = 0; pass < 2; ++pass) {
                    for (int code = 0; code < 256; ++code) {
                        QByteArray codes = letters.left(length);
                        codes[atEnd ? length - 1 : 0] = static_cast<char>(code);
                        const auto c = static_cast<std::size_t>(code);
                        texts[c] = DecodeCp1250(codes);
                        if ((pass == 0) == codesFirst) byCodes[c] = pool.internCp1250(codes);
                        else byText[c] = pool.intern(texts[c]);
                    }
                }
                for (std::size_t c = 0; c < 256; ++c) {
                    EXPECT_EQ(byCodes[c], byText[c]) << c << " length " << length;
                    EXPECT_EQ(pool.text(byCodes[c]), texts[c]) << c << " length " << length;
                }
            }
        }
    }
}

// Names read from a file with accents and of the same text share their id.
TEST(ResultsTable, NamesReadFromAFileAreKeptOnceEach) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eredm.dat"));
    ASSERT_TRUE(WriteRecordsAsRead(path, {Result("Ödön", "V", 4, 1, 0, 40, "00:01:00", "2024.01.05", "10:00:00"),
                                          Result("Anna", "V", 4, 1, 0, 41, "00:01:00", "2024.01.05", "10:00:00"),
                                          Result("Ödön", "V", 4, 1, 0, 42, "00:01:00", "2024.01.05", "10:00:00"),
                                          Result("Ödön ", "V", 4, 1, 0, 43, "00:01:00", "2024.01.05", "10:00:00")}));
    ResultsTable table;
    ASSERT_FALSE(table.Load(path).damaged);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table.row(0).name, table.row(2).name);
    EXPECT_NE(table.row(0).name, table.row(3).name);
    EXPECT_EQ(table.name(0), QStringLiteral("Ödön"));
    EXPECT_EQ(table.name(3), QStringLiteral("Ödön "));
    EXPECT_EQ(table.textCount(), 4u);   // with the empty text
    EXPECT_EQ(table.findText(QStringLiteral("Ödön")), table.row(2).name);
}
