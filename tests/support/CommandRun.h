// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs the program's command line inside the test's process and keeps what it wrote
// to standard output and standard error.
#include "app/CommandLine.h"
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

struct CommandRun {
    std::optional<int> status;   // nothing: the window would open
    QString out, err;
};

inline CommandRun RunCommand(const QStringList& arguments) {
    CommandRun r;
    QTextStream out(&r.out), err(&r.err);
    r.status = RunCommandLine(arguments, out, err);
    out.flush();
    err.flush();
    return r;
}
