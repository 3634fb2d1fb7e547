// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The results browser's logic: opening, sorting, filtering, searching and deleting.
#include "results/ResultsBrowser.h"
#include "play/GameState.h"
#include "results/ResultsFile.h"
#include "results/Statistics.h"
#include "support/FakePlatform.h"
#include "support/IndependentResultsFile.h"
#include "support/ResultsFixture.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ResultsBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        state.board.resize(5);
        // The current game: random colours with rearrangement (VR) on 5 x 5.
        state.panel.generalt.checked = true;
        state.panel.atrend.checked = true;
        state.panel.mker.visible = false;
        state.storing.resultTypeIndex = 2;
        state.panel.er_megj.caption = QStringLiteral("Eredmények");
        for (int no = 1; no <= 171; ++no) state.texts.messages[no] = QStringLiteral("m%1").arg(no);
        state.texts.messages[99] = QStringLiteral("#;name;type;size;gaps;game;no;shuffle;steps;time;date;at");
        state.texts.messages[135] = QStringLiteral("up to # ?");
        state.texts.messages[138] = QStringLiteral("delete # rows?");
        path = folder.filePath(state.resultsFile);
    }

    // Records 1..6; the current game is VR on 5 x 5.
    void Fill() {
        const ResultRecord records[] = {
            Result("Anna", "VR", 5, 2, 0, 40, "00:03:00", "2024.01.05", "10:00:00"),
            Result("béla", "VR", 5, 2, 0, 30, "00:02:00", "2024.01.06", "11:00:00"),
            Result("Cecil", "VR", 5, 1, 4, 30, "00:01:00", "2024.01.07", "12:00:00"),
            Result("Bori", "VR", 4, 2, 0, 20, "00:01:30", "2024.01.08", "13:00:00"),
            Result("Dani", "A", 5, 2, 0, 25, "00:00:50", "2024.01.09", "14:00:00"),
            Result("bence", "VR", 5, 2, 4, 35, "00:02:30", "2024.01.10", "15:00:00"),
        };
        for (const ResultRecord& r : records) ASSERT_EQ(AppendResult(folder, state.resultsFile, r, fp.random), AppendStatus::Appended);
    }

    ResultsBrowser& Open() {
        browser = std::make_unique<ResultsBrowser>(state, fp.platform, folder);
        browser->Form_Load();
        return *browser;
    }

    QStringList Column(int column) const {
        QStringList cells;
        for (int row = 0; row < browser->rowCount(); ++row) cells.append(browser->cellText(row, column));
        return cells;
    }
    QStringList Names() const { return Column(ResultColumn::Name); }

    QByteArray FileBytes() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList NamesInFile() const {
        QStringList names;
        ReadResultsFile(path, [&](const ResultRecord& r) { names.append(r.name); });
        return names;
    }
    std::vector<int> MessagesShown() const {
        std::vector<int> numbers;
        for (const MessageRequest& m : fp.messageBox.shown) numbers.push_back(m.messageNo);
        return numbers;
    }

    QTemporaryDir m_dir;
    QDir folder{m_dir.path()};
    QString path;
    GameState state;
    FakePlatform fp;
    std::unique_ptr<ResultsBrowser> browser;
};

QStringList List(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts) list.append(QString::fromUtf8(t));
    return list;
}

} // namespace

