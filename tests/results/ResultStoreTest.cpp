// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultStore.h"
#include "play/GameState.h"
#include "play/OwnTexts.h"
#include "results/PlayerNames.h"
#include "results/ResultType.h"
#include "results/ResultsFile.h"
#include "support/FakePlatform.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ResultStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        state.board.resize(4);
        state.panel.generalt.checked = true;
        state.panel.mker.visible = false;
        state.gapCount = 2;
        state.stepCount = 57;
        state.shuffleNo = 3;
        for (ControlState* c : {&state.panel.Label3, &state.panel.neve, &state.panel.ment, &state.panel.megse})
            c->visible = true;
        for (int i = 15; i <= 19; ++i) state.texts.messages[i] = QStringLiteral("message %1").arg(i);
    }
    std::vector<ResultRecord> Stored() const {
        std::vector<ResultRecord> records;
        ReadResultsFile(folder.filePath(state.resultsFile), [&](const ResultRecord& r) { records.push_back(r); });
        return records;
    }
    bool NameEntryShown() const { return state.panel.neve.visible && state.panel.ment.visible; }

    QTemporaryDir m_dir;
    QDir folder{m_dir.path()};
    GameState state;
    FakePlatform fp;
    ResultStore store{state, fp.platform, folder};
    const ElapsedTime elapsed{0, 3, 41};
};

} // namespace

TEST_F(ResultStoreTest, StoringAppendsTheRecordAndANewName) {
    state.panel.neve.caption = QStringLiteral("Ödön");
    state.storedGameName = QStringLiteral("  Csík  ");
    state.storedGameNo = 9;
    EXPECT_EQ(store.ment_Click({1, 5, 0}), StoreOutcome::Stored);

    const auto records = Stored();
    ASSERT_EQ(records.size(), 1u);
    const ResultRecord& r = records[0];
    EXPECT_EQ(r.name, QStringLiteral("Ödön"));
    EXPECT_EQ(r.typeCode, QStringLiteral("V"));
    EXPECT_EQ(r.boardSize, 4);
    EXPECT_EQ(r.gapCount, 2);
    EXPECT_EQ(r.steps, 57);
    EXPECT_EQ(r.shuffleNo, 3);
    EXPECT_EQ(r.storedGameName, QStringLiteral("Csík"));
    EXPECT_EQ(r.storedGameNo, 9);
    EXPECT_EQ(r.elapsed, QStringLiteral("01:05:00"));
    EXPECT_EQ(r.date, QStringLiteral("2026.03.07"));
    EXPECT_EQ(r.timeOfDay, QStringLiteral("09:05:03"));
    EXPECT_EQ(state.storing.storedDate, r.date);
    EXPECT_EQ(state.storing.storedTime, r.timeOfDay);
    EXPECT_EQ(ReadPlayerNames(folder), QStringList{QStringLiteral("Ödön")});
    EXPECT_FALSE(NameEntryShown());
    EXPECT_FALSE(state.panel.megse.visible);
    EXPECT_TRUE(fp.messageBox.shown.empty());

    // The same name again: a second record, but no second name line.
    state.panel.neve.caption = QStringLiteral("Ödön");
    EXPECT_EQ(store.ment_Click(elapsed), StoreOutcome::Stored);
    EXPECT_EQ(Stored().size(), 2u);
    EXPECT_EQ(ReadPlayerNames(folder), QStringList{QStringLiteral("Ödön")});
}

// A stored game's name with a letter the results file cannot hold does not cost the
// result: the letter is written as "?", and the player is told how.
TEST_F(ResultStoreTest, AStoredGameNameIsWrittenAsTheFileCanHoldIt) {
    state.panel.neve.caption = QStringLiteral("Anna");
    state.storedGameName = QStringLiteral("Kert\u02D9");
    state.storedGameNo = 4;
    state.texts.languageName = QStringLiteral("English");
    EXPECT_EQ(store.ment_Click(elapsed), StoreOutcome::Stored);
    const auto records = Stored();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].storedGameName, QStringLiteral("Kert?"));
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].icon, MsgIcon::Information);
    EXPECT_TRUE(fp.messageBox.shown[0].text.endsWith(QStringLiteral(": Kert?"))) << fp.messageBox.shown[0].text.toStdString();
}

