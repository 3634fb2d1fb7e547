// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window with something other than a file in the place of each file it reads:
// a FIFO that no one writes to, a link to /dev/zero. The window starts, and the action
// that reads the file answers at once: the player is told which file could not be read,
// and what stands there is left as it is.
#include "FakePlatform.h"
#include "app/gui/MainWindow.h"
#include "support/NonRegularFiles.h"
#include "support/Watchdog.h"
#include "support/gui/WindowFixture.h"
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <iostream>

namespace {

struct Reader {
    const char* file;
    const char* action;   // a menu item or a button of the window; nullptr: the start-up
    bool told = true;     // a sound that cannot be read stays silent, as a missing one
};

const Reader kReaders[] = {
    {"param.dat", nullptr},       {"beallit.ini", nullptr},   {"Magyar.lng", nullptr},
    {"step.wav", nullptr, false}, {"mix.wav", nullptr, false}, {"eredm.dat", "er_megj"},
    {"eredm.dat", "stmegj"},      {"minta.dat", "jatek_tor"}, {"kever.dat", "uj"},
    {"kever.dat", "kevment"},     {"nevek.txt", "ntoregy"},   {"Magyar.doc", "kezel"},
    {"Leir.doc", "doknez"},       {"folytat.dat", nullptr},
};

// Runs the menu item or clicks the button `name` of the window.
void Act(MainWindow& window, const char* name) {
    if (auto* action = window.findChild<QAction*>(QString::fromLatin1(name))) {
        action->trigger();
        return;
    }
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

bool Told(const FakePlatform& fp, const QString& file) {
    for (const MessageRequest& m : fp.messageBox.shown)
        if (m.text.contains(file)) return true;
    return false;
}

TEST(NonRegularFilesWindow, EveryFileTheWindowReadsIsAnsweredAtOnce) {
    for (const Reader& reader : kReaders) {
        for (const NonRegularFile kind : {NonRegularFile::Fifo, NonRegularFile::EndlessDevice}) {
            const QString file = QString::fromLatin1(reader.file);
            const std::string what = std::string(reader.file) + " as " + NonRegularFileName(kind) + ", " +
                                     (reader.action ? reader.action : "start-up");
            SCOPED_TRACE(what);
            QTemporaryDir dir;
            const QDir folder(gameFolder(dir));
            ASSERT_TRUE(PutNonRegularFile(folder.filePath(file), kind));
            const mode_t type = FileTypeAt(folder.filePath(file));
            FakePlatform fp;
            QElapsedTimer clock;
            clock.start();
            {
                // A dialog left open by a regression is closed, after the time it
                // counts against the test.
                QTimer stray;
                QObject::connect(&stray, &QTimer::timeout, [] {
                    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
                });
                stray.start(5000);
                const Watchdog watchdog(what, std::chrono::seconds(20));
                MainWindow window(fp.platform, folder);
                window.Form_Load();
                window.show();
                window.offerKeptGame();
                if (reader.action) Act(window, reader.action);
                QApplication::processEvents();
            }
            const qint64 ms = clock.elapsed();
            std::cout << "[ answered ] " << what << " in " << ms << " ms\n";
            EXPECT_LT(ms, 5000) << "a dialog stayed open";
            EXPECT_EQ(Told(fp, file), reader.told);
            EXPECT_FALSE(fp.sound.opened.contains(folder.filePath(file)));
            EXPECT_EQ(FileTypeAt(folder.filePath(file)), type);
        }
    }
}

} // namespace
