// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakePlatform.h"
#include "play/GameState.h"
#include "presentation/Settings.h"
#include "presentation/SettingsFile.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QDir& dir) {
    QFile f(dir.filePath("param.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QDir& dir, const QByteArray& bytes) {
    QFile f(dir.filePath("param.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A window in set-up: the random type and 5 x 5 selected, nothing paused or captured.
struct Window {
    Window() {
        s.panel.generalt.checked = true;
        s.panel.Option2.checked = true;
    }
    GameState s;
    FakePlatform fp;
};

} // namespace

TEST(LoadSettings, FirstStartCreatesTheDefaultFile) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    GameState s;
    s.look3D = false;
    s.soundOn = false;
    s.pendolyMode = true;
    s.texts.languageName = "English";
    const StartupSelection sel = LoadSettings(s, dir);

    EXPECT_EQ(readFile(dir), EncodeSettingsRecord(SettingsRecord()));
    EXPECT_EQ(sel.gridSpan, 7);
    EXPECT_EQ(sel.gameType, GameType::RandomColours);
    EXPECT_FALSE(sel.rearrange);
    EXPECT_TRUE(s.look3D);
    EXPECT_TRUE(s.panel.hdim.checked);
    EXPECT_FALSE(s.panel.color.enabled);
    EXPECT_TRUE(s.soundOn);
    EXPECT_TRUE(s.panel.hang_kell.checked);
    EXPECT_FALSE(s.pendolyMode);
    EXPECT_FALSE(s.panel.babilon.checked);
    EXPECT_EQ(s.resultsFile, "eredm.dat");
    EXPECT_EQ(s.texts.languageName, "Magyar");
    EXPECT_EQ(s.numberTileColour, 1);
}

TEST(LoadSettings, StoredTypeAndSizeSelectTheOptions) {
    struct Case { qint16 type, size; int gridSpan, gameType; };
    const Case cases[] = {
        {1, 4, 6, GameType::RandomColours}, {2, 5, 7, GameType::Stored},
        {3, 6, 8, GameType::Diagonal},      {4, 5, 7, GameType::NumberSequence},
        {0, 7, 8, GameType::NumberSequence}, {9, 0, 8, GameType::NumberSequence},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " size " << c.size);
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        SettingsRecord r;
        r.gameType = c.type;
        r.boardSize = c.size;
        r.rearrange = 1;
        ASSERT_TRUE(WriteSettingsFile(dir, r));
        GameState s;
        const StartupSelection sel = LoadSettings(s, dir);
        EXPECT_EQ(sel.gridSpan, c.gridSpan);
        EXPECT_EQ(sel.gameType, c.gameType);
        EXPECT_TRUE(sel.rearrange);
        // Reading an odd value never rewrites the file by itself.
        EXPECT_EQ(readFile(dir), EncodeSettingsRecord(r));
    }
}

// Colour indexes 0..6 are the tiles' colours; anything else takes the default.
TEST(LoadSettings, TheNumberTileColourLoadsUpToTheLastColourIndex) {
    const struct {
        qint16 stored;
        int loaded;
    } cases[] = {{6, 6}, {7, 1}};
    for (const auto& c : cases) {
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        SettingsRecord r;
        r.numberTileColour = c.stored;
        ASSERT_TRUE(WriteSettingsFile(dir, r));
        GameState s;
        LoadSettings(s, dir);
        EXPECT_EQ(s.numberTileColour, c.loaded) << c.stored;
    }
}

TEST(LoadSettings, FlatLookUsesStoredColoursAnd3DLookTheBuiltInOnes) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    SettingsRecord r;
    for (int i = 1; i <= 7; ++i) r.colours[i] = 0x00000100u * i;
    r.pendoly = 1;
    r.numberTileColour = 4;
    r.look3D = 0;
    ASSERT_TRUE(WriteSettingsFile(dir, r));

    GameState flat;
    LoadSettings(flat, dir);
    EXPECT_FALSE(flat.look3D);
    EXPECT_TRUE(flat.panel.color.enabled);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(flat.tileColours[i], 0x00000100u * i) << i;
    EXPECT_EQ(flat.numberTileColour, 4);
    EXPECT_TRUE(flat.pendolyMode);
    EXPECT_TRUE(flat.panel.babilon.checked);
    EXPECT_EQ(flat.resultsFile, "eredm_vr.dat");

    r.look3D = 1;
    ASSERT_TRUE(WriteSettingsFile(dir, r));
    GameState balls;
    balls.tileColours[2] = 0;
    LoadSettings(balls, dir);
    EXPECT_EQ(balls.tileColours[2], 0x00FF9655u);   // built-in blue, not the stored 0x200
    EXPECT_EQ(balls.tileColours[7], 0x00000700u);   // the wall colour always comes from the file
}

