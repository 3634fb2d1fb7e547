// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The usage text of the command line, and how a bad argument is told: one line that
// says what is wrong, then the usage, on standard error.
#include <QString>
#include <QTextStream>

// The usage text printed by --help and after bad arguments.
QString UsageText();

// Tells `problem` and the usage on `err`; returns ExitStatus::BadArguments.
int RefuseArguments(QTextStream& err, const QString& problem);
