// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rows of `--results` are written as bytes for speed; they must be exactly what
// the straightforward writer they replaced gives, kept here as the reference: a list
// of field texts per row, each quoted as needed, through a text stream.
#include "app/DelimitedText.h"
#include "app/ResultRowsWriter.h"
#include "support/ResultsFixture.h"
#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <numeric>

namespace {

QString ReferenceNumberOrEmpty(int n) { return n == 0 ? QString() : QString::number(n); }

void ReferenceRows(const ResultsTable& table, const std::vector<std::uint32_t>& rows, QChar separator,
                   QTextStream& out) {
    out << QStringLiteral("row,name,type,size,gaps,game_name,game_no,shuffle_no,steps,elapsed,date,time,record")
               .replace(u',', separator)
        << '\n';
    const TypeNames& codes = StoredTypeCodes();
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const std::size_t i = rows[n];
        const ResultRow& r = table.row(i);
        const QStringList fields = {QString::number(n + 1),           table.name(i),
                                    codes[r.typeIndex],               QString::number(r.boardSize),
                                    QString::number(r.gapCount),      table.storedGameName(i).trimmed(),
                                    ReferenceNumberOrEmpty(r.storedGameNo), ReferenceNumberOrEmpty(r.shuffleNo),
                                    QString::number(r.steps),         table.elapsedText(i),
                                    table.dateText(i),                table.timeText(i),
                                    QString::number(i + 1)};
        WriteDelimitedRow(out, fields, separator);
    }
}

ResultRecord StoredGame(ResultRecord r, const char* game, int number) {
    r.storedGameName = QString::fromUtf8(game);
    r.storedGameNo = number;
    return r;
}

ResultRecord Times(ResultRecord r, const char* elapsed, const char* date, const char* time) {
    r.elapsed = QString::fromUtf8(elapsed);
    r.date = QString::fromUtf8(date);
    r.timeOfDay = QString::fromUtf8(time);
    return r;
}

// Every kind of field a file can hold, the game's own and what altered bytes read as.
QList<ResultRecord> EveryKindOfField() {
    return {
        Result("Anna", "V", 4, 1, 0, 40, "00:03:00", "2024.01.05", "10:00:00"),
        StoredGame(Result("Kovács, Béla", "T", 5, 2, 3, 187, "12:00:00", "2006.03.07", "09:05:03"), "Csík, \"ó\"", 12),
        Result("Ödön \"ÖK\"", "SR", 6, 0, 7, 1000, "01:05:00", "2024.01.05", "08:00:00"),
        Result("Árvíztűrő tükörfúrógép", "AR", 5, 3, 0, 32317, "99:59:59", "1999.12.31", "23:59:59"),
        StoredGame(Result("Zoli", "T", 4, -4, -7, -130, "00:02:00", "2024.01.06", "11:00:00"), "  Kör  ", 0),
        StoredGame(Result("tab\there", "M", 6, 200, 0, 0, "00:00:00", "0000.00.00", "00:00:00"), "\"", 32767),
        Result("line\nbreak\r,", "VR", 4, -255, 0, -655, "00:00:01", "2024.02.29", "00:00:00"),
        Result("cr\ronly", "V", 4, 1, 0, 2, "00:00:01", "2024.02.29", "00:00:00"),
        Times(Result("Béla", "A", 4, 1, 0, 5, "00:00:00", "2024.01.01", "00:00:00"), "1:2:3 ,\"", "2024-01-01",
              "ma\tdél\n."),
        Result("\"\"", "S", 5, 36, 32367, 1, "00:00:09", "2006.03.07", "09:05:04"),
    };
}

class ResultRowsWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        const QString path = m_dir.filePath(QStringLiteral("eredm.dat"));
        ASSERT_TRUE(WriteRecordsAsRead(path, EveryKindOfField()));
        ASSERT_FALSE(m_table.Load(path).damaged);
        ASSERT_EQ(m_table.size(), static_cast<std::size_t>(EveryKindOfField().size()));
    }

    QTemporaryDir m_dir;
    ResultsTable m_table;
};

// The written text, through a string (the stream's own encoding) and through a device
// (UTF-8 bytes written straight to it).
struct Written {
    QString viaString;
    QByteArray viaDevice;
};

