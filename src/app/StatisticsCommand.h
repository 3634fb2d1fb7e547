// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// `--statistics FILE [--pendoly] [--list FILE]`: the statistics of a results file
// without a window. It prints the two heading lines and the table the statistics
// window shows, then the total line, in UTF-8 with LF line ends; with --list it
// writes the statistics list file instead. The texts come from the language named
// in param.dat of the current folder, else from the default language.
#include <QStringList>
#include <QTextStream>

// `arguments` are those after --statistics. Returns the exit status (ExitStatus.h).
int RunStatisticsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