TEST_F(ResultsBrowserTest, FromTheMenuItShowsTheGamesTypeAndSizeByName) {
    Fill();
    ASSERT_TRUE(er_megj_Click(state, fp.platform, folder));
    ResultsBrowser& b = Open();
    EXPECT_EQ(b.windowTitle(), "Eredmények");
    EXPECT_EQ(Names(), List({"Anna", "bence", "béla", "Cecil"}));
    EXPECT_EQ(Column(ResultColumn::RowNo), List({"1", "2", "3", "4"}));
    EXPECT_EQ(Column(ResultColumn::RecordNo), List({"1", "6", "2", "3"}));
    const BrowserControls& c = b.controls();
    EXPECT_TRUE(c.szur[1].checked);
    for (int t = 1; t <= 8; ++t) EXPECT_EQ(c.tip[static_cast<std::size_t>(t)].checked, t == 2) << t;
    EXPECT_TRUE(c.rend[0].checked);
    EXPECT_EQ(b.sortColumn(), ResultColumn::Name);
    EXPECT_TRUE(c.parkc.caption.isEmpty());
    EXPECT_FALSE(c.aktsor.visible);
    EXPECT_EQ(c.Label4.caption, "4 m96");
    EXPECT_EQ(b.currentRow(), 0);
    EXPECT_EQ(b.headers().value(ResultColumn::Steps), "steps");
    // The rows shown can be listed.
    EXPECT_TRUE(c.ls_pr.enabled);
    EXPECT_TRUE(c.ls_fl.enabled);
}

TEST_F(ResultsBrowserTest, AfterStoringItSortsByStepsAndShowsTheNewRowMarked) {
    Fill();
    state.storing.storedDate = QStringLiteral("2024.01.10");
    state.storing.storedTime = QStringLiteral("15:00:00");
    state.gapCount = 2;
    ResultsBrowser& b = Open();
    // The game's gap count filters: Cecil (one gap) is left out.
    EXPECT_EQ(b.controls().parkc.caption, "2");
    EXPECT_EQ(Names(), List({"béla", "bence", "Anna"}));
    EXPECT_TRUE(b.controls().rend[1].checked);
    EXPECT_TRUE(b.controls().aktsor.visible);
    EXPECT_EQ(b.markedRecordNo(), 6);
    EXPECT_TRUE(state.storing.storedDate.isEmpty());
    EXPECT_TRUE(b.isMarkedRow(1));

    b.mflex_GotFocus();
    EXPECT_EQ(b.currentRow(), 1);
    EXPECT_EQ(b.currentColumn(), ResultColumn::Name);
    EXPECT_EQ(b.takeTopRowRequest(), 1);
    // Double-clicking another row marks it; the button goes back to it.
    b.setCurrentCell(2, ResultColumn::Steps);
    b.mflex_DblClick();
    EXPECT_EQ(b.controls().aktsor.caption, "m98");
    b.setCurrentCell(0, ResultColumn::Name);
    b.aktsor_Click();
    EXPECT_EQ(b.currentRow(), 2);
    // Filtered out, it cannot be found.
    b.lpsz_Validate(QStringLiteral("36"));
    b.aktsor_Click();
    EXPECT_EQ(MessagesShown(), std::vector<int>{132});
}

TEST_F(ResultsBrowserTest, AStoredShuffledStateShowsTheResultsOfThatState) {
    Fill();
    state.shuffleNo = 4;
    ResultsBrowser& b = Open();
    EXPECT_EQ(Names(), List({"bence", "Cecil"}));
    EXPECT_TRUE(b.controls().nevsz.checked);
    EXPECT_EQ(b.controls().szker.caption, "m86:  m106 = 4");
    b.toggleNevsz();   // F5
    EXPECT_FALSE(b.controls().nevsz.checked);
    EXPECT_EQ(b.controls().szker.caption, "m86");
    EXPECT_EQ(Names().size(), 4);
}

