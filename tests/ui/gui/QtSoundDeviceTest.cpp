// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound/QtSoundDevice.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString dataFile(const char* name) {
    return QDir(qEnvironmentVariable("ZK_DATA_DIR", "data")).filePath(QLatin1String(name));
}
} // namespace

TEST(QtSoundDevice, MissingOrBrokenFilesStaySilent) {
    QTemporaryDir tmp;
    QFile broken(tmp.filePath("broken.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a wave file");
    broken.close();

    QtSoundDevice device;
    EXPECT_FALSE(device.open(tmp.filePath("missing.wav")));
    EXPECT_FALSE(device.isOpen());
    for (const char* cmd : {"prev", "play", "stop", "close", "bogus"}) device.command(cmd);
    device.open(broken.fileName());
    for (const char* cmd : {"prev", "play", "stop", "prev", "play"}) device.command(cmd);
    device.command("close");
    EXPECT_FALSE(device.isOpen());
}

// With or without an audio output, driving the device never blocks the game.
TEST(QtSoundDevice, CommandsReturnAtOnce) {
    ASSERT_TRUE(QFile::exists(dataFile("step.wav")));
    QtSoundDevice device;
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(device.open(dataFile("step.wav")), device.hasOutput());
    for (int i = 0; i < 20; ++i) {
        device.command("prev");
        device.command("play");
    }
    EXPECT_EQ(device.open(dataFile("mix.wav")), device.hasOutput());
    device.command("play");
    device.command("stop");
    device.command("prev");
    device.command("close");
    EXPECT_FALSE(device.isOpen());
    EXPECT_LT(timer.elapsed(), 2000);
}
