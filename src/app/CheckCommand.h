// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// `--check FILE...` and `--repair FILE...`, without a window.
//
// --check tells, for each data file it knows by its name, whether it is whole, and
// where and why not, one line a file: exit 0 when every file is whole, 3 when one is
// damaged, 1 when one cannot be read (a special file, one over its limit, a missing
// one). It only reads, and takes no lock.
//
// --repair mends a results file as the game does at start-up: a short tail that a
// store cut off is kept in a side file beside it and the file is cut back to its whole
// records; a last record cut inside its filler gets the rest of it. Exit 0 when it was
// repaired or already whole, 3 when it is damaged before its end (it is left alone, for
// the results window to offer keeping the readable records), 1 when it cannot be read
// or written. It takes the lock of the file's folder, so it never cuts a file that a
// running game holds; while a game runs there it refuses with 1.
#include <QString>
#include <QStringList>
#include <QTextStream>

// The lines of both options for the usage text.
QString CheckUsage();

// `arguments` are those after --check / --repair. Return the exit status.
int RunCheckCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int RunRepairCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