TEST(LoadSettings, DamagedFileStartsWithDefaultsAndExitWritesAWholeRecord) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    QByteArray shortFile = EncodeSettingsRecord(SettingsRecord()).left(7);
    shortFile[2] = 4;   // board size 4 is still readable
    writeBytes(dir, shortFile);
    Window w;
    const StartupSelection sel = LoadSettings(w.s, dir);
    EXPECT_EQ(sel.gridSpan, 6);
    EXPECT_EQ(w.s.texts.languageName, "Magyar");
    w.s.board.resize(4);

    // Nothing changed in this run, yet the short file is replaced by a full record.
    ASSERT_TRUE(SaveSettingsOnExit(w.s, w.fp.platform, dir));
    const QByteArray written = readFile(dir);
    ASSERT_EQ(written.size(), kSettingsRecordSize);
    SettingsRecord expected;
    expected.boardSize = 4;
    EXPECT_EQ(written, EncodeSettingsRecord(expected));
}

TEST(SaveSettingsOnExit, WritesTheChangedSettingsAndKeepsTheDialogsColours) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    Window w;
    LoadSettings(w.s, dir);
    // The colour dialog stores a colour during the run.
    SettingsRecord fromDialog = ReadSettingsFile(dir).record;
    fromDialog.colours[3] = 0x00123456;
    ASSERT_TRUE(WriteSettingsFile(dir, fromDialog));

    w.s.board.resize(6);
    w.s.panel.generalt.checked = false;
    w.s.panel.atlos.checked = true;
    w.s.panel.atrend.checked = true;
    w.s.soundOn = false;
    w.s.look3D = false;
    w.s.pendolyMode = true;
    w.s.numberTileColour = 0;
    w.s.texts.languageName = "English";
    w.s.tileColours[3] = 0x00FFFFFF;   // colours in the state are never written back

    ASSERT_TRUE(SaveSettingsOnExit(w.s, w.fp.platform, dir));
    EXPECT_TRUE(w.fp.messageBox.shown.empty());
    const SettingsRecord r = ReadSettingsFile(dir).record;
    EXPECT_EQ(r.boardSize, 6);
    EXPECT_EQ(r.gameType, SettingsGameType::Diagonal);
    EXPECT_EQ(r.gameType, 3);
    EXPECT_EQ(r.rearrange, 1);
    EXPECT_EQ(r.sound, 0);
    EXPECT_EQ(r.look3D, 0);
    EXPECT_EQ(r.pendoly, 1);
    EXPECT_EQ(r.numberTileColour, 0);
    EXPECT_EQ(r.language, "English");
    EXPECT_EQ(r.colours, fromDialog.colours);
}

// Odd values a file may hold are shown by their nearest meaning and written back
// exactly as they were read, unless the player changed that setting.
TEST(SaveSettingsOnExit, SettingsThePlayerDidNotChangeAreWrittenBackAsRead) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    SettingsRecord r;   // random type and 5 x 5, as the window below
    r.look3D = 0;
    r.colours[2] = 0x80000005;   // a system colour the game has no name for
    r.colours[7] = 0x80000005;
    r.rearrange = 5;
    r.numberTileColour = 9;
    r.sound = 7;
    ASSERT_TRUE(WriteSettingsFile(dir, r));
    const QByteArray before = readFile(dir);

    Window w;
    const StartupSelection sel = LoadSettings(w.s, dir);
    w.s.panel.atrend.checked = sel.rearrange;
    EXPECT_FALSE(sel.rearrange);
    EXPECT_EQ(w.s.numberTileColour, 1);
    EXPECT_FALSE(w.s.soundOn);
    EXPECT_EQ(w.s.tileColours[2], 0x80000005u);
    EXPECT_EQ(w.s.tileColours[7], 0x80000005u);
    ASSERT_TRUE(SaveSettingsOnExit(w.s, w.fp.platform, dir));
    EXPECT_EQ(readFile(dir), before);

    // A setting the player changed is written; the others stay as they were.
    w.s.panel.atrend.checked = true;
    ASSERT_TRUE(SaveSettingsOnExit(w.s, w.fp.platform, dir));
    SettingsRecord expected = r;
    expected.rearrange = 1;
    EXPECT_EQ(readFile(dir), EncodeSettingsRecord(expected));
}