TEST_F(ResultsBrowserTest, AHeaderClickedTwiceSortsDescendingAndTheFrameSaysSo) {
    Fill();
    ResultsBrowser& b = Open();
    b.mflex_HeaderClick(ResultColumn::Steps);
    // Equal steps (30) go by time: Cecil's minute before béla's two.
    EXPECT_EQ(Names(), List({"Cecil", "béla", "bence", "Anna"}));
    EXPECT_TRUE(b.controls().rend[1].checked);
    EXPECT_FALSE(b.controls().rend[0].checked);
    EXPECT_EQ(b.controls().rker.caption, "m80");
    b.mflex_HeaderClick(ResultColumn::Steps);
    EXPECT_TRUE(b.descending());
    EXPECT_EQ(Names(), List({"Anna", "bence", "béla", "Cecil"}));
    EXPECT_EQ(b.controls().rker.caption, "m80 m81");
    b.mflex_HeaderClick(ResultColumn::Steps);
    EXPECT_FALSE(b.descending());
    EXPECT_EQ(b.controls().rker.caption, "m80");

    // Another column sorts ascending; no option stands for it.
    b.mflex_HeaderClick(ResultColumn::Steps);
    b.mflex_HeaderClick(ResultColumn::Date);
    EXPECT_FALSE(b.descending());
    EXPECT_EQ(Names(), List({"Anna", "béla", "Cecil", "bence"}));
    for (const ControlState& option : b.controls().rend) EXPECT_FALSE(option.checked);
    // The row numbers follow the sort; the number column itself does not sort.
    EXPECT_EQ(Column(ResultColumn::RowNo), List({"1", "2", "3", "4"}));
    b.mflex_HeaderClick(ResultColumn::RowNo);
    EXPECT_EQ(b.sortColumn(), ResultColumn::Date);
    // An option sorts ascending again, and says so.
    b.mflex_HeaderClick(ResultColumn::Date);
    b.rend_Click(3);
    EXPECT_EQ(Names(), List({"Anna", "béla", "Cecil", "bence"}));
    EXPECT_EQ(b.controls().rker.caption, "m80");
}

TEST_F(ResultsBrowserTest, TheShuffledBoxCyclesThroughItsThreeStates) {
    Fill();
    ResultsBrowser& b = Open();
    EXPECT_EQ(b.kevState(), ShuffleFilter::Any);
    const std::pair<ShuffleFilter, QStringList> cycle[] = {
        {ShuffleFilter::NotShuffled, List({"Anna", "béla"})},
        {ShuffleFilter::Shuffled, List({"bence", "Cecil"})},
        {ShuffleFilter::Any, List({"Anna", "bence", "béla", "Cecil"})},
    };
    for (const auto& [filter, names] : cycle) {
        b.kev_Click();
        EXPECT_EQ(b.kevState(), filter);
        EXPECT_EQ(Names(), names);
    }
}

TEST_F(ResultsBrowserTest, TypingALetterFindsTheNextNameWithItInEitherCaseAndWraps) {
    Fill();
    ResultsBrowser& b = Open();   // Anna, bence, béla, Cecil
    const std::pair<QChar, int> presses[] = {{u'b', 1}, {u'b', 2}, {u'B', 1}, {u'c', 3}, {u'a', 0}, {u'x', 0}, {u'-', 0}};
    for (const auto& [typed, row] : presses) {
        b.mflex_KeyPress(typed);
        EXPECT_EQ(b.currentRow(), row) << QString(typed).toStdString();
    }
    // Only text columns are searched.
    b.rend_Click(1);
    b.setCurrentCell(0, ResultColumn::Name);
    b.mflex_KeyPress(u'b');
    EXPECT_EQ(b.currentRow(), 0);
}

