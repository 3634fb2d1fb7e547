// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the game's start-up: an empty main window of a given size.
//   zk_startup_empty WIDTH HEIGHT
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc >= 3) window.resize(QString::fromLatin1(argv[1]).toInt(), QString::fromLatin1(argv[2]).toInt());
    window.show();
    return app.exec();
}