TEST(SaveSettingsOnExit, EachSelectedTypeIsStoredInTheFilesNumbering) {
    const std::pair<ControlState PanelControls::*, int> cases[] = {
        {&PanelControls::generalt, 1}, {&PanelControls::tarolt, 2},
        {&PanelControls::atlos, 3}, {&PanelControls::szamsor, 4}};
    for (auto [option, stored] : cases) {
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        Window w;
        w.s.panel.generalt.checked = false;
        (w.s.panel.*option).checked = true;
        ASSERT_TRUE(SaveSettingsOnExit(w.s, w.fp.platform, dir));
        EXPECT_EQ(ReadSettingsFile(dir).record.gameType, stored);
    }
}

// Leaving during a game, at a paused first target or while capturing a stored game's
// start asks first; No keeps the game and writes nothing.
TEST(SaveSettingsOnExit, ExitQuestionDuringAGame) {
    struct Case { const char* what; bool running, paused, capturing; };
    const Case cases[] = {{"running", true, false, false},
                          {"paused at the first target", false, true, false},
                          {"capturing a start", false, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        Window w;
        LoadSettings(w.s, dir);
        const QByteArray before = readFile(dir);
        w.s.gameRunning = c.running;
        if (c.paused) w.s.phase = GamePhase::Paused;
        if (c.capturing) w.s.phase = GamePhase::CapturingStart;
        w.s.texts.languageName = "English";
        w.s.texts.messages[25] = "Kilép?";

        w.fp.messageBox.answers = {MsgAnswer::No};
        EXPECT_FALSE(SaveSettingsOnExit(w.s, w.fp.platform, dir));
        ASSERT_EQ(w.fp.messageBox.shown.size(), 1u);
        EXPECT_EQ(w.fp.messageBox.shown[0].messageNo, 25);
        EXPECT_EQ(w.fp.messageBox.shown[0].text, "Kilép?");
        EXPECT_EQ(w.fp.messageBox.shown[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(w.fp.messageBox.shown[0].icon, MsgIcon::Question);
        EXPECT_EQ(w.s.panel.focusRequest, "pp");
        EXPECT_EQ(readFile(dir), before);

        w.fp.messageBox.answers = {MsgAnswer::Yes};
        EXPECT_TRUE(m_exit_Click(w.s, w.fp.platform, dir));
        EXPECT_EQ(ReadSettingsFile(dir).record.language, "English");
    }
}

TEST(SaveSettingsOnExit, NoQuestionInSetUp) {
    QTemporaryDir tmp;
    Window w;
    w.fp.messageBox.answers = {MsgAnswer::No};
    EXPECT_TRUE(kilep_Click(w.s, w.fp.platform, QDir(tmp.path())));
    EXPECT_TRUE(w.fp.messageBox.shown.empty());
}

TEST(SaveSettingsOnExit, ClosingTheWindowIsRefusedWhileExitIsDisabled) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    Window w;
    w.s.panel.kilep.enabled = false;
    w.s.gameRunning = true;
    EXPECT_FALSE(Form_Unload(w.s, w.fp.platform, dir));
    EXPECT_TRUE(w.fp.messageBox.shown.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("param.dat")));

    w.s.panel.kilep.enabled = true;
    w.fp.messageBox.answers = {MsgAnswer::No};
    EXPECT_FALSE(Form_Unload(w.s, w.fp.platform, dir));
    w.fp.messageBox.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(Form_Unload(w.s, w.fp.platform, dir));
    EXPECT_TRUE(QFile::exists(dir.filePath("param.dat")));
}

TEST(SaveSettingsOnExit, AnUnstorableLanguageNameKeepsTheStoredOne) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    SettingsRecord r;
    r.language = "English";
    ASSERT_TRUE(WriteSettingsFile(dir, r));
    Window w;
    w.s.texts.languageName = "../../etc/x";
    ASSERT_TRUE(SaveSettingsOnExit(w.s, w.fp.platform, dir));
    EXPECT_EQ(ReadSettingsFile(dir).record.language, "English");
}
