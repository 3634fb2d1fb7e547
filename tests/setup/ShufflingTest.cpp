// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/ShuffleFixture.h"
#include "setup/Shuffling.h"
#include <memory>

namespace {

bool isPermutation(const std::vector<int>& colours, int n) {
    std::vector<int> sorted(colours.begin() + 1, colours.end());
    std::sort(sorted.begin(), sorted.end());
    for (int i = 1; i <= n; ++i)
        if (sorted[i - 1] != i) return false;
    return true;
}

} // namespace

// The handlers under test work on the fixture's board and temporary folder; the
// hooks record which outside steps ran, in order.
class ShufflingFileTest : public ShuffleTest {
protected:
    void SetUp() override {
        ShuffleTest::SetUp();
        files = std::make_unique<Shuffling>(s, fp.platform, chooser, folder);
        files->setHooks({[this] { calls.append(QStringLiteral("restore")); },
                         [this] { calls.append(QStringLiteral("sound")); },
                         [this] { calls.append(QStringLiteral("check")); }});
    }

    // Marks the board as loaded from stored state 4.
    void markLoaded() {
        s.shuffleNo = 4;
        s.panel.kvall.visible = true;
    }

    ScriptedChooser chooser;
    std::unique_ptr<Shuffling> files;
    QStringList calls;
};

TEST_F(ShufflingFileTest, KeverShowsEightReshufflesAndSoundOnlyWhenOn) {
    for (bool soundOn : {true, false}) {
        SCOPED_TRACE(soundOn ? "sound on" : "sound off");
        BuildTestBoard(s, fp, 5, BoardType::Diagonal);
        s.soundOn = soundOn;
        fp.sound.commands.clear();
        fp.events.waited.clear();
        markLoaded();

        files->kever_Click();

        EXPECT_EQ(fp.events.waited, std::vector<double>(8, 0.05));
        EXPECT_EQ(fp.sound.commands, (soundOn ? QStringList{"play", "stop", "prev"} : QStringList{}));
        EXPECT_EQ(s.shuffleNo, 0);
        EXPECT_FALSE(s.panel.kvall.visible);
    }
}

TEST_F(ShufflingFileTest, MarkerButtonsRedrawTheirOwnMarkersInFourPasses) {
    BuildTestBoard(s, fp, 6, BoardType::RandomColours);
    for (bool rows : {true, false}) {
        SCOPED_TRACE(rows ? "skev" : "okev");
        fp.events.waited.clear();
        markLoaded();
        const std::vector<int> values = FieldValues(s);
        const std::vector<int> otherBefore = rows ? s.colColours : s.rowColours;

        if (rows)
            files->skev_Click();
        else
            files->okev_Click();

        EXPECT_EQ(fp.events.waited, std::vector<double>(4, 0.05));
        EXPECT_TRUE(isPermutation(rows ? s.rowColours : s.colColours, 6));
        EXPECT_EQ(rows ? s.colColours : s.rowColours, otherBefore);
        EXPECT_EQ(FieldValues(s), values);
        EXPECT_EQ(s.shuffleNo, 0);
        EXPECT_FALSE(s.panel.kvall.visible);
    }
}

TEST_F(ShufflingFileTest, OkevExchangesTwoNumberedTilesInTheNumberType) {
    BuildTestBoard(s, fp, 4, BoardType::Numbers);
    const std::vector<int> before = FieldValues(s);
    const auto at = [&](int value) {
        return static_cast<int>(std::find(before.begin(), before.end(), value) - before.begin());
    };

    fp.inputBox.answers = {QString(), QStringLiteral("3-5")};   // cancelled first
    files->okev_Click();
    EXPECT_EQ(FieldValues(s), before);
    EXPECT_TRUE(s.panel.okev.visible);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(s.panel.focusRequest.isEmpty());

    files->okev_Click();
    std::vector<int> expected = before;
    std::swap(expected[at(3)], expected[at(5)]);
    EXPECT_EQ(FieldValues(s), expected);
    EXPECT_EQ(calls, QStringList{"check"});
    EXPECT_EQ(s.panel.focusRequest, QStringLiteral("pp"));
    EXPECT_FALSE(s.panel.okev.visible);
    EXPECT_TRUE(fp.events.waited.empty());   // no marker passes in this role
    // No selection is left behind for the next set-up click to complete.
    EXPECT_EQ(s.selected, Cell{});
}

TEST_F(ShufflingFileTest, KevmentYesAppendsCancelDoesNothing) {
    BuildTestBoard(s, fp, 4, BoardType::Numbers);
    fp.messageBox.answers = {MsgAnswer::Cancel};
    files->kevment_Click();
    EXPECT_FALSE(QFile::exists(path()));
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].messageNo, 7);
    EXPECT_EQ(fp.messageBox.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(fp.messageBox.shown[0].icon, MsgIcon::Question);

    fp.messageBox.answers = {MsgAnswer::Yes};
    files->kevment_Click();
    EXPECT_EQ(shownMessageNumbers(), (std::vector<int>{7, 7, 49}));
    EXPECT_EQ(fileBytes().size(), 52);
    EXPECT_TRUE(chooser.modes.empty());
}

