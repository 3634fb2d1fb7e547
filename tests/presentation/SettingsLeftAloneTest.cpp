// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A param.dat the game cannot read holds the player's settings all the same: the game
// starts with the defaults, tells the player, and never writes the file in that run,
// not at its start, not for the colours, not at its end. Only a missing file is made.
#include "files/FileLimits.h"
#include "play/FileProblems.h"
#include "play/GameState.h"
#include "play/OwnTexts.h"
#include "presentation/ColourSettings.h"
#include "presentation/Settings.h"
#include "presentation/SettingsFile.h"
#include "support/FakePlatform.h"
#include "support/NonRegularFiles.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kSettings = QStringLiteral("param.dat");

// A whole run of the game on the settings of `folder`: start, a colour stored, the
// exit with a setting changed. True when the player was told at the start and nothing
// was told or written later.
bool RunOnUnreadableSettings(const QDir& folder, FileAccess expected) {
    GameState s;
    s.panel.generalt.checked = true;
    s.panel.Option2.checked = true;
    FakePlatform fp;
    const StartupSelection selection = LoadSettings(s, folder);
    const QString told = SettingsStartupProblem(s, selection);
    const bool startTold = selection.settingsAccess == expected && told.contains(kSettings) &&
                           told.contains(OwnTextIn(OwnText::SettingsLeftAlone, s.texts));
    std::array<quint32, 8> colours{};
    const bool coloursRefused = !StoreColours(folder, colours);
    s.soundOn = !s.soundOn;
    const bool ends = SaveSettingsOnExit(s, fp.platform, folder);
    return startTold && coloursRefused && ends && fp.messageBox.shown.empty();
}

// Runs `run` where the file cannot be read for permissions: as root (who may read
// anything) in a child that gives up root first.
bool AsAUserWhoMayNotRead(const QDir& folder, const std::function<bool()>& run) {
    if (::geteuid() != 0) return run();
    ::chmod(QFile::encodeName(folder.path()).constData(), 0777);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && run() ? 0 : 1);
    }
    int status = 1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct FileState {
    QByteArray bytes;
    QFile::Permissions mode;
    mode_t type = 0;
    bool operator==(const FileState&) const = default;
};

FileState StateOf(const QDir& folder) {
    QFile f(folder.filePath(kSettings));
    FileState state{{}, f.permissions(), FileTypeAt(f.fileName())};
    if (state.type == S_IFREG && f.open(QIODevice::ReadOnly)) state.bytes = f.readAll();
    return state;
}

} // namespace

TEST(SettingsLeftAlone, AParamDatThatCannotBeReadIsNeverReplaced) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    SettingsRecord mine;
    mine.boardSize = 6;
    mine.language = QStringLiteral("English");
    {
        QFile f(folder.filePath(kSettings));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(EncodeSettingsRecord(mine));
    }
    ASSERT_TRUE(QFile::setPermissions(folder.filePath(kSettings), QFile::Permissions()));
    const FileState before = StateOf(folder);
    EXPECT_TRUE(AsAUserWhoMayNotRead(folder, [&] { return RunOnUnreadableSettings(folder, FileAccess::Unreadable); }));
    EXPECT_TRUE(StateOf(folder) == before) << "param.dat was changed";
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList{kSettings});
}

TEST(SettingsLeftAlone, AnythingButAFileInItsPlaceIsLeftAsItIs) {
    for (const NonRegularFile kind : {NonRegularFile::Fifo, NonRegularFile::EndlessDevice, NonRegularFile::Folder}) {
        SCOPED_TRACE(NonRegularFileName(kind));
        QTemporaryDir dir;
        const QDir folder(dir.path());
        ASSERT_TRUE(PutNonRegularFile(folder.filePath(kSettings), kind));
        const FileState before = StateOf(folder);
        EXPECT_TRUE(RunOnUnreadableSettings(folder, FileAccess::NotRegular));
        EXPECT_TRUE(StateOf(folder) == before);
        EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                  QStringList{kSettings});
    }
}

// The settings at the exit could not be written: the player hears it once in the run,
// naming the file, however often the game tries.
TEST(SettingsLeftAlone, AFailedWriteAtTheExitIsToldOnce) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    GameState s;
    s.panel.generalt.checked = true;
    s.panel.Option2.checked = true;
    FakePlatform fp;
    LoadSettings(s, folder);
    // Its scratch file cannot be made: a folder stands in the way.
    ASSERT_TRUE(PutNonRegularFile(folder.filePath(kSettings + QStringLiteral(".tmp")), NonRegularFile::Folder));
    const QByteArray before = StateOf(folder).bytes;
    for (int exit = 0; exit < 2; ++exit) {
        s.soundOn = !s.soundOn;
        EXPECT_TRUE(SaveSettingsOnExit(s, fp.platform, folder));
    }
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].text, OwnTextIn(OwnText::SettingsNotWritten, s.texts).arg(kSettings));
    EXPECT_EQ(StateOf(folder).bytes, before);
}
