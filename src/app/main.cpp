// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Zelka-Kvadra: creates the application, the platform services and the game window.
#include "app/CommandLine.h"
#include "app/DataFolders.h"
#include "app/StartUp.h"
#include "app/gui/FolderGuard.h"
#include "app/gui/MainWindow.h"
#include "play/OwnTexts.h"
#include "presentation/SettingsFile.h"
#include "ui/SystemClock.h"
#include "ui/SystemRandom.h"
#include "ui/gui/DisplayLocaleWarmUp.h"
#include "ui/gui/FontWarmUp.h"
#include "ui/gui/QtDialogs.h"
#include "ui/gui/ToolkitWarmUp.h"
#include "ui/gui/LazySoundDevice.h"
#include "ui/gui/ModulePaths.h"
#include <QApplication>
#include <future>
#include <QMessageBox>
#include <QStandardPaths>
#include <clocale>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString dataDir;
    QString startCode;
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (std::optional<int> status = TakeDataDirOption(arguments, dataDir, err)) return *status;
        if (std::optional<int> status = TakeStartOption(arguments, startCode, err)) return *status;
        if (std::optional<int> status = RunCommandLine(arguments, out, err))
            return *status;
    }

    // The font configuration and the display's locale load on other cores while the
    // application connects to the display. The locale is the environment's, set here
    // as the application object sets it first.
    std::setlocale(LC_ALL, "");
    std::thread displayLocale = StartDisplayLocaleWarmUp();
    std::thread fonts = StartFontWarmUp();
    QApplication app(argc, argv);
    fonts.join();
    if (displayLocale.joinable()) displayLocale.join();
    QApplication::setApplicationName(QStringLiteral("Zelka-Kvadra"));
    QApplication::setDesktopFileName(QStringLiteral(ZK_APP_ID));

    const QString programFolder = QCoreApplication::applicationDirPath();
    const DataFolderChoice choice{dataDir, QDir::currentPath(),
                                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                                  InstalledDataFolder(programFolder)};
    QString unusable;
    const std::optional<GameFolders> folders = ResolveDataFolders(choice, &unusable);
    if (!folders) {
        QTextStream(stderr) << "zelka-kvadra: cannot create the folder " << unusable << '\n';
        return ExitStatus::FileProblem;
    }

    // One copy of the game on a folder: a later one brings the first to the front and
    // ends, before it reads or writes any file there.
    FolderGuard guard(folders->player);
    switch (guard.claim()) {
    case FolderGuard::Claim::Held:
        break;
    case FolderGuard::Claim::FirstBroughtToFront:
        QTextStream(stderr) << "zelka-kvadra: the game already runs with the files of "
                            << QDir::toNativeSeparators(folders->player.absolutePath())
                            << "; its window was brought to the front\n";
        return ExitStatus::Done;
    case FolderGuard::Claim::FirstDoesNotAnswer: {
        const QString folder = QDir::toNativeSeparators(folders->player.absolutePath());
        QTextStream(stderr) << "zelka-kvadra: the game already runs with the files of " << folder
                            << ", but it does not answer\n";
        // In the player's language: param.dat is only read, as any reader may.
        const QString language = ReadSettingsFile(folders->player).record.language;
        QMessageBox::critical(nullptr, QStringLiteral("Zelka-Kvadra"),
                              OwnTextIn(OwnText::AnotherCopyRuns, language).arg(folder));
        return ExitStatus::FileProblem;
    }
    }

    // The font list and the image modules load on another core while the window is
    // built, and so does the check of the results files, which reads them whole. Its
    // findings are told where they always were: before the window shows.
    std::jthread toolkit = StartToolkitWarmUp();
    SystemClock clock;
    SystemRandom checkRandom;   // the check's own: the window draws from `random` meanwhile
    std::future<ResultsCheck> resultsCheck = std::async(std::launch::async, [&] {
        return CheckResultsFiles(folders->player, clock.now(), checkRandom);
    });
    QtMessageBox messageBox;
    QtInputBox inputBox;
    SystemRandom random;
    LazySoundDevice sound(ModulePaths(QStringLiteral("zelka-kvadra-sound")));
    QtEventPump events;
    Platform platform{messageBox, inputBox, clock, random, sound, events};

    MainWindow window(platform, *folders);
    messageBox.setParent(&window);
    inputBox.setParent(&window);
    events.setBeforeWait([&window] { window.syncView(); });
    guard.serve([&window] { window.bringToFront(); });
    window.Form_Load([&resultsCheck] { return resultsCheck.get(); });
    toolkit.join();
    window.show();
    window.offerKeptGame();
    if (!startCode.isEmpty()) window.enterStartCode(startCode);
    return app.exec();
}