TEST_F(ResultsBrowserTest, TheTextBoxesFilterAsTheyAreLeft) {
    Fill();
    ResultsBrowser& b = Open();
    b.lpsz_Validate(QStringLiteral("abc"));
    EXPECT_TRUE(b.controls().lpsz.caption.isEmpty());
    EXPECT_EQ(Names().size(), 4);
    b.lpsz_Validate(QStringLiteral("31x"));
    EXPECT_EQ(b.controls().lpsz.caption, "31");
    EXPECT_EQ(Names(), List({"béla", "Cecil"}));

    EXPECT_FALSE(b.elhid_Validate(QStringLiteral("1:2")));
    EXPECT_EQ(b.controls().elhid.caption, "1:2");   // stays for mending
    EXPECT_EQ(Names(), List({"béla", "Cecil"}));
    EXPECT_TRUE(b.elhid_Validate(QStringLiteral("00:02:00")));
    EXPECT_EQ(Names(), List({"Cecil"}));
    EXPECT_TRUE(b.elhid_Validate(QStringLiteral("00:00:00")));
    EXPECT_TRUE(b.controls().elhid.caption.isEmpty());
    b.elhid_GotFocus();
    EXPECT_EQ(b.controls().elhid.caption, "00:00:00");

    b.parkc_LostFocus(QStringLiteral("1"));
    EXPECT_EQ(Names(), List({"Cecil"}));
    b.parkc_LostFocus(QStringLiteral("none"));
    EXPECT_TRUE(b.controls().parkc.caption.isEmpty());
    EXPECT_EQ(Names(), List({"béla", "Cecil"}));
}

TEST_F(ResultsBrowserTest, ThePickedCellFiltersByItsValue) {
    Fill();
    ResultsBrowser& b = Open();
    b.szur_Click(3);
    b.tip_Click(1, true);   // V: nothing of that type
    b.tip_Click(3, true);   // A: Dani
    ASSERT_EQ(Names(), List({"Anna", "bence", "Bori", "béla", "Cecil", "Dani"}));
    b.setCurrentCell(2, ResultColumn::Gaps);   // Bori's row: 2 gaps
    b.nevsz_Click(true);
    EXPECT_EQ(b.controls().szker.caption, "m86:  m103 = 2");
    EXPECT_EQ(Names(), List({"Anna", "bence", "Bori", "béla", "Dani"}));
    b.setCurrentCell(1, ResultColumn::Date);   // bence, 2024.01.10
    b.nevsz_Click(true);
    EXPECT_EQ(Names(), List({"bence"}));
    EXPECT_EQ(b.listFilters().pick.text, "2024.01.10");

    // With no row to pick from, the box does not stay checked.
    b.nevsz_Click(false);
    b.lpsz_Validate(QStringLiteral("1"));
    ASSERT_EQ(b.rowCount(), 0);
    b.nevsz_Click(true);
    EXPECT_FALSE(b.controls().nevsz.checked);
}

TEST_F(ResultsBrowserTest, EveryFilterChangeShowsTheFileAsItIsNow) {
    Fill();
    ResultsBrowser& b = Open();
    ASSERT_EQ(AppendResult(folder, state.resultsFile,
                           Result("Aladár", "VR", 5, 2, 0, 50, "00:09:00", "2024.02.01", "09:00:00"), fp.random),
              AppendStatus::Appended);
    b.szur_Click(1);
    EXPECT_EQ(Names(), List({"Aladár", "Anna", "bence", "béla", "Cecil"}));
}

TEST_F(ResultsBrowserTest, DeletingTheCurrentRowAsksWithItsName) {
    Fill();
    ResultsBrowser& b = Open();
    b.setCurrentCell(2, ResultColumn::Steps);   // béla
    const QByteArray before = FileBytes();
    fp.messageBox.answers = {MsgAnswer::No};
    b.akttor_Click();
    EXPECT_EQ(fp.messageBox.shown.back().text, "m133 béla");
    EXPECT_EQ(FileBytes(), before);

    b.akttor_Click();   // Yes
    EXPECT_EQ(NamesInFile(), List({"Anna", "Cecil", "Bori", "Dani", "bence"}));
    EXPECT_EQ(Names(), List({"Anna", "bence", "Cecil"}));
    EXPECT_FALSE(b.closeRequested());
    EXPECT_FALSE(QFile::exists(ScratchPathOf(path)));
}

TEST_F(ResultsBrowserTest, DeletingTheLastRowShownClosesTheBrowser) {
    Fill();
    ResultsBrowser& b = Open();
    b.parkc_LostFocus(QStringLiteral("1"));   // Cecil alone
    b.akttor_Click();
    EXPECT_EQ(NamesInFile().size(), 5);
    EXPECT_TRUE(b.closeRequested());
}

