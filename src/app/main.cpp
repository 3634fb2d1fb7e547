// Zelka-Kvadra: creates the application, the platform services and the game window.
// The game works in the current folder, where its data files lie.
#include "app/CommandLine.h"
#include "app/gui/MainWindow.h"
#include "ui/SystemClock.h"
#include "ui/SystemRandom.h"
#include "ui/gui/QtDialogs.h"
#include "ui/gui/QtSoundDevice.h"
#include <QApplication>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (std::optional<int> status = RunCommandLine(arguments, out, err))
            return *status;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelka-Kvadra"));

    QtMessageBox messageBox;
    QtInputBox inputBox;
    SystemClock clock;
    SystemRandom random;
    QtSoundDevice sound;
    QtEventPump events;
    Platform platform{messageBox, inputBox, clock, random, sound, events};

    MainWindow window(platform, QDir::current());
    messageBox.setParent(&window);
    inputBox.setParent(&window);
    events.setBeforeWait([&window] { window.syncView(); });
    window.Form_Load();
    window.show();
    return app.exec();
}
