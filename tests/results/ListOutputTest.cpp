// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/GameState.h"
#include "results/ListFile.h"
#include "results/ListFileForm.h"
#include "results/ResultsList.h"
#include "support/FakePlatform.h"
#include "support/QtPrinting.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Message n reads "m<n>" apart from the texts the list header is checked by.
QStringList Messages() {
    QStringList m;
    for (int n = 0; n <= 171; ++n) m << QStringLiteral("m%1").arg(n);
    m[101] = QStringLiteral("Type");
    m[117] = QStringLiteral("Results");
    m[118] = QStringLiteral("Page #");
    m[120] = QStringLiteral("Random");
    m[127] = QStringLiteral("Numbers R");
    return m;
}

QStringList Row(int no, const QString& name = QStringLiteral("Anna")) {
    return {QString::number(no), name, "VR", "4", "1", "Csík", "3", "12", "57", "0:03:41", "2024.05.06", "09:05"};
}

ResultsListInput Rows(int count) {
    ResultsListInput input;
    for (int i = 1; i <= count; ++i) input.rows << Row(i);
    return input;
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kToday = QStringLiteral("2026.03.07");

} // namespace

TEST(ResultsList, PagesHold62RowsUnderARepeatedHeader) {
    const struct {
        int rows;
        QList<int> rowsPerPage;
    } cases[] = {{0, {0}}, {1, {1}}, {62, {62}}, {63, {62, 1}}, {124, {62, 62}}, {125, {62, 62, 1}}};
    const QStringList messages = Messages();
    for (const auto& c : cases) {
        const ListDocument list = PrintResultsTable(Rows(c.rows), messages, kToday);
        ASSERT_EQ(list.pages.size(), c.rowsPerPage.size()) << c.rows;
        for (qsizetype p = 0; p < list.pages.size(); ++p) {
            const QStringList& page = list.pages[p];
            // Title, blank, sort line, blank, type line, two heads, the rule: then the rows.
            EXPECT_EQ(page[0], "Results" + QString(12 + 9 + 45, ' ') + kToday + "     Page " + QString::number(p + 1));
            EXPECT_EQ(page[7], QString(92, '-'));
            const bool last = p + 1 == list.pages.size();
            EXPECT_EQ(page.size(), 8 + c.rowsPerPage[p] + (last ? 2 : 0)) << c.rows << " page " << p + 1;
        }
        EXPECT_EQ(list.pages.last().last(), "m116");
        // The printer fits a full page to a sheet, whatever this list's length.
        EXPECT_EQ(list.linesPerPage, 8 + 62 + 2) << c.rows;
    }

    // In the file every later page starts with a form feed.
    const QByteArray bytes = ListFileBytes(PrintResultsTable(Rows(63), messages, kToday));
    EXPECT_EQ(bytes.count('\f'), 1);
    EXPECT_TRUE(bytes.contains("\r\n\fResults"));
    EXPECT_TRUE(bytes.contains("Page 2\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
}

TEST(ResultsList, RowLayout) {
    ResultsListInput input;
    input.rows << Row(7, QStringLiteral("Kovács Béla Árvíztűrő Tükörfúrógép"));
    const QStringList lines = PrintResultsTable(input, Messages(), kToday).pages[0];
    const QString row = lines[8];
    EXPECT_EQ(row, QString::fromUtf8("   7  Kovács Béla Árvíztűrő Tükö VR   4  1  Csík         3  12   57 0:03:41 "
                                     "2024.05.06 09:05"));
    EXPECT_EQ(row.size(), kResultsListLineWidth);

    // Ten hours or more: the whole time, one character wider, rather than a wrong one.
    input.rows[0][9] = QStringLiteral("12:00:00");
    EXPECT_TRUE(PrintResultsTable(input, Messages(), kToday).pages[0][8].endsWith("   57 12:00:00 2024.05.06 09:05"));
}

TEST(ResultsList, HeaderShowsSortAndFilters) {
    ResultsListInput input = Rows(1);
    const QStringList messages = Messages();
    // Nothing checked and no filter: the type line is the column name alone, no filter line.
    QStringList page = PrintResultsTable(input, messages, kToday).pages[0];
    EXPECT_EQ(page[2], "m119: m100,  m102: m87,  m106: m113");
    EXPECT_EQ(page[4], "Type");
    EXPECT_EQ(page[5], "m129");

    ResultsListFilter& f = input.filter;
    f.sortColumn = 12;
    f.sizeChoice = 1;
    f.shuffle = ShuffleFilter::NotShuffled;
    f.typeChecked[1] = f.typeChecked[8] = true;
    f.stepLimit = "100";
    f.timeLimit = "00:05:00";
    f.pick.column = 7;
    f.pick.number = 12;
    f.pick.text = "ignored for a number column";
    f.gapFilter = 2;
    f.gapText = "2";
    input.pendoly = true;
    page = PrintResultsTable(input, messages, kToday).pages[0];
    EXPECT_EQ(page[0], "Results" + QString(12, ' ') + "Pendoly" + QString(45, ' ') + kToday + "     Page 1");
    EXPECT_EQ(page[2], "m119: m111,  m102: 5 X 5,  m106: m111");
    EXPECT_EQ(page[4], "Type: Random, Numbers R");
    EXPECT_EQ(page[5], "m115: m107 < 100, m108 < 00:05:00, m106 = 12, m114 = 2");
    EXPECT_EQ(page[6], "m129");
    EXPECT_EQ(PrintResultsTable(input, messages, kToday).linesPerPage, 9 + 62 + 2);   // with the filter line

    f = ResultsListFilter{};
    f.pick.column = 1;
    f.pick.text = "Anna";
    EXPECT_EQ(ResultsListFilterText(f, messages), "m115: m100 = Anna");
}

TEST(ListDocument, FileBytesAreCodePage1250WithCrLf) {
    const ListDocument list{{{"Őrült tűz", ""}, {"€"}}};
    EXPECT_EQ(ListFileBytes(list), QByteArray("\xD5r\xFClt t\xFBz\r\n\r\n\f\x80\r\n"));
    EXPECT_EQ(ListFileBytes(ListDocument{{{"\u4e2d"}}}), QByteArray("?\r\n"));
}

class ListFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files); }

    QTemporaryDir m_dir;
    GameState s;
    FakePlatform fp;
};

