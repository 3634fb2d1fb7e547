// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ResultsCommand.h"
#include "app/ExitStatus.h"
#include "app/ReadableFile.h"
#include "app/ResultRowsWriter.h"
#include "app/Usage.h"
#include "app/ViewOptions.h"
#include "results/ResultsFilter.h"
#include "results/ResultsSort.h"
#include <QFileInfo>
#include <numeric>
#include <optional>

namespace {

struct Options {
    QString file;
    ResultsFilter filter;
    int sortColumn = ResultColumn::RecordNo;
    bool descending = false;
    QChar separator = u',';
};

// A bad argument, told in one line.
struct ArgumentError {
    QString text;
};

// A whole number without a sign.
std::optional<int> PositiveNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || text.startsWith(u'+')) return std::nullopt;
    return value;
}

// A count to compare with: a damaged file may hold counts below zero, and the rows
// show them so, so a filter takes them too.
std::optional<int> CountNumber(const QString& text) {
    if (!text.startsWith(u'-')) return PositiveNumber(text);
    const std::optional<int> magnitude = PositiveNumber(text.mid(1));
    if (!magnitude) return std::nullopt;
    return -*magnitude;
}

// H:MM:SS, hours of one or two digits.
std::optional<int> TimeValue(const QString& text) {
    const QStringList parts = text.split(u':');
    if (parts.size() != 3 || parts[0].isEmpty() || parts[0].size() > 2 || parts[1].size() != 2 || parts[2].size() != 2)
        return std::nullopt;
    std::array<int, 3> v{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<int> n = PositiveNumber(parts[static_cast<qsizetype>(i)]);
        if (!n) return std::nullopt;
        v[i] = *n;
    }
    if (v[1] > 59 || v[2] > 59) return std::nullopt;
    return v[0] * 3600 + v[1] * 60 + v[2];
}

std::optional<ArgumentError> ApplyOption(Options& o, const QString& name, const QString& value) {
    const auto bad = [&] { return ArgumentError{QStringLiteral("bad value for %1: '%2'").arg(name, value)}; };
    if (name == QLatin1String("--size")) {
        const std::optional<int> size = BoardSizeValue(value);
        if (!size) return bad();
        o.filter.boardSize = *size;
    } else if (name == QLatin1String("--types")) {
        const std::optional<std::array<bool, 9>> types = TypeCodesValue(value);
        if (!types) return bad();
        o.filter.types = *types;
    } else if (name == QLatin1String("--gaps")) {
        const std::optional<int> n = CountNumber(value);
        if (!n) return bad();
        o.filter.gaps = n;
    } else if (name == QLatin1String("--steps-below")) {
        const std::optional<int> n = CountNumber(value);
        if (!n) return bad();
        o.filter.stepsBelow = n;
    } else if (name == QLatin1String("--time-below")) {
        const std::optional<int> seconds = TimeValue(value);
        if (!seconds) return bad();
        o.filter.elapsedBelow = seconds;
    } else if (name == QLatin1String("--shuffled")) {
        if (value == QLatin1String("yes")) o.filter.shuffled = ShuffleFilter::Shuffled;
        else if (value == QLatin1String("no")) o.filter.shuffled = ShuffleFilter::NotShuffled;
        else if (value == QLatin1String("any")) o.filter.shuffled = ShuffleFilter::Any;
        else return bad();
    } else if (name == QLatin1String("--sort")) {
        static const QHash<QString, int> columns = {
            {QStringLiteral("name"), ResultColumn::Name},     {QStringLiteral("steps"), ResultColumn::Steps},
            {QStringLiteral("time"), ResultColumn::Elapsed},  {QStringLiteral("order"), ResultColumn::RecordNo},
            {QStringLiteral("date"), ResultColumn::Date}};
        if (!columns.contains(value)) return bad();
        o.sortColumn = columns.value(value);
    } else if (name == QLatin1String("--format")) {
        const std::optional<QChar> separator = FormatValue(value);
        if (!separator) return bad();
        o.separator = *separator;
    } else {
        return ArgumentError{QStringLiteral("unknown option '%1'").arg(name)};
    }
    return std::nullopt;
}

std::optional<ArgumentError> ParseArguments(const QStringList& arguments, Options& o) {
    o.filter.allowAllTypes();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (!name.startsWith(QLatin1String("--"))) {
            if (!o.file.isEmpty()) return ArgumentError{QStringLiteral("more than one file: '%1'").arg(name)};
            o.file = name;
            continue;
        }
        if (name == QLatin1String("--descending")) {
            o.descending = true;
            continue;
        }
        const std::optional<OptionArgument> option = TakeOptionValue(arguments, i);
        if (!option) return ArgumentError{QStringLiteral("%1 needs a value").arg(name)};
        if (auto error = ApplyOption(o, option->name, option->value)) return error;
    }
    if (o.file.isEmpty()) return ArgumentError{QStringLiteral("--results needs a file")};
    return std::nullopt;
}

// Rows in storage order need no table: each record is written as it is decoded.
ResultsScan WriteInStorageOrder(const Options& o, ResultRowsWriter& writer) {
    qint64 recordNo = 0;
    return ReadDecodedResultsFile(o.file, [&](const DecodedRecord& r) {
        ++recordNo;
        if (RecordPassesFilter(o.filter, r)) writer.write(r, recordNo);
    });
}

// A sort needs the rows together, but only those that pass the filter. Their room is
// reserved for the most the file can hold: only what they fill is ever touched, and
// nothing is copied as they grow.
ResultsScan WriteSorted(const Options& o, ResultRowsWriter& writer) {
    const std::size_t most = MostRecordsIn(QFileInfo(o.file).size());
    ResultsTable table;
    table.reserve(most);
    TableVector<std::uint32_t> recordNos;
    recordNos.reserve(most);
    qint64 recordNo = 0;
    const ResultsScan scan = ReadDecodedResultsFile(o.file, [&](const DecodedRecord& r) {
        ++recordNo;
        if (!RecordPassesFilter(o.filter, r)) return;
        table.Append(r);
        recordNos.push_back(static_cast<std::uint32_t>(recordNo));
    });
    // The table's rows are in file order, so equal keys keep it.
    std::vector<std::uint32_t> rows(table.size());
    std::iota(rows.begin(), rows.end(), 0u);
    SortResultRows(table, rows, o.sortColumn, o.descending, StoredTypeCodes());
    for (const std::uint32_t i : rows) writer.write(table, i, recordNos[i]);
    return scan;
}

} // namespace

int RunResultsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Options o;
    if (const std::optional<ArgumentError> error = ParseArguments(arguments, o))
        return RefuseArguments(err, error->text);
    if (!CheckReadableFile(o.file, err)) return ExitStatus::FileProblem;

    ResultRowsWriter writer(o.separator, out);
    const bool storageOrder = o.sortColumn == ResultColumn::RecordNo && !o.descending;
    const ResultsScan load = storageOrder ? WriteInStorageOrder(o, writer) : WriteSorted(o, writer);
    if (!writer.finish()) {
        // A cut-off table must not pass for the whole one.
        err << "zelka-kvadra: the rows could not all be written\n";
        return ExitStatus::FileProblem;
    }
    if (load.damaged) {
        err << "zelka-kvadra: warning: " << o.file << " is damaged after record " << load.records
            << "; the records before the damage are shown\n";
        return ExitStatus::DamagedFile;
    }
    return ExitStatus::Done;
}
