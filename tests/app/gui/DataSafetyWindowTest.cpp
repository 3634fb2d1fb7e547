// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game window tells the player of the data files, in the language in use: a
// results file whose end a store cut off, repaired at the start; a param.dat it cannot
// read and leaves alone; a display option it cannot keep.
#include "FakePlatform.h"
#include "app/gui/MainWindow.h"
#include "play/OwnTexts.h"
#include "presentation/DisplayOptionsFile.h"
#include "presentation/SettingsFile.h"
#include "support/IndependentResultsFile.h"
#include "support/NonRegularFiles.h"
#include "support/gui/WindowFixture.h"
#include "ui/SystemRandom.h"
#include <QAction>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Told(const FakePlatform& fp) {
    QStringList texts;
    for (const MessageRequest& m : fp.messageBox.shown) texts << m.text;
    return texts;
}

// The check runs in the window's start-up, or (as the program does it) on another core
// while the window is built: either way the player hears of it before the window shows.
TEST(DataSafetyWindow, AResultsFileCutOffAtItsEndIsRepairedAtTheStartAndTheKeptBytesAreNamed) {
    for (const auto& [language, meanwhile] : {std::pair{"Magyar", false}, std::pair{"English", false},
                                              std::pair{"Magyar", true}}) {
        SCOPED_TRACE(std::string(language) + (meanwhile ? ", checked meanwhile" : ""));
        QTemporaryDir dir;
        const QDir folder(gameFolder(dir));
        SettingsRecord settings;
        settings.language = QString::fromLatin1(language);
        settings.pendoly = 1;   // the file of the other mode is repaired as well
        ASSERT_TRUE(WriteSettingsFile(folder, settings));
        const QByteArray whole = IndependentResultsFile();
        ASSERT_TRUE(WriteIndependentResultsFile(folder.filePath(QStringLiteral("eredm.dat")), whole.chopped(25)));
        FakePlatform fp;
        SystemRandom checkRandom(7);
        std::future<ResultsCheck> check;
        if (meanwhile)
            check = std::async(std::launch::async,
                               [&] { return CheckResultsFiles(folder, fp.clock.now(), checkRandom); });
        MainWindow window(fp.platform, folder);
        if (meanwhile)
            window.Form_Load([&check] { return check.get(); });
        else
            window.Form_Load();
        EXPECT_FALSE(window.isVisible());

        const QStringList sides = folder.entryList({QStringLiteral("eredm.dat.damaged-*")}, QDir::Files);
        ASSERT_EQ(sides.size(), 1);
        EXPECT_EQ(Contents(folder.filePath(QStringLiteral("eredm.dat"))) + Contents(folder.filePath(sides[0])),
                  whole.chopped(25));
        const QStringList told = Told(fp);
        ASSERT_EQ(told.size(), 1);
        const QString side = folder.filePath(sides[0]);
        EXPECT_EQ(told[0], OwnTextIn(OwnText::ResultsTailKept, QString::fromLatin1(language))
                               .arg(QStringLiteral("eredm.dat"), QString::number(Contents(side).size()),
                                    QDir::toNativeSeparators(side)));
    }
}

TEST(DataSafetyWindow, AParamDatThatIsNoFileIsToldOnceAndLeftAsItIs) {
    QTemporaryDir dir;
    const QDir folder(gameFolder(dir));
    const QString settings = folder.filePath(QStringLiteral("param.dat"));
    ASSERT_TRUE(PutNonRegularFile(settings, NonRegularFile::Folder));
    FakePlatform fp;
    {
        MainWindow window(fp.platform, folder);
        window.Form_Load();
        window.show();
        ASSERT_EQ(Told(fp).size(), 1);
        EXPECT_TRUE(Told(fp)[0].contains(QStringLiteral("param.dat")));
        EXPECT_TRUE(Told(fp)[0].contains(OwnTextIn(OwnText::SettingsLeftAlone, QStringLiteral("Magyar"))));
        // The exit does not write it, nor tell it again.
        window.findChild<QAction*>(QStringLiteral("m_exit"))->trigger();
    }
    EXPECT_EQ(Told(fp).size(), 1);
    EXPECT_EQ(FileTypeAt(settings), S_IFDIR);
}

// The menu item of the symbols cannot keep the choice: the player hears why, naming
// the file; the choice holds for the run.
TEST(DataSafetyWindow, ADisplayOptionThatCannotBeKeptIsTold) {
    WindowFixture f;
    const QString options = QDir(f.dir.path()).filePath(QLatin1String(kDisplayOptionsFileName));
    // Its scratch file cannot be made: a folder stands in the way.
    ASSERT_TRUE(PutNonRegularFile(options + QStringLiteral(".tmp"), NonRegularFile::Folder));
    auto* item = f.child<QAction>("szimbolum");
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    ASSERT_FALSE(f.fp.messageBox.shown.empty());
    EXPECT_EQ(f.fp.messageBox.shown.back().text,
              OwnTextIn(OwnText::DisplayOptionNotSaved, QStringLiteral("Magyar")).arg(kDisplayOptionsFileName));
    EXPECT_FALSE(QFile::exists(options));
}

} // namespace