TEST_F(ResultsBrowserTest, DeletingTheRowsShownWhenAllAreShownRemovesTheFile) {
    Fill();
    ResultsBrowser& b = Open();
    b.szur_Click(3);
    b.tip_Click(3, true);
    ASSERT_EQ(b.rowCount(), 6);
    b.sortor_Click();
    EXPECT_EQ(fp.messageBox.shown.back().text, "delete 6 rows?");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(ScratchPathOf(path)));
    EXPECT_TRUE(b.closeRequested());
}

TEST_F(ResultsBrowserTest, DeletingTheRowsShownKeepsTheOthers) {
    Fill();
    ResultsBrowser& b = Open();
    b.kev_Click();   // not shuffled: Anna, béla
    b.sortor_Click();
    EXPECT_EQ(NamesInFile(), List({"Cecil", "Bori", "Dani", "bence"}));
    EXPECT_TRUE(b.closeRequested());
}

TEST_F(ResultsBrowserTest, DeletingUpToADateAsksAgainAfterADateTheCalendarLacks) {
    Fill();
    ResultsBrowser& b = Open();
    fp.inputBox.answers = {QStringLiteral("2006.02.30"), QStringLiteral("2024.1.6"), QStringLiteral("2024.01.06")};
    b.dattor_Click();
    EXPECT_EQ(fp.inputBox.prompts.size(), 3);
    EXPECT_EQ(MessagesShown(), (std::vector<int>{134, 134, 135}));
    EXPECT_EQ(fp.messageBox.shown.back().text, "up to 2024.01.06 ?");
    // Shown rows dated on or before the day go; Bori (4 x 4) is not shown and stays.
    EXPECT_EQ(NamesInFile(), List({"Cecil", "Bori", "Dani", "bence"}));
    EXPECT_EQ(Names(), List({"bence", "Cecil"}));

    // An empty answer ends the command.
    fp.inputBox.answers = {QString()};
    const QByteArray before = FileBytes();
    b.dattor_Click();
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(ResultsBrowserTest, DeletingEverythingWarnsAsksAndRemovesTheFile) {
    Fill();
    ResultsBrowser& b = Open();
    fp.messageBox.answers = {MsgAnswer::Ok, MsgAnswer::No};
    b.ossztor_Click();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(fp.messageBox.shown[0].title, "Összes eredmény törlésére");
    EXPECT_EQ(fp.messageBox.shown[0].icon, MsgIcon::Critical);
    b.ossztor_Click();
    EXPECT_EQ(MessagesShown(), (std::vector<int>{136, 137, 136, 137}));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(b.closeRequested());
}

TEST_F(ResultsBrowserTest, ADamagedFileShowsTheRowsBeforeTheDamageAndIsNeverRewritten) {
    // The other writer's file with its last record cut short.
    QByteArray bytes = IndependentResultsFile();
    bytes.chop(20);
    ASSERT_TRUE(WriteIndependentResultsFile(path, bytes));
    state.storing.resultTypeIndex = 6;   // T
    ResultsBrowser& b = Open();
    b.szur_Click(3);
    b.tip_Click(2, true);
    b.tip_Click(8, true);
    EXPECT_EQ(Names(), List({"anna", "Kovács, Béla", "Ödön \"ÖK\""}));

    // No deletion of records touches it: the records behind the damage would be lost.
    const std::function<void()> deletions[] = {
        [&] { b.akttor_Click(); }, [&] { b.sortor_Click(); }, [&] { b.dattor_Click(); }};
    fp.inputBox.answers = {QStringLiteral("2030.01.01")};
    for (const auto& deletion : deletions) deletion();
    EXPECT_EQ(MessagesShown(), (std::vector<int>{30, 30, 30}));
    EXPECT_EQ(FileBytes(), bytes);

    // When the grid gets the focus, the player is asked; No closes the browser and
    // leaves the file as it is.
    fp.messageBox.answers = {MsgAnswer::No};
    b.mflex_GotFocus();
    EXPECT_EQ(fp.messageBox.shown.back().buttons, MsgButtons::YesNo);
    EXPECT_EQ(fp.messageBox.shown.back().icon, MsgIcon::Critical);
    EXPECT_TRUE(b.closeRequested());
    EXPECT_EQ(FileBytes(), bytes);
    EXPECT_EQ(folder.entryList(QDir::Files), List({"eredm.dat"}));
}

// Yes keeps the readable records in the file and moves every byte after them into a
// side file: the two together hold the old file, and the browser goes on with it.
TEST_F(ResultsBrowserTest, KeepingTheReadableRecordsMovesTheRestIntoASideFile) {
    QByteArray bytes = IndependentResultsFile();
    bytes.chop(20);
    ASSERT_TRUE(WriteIndependentResultsFile(path, bytes));
    state.storing.resultTypeIndex = 6;
    ResultsBrowser& b = Open();
    b.szur_Click(3);
    for (int t = 1; t <= 8; ++t) b.tip_Click(t, true);
    b.mflex_GotFocus();   // Yes
    ASSERT_FALSE(b.closeRequested());
    EXPECT_FALSE(b.fileDamaged());
    EXPECT_EQ(NamesInFile(), List({"Kovács, Béla", "anna", "Ödön \"ÖK\""}));
    EXPECT_EQ(b.rowCount(), 3);
    const char* side = "eredm.dat.damaged-20260307-090503";
    ASSERT_EQ(folder.entryList(QDir::Files), List({"eredm.dat", side}));
    QFile kept(folder.filePath(QLatin1String(side)));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(FileBytes() + kept.readAll(), bytes);
    EXPECT_TRUE(fp.messageBox.shown.back().text.contains(QLatin1String(side)));
}

// "Delete all" works on a damaged file too: the whole file is kept as a side file.
TEST_F(ResultsBrowserTest, DeletingAllOfADamagedFileKeepsItWholeAsASideFile) {
    QByteArray bytes = IndependentResultsFile();
    bytes.chop(20);
    ASSERT_TRUE(WriteIndependentResultsFile(path, bytes));
    ResultsBrowser& b = Open();
    b.ossztor_Click();
    EXPECT_TRUE(b.closeRequested());
    EXPECT_FALSE(QFile::exists(path));
    const char* side = "eredm.dat.damaged-20260307-090503";
    ASSERT_EQ(folder.entryList(QDir::Files), List({side}));
    QFile kept(folder.filePath(QLatin1String(side)));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), bytes);
    EXPECT_TRUE(fp.messageBox.shown.back().text.contains(QLatin1String(side)));
}

