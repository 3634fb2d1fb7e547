// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "app/CheckCommand.h"
#include "app/HistoryCommand.h"
#include "app/ResultsCommand.h"
#include "app/SolveCommand.h"
#include "app/StatisticsCommand.h"
#include "app/Usage.h"

namespace {

// The options that choose what the program does; each must come first.
const QStringList kCommands = {QStringLiteral("--help"), QStringLiteral("--version"), QStringLiteral("--results"),
                               QStringLiteral("--statistics"), QStringLiteral("--history"), QStringLiteral("--check"),
                               QStringLiteral("--repair"), QStringLiteral("--solve")};

} // namespace

std::optional<int> TakeDataDirOption(QStringList& arguments, QString& dataDir, QTextStream& err) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--data-dir"));
    if (at < 0) return std::nullopt;
    if (at + 1 >= arguments.size() || arguments[at + 1].isEmpty())
        return RefuseArguments(err, QStringLiteral("--data-dir needs a folder"));
    dataDir = arguments[at + 1];
    arguments.remove(at, 2);
    return std::nullopt;
}

std::optional<int> TakeStartOption(QStringList& arguments, QString& code, QTextStream& err) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--start"));
    if (at < 0) return std::nullopt;
    if (at + 1 >= arguments.size() || arguments[at + 1].trimmed().isEmpty())
        return RefuseArguments(err, QStringLiteral("--start needs a start code"));
    code = arguments[at + 1];
    arguments.remove(at, 2);
    return std::nullopt;
}

std::optional<int> RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty())
        return std::nullopt;
    const QString& command = arguments.first();
    if (command == QLatin1String("--help")) {
        out << UsageText();
        return ExitStatus::Done;
    }
    if (command == QLatin1String("--version")) {
        out << "zelka-kvadra " << ZK_VERSION << '\n';
        return ExitStatus::Done;
    }
    if (command == QLatin1String("--results"))
        return RunResultsCommand(arguments.mid(1), out, err);
    if (command == QLatin1String("--statistics"))
        return RunStatisticsCommand(arguments.mid(1), out, err);
    if (command == QLatin1String("--history"))
        return RunHistoryCommand(arguments.mid(1), out, err);
    if (command == QLatin1String("--check"))
        return RunCheckCommand(arguments.mid(1), out, err);
    if (command == QLatin1String("--repair"))
        return RunRepairCommand(arguments.mid(1), out, err);
    if (command == QLatin1String("--solve"))
        return RunSolveCommand(arguments.mid(1), out, err);
    // The window opens; the arguments with one dash are left to the window system.
    // A mistyped option must not open the window as if nothing had been asked.
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1String("--"))) continue;
        return RefuseArguments(err, kCommands.contains(argument)
                                        ? QStringLiteral("%1 must be the first argument").arg(argument)
                                        : QStringLiteral("unknown option '%1'").arg(argument));
    }
    return std::nullopt;
}
