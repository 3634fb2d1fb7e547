// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakePlatform.h"
#include "play/GameState.h"
#include "presentation/Sound.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QDir kFolder("/game");
QStringList fileNames(const QStringList& paths) {
    QStringList names;
    for (const QString& p : paths) names << QFileInfo(p).fileName();
    return names;
}
} // namespace

TEST(Sound, PrepareOpensTheFileThatSuitsTheGame) {
    struct Case { bool soundOn, running; QStringList opened; };
    const Case cases[] = {{false, false, {}}, {false, true, {}},
                          {true, false, {"mix.wav"}}, {true, true, {"step.wav"}}};
    for (const Case& c : cases) {
        GameState s;
        s.soundOn = c.soundOn;
        s.gameRunning = c.running;
        FakeSound sound;
        PrepareSound(s, sound, kFolder);
        EXPECT_EQ(sound.commands, QStringList{"close"});
        EXPECT_EQ(fileNames(sound.opened), c.opened);
        for (const QString& path : sound.opened) EXPECT_EQ(QFileInfo(path).dir(), kFolder);
    }
}

TEST(Sound, SwitchingSoundDuringAGame) {
    GameState s;
    s.soundOn = true;
    s.gameRunning = true;
    FakeSound sound;
    hang_kell_Click(s, sound, kFolder);
    EXPECT_FALSE(s.soundOn);
    EXPECT_FALSE(s.panel.hang_kell.checked);
    EXPECT_EQ(sound.commands, QStringList{"close"});
    EXPECT_TRUE(sound.opened.isEmpty());

    hang_kell_Click(s, sound, kFolder);
    EXPECT_TRUE(s.soundOn);
    EXPECT_TRUE(s.panel.hang_kell.checked);
    EXPECT_EQ(fileNames(sound.opened), QStringList{"step.wav"});
}