TEST_F(ListFileTest, WritingTwiceToOneNameHoldsTheSecondList) {
    s.texts.messages = Messages();
    const QString target = path("Eredm.lis");
    ASSERT_TRUE(SaveListFile(s, fp.platform, target, ListDocument{{{"first list", "longer than the second"}}}));
    ASSERT_TRUE(SaveListFile(s, fp.platform, target, ListDocument{{{"second"}}}));
    EXPECT_EQ(Contents(target), "second\r\n");
    EXPECT_EQ(files(), QStringList{"Eredm.lis"});
    ASSERT_EQ(fp.messageBox.shown.size(), 2u);
    EXPECT_EQ(fp.messageBox.shown[1].messageNo, 70);
    EXPECT_EQ(fp.messageBox.shown[1].text, "m70\n" + target);
}

TEST_F(ListFileTest, AFailedWriteKeepsTheOldFileAndSaysWhere) {
    s.texts.messages = Messages();
    const QString target = path("Eredm.lis");
    ASSERT_TRUE(WriteListFile(target, ListDocument{{{"kept"}}}));
    const RenameFile failing = [](const QString&, const QString&) { return false; };
    EXPECT_FALSE(SaveListFile(s, fp.platform, target, ListDocument{{{"lost"}}}, failing));
    EXPECT_EQ(Contents(target), "kept\r\n");
    EXPECT_EQ(files(), QStringList{"Eredm.lis"});
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].messageNo, 68);
    EXPECT_EQ(fp.messageBox.shown[0].text, "m68\n" + target);

    // Names the file system refuses: a missing folder, a folder, an empty name.
    for (const QString& refused : {path("no such folder/x.lis"), m_dir.path(), m_dir.path() + "/"})
        EXPECT_FALSE(WriteListFile(refused, ListDocument{{{"x"}}})) << refused.toStdString();
    EXPECT_EQ(files(), QStringList{"Eredm.lis"});
}

TEST_F(ListFileTest, FileDialogLogic) {
    s.texts.messages = Messages();
    QDir(m_dir.path()).mkpath("lists/old");
    ListFileForm form(s, path("lists/old"), kStatisticsListFileName);
    EXPECT_EQ(form.controls().Text1.caption, "m153");
    EXPECT_EQ(form.controls().Label3.caption, QDir::toNativeSeparators(path("lists/old")));

    EXPECT_EQ(form.fel_Click(), "old");
    EXPECT_EQ(form.folder(), path("lists"));
    EXPECT_EQ(form.controls().Label3.caption, QDir::toNativeSeparators(path("lists")));

    form.Text1_Change("");
    EXPECT_FALSE(form.rendben_Click(fp.platform));
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].messageNo, 68);
    EXPECT_EQ(form.listFileName(), "");

    form.Text1_Change("stat.lis");
    EXPECT_TRUE(form.rendben_Click(fp.platform));
    EXPECT_EQ(form.listFileName(), path("lists/stat.lis"));

    form.root_Click();
    EXPECT_TRUE(QDir(form.folder()).isRoot());
    EXPECT_EQ(form.fel_Click(), "");
    EXPECT_TRUE(QDir(form.folder()).isRoot());
}