TEST_F(ShufflingFileTest, KevmentNoOverwritesTheChosenStateAndKeepsItsId) {
    BuildTestBoard(s, fp, 4, BoardType::Numbers);
    writeRecords({PlainRecord(1, 4), PlainRecord(2, 5), PlainRecord(3, 4), PlainRecord(4, 4)});
    const QByteArray before = fileBytes();

    fp.messageBox.answers = {MsgAnswer::No};
    chooser.answer = 1;   // the second state of size 4: id 3
    files->kevment_Click();

    EXPECT_EQ(chooser.modes, std::vector<int>{ChooserMode::Overwrite});
    EXPECT_EQ(files->chooserMode(), ChooserMode::Overwrite);
    EXPECT_EQ(chooser.shownIds, (std::vector<QList<int>>{{1, 3, 4}}));
    EXPECT_EQ(shownMessageNumbers(), std::vector<int>{7}); // no "new state" message
    const QByteArray after = fileBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(104), before.left(104));
    EXPECT_EQ(after.mid(156), before.mid(156));
    const ShuffledStateRecord written = ShuffledStateRecord::fromBytes(after.mid(104, 52));
    EXPECT_EQ(written.id, 3);
    std::vector<int> ranks;
    for (int p = 0; p < 16; ++p) ranks.push_back(static_cast<unsigned char>(written.cells[p]));
    EXPECT_EQ(ranks, FieldValues(s));   // the board's numbers are its ranks
}

TEST_F(ShufflingFileTest, CancellingTheOverwriteChooserLeavesTheFileAlone) {
    BuildTestBoard(s, fp, 5, BoardType::Diagonal);
    writeRecords({PlainRecord(1, 5), PlainRecord(2, 5)});
    const QByteArray before = fileBytes();
    fp.messageBox.answers = {MsgAnswer::No};
    chooser.answer.reset();

    files->kevment_Click();

    EXPECT_EQ(chooser.modes.size(), 1u);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(shownMessageNumbers(), std::vector<int>{7});
}

TEST_F(ShufflingFileTest, KevmentNoWithoutStatesExplainsWhyAndShowsNoChooser) {
    BuildTestBoard(s, fp, 6, BoardType::RandomColours);
    fp.messageBox.answers = {MsgAnswer::No};
    files->kevment_Click();
    EXPECT_EQ(shownMessageNumbers(), (std::vector<int>{7, 8}));   // no file

    writeRecords({PlainRecord(1, 4)});
    fp.messageBox.shown.clear();
    fp.messageBox.answers = {MsgAnswer::No};
    files->kevment_Click();
    EXPECT_EQ(shownMessageNumbers(), (std::vector<int>{7, 26}));  // none of this size
    EXPECT_TRUE(chooser.modes.empty());
}

TEST_F(ShufflingFileTest, KevtorWarnsAsksAndDeletesOnlyOnYes) {
    files->kevtor_Click();
    EXPECT_EQ(shownMessageNumbers(), std::vector<int>{8});

    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        writeRecords({PlainRecord(1, 4)});
        fp.messageBox.shown.clear();
        fp.messageBox.answers = {MsgAnswer::Ok, answer};
        files->kevtor_Click();
        ASSERT_EQ(shownMessageNumbers(), (std::vector<int>{9, 10}));
        EXPECT_EQ(fp.messageBox.shown[0].icon, MsgIcon::Critical);
        EXPECT_EQ(fp.messageBox.shown[1].buttons, MsgButtons::YesNo);
        EXPECT_EQ(QFile::exists(path()), answer == MsgAnswer::No);
    }
}

TEST_F(ShufflingFileTest, UjOutsideAGameLoadsTheChosenStateOfThisSize) {
    BuildTestBoard(s, fp, 5, BoardType::RandomColours);
    QByteArray reversed;
    for (int r = 25; r >= 1; --r) reversed.append(static_cast<char>(r));
    ShuffledStateRecord third = PlainRecord(5, 5);
    third.cells.replace(0, 25, reversed);
    writeRecords({PlainRecord(1, 5), PlainRecord(2, 4), PlainRecord(3, 5), PlainRecord(4, 6), third});
    chooser.answer = 2;

    files->uj_Click();

    EXPECT_EQ(chooser.modes, std::vector<int>{ChooserMode::Load});
    EXPECT_EQ(chooser.shownIds, (std::vector<QList<int>>{{1, 3, 5}}));
    EXPECT_EQ(s.shuffleNo, 5);
    EXPECT_EQ(s.panel.kvall.caption, QStringLiteral("K:5"));
    std::vector<int> expected;
    for (int r = 25; r >= 1; --r) expected.push_back((r - 1) / 5 + 1);
    EXPECT_EQ(FieldValues(s), expected);
    EXPECT_TRUE(calls.isEmpty());   // no new game
}

