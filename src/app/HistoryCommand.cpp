// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HistoryCommand.h"
#include "app/DelimitedText.h"
#include "app/ExitStatus.h"
#include "app/ReadableFile.h"
#include "app/Usage.h"
#include "app/ViewOptions.h"
#include "results/ProgressSeries.h"
#include "results/ResultsFile.h"
#include <optional>

namespace {

const QLatin1String kHeader("n,date,time,type,size,gaps,steps,elapsed,best_steps,best_elapsed,record");

struct HistoryOptions {
    QString file;
    ProgressChoice choice;
    bool named = false;
    QChar separator = u',';
};

// What is wrong with the value of option `name`, nothing when it is taken.
std::optional<QString> ApplyOption(HistoryOptions& o, const QString& name, const QString& value) {
    const auto bad = [&] { return QStringLiteral("bad value for %1: '%2'").arg(name, value); };
    if (name == QLatin1String("--name")) {
        if (value.isEmpty()) return bad();
        o.choice.name = value;
        o.named = true;
    } else if (name == QLatin1String("--size")) {
        const std::optional<int> size = BoardSizeValue(value);
        if (!size) return bad();
        o.choice.boardSize = *size;
    } else if (name == QLatin1String("--types")) {
        const std::optional<std::array<bool, 9>> types = TypeCodesValue(value);
        if (!types) return bad();
        o.choice.types = *types;
    } else if (name == QLatin1String("--format")) {
        const std::optional<QChar> separator = FormatValue(value);
        if (!separator) return bad();
        o.separator = *separator;
    } else {
        return QStringLiteral("unknown option '%1' for --history").arg(name);
    }
    return std::nullopt;
}

std::optional<QString> ParseArguments(const QStringList& arguments, HistoryOptions& o) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QLatin1String("--"))) {
            if (!o.file.isEmpty() || argument.isEmpty()) return QStringLiteral("more than one file: '%1'").arg(argument);
            o.file = argument;
        } else if (argument == QLatin1String("--pendoly")) {
            o.choice.oneGapOnly = true;
        } else if (const std::optional<OptionArgument> option = TakeOptionValue(arguments, i)) {
            if (std::optional<QString> problem = ApplyOption(o, option->name, option->value)) return problem;
        } else {
            return QStringLiteral("%1 needs a value").arg(argument);
        }
    }
    if (o.file.isEmpty()) return QStringLiteral("--history needs a results file");
    if (!o.named) return QStringLiteral("--history needs a player: --name NAME");
    return std::nullopt;
}

QString RecordText(const ProgressGame& game) {
    if (game.stepsRecord && game.timeRecord) return QStringLiteral("steps+time");
    if (game.stepsRecord) return QStringLiteral("steps");
    if (game.timeRecord) return QStringLiteral("time");
    return QString();
}

void PrintSeries(const ResultsTable& table, const ProgressSeries& series, QChar separator, QTextStream& out) {
    out << QString(kHeader).replace(u',', separator) << '\n';
    const TypeNames& codes = StoredTypeCodes();
    for (std::size_t n = 0; n < series.games.size(); ++n) {
        const ProgressGame& game = series.games[n];
        const ResultRow& row = table.row(game.row);
        const QString bestElapsed =
            game.bestElapsed == kNoTime ? QString() : table.elapsedText(series.games[game.bestTimeGame].row);
        WriteDelimitedRow(out,
                          {QString::number(n + 1), table.dateText(game.row), table.timeText(game.row),
                           codes[row.typeIndex], QString::number(row.boardSize), QString::number(row.gapCount),
                           QString::number(game.steps), table.elapsedText(game.row), QString::number(game.bestSteps),
                           bestElapsed, RecordText(game)},
                          separator);
    }
}

} // namespace

int RunHistoryCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    HistoryOptions o;
    if (const std::optional<QString> problem = ParseArguments(arguments, o)) return RefuseArguments(err, *problem);
    if (!CheckReadableFile(o.file, err)) return ExitStatus::FileProblem;

    // Only the player's games are kept: the series needs nothing else.
    ResultsTable table;
    const ResultsScan scan = ReadPlayerGames(o.file, o.choice.name, table);
    PrintSeries(table, BuildProgressSeries(table, o.choice), o.separator, out);
    if (scan.damaged) {
        err << "zelka-kvadra: warning: " << o.file << " is damaged after record " << scan.records
            << "; the games before the damage are shown\n";
        return ExitStatus::DamagedFile;
    }
    return ExitStatus::Done;
}
