// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rows of a results table as CSV or TSV text, one line per row after a heading
// line. The lines are built as UTF-8 bytes in one large buffer and go to the stream's
// device in large writes; a million rows take tens of milliseconds.
#include "results/ResultsTable.h"
#include <QTextStream>
#include <cstdint>
#include <vector>

// Writes the heading and the rows `rows` of `table`, in that order, numbered from 1.
// CSV (separator ',') quotes a field that holds a comma, a quote or a line break and
// doubles its quotes; TSV (separator '\t') has no quoting: tabs and line breaks in a
// field become blanks. False when the rows could not all be written (a full disk, a
// closed pipe).
bool WriteResultRows(const ResultsTable& table, const std::vector<std::uint32_t>& rows, QChar separator,
                     QTextStream& out);