TEST_F(ResultsBrowserTest, AFileFromAnotherWriterShowsItsCellsExactly) {
    ASSERT_TRUE(WriteIndependentResultsFile(path));
    state.storing.resultTypeIndex = 6;
    ResultsBrowser& b = Open();
    b.szur_Click(3);
    for (int t = 1; t <= 8; ++t) b.tip_Click(t, true);
    b.rend_Click(3);
    const QStringList expected[] = {
        List({"1", "Kovács, Béla", "T", "5", "2", "Csík", "12", "3", "187", "12:00:00", "2006.03.07", "09:05", "1"}),
        List({"2", "anna", "VR", "4", "1", "", "", "", "42", "0:03:41", "2024.01.05", "23:59", "2"}),
        List({"3", "Ödön \"ÖK\"", "SR", "6", "0", "", "", "7", "1000", "1:05:00", "2024.01.05", "08:00", "3"}),
        List({"4", "Béla", "T", "5", "2", "Csík", "12", "", "187", "2:30:00", "2006.03.07", "09:05", "4"}),
    };
    ASSERT_EQ(b.rowCount(), 4);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < ResultColumn::Count; ++column)
            EXPECT_EQ(b.cellText(row, column), expected[row][column]) << row << "," << column;
    // Twelve hours sort after two and a half, under equal steps.
    b.rend_Click(1);
    EXPECT_EQ(Column(ResultColumn::RecordNo), List({"2", "4", "1", "3"}));
}

