// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Rows of fields for a spreadsheet, as the headless views print them: CSV (comma)
// or TSV (tab), one row a line.
#include <QString>
#include <QStringList>
#include <QTextStream>

// One field: CSV quotes a field with a separator, quote or line break and doubles
// its quotes; TSV has no quoting, so tabs and line breaks become blanks.
QString DelimitedField(const QString& text, QChar separator);

// The fields joined by `separator`, each as DelimitedField gives it, and a line end.
void WriteDelimitedRow(QTextStream& out, const QStringList& fields, QChar separator);
