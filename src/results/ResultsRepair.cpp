// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsRepair.h"
#include "files/FileLimits.h"
#include "files/ScratchFile.h"
#include "files/SideFile.h"
#include "play/OwnTexts.h"
#include "results/ResultsFile.h"
#include "ui/RandomSource.h"
#include <QDir>
#include <QFile>
#include <cmath>

namespace {

// The file opened for reading and scanned; `outcome` says when it could not be.
bool Look(QFile& file, const QString& path, ResultsScan& scan, RepairOutcome& outcome) {
    outcome.access = OpenRegularFile(file, path, FileLimit::Results);
    if (outcome.access != FileAccess::Ok) {
        outcome.status = outcome.access == FileAccess::Missing ? RepairStatus::Missing : RepairStatus::Unreadable;
        return false;
    }
    scan = ScanDecodedResults(file, [](const DecodedRecord&) {});
    outcome.records = scan.records;
    return true;
}

// Replaces the file by its first `length` bytes followed by `extra`, through its scratch file.
bool Rewrite(QFile& file, const QString& path, qint64 length, const QByteArray& extra) {
    QFile scratch;
    if (!OpenScratchFile(scratch, path)) return false;
    if (!file.seek(0) || !CopyFileBytes(file, scratch, length) || scratch.write(extra) != extra.size()) {
        AbandonScratchFile(scratch);
        return false;
    }
    file.close();
    return CommitScratchFile(scratch, path);
}

// Everything after the whole records goes into a side file, then the file is cut back
// to them. A file without a whole record goes aside as a whole, header and all.
RepairOutcome MoveRestAside(QFile& file, const QString& path, const ResultsScan& scan, const QDateTime& now,
                            RepairOutcome outcome) {
    outcome.status = RepairStatus::WriteFailed;
    if (scan.records == 0) {
        file.close();
        const std::optional<QString> side = MoveToSideFile(path, now);
        if (!side) return outcome;
        outcome.sideFile = *side;
        outcome.keptBytes = scan.fileSize;
        outcome.status = RepairStatus::Repaired;
        return outcome;
    }
    const qint64 rest = scan.fileSize - scan.recordsEnd;
    const std::optional<QString> side = KeepInSideFile(path, file, scan.recordsEnd, rest, now);
    if (!side) return outcome;
    outcome.sideFile = *side;
    outcome.keptBytes = rest;
    if (Rewrite(file, path, scan.recordsEnd, {})) outcome.status = RepairStatus::Repaired;
    return outcome;
}

} // namespace

RepairOutcome RepairResultsTail(const QString& path, const QDateTime& now, RandomSource& random) {
    RepairOutcome outcome;
    QFile file;
    ResultsScan scan;
    if (!Look(file, path, scan, outcome)) return outcome;
    if (scan.whole()) return outcome;
    if (scan.tailCut) return MoveRestAside(file, path, scan, now, outcome);
    if (scan.damaged) {
        outcome.status = RepairStatus::NotRepairable;
        return outcome;
    }
    // The last record lacks filler only: it gets the rest, so that a record can follow.
    QByteArray filler;
    for (int i = 0; i < scan.missingFiller; ++i)
        filler.append(static_cast<char>(std::lround(random.Rnd() * 500) % 254 + 1));
    outcome.status = Rewrite(file, path, scan.fileSize, filler) ? RepairStatus::Repaired : RepairStatus::WriteFailed;
    if (outcome.status == RepairStatus::Repaired) outcome.fillerAdded = scan.missingFiller;
    return outcome;
}

RepairOutcome SplitDamagedResults(const QString& path, const QDateTime& now) {
    RepairOutcome outcome;
    QFile file;
    ResultsScan scan;
    if (!Look(file, path, scan, outcome)) return outcome;
    if (!scan.damaged && !scan.tailCut) return outcome;
    return MoveRestAside(file, path, scan, now, outcome);
}

QString MoveResultsAside(const QString& path, const QDateTime& now) {
    return MoveToSideFile(path, now).value_or(QString());
}

QString TailKeptText(const RepairOutcome& outcome, const QString& resultsFile, const LanguageTable& language) {
    if (outcome.sideFile.isEmpty()) return {};
    return OwnTextIn(OwnText::ResultsTailKept, language)
        .arg(resultsFile, QString::number(outcome.keptBytes), QDir::toNativeSeparators(outcome.sideFile));
}