TEST_F(ShufflingFileTest, UjCancelledChooserChangesNothing) {
    BuildTestBoard(s, fp, 4, BoardType::Numbers);
    writeRecords({PlainRecord(1, 4)});
    const std::vector<int> values = FieldValues(s);
    files->uj_Click();
    EXPECT_EQ(chooser.modes.size(), 1u);
    EXPECT_EQ(FieldValues(s), values);
    EXPECT_EQ(s.shuffleNo, 0);
}

TEST_F(ShufflingFileTest, UjStopsARunningDemoAndNothingElse) {
    BuildTestBoard(s, fp, 4, BoardType::Numbers);
    s.demoState = DemoState::Paused;
    s.gameRunning = true;
    files->uj_Click();
    EXPECT_EQ(s.demoState, DemoState::Off);
    EXPECT_TRUE(s.gameRunning);
    EXPECT_TRUE(fp.messageBox.shown.empty());
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(ShufflingFileTest, UjDuringAGameAsksBeforeAbandoningIt) {
    struct Case {
        const char* name;
        bool running;
        bool paused;   // at the first target of a rearrangement game
        MsgAnswer answer;
        bool newGame;
    };
    for (const Case& c : {Case{"running, No", true, false, MsgAnswer::No, false},
                          Case{"running, Yes", true, false, MsgAnswer::Yes, true},
                          Case{"paused, No", false, true, MsgAnswer::No, false},
                          Case{"paused, Yes", false, true, MsgAnswer::Yes, true}}) {
        SCOPED_TRACE(c.name);
        BuildTestBoard(s, fp, 4, BoardType::Numbers);
        s.gameRunning = c.running;
        s.phase = c.paused ? GamePhase::Paused : GamePhase::Playing;
        s.panel.focusRequest.clear();
        fp.messageBox.shown.clear();
        fp.messageBox.answers = {c.answer};
        calls.clear();

        files->uj_Click();

        ASSERT_EQ(shownMessageNumbers(), std::vector<int>{20});
        EXPECT_EQ(fp.messageBox.shown[0].buttons, MsgButtons::YesNo);
        EXPECT_TRUE(chooser.modes.empty());
        EXPECT_EQ(calls, (c.newGame ? QStringList{"restore", "sound"} : QStringList{}));
        EXPECT_EQ(s.gameRunning, c.running && !c.newGame);
        EXPECT_EQ(s.panel.focusRequest, c.newGame ? QString() : QStringLiteral("pp"));
    }
}

TEST_F(ShufflingFileTest, UjAfterStoringAResultStartsANewGameWithoutAsking) {
    BuildTestBoard(s, fp, 5, BoardType::Stored);
    s.storing.newGameFromStore = true;
    s.panel.mker.visible = s.panel.mvon.visible = true;
    s.panel.tipus.visible = s.panel.dimenzio.visible = false;
    s.panel.sorsz.caption = QStringLiteral("12");
    s.candidateCount = 3;
    markLoaded();

    files->uj_Click();

    EXPECT_TRUE(fp.messageBox.shown.empty());
    EXPECT_TRUE(chooser.modes.empty());
    EXPECT_EQ(calls, (QStringList{"restore", "sound"}));
    EXPECT_FALSE(s.panel.mker.visible);
    EXPECT_FALSE(s.panel.mvon.visible);
    EXPECT_TRUE(s.panel.tipus.visible);
    EXPECT_TRUE(s.panel.dimenzio.visible);
    EXPECT_EQ(s.panel.focusRequest, QStringLiteral("sorsz"));
    EXPECT_TRUE(s.panel.sorsz.caption.isEmpty());
    EXPECT_EQ(s.candidateCount, 0);
    EXPECT_EQ(s.shuffleNo, 0);   // a fresh arrangement
    EXPECT_FALSE(s.panel.kvall.visible);
}

TEST_F(ShufflingFileTest, UjNewGameKeepsASingleCandidateAndTheFocusInTheNumberType) {
    BuildTestBoard(s, fp, 4, BoardType::Numbers);
    s.storing.newGameFromStore = true;
    s.panel.mker.visible = true;
    s.panel.sorsz.caption = QStringLiteral("3");
    s.candidateCount = 1;
    files->uj_Click();
    EXPECT_TRUE(s.panel.focusRequest.isEmpty());
    EXPECT_TRUE(s.panel.sorsz.caption.isEmpty());
    EXPECT_EQ(s.candidateCount, 1);
}
