// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SolveCommand.h"
#include "app/ExitStatus.h"
#include "app/Usage.h"
#include "files/RegularFile.h"
#include "solve/PositionFile.h"
#include "solve/Solver.h"

namespace {

constexpr double kDefaultSeconds = 10;
constexpr double kLongestSeconds = 24 * 3600;
// A position is a few hundred bytes; anything this large is no position.
constexpr qint64 kLargestFile = 1 << 20;

struct SolveArguments {
    QString file;
    double seconds = kDefaultSeconds;
    bool shortest = false;
};

std::optional<SolveArguments> parse(const QStringList& arguments, QString* problem) {
    SolveArguments a;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--shortest")) {
            a.shortest = true;
        } else if (arg == QLatin1String("--time-limit")) {
            bool ok = false;
            const double seconds = i + 1 < arguments.size() ? arguments[i + 1].toDouble(&ok) : 0;
            if (!ok || !(seconds > 0) || seconds > kLongestSeconds) {
                *problem = QStringLiteral("--time-limit needs a number of seconds above 0, at most %1").arg(kLongestSeconds);
                return std::nullopt;
            }
            a.seconds = seconds;
            ++i;
        } else if (arg.startsWith(QLatin1String("--")) || !a.file.isEmpty()) {
            *problem = QStringLiteral("--solve does not take '%1'").arg(arg);
            return std::nullopt;
        } else {
            a.file = arg;
        }
    }
    if (a.file.isEmpty()) {
        *problem = QStringLiteral("--solve needs a position file");
        return std::nullopt;
    }
    return a;
}

} // namespace

int RunSolveCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QString problem;
    const std::optional<SolveArguments> a = parse(arguments, &problem);
    if (!a) return RefuseArguments(err, problem);
    // A position is read only from a regular file, so that a pipe or a device in its
    // place can never hold the command up.
    const FileRead file = ReadRegularFile(a->file, kLargestFile);
    switch (file.access) {
    case FileAccess::Ok: break;
    case FileAccess::TooLarge:
        err << "zelka-kvadra: " << a->file << ": too large for a position\n";
        return ExitStatus::BadArguments;
    case FileAccess::Missing:
        err << "zelka-kvadra: " << a->file << ": no such file\n";
        return ExitStatus::FileProblem;
    case FileAccess::NotRegular:
    case FileAccess::Unreadable:
        err << "zelka-kvadra: " << a->file << ": not a readable file\n";
        return ExitStatus::FileProblem;
    }
    const QByteArray& json = file.bytes;
    const PositionRead read = ReadPosition(json);
    if (!read.state) {
        err << "zelka-kvadra: " << a->file << ": " << read.error << '\n';
        return ExitStatus::BadArguments;
    }
    SolveOptions options;
    options.seconds = a->seconds;
    SolverCache cache;
    const SolveReport report = Solve(*read.state, options, &cache);
    out << AnswerJson(report);
    switch (report.status) {
    case SolveReport::Status::Solved:
        return a->shortest && !report.shortest ? ExitStatus::TimeRanOut : ExitStatus::Done;
    case SolveReport::Status::Hopeless:
        return ExitStatus::Done;
    case SolveReport::Status::NotFound:
    case SolveReport::Status::Cancelled:
        return ExitStatus::TimeRanOut;
    case SolveReport::Status::Unsupported:
        err << "zelka-kvadra: " << a->file << ": " << report.detail << '\n';
        return ExitStatus::BadArguments;
    }
    return ExitStatus::Done;
}