// The player keeps the name entry and is told why, rather than being told the result
// is stored when it could never be read again.
// Message 30 says the window closes; the main window stays, so it is told otherwise.
TEST_F(ResultStoreTest, ADamagedResultsFileIsRefusedAndLeftAsItIs) {
    QFile file(folder.filePath(state.resultsFile));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(40, '\x7F'));
    file.close();
    state.panel.neve.caption = QStringLiteral("Anna");
    EXPECT_EQ(store.ment_Click(elapsed), StoreOutcome::Refused);
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].text,
              OwnTextIn(OwnText::ResultsDamagedNotStored, state.texts).arg(state.resultsFile, QStringLiteral("0")));
    EXPECT_EQ(fp.messageBox.shown[0].icon, MsgIcon::Critical);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(40, '\x7F'));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(NameEntryShown());
    EXPECT_FALSE(PlayerNamesFileExists(folder));
    EXPECT_TRUE(state.storing.storedTime.isEmpty());
}

TEST_F(ResultStoreTest, PendolyResultsGoToTheirOwnFile) {
    state.resultsFile = QStringLiteral("eredm_vr.dat");
    state.panel.neve.caption = QStringLiteral("Anna");
    EXPECT_EQ(store.ment_Click(elapsed), StoreOutcome::Stored);
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("eredm_vr.dat"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("eredm.dat"))));
}

TEST_F(ResultStoreTest, AnEmptyNameAsksForOneAndChangesNothing) {
    state.panel.neve.caption = QStringLiteral("\"\"");
    EXPECT_EQ(store.ment_Click(elapsed), StoreOutcome::NameMissing);
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].messageNo, 16);
    EXPECT_TRUE(NameEntryShown());
    EXPECT_TRUE(folder.entryList(QDir::Files).isEmpty());
}

TEST_F(ResultStoreTest, UnstorableResultsAreRefusedBeforeAnythingIsWritten) {
    struct Case {
        const char* what;
        std::function<void()> change;
        ElapsedTime elapsed;
    } cases[] = {
        {"steps", [&] { state.stepCount = 32768 - 450; }, {0, 1, 0}},
        {"shuffle number", [&] { state.shuffleNo = 40000; }, {0, 1, 0}},
        {"100 hours", [] {}, {100, 0, 0}},
        {"name character", [&] { state.panel.neve.caption = QStringLiteral("Jo\u02D9"); }, {0, 1, 0}},
        {"a game a hint or the solver helped", [&] { state.assisted = true; }, {0, 1, 0}},
    };
    for (const Case& c : cases) {
        state.assisted = false;
        state.stepCount = 57;
        state.shuffleNo = 3;
        state.panel.neve.caption = QStringLiteral("Anna");
        fp.messageBox.shown.clear();
        c.change();
        EXPECT_EQ(store.ment_Click(c.elapsed), StoreOutcome::Refused) << c.what;
        ASSERT_EQ(fp.messageBox.shown.size(), 1u) << c.what;
        EXPECT_EQ(fp.messageBox.shown[0].icon, MsgIcon::Critical) << c.what;
        EXPECT_FALSE(fp.messageBox.shown[0].text.isEmpty()) << c.what;
        EXPECT_TRUE(NameEntryShown()) << c.what;
        EXPECT_TRUE(folder.entryList(QDir::Files).isEmpty()) << c.what;
    }
}

TEST_F(ResultStoreTest, ARefusalIsWordedInTheLanguageInUse) {
    state.texts.languageName = QStringLiteral("English");
    state.stepCount = 32768 - 450;
    state.panel.neve.caption = QStringLiteral("Anna");
    EXPECT_EQ(store.ment_Click(elapsed), StoreOutcome::Refused);
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].text,
              QStringLiteral("The number of steps (32318) is too large; at most 32317 steps can be stored."));
}

TEST_F(ResultStoreTest, EnterStoresAsTheButtonDoesAndQuotesAreRefused) {
    state.panel.neve.caption = QStringLiteral("Anna");
    int key = 'x';
    EXPECT_FALSE(store.neve_KeyPress(key, elapsed).has_value());
    EXPECT_EQ(key, 'x');
    key = '"';
    EXPECT_FALSE(store.neve_KeyPress(key, elapsed).has_value());
    EXPECT_EQ(key, 0);
    key = 13;
    EXPECT_EQ(store.neve_KeyPress(key, elapsed), StoreOutcome::Stored);
    EXPECT_EQ(Stored().size(), 1u);
    EXPECT_EQ(ReadPlayerNames(folder), QStringList{QStringLiteral("Anna")});
}

TEST_F(ResultStoreTest, ValidationCutsTheNameTo30AndDropsQuotes) {
    state.panel.neve.caption = QStringLiteral("\"") + QString(31, QChar(0x0151));
    store.neve_Validate();
    EXPECT_EQ(state.panel.neve.caption, QString(30, QChar(0x0151)));
    // A pasted quote never reaches the name file.
    state.panel.neve.caption = QStringLiteral("Kiss \"Ede\"");
    EXPECT_EQ(store.ment_Click(elapsed), StoreOutcome::Stored);
    EXPECT_EQ(ReadPlayerNames(folder), QStringList{QStringLiteral("Kiss Ede")});
}

