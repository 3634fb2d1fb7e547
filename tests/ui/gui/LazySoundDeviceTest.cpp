// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's sound device: the sound module (and the audio system with it) is loaded
// by the first sound played, not by opening one; without the module the game is silent.
#include "ui/gui/LazySoundDevice.h"
#include <QDir>
#include <gtest/gtest.h>

namespace {

QString stepSound() {
    return QDir(qEnvironmentVariable("ZK_DATA_DIR", "data")).filePath("step.wav");
}

TEST(LazySoundDevice, TheFirstSoundPlayedLoadsTheModule) {
    LazySoundDevice device({QStringLiteral("/nonexistent/zelka-kvadra-sound"),
                            QStringLiteral(ZK_SOUND_MODULE)});
    EXPECT_FALSE(device.open(QStringLiteral("/nonexistent/step.wav")));
    device.command("play");
    EXPECT_FALSE(device.moduleLoaded()) << "nothing open, nothing to play";
    ASSERT_TRUE(device.open(stepSound()));
    device.command("prev");
    device.command("stop");
    EXPECT_FALSE(device.moduleLoaded());
    device.command("play");
    EXPECT_TRUE(device.moduleLoaded());
    for (const char* cmd : {"prev", "play", "stop", "close", "play"}) device.command(cmd);
}

TEST(LazySoundDevice, WithoutTheModuleTheGameGoesOnSilently) {
    LazySoundDevice device({QStringLiteral("/nonexistent/zelka-kvadra-sound")});
    ASSERT_TRUE(device.open(stepSound()));
    for (const char* cmd : {"prev", "play", "stop", "play", "close"}) device.command(cmd);
    EXPECT_FALSE(device.moduleLoaded());
}

} // namespace
