// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// `--results FILE ...`: the rows the results browser would show, with its filters
// and sorts, printed as CSV or TSV for a spreadsheet. No display is needed.
#include <QStringList>
#include <QTextStream>

// `arguments` are those after "--results". Returns the exit status (ExitStatus.h).
int RunResultsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