TEST_F(ResultStoreTest, DiscardingAsksAndNoKeepsTheEntry) {
    state.panel.neve.caption = QStringLiteral("Anna");
    fp.messageBox.answers = {MsgAnswer::No};
    EXPECT_FALSE(store.megse_Click());
    EXPECT_EQ(fp.messageBox.shown.at(0).messageNo, 15);
    EXPECT_EQ(fp.messageBox.shown.at(0).buttons, MsgButtons::YesNo);
    EXPECT_TRUE(NameEntryShown());
    EXPECT_EQ(state.panel.megse.top, -1);

    fp.messageBox.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(store.megse_Click());
    EXPECT_FALSE(NameEntryShown());
    EXPECT_EQ(state.panel.megse.top, 3000);
    EXPECT_FALSE(state.panel.Label3.visible);
    EXPECT_TRUE(folder.entryList(QDir::Files).isEmpty());
}

TEST_F(ResultStoreTest, NewGameFromStoreIsSetOnlyWhileTheNewGameStarts) {
    bool seen = false;
    StartNewGameFromStore(state, [&] { seen = state.storing.newGameFromStore; });
    EXPECT_TRUE(seen);
    EXPECT_FALSE(state.storing.newGameFromStore);
}

TEST_F(ResultStoreTest, DeletingAllNamesWarnsAsksAndHonoursNo) {
    EXPECT_FALSE(store.ntoregy_Click());
    store.ntorosz_Click();
    ASSERT_EQ(fp.messageBox.shown.size(), 2u);
    EXPECT_EQ(fp.messageBox.shown[0].messageNo, 17);
    EXPECT_EQ(fp.messageBox.shown[1].messageNo, 17);

    ASSERT_EQ(AddPlayerName(folder, QStringLiteral("Anna")), NameFileStatus::Added);
    EXPECT_TRUE(store.ntoregy_Click());
    fp.messageBox.shown.clear();
    fp.messageBox.answers = {MsgAnswer::Ok, MsgAnswer::No};
    store.ntorosz_Click();
    ASSERT_EQ(fp.messageBox.shown.size(), 2u);
    EXPECT_EQ(fp.messageBox.shown[0].messageNo, 18);
    EXPECT_EQ(fp.messageBox.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(fp.messageBox.shown[1].messageNo, 19);
    EXPECT_TRUE(PlayerNamesFileExists(folder));

    fp.messageBox.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
    store.ntorosz_Click();
    EXPECT_FALSE(PlayerNamesFileExists(folder));
}

TEST(ResultType, FollowsTheGameTypeAndTheRearrangement) {
    enum Type { Stored, Pattern, Random, Numbers, Diagonal };
    struct Case {
        Type type;
        bool rearrange;
        bool storedEarly;
        const char* code;
        int index;
    } cases[] = {
        {Random, false, false, "V", 1},   {Random, true, false, "VR", 2},  {Random, true, true, "V", 1},
        {Diagonal, false, false, "A", 3}, {Diagonal, true, false, "AR", 4}, {Diagonal, true, true, "A", 3},
        {Pattern, true, false, "M", 5},   {Stored, true, false, "T", 6},   {Numbers, false, false, "S", 7},
        {Numbers, true, false, "SR", 8},  {Numbers, true, true, "S", 7},
    };
    for (const Case& c : cases) {
        GameState s;
        s.panel.mker.visible = c.type == Pattern;
        s.panel.generalt.checked = c.type == Random || c.type == Pattern;
        s.panel.tarolt.checked = c.type == Stored;
        s.panel.szamsor.checked = c.type == Numbers;
        s.panel.atlos.checked = c.type == Diagonal;
        s.panel.atrend.checked = c.rearrange;
        s.storing.storedEarly = c.storedEarly;
        EXPECT_EQ(DetermineResultType(s), QLatin1String(c.code)) << c.code;
        EXPECT_EQ(s.storing.resultTypeCode, QLatin1String(c.code));
        EXPECT_EQ(s.storing.resultTypeIndex, c.index) << c.code;
    }
}

TEST_F(ResultStoreTest, AnEarlyStoreDropsTheRearrangementMark) {
    state.panel.atrend.checked = true;
    state.panel.folytat.visible = true;
    store.tarol_Click();
    EXPECT_FALSE(state.panel.folytat.visible);
    state.panel.neve.caption = QStringLiteral("Anna");
    ASSERT_EQ(store.ment_Click(elapsed), StoreOutcome::Stored);
    EXPECT_EQ(Stored().at(0).typeCode, QStringLiteral("V"));
}