Written Write(const ResultsTable& table, const std::vector<std::uint32_t>& rows, QChar separator) {
    Written w;
    {
        QTextStream out(&w.viaString);
        out << "before ";   // what the stream held already comes first
        WriteResultRows(table, rows, separator, out);
    }
    QBuffer buffer(&w.viaDevice);
    buffer.open(QIODevice::WriteOnly);
    QTextStream out(&buffer);
    out << "before ";
    WriteResultRows(table, rows, separator, out);
    out.flush();
    return w;
}

QString Reference(const ResultsTable& table, const std::vector<std::uint32_t>& rows, QChar separator) {
    QString text;
    QTextStream out(&text);
    out << "before ";
    ReferenceRows(table, rows, separator, out);
    out.flush();
    return text;
}

} // namespace

TEST_F(ResultRowsWriterTest, WritesWhatTheReferenceWriterWrites) {
    std::vector<std::uint32_t> all(m_table.size());
    std::iota(all.begin(), all.end(), 0u);
    const std::vector<std::uint32_t> reversed(all.rbegin(), all.rend());
    const std::vector<std::uint32_t> some = {7, 1, 4};
    const std::vector<std::uint32_t> none;
    for (const QChar separator : {QChar(u','), QChar(u'\t')}) {
        for (const std::vector<std::uint32_t>* rows : std::initializer_list<const std::vector<std::uint32_t>*>{&all, &reversed, &some, &none}) {
            const QString expected = Reference(m_table, *rows, separator);
            const Written w = Write(m_table, *rows, separator);
            EXPECT_EQ(w.viaString, expected) << rows->size() << " rows, separator " << int(separator.unicode());
            EXPECT_EQ(w.viaDevice, expected.toUtf8()) << rows->size() << " rows, separator " << int(separator.unicode());
        }
    }
}

// Output of several megabytes leaves in blocks; no row or character is split or lost
// where one block ends.
TEST_F(ResultRowsWriterTest, ManyRowsWriteWhatTheReferenceWriterWrites) {
    std::vector<std::uint32_t> rows;
    for (int k = 0; k < 40000; ++k) rows.push_back(static_cast<std::uint32_t>(k * 7 % m_table.size()));
    const QString expected = Reference(m_table, rows, u',');
    ASSERT_GT(expected.toUtf8().size(), 2 << 20);
    const Written w = Write(m_table, rows, u',');
    EXPECT_TRUE(w.viaString == expected);
    EXPECT_TRUE(w.viaDevice == expected.toUtf8());
}

// A text longer than any row holds, from a file another program wrote, goes out whole.
TEST(ResultRowsWriterLongText, AVeryLongOddTextIsWrittenWhole) {
    ResultsTable table;
    ResultRecord r = Result("Anna", "V", 4, 1, 0, 40, "00:03:00", "2024.01.05", "10:00:00");
    r.date = QString(5000, QChar(u'ő')) + u'"';
    table.Append(r);
    const QString expected = Reference(table, {0}, u',');
    const Written w = Write(table, {0}, u',');
    EXPECT_TRUE(w.viaString == expected);
    EXPECT_TRUE(w.viaDevice == expected.toUtf8());
}

