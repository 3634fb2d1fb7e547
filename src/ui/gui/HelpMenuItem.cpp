// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/HelpMenuItem.h"
#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

QAction* AddHelpMenuItem(QMenuBar* menuBar, const QString& caption) {
    QAction* doknez = menuBar->addAction(caption);
    doknez->setObjectName(QStringLiteral("doknez"));
    doknez->setShortcut(QKeySequence(Qt::Key_F1));
    doknez->setShortcutContext(Qt::WindowShortcut);
    return doknez;
}