// A record whose counts read below zero is one value everywhere: the grid shows it,
// the filter and the sort use it, the statistics rank it, and a deletion of the rows
// shown takes exactly the rows the grid showed.
TEST_F(ResultsBrowserTest, ACountBelowZeroIsShownFilteredRankedAndDeletedAsItReads) {
    ASSERT_TRUE(WriteRecordsAsRead(path, {Result("Anna", "VR", 5, 2, 0, 40, "00:03:00", "2024.01.05", "10:00:00"),
                                          Result("Zoli", "VR", 5, -4, -7, -130, "00:02:00", "2024.01.06", "11:00:00"),
                                          Result("Béla", "VR", 5, 2, 0, 60, "00:01:00", "2024.01.07", "12:00:00")}));
    ResultsBrowser& b = Open();
    ASSERT_EQ(Names(), List({"Anna", "Béla", "Zoli"}));
    EXPECT_EQ(b.cellText(2, ResultColumn::Gaps), "-4");
    EXPECT_EQ(b.cellText(2, ResultColumn::ShuffleNo), "-7");
    EXPECT_EQ(b.cellText(2, ResultColumn::Steps), "-130");
    b.rend_Click(1);
    EXPECT_EQ(Names(), List({"Zoli", "Anna", "Béla"}));

    // The statistics rank the steps by their text, as their table always has: " -130"
    // comes after "   60". The value is the same.
    const StatisticsScan scan = ScanStatistics(path);
    const int vrOn5x5 = 8 + 1;
    EXPECT_EQ(scan.stats.worst(2, vrOn5x5).name, "Zoli");
    EXPECT_EQ(scan.stats.worst(2, vrOn5x5).steps5, " -130");

    b.lpsz_Validate(QStringLiteral("50"));
    EXPECT_EQ(Names(), List({"Zoli", "Anna"}));
    b.sortor_Click();
    EXPECT_EQ(fp.messageBox.shown.back().text, "delete 2 rows?");
    EXPECT_EQ(NamesInFile(), List({"Béla"}));
}

TEST_F(ResultsBrowserTest, EmptyFilesOpenWithoutRowsOrComplaint) {
    for (const QByteArray& bytes : {QByteArray(), IndependentResultsFile().left(20)}) {
        ASSERT_TRUE(WriteIndependentResultsFile(path, bytes));
        ResultsBrowser& b = Open();
        EXPECT_EQ(b.rowCount(), 0);
        EXPECT_EQ(b.currentRow(), -1);
        b.mflex_GotFocus();
        b.mflex_KeyPress(u'a');
        b.akttor_Click();
        b.nevsz_Click(true);
        EXPECT_TRUE(fp.messageBox.shown.empty());
        EXPECT_FALSE(b.closeRequested());
        EXPECT_EQ(FileBytes(), bytes);
    }
}

TEST_F(ResultsBrowserTest, TheMenuTellsWhenThereAreNoResultsYet) {
    state.storing.storedDate = QStringLiteral("2024.01.05");
    EXPECT_FALSE(er_megj_Click(state, fp.platform, folder));
    EXPECT_EQ(MessagesShown(), std::vector<int>{2});
    Fill();
    state.panel.generalt.checked = false;
    state.panel.atrend.checked = false;
    state.panel.szamsor.checked = true;
    EXPECT_TRUE(er_megj_Click(state, fp.platform, folder));
    EXPECT_TRUE(state.storing.storedDate.isEmpty());
    EXPECT_EQ(state.storing.resultTypeIndex, 7);
}