namespace {

// A record as the reader decodes it, its texts given as code page 1250 codes.
DecodedRecord Decoded(QByteArrayView name, QByteArrayView game, QByteArrayView times, int typeIndex, int gaps,
                      int shuffle, int steps) {
    DecodedRecord r{};
    std::copy(name.begin(), name.end(), r.name.begin());
    r.nameLength = static_cast<int>(name.size());
    std::copy(game.begin(), game.end(), r.storedGameName.begin());
    r.storedGameNameLength = static_cast<int>(game.size());
    std::copy(times.begin(), times.end(), r.times.begin());
    r.typeIndex = typeIndex;
    r.boardSize = 4 + typeIndex % 3;
    r.gapCount = gaps;
    r.storedGameNo = game.isEmpty() ? 0 : steps % 50;
    r.shuffleNo = shuffle;
    r.steps = steps;
    return r;
}

// Records whose names hold every one of the 256 codes, stored-game names with blanks
// of every kind at their ends, and times that are not in their digit form.
std::vector<DecodedRecord> EveryCode() {
    std::vector<DecodedRecord> records;
    const QByteArray times = "00:03:002024.01.0510:00:00";
    for (int first = 0; first < 256; first += 16) {
        QByteArray name;
        for (int code = first; code < first + 16; ++code) name += static_cast<char>(code);
        // The same codes as a stored-game name, with a blank, a no-break space (0xA0)
        // and a tab at its ends, or nothing around them.
        const QByteArray game = first % 32 == 0 ? "\xA0 " + name + "\t " : name;
        records.push_back(Decoded(name, game, times, 1 + first / 16 % 8, first - 128, first / 16, 7 * first - 900));
    }
    records.push_back(Decoded("Anna", "", times, 1, 1, 0, 40));
    records.push_back(Decoded("Anna", "  \xA0", times, 6, 1, 0, 40));   // a game name of blanks only
    records.push_back(Decoded("Zoli", "K\xF6r", "1:2:3 ,\"2024-01-01ma\td\xE9l\n.", 2, 3, 0, 5));
    records.push_back(Decoded("B\xE9la", "", "99:59:59\"999.12.3123:59:5,", 8, 36, 32367, 32367));
    return records;
}

// The rows of `records` as the writer writes them from their codes, through a string
// or through a device.
QString WrittenFromCodes(const std::vector<DecodedRecord>& records, const std::vector<std::uint32_t>& rows,
                         QChar separator, bool viaDevice) {
    QString viaString;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextStream out(&viaString);
    if (viaDevice) out.setDevice(&buffer);
    out << "before ";
    ResultRowsWriter writer(separator, out);
    for (const std::uint32_t i : rows) writer.write(records[i], static_cast<qint64>(i) + 1);
    EXPECT_TRUE(writer.finish());
    out.flush();
    return viaDevice ? QString::fromUtf8(bytes) : viaString;
}

// Whether each record written from its codes is the line its row in a table gives.
void ExpectWrittenAsFromTheTable(const std::vector<DecodedRecord>& records, const std::vector<std::uint32_t>& rows) {
    ResultsTable table;
    for (const DecodedRecord& r : records) table.Append(r);
    for (const QChar separator : {QChar(u','), QChar(u'\t')}) {
        const QString expected = Reference(table, rows, separator);
        for (const bool viaDevice : {false, true})
            EXPECT_EQ(WrittenFromCodes(records, rows, separator, viaDevice), expected)
                << "separator " << int(separator.unicode()) << ", via device " << viaDevice;
    }
}

std::vector<std::uint32_t> AllRows(std::size_t count) {
    std::vector<std::uint32_t> rows(count);
    std::iota(rows.begin(), rows.end(), 0u);
    return rows;
}

} // namespace

// `--results` in storage order writes each record as it is decoded, from its codes;
// the lines are those of the decoded table.
TEST(ResultRowsWriterFromCodes, WritesWhatTheReferenceWriterWritesForEveryCode) {
    const std::vector<DecodedRecord> records = EveryCode();
    ExpectWrittenAsFromTheTable(records, AllRows(records.size()));
    ExpectWrittenAsFromTheTable(records, {1, 3, 5, 16, 18, 19});
}

// Codes are looked at many at a time: a code that quotes a field, becomes a blank,
// takes more than one byte or is trimmed counts at every place of a text of any
// length, and the codes after a text's end never count.
TEST(ResultRowsWriterFromCodes, ACodeCountsAtEveryPlaceAndNothingAfterTheEnd) {
    const QByteArray times = "00:03:002024.01.0510:00:00";
    const QByteArray specials(",\"\t\n\r\xE9\xA0 ", 8);
    std::vector<DecodedRecord> records;
    for (int length = 1; length <= 40; ++length) {
        for (int at = 0; at < length; ++at) {
            for (const char special : specials) {
                QByteArray text(length, 'a');
                text[at] = special;
                DecodedRecord r = Decoded(text, text, times, 1 + at % 8, 1, 0, 40);
                // After the texts' ends, codes that would change their fields if they counted.
                std::fill(r.name.begin() + length, r.name.end(), specials[(length + at) % specials.size()]);
                std::fill(r.storedGameName.begin() + length, r.storedGameName.end(), '"');
                records.push_back(r);
            }
        }
    }
    for (int at = 0; at < DecodedRecord::kTimesLength; ++at) {
        for (const char special : specials) {
            QByteArray odd = times;
            odd[at] = special;
            records.push_back(Decoded("Anna", "", odd, 2, 1, 0, 40));
        }
    }
    ExpectWrittenAsFromTheTable(records, AllRows(records.size()));
}
