// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game window keeps its files, for every way it can be started.
#include "app/CommandLine.h"
#include "app/DataFolders.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A scratch tree: the current folder, an installation's data and a home to put the
// per-user folder in.
struct Scratch {
    Scratch() {
        for (const char* name : {"current", "installed"}) root.mkdir(QString::fromLatin1(name));
    }
    QString path(const QString& name) const { return root.filePath(name); }
    void touch(const QString& name) const {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    DataFolderChoice choice(const QString& forced = {}) const {
        return {forced.isEmpty() ? QString() : path(forced), path("current"),
                path("home/.local/share/Zelka-Kvadra"), path("installed")};
    }

    QTemporaryDir dir;
    QDir root{dir.path()};
};

TEST(DataFolders, TheResolutionTable) {
    struct Case {
        const char* what;
        bool languageInCurrent;   // the current folder holds a language file
        QString forced;           // --data-dir
        QString player;
        QString shipped;
    };
    const QString user = "home/.local/share/Zelka-Kvadra";
    const Case cases[] = {
        {"a player's own folder, as always", true, "", "current", "current"},
        {"an installed game started anywhere", false, "", user, "installed"},
        {"--data-dir before the current folder", true, "mine/zk", "mine/zk", "installed"},
        {"--data-dir anywhere", false, "mine/zk", "mine/zk", "installed"},
    };
    for (const Case& c : cases) {
        Scratch x;
        if (c.languageInCurrent) x.touch("current/English.lng");
        const std::optional<GameFolders> folders = ResolveDataFolders(x.choice(c.forced));
        ASSERT_TRUE(folders) << c.what;
        EXPECT_EQ(folders->player.absolutePath(), x.path(c.player)) << c.what;
        EXPECT_EQ(folders->shipped.absolutePath(), x.path(c.shipped)) << c.what;
        EXPECT_TRUE(QFileInfo(x.path(c.player)).isDir()) << c.what << ": the player's folder is made";
        EXPECT_EQ(QFileInfo::exists(x.path("home")), c.player == user)
            << c.what << ": the per-user folder is only made when it is used";
    }
}

TEST(DataFolders, OnlyALanguageFileMakesTheCurrentFolderTheGames) {
    Scratch x;
    x.touch("current/param.dat");
    x.touch("current/Magyar.lng.bak");
    ASSERT_TRUE(x.root.mkpath("current/English.lng"));   // a folder, not a file
    EXPECT_FALSE(HoldsLanguageFiles(QDir(x.path("current"))));
    x.touch("current/Magyar.lng");
    EXPECT_TRUE(HoldsLanguageFiles(QDir(x.path("current"))));
}

TEST(DataFolders, AFolderThatCannotBeMadeIsNamed) {
    Scratch x;
    x.touch("blocked");   // a file where the folder would go
    QString error;
    EXPECT_FALSE(ResolveDataFolders(x.choice("blocked/zk"), &error));
    EXPECT_EQ(error, x.path("blocked/zk"));
    DataFolderChoice noHome = x.choice();
    noHome.userFolder = x.path("blocked/share");
    EXPECT_FALSE(ResolveDataFolders(noHome, &error));
    EXPECT_EQ(error, noHome.userFolder);
}

TEST(DataDirOption, IsTakenOutOfTheArgumentsOrRefusedWithoutAFolder) {
    QString err;
    QTextStream errStream(&err);
    QStringList arguments{"-platform", "offscreen", "--data-dir", "/tmp/zk"};
    QString dataDir;
    EXPECT_FALSE(TakeDataDirOption(arguments, dataDir, errStream));
    EXPECT_EQ(dataDir, "/tmp/zk");
    EXPECT_EQ(arguments, (QStringList{"-platform", "offscreen"}));

    for (QStringList bad : {QStringList{"--data-dir"}, QStringList{"--data-dir", ""}})
        EXPECT_EQ(TakeDataDirOption(bad, dataDir, errStream), ExitStatus::BadArguments);
    errStream.flush();
    EXPECT_TRUE(err.contains("--data-dir needs a folder"));
}

} // namespace
