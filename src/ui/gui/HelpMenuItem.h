// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help item `doknez` every dialog has in its menu bar: F1 anywhere in the
// dialog triggers it too. The dialog connects it to its help hook.
#include <QString>

class QAction;
class QMenuBar;

QAction* AddHelpMenuItem(QMenuBar* menuBar, const QString& caption = QString());
