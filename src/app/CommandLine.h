// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's command line. Without arguments the game window opens; a few
// options print a headless view of the player's data instead (no display needed)
// and end the program with one of the statuses of ExitStatus.h. The options are
// described in Usage.cpp.
#include "app/ExitStatus.h"
#include <QStringList>
#include <QTextStream>
#include <optional>

// `arguments` without the program name. Returns the exit status when the arguments
// asked for a headless command or were refused, nothing when the window should open.
// Arguments with a single dash (-platform, -style) are the window system's; one with
// two dashes that names no option of the program is refused.
std::optional<int> RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Takes "--data-dir DIR" out of `arguments` and puts DIR into `dataDir`. Returns the
// exit status when the option has no folder after it.
std::optional<int> TakeDataDirOption(QStringList& arguments, QString& dataDir, QTextStream& err);

// Takes "--start CODE" out of `arguments` and puts CODE into `code`: the window opens
// with that start set up. Returns the exit status when the option has no code after it.
std::optional<int> TakeStartOption(QStringList& arguments, QString& code, QTextStream& err);

