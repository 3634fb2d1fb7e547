// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// `--solve FILE [--time-limit SECONDS] [--shortest]`: the solver without a window. It
// reads a position as JSON (solve/PositionFile.h), solves it within the time limit
// (10 seconds unless told), and prints the answer as one line of JSON. Exit status:
// 0 done (an unsolvable position too), 1 a file that cannot be read, 2 bad arguments
// or a malformed position (the message names the field), 4 when the time ran out
// before a solution was found, or with --shortest before the shortest was proven (the
// best solution found is still printed, "shortest":false).
#include <QStringList>
#include <QTextStream>

// `arguments` are those after --solve. Returns the exit status (ExitStatus.h).
int RunSolveCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
