// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CheckCommand.h"
#include "app/ExitStatus.h"
#include "app/Usage.h"
#include "app/DataFileCheck.h"
#include "files/FolderLock.h"
#include "results/ResultsRepair.h"
#include "ui/SystemRandom.h"
#include <QDateTime>
#include <QFileInfo>
#include <algorithm>

namespace {

// The worse of two exit statuses: a file that cannot be read outweighs a damaged one,
// and a file that is not for the command outweighs both.
int Worse(int a, int b) {
    const auto rank = [](int status) {
        switch (status) {
        case ExitStatus::BadArguments: return 3;
        case ExitStatus::FileProblem: return 2;
        case ExitStatus::DamagedFile: return 1;
        default: return 0;
        }
    };
    return rank(a) >= rank(b) ? a : b;
}

bool AreFiles(const QStringList& arguments) {
    return !arguments.isEmpty() &&
           std::none_of(arguments.begin(), arguments.end(),
                        [](const QString& a) { return a.isEmpty() || a.startsWith(QLatin1String("--")); });
}

int RepairOne(const QString& path, QTextStream& out, QTextStream& err) {
    const DataFileKind kind = KindOfDataFile(path);
    if (kind != DataFileKind::Results && kind != DataFileKind::Unknown) {
        err << "zelka-kvadra: " << path << ": only results files can be repaired\n";
        return ExitStatus::BadArguments;
    }
    FolderLock lock(QFileInfo(path).absoluteDir());
    if (lock.take() == FolderLock::State::HeldElsewhere) {
        err << "zelka-kvadra: " << path << ": the game runs in its folder (process " << lock.holder()
            << "); close it and try again\n";
        return ExitStatus::FileProblem;
    }
    SystemRandom random;
    const RepairOutcome outcome = RepairResultsTail(path, QDateTime::currentDateTime(), random);
    switch (outcome.status) {
    case RepairStatus::Whole:
        out << path << ": whole (" << outcome.records << " results); nothing to repair\n";
        return ExitStatus::Done;
    case RepairStatus::Repaired:
        if (!outcome.sideFile.isEmpty() && outcome.records == 0)
            out << path << ": repaired: it held no whole result; its " << outcome.keptBytes
                << " bytes are kept in " << outcome.sideFile << ", and the next result starts a new file\n";
        else if (!outcome.sideFile.isEmpty())
            out << path << ": repaired: " << outcome.keptBytes << " bytes of a result whose storing was cut off are kept in "
                << outcome.sideFile << "; " << outcome.records << " results remain\n";
        else
            out << path << ": repaired: the last result's filler is complete again (" << outcome.fillerAdded
                << " bytes); " << outcome.records << " results\n";
        return ExitStatus::Done;
    case RepairStatus::NotRepairable:
        out << path << ": damaged after result " << outcome.records
            << "; not repaired, since what follows would leave the file (the results window offers to keep the "
               "readable results)\n";
        return ExitStatus::DamagedFile;
    case RepairStatus::Missing:
        err << "zelka-kvadra: cannot read " << path << ": no such file\n";
        return ExitStatus::FileProblem;
    case RepairStatus::Unreadable:
        err << "zelka-kvadra: cannot read " << path << ": " << CheckDataFile(path).detail << '\n';
        return ExitStatus::FileProblem;
    case RepairStatus::WriteFailed:
        err << "zelka-kvadra: cannot write " << path << "; it is left as it was\n";
        return ExitStatus::FileProblem;
    }
    return ExitStatus::FileProblem;
}

} // namespace

QString CheckUsage() {
    return QStringLiteral(
        "  --check FILE...\n"
        "               tell whether each data file of the game is whole, and where and\n"
        "               why not (exit 0 all whole, 3 one damaged, 1 one unreadable)\n"
        "  --repair FILE...\n"
        "               repair a results file whose end a store left cut off: the cut\n"
        "               bytes are kept in a side file beside it (exit 0 repaired or\n"
        "               whole, 3 damaged before its end and left alone, 1 unreadable)\n");
}

int RunCheckCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (!AreFiles(arguments))
        return RefuseArguments(err, QStringLiteral("--check needs one or more files: --check FILE..."));
    int status = ExitStatus::Done;
    bool anyKnown = false;
    for (const QString& path : arguments) {
        const DataFileCheck check = CheckDataFile(path);
        switch (check.state) {
        case DataFileCheck::State::Whole:
            out << path << ": whole: " << check.detail << '\n';
            break;
        case DataFileCheck::State::Damaged:
            out << path << ": damaged: " << check.detail << '\n';
            status = Worse(status, ExitStatus::DamagedFile);
            break;
        case DataFileCheck::State::Unreadable:
            out << path << ": cannot be read: " << check.detail << '\n';
            status = Worse(status, ExitStatus::FileProblem);
            break;
        case DataFileCheck::State::Unknown:
            out << path << ": skipped: " << check.detail << '\n';
            break;
        }
        anyKnown = anyKnown || check.state != DataFileCheck::State::Unknown;
    }
    if (!anyKnown) {
        err << "zelka-kvadra: --check knows none of these files by name\n";
        return ExitStatus::BadArguments;
    }
    return status;
}

int RunRepairCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (!AreFiles(arguments))
        return RefuseArguments(err, QStringLiteral("--repair needs one or more results files: --repair FILE..."));
    int status = ExitStatus::Done;
    for (const QString& path : arguments) status = Worse(status, RepairOne(path, out, err));
    return status;
}
