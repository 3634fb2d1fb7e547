// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsFile.h"
#include "files/FileLimits.h"
#include "results/ResultsRepair.h"
#include <QFile>

namespace {

bool KeepRecord(const RewriteRequest& request, qint64 runningNo, const ResultRecord& record) {
    const auto passes = [&] { return request.passesFilter && request.passesFilter(record); };
    switch (request.mode) {
    case RewriteMode::DeleteOne:
        return runningNo != request.recordNo;
    case RewriteMode::DeleteFiltered:
        return !passes();
    case RewriteMode::DeleteFilteredUpToDate:
        return record.date > request.cutOffDate || !passes();
    }
    return true;
}

RewriteOutcome Abandon(QFile& scratch, RewriteStatus status) {
    AbandonScratchFile(scratch);
    return {status, 0, 0};
}

// A new results file: its header and first record, made whole through its scratch
// file, so no part of it is ever left behind.
AppendStatus CreateResultsFile(const QString& path, const ResultRecord& record, RandomSource& random) {
    ResultsCodec codec(random);
    QByteArray bytes = codec.EncodeResultsHeader();
    if (!codec.AppendResultRecord(record, bytes)) return AppendStatus::Unstorable;
    return ReplaceThroughScratchFile(path, bytes) ? AppendStatus::Appended : AppendStatus::WriteFailed;
}

// Writes `bytes` at the end of `file`; on failure the file is cut back to where it
// ended, so it holds no part of them.
bool AppendWhole(QFile& file, const QByteArray& bytes) {
    const qint64 oldSize = file.size();
    if (file.seek(oldSize) && file.write(bytes) == bytes.size() && FlushToDisk(file)) return true;
    file.resize(oldSize);
    FlushToDisk(file);
    return false;
}

} // namespace

namespace {

// Reads every record of `file` from its start into a `Record` with `read`, visiting each.
template <class Record, class Read, class Visit>
ResultsScan Scan(QFile& file, Read read, const Visit& visit) {
    ResultsScan scan;
    scan.fileSize = file.size();
    ResultsReader reader(file);
    Record record;
    if (reader.ReadResultsHeader()) {
        while (!reader.atEnd() && (reader.*read)(record)) {
            visit(record);
            ++scan.records;
        }
    }
    scan.damaged = reader.resultsFileDamaged();
    scan.recordsEnd = reader.recordsEnd();
    scan.tailCut = reader.tailCut();
    scan.missingFiller = reader.missingFiller();
    return scan;
}

template <class Record, class Read, class Visit>
ResultsScan ReadFile(const QString& path, Read read, const Visit& visit) {
    QFile file;
    const FileAccess access = OpenRegularFile(file, path, FileLimit::Results, QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (access == FileAccess::Ok) return Scan<Record>(file, read, visit);
    ResultsScan scan;
    scan.access = access;
    scan.missing = access == FileAccess::Missing;
    scan.damaged = !scan.missing;
    return scan;
}

} // namespace

ResultsScan ScanResults(QFile& file, const std::function<void(const ResultRecord&)>& visit) {
    return Scan<ResultRecord>(file, &ResultsReader::ReadResultRecord, visit);
}

ResultsScan ReadResultsFile(const QString& path, const std::function<void(const ResultRecord&)>& visit) {
    return ReadFile<ResultRecord>(path, &ResultsReader::ReadResultRecord, visit);
}

ResultsScan ScanDecodedResults(QFile& file, const std::function<void(const DecodedRecord&)>& visit) {
    return Scan<DecodedRecord>(file, &ResultsReader::ReadDecodedRecord, visit);
}

ResultsScan ReadDecodedResultsFile(const QString& path, const std::function<void(const DecodedRecord&)>& visit) {
    return ReadFile<DecodedRecord>(path, &ResultsReader::ReadDecodedRecord, visit);
}

AppendStatus AppendResult(const QDir& folder, const QString& resultsFile, const ResultRecord& record,
                          RandomSource& random, RepairOutcome* repaired, const QDateTime& now) {
    if (CheckStorable(record) != RecordProblem::None) return AppendStatus::Unstorable;
    const QString path = folder.filePath(resultsFile);
    // The end of the file first: a record after a cut one could never be read.
    const RepairOutcome repair = RepairResultsTail(path, now, random);
    if (repaired) *repaired = repair;
    switch (repair.status) {
    case RepairStatus::Missing:
        return CreateResultsFile(path, record, random);
    case RepairStatus::NotRepairable:
        return AppendStatus::Damaged;
    case RepairStatus::Unreadable:
        return AppendStatus::Unreadable;
    case RepairStatus::WriteFailed:
        return AppendStatus::WriteFailed;
    case RepairStatus::Whole:
    case RepairStatus::Repaired:
        break;
    }
    QFile file;
    // Unbuffered: a write the disk takes only in part is seen at once, and cut back.
    const FileAccess access =
        OpenRegularFile(file, path, FileLimit::Results, QIODevice::ReadWrite | QIODevice::Unbuffered);
    if (access == FileAccess::Missing) return CreateResultsFile(path, record, random);   // cut back to nothing
    if (access != FileAccess::Ok) return AppendStatus::Unreadable;

    ResultsCodec codec(random);
    QByteArray bytes;
    if (file.size() == 0) bytes = codec.EncodeResultsHeader();
    codec.AppendResultRecord(record, bytes);
    return AppendWhole(file, bytes) ? AppendStatus::Appended : AppendStatus::WriteFailed;
}

RewriteOutcome RewriteResults(const QDir& folder, const QString& resultsFile,
                              const RewriteRequest& request, RandomSource& random,
                              const RenameFile& rename) {
    const QString path = folder.filePath(resultsFile);
    QFile source;
    const FileAccess access = OpenRegularFile(source, path, FileLimit::Results, QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (access == FileAccess::Missing) return {RewriteStatus::Missing, 0, 0};
    if (access != FileAccess::Ok) return {RewriteStatus::Unreadable, 0, 0};

    QFile scratch;
    if (!OpenScratchFile(scratch, path)) return {RewriteStatus::WriteFailed, 0, 0};

    ResultsCodec codec(random);
    if (!codec.WriteResultsHeader(scratch)) return Abandon(scratch, RewriteStatus::WriteFailed);

    ResultsReader reader(source);
    // Records are copied from their codes; only a filter needs them as strings.
    DecodedRecord decoded;
    ResultRecord record;
    const bool filtered = request.mode != RewriteMode::DeleteOne && request.passesFilter;
    qint64 runningNo = 0;
    RewriteOutcome outcome{RewriteStatus::Rewritten, 0, 0};
    // The kept records go out in large writes from one buffer, encoded straight into it.
    constexpr qsizetype kWriteBlock = 1 << 20;
    QByteArray pending;
    pending.reserve(kWriteBlock + 256);
    const auto writePending = [&] {
        const bool written = scratch.write(pending) == pending.size();
        pending.resize(0);   // keeps the capacity
        return written;
    };
    // A kept record the codec cannot write again refuses the rewrite, but the file is
    // still read to its end: damage further on is what the player must be told about.
    bool unwritable = false;
    if (reader.ReadResultsHeader()) {
        while (!reader.atEnd() && reader.ReadDecodedRecord(decoded)) {
            ++runningNo;
            if (filtered) ToResultRecord(decoded, record);
            if (!KeepRecord(request, runningNo, record)) {
                ++outcome.removed;
                continue;
            }
            if (unwritable) continue;
            if (!codec.AppendDecodedRecord(decoded, pending)) {
                unwritable = true;
                continue;
            }
            if (pending.size() >= kWriteBlock && !writePending()) return Abandon(scratch, RewriteStatus::WriteFailed);
            ++outcome.kept;
        }
    }
    // Bytes after the last record are no record, but they are the player's: a cut-off
    // end is moved aside by its repair, never dropped by a deletion.
    if (reader.resultsFileDamaged() || reader.tailCut()) return Abandon(scratch, RewriteStatus::Damaged);
    if (unwritable) return Abandon(scratch, RewriteStatus::WriteFailed);
    if (!writePending()) return Abandon(scratch, RewriteStatus::WriteFailed);
    source.close();

    if (outcome.kept == 0) {
        Abandon(scratch, RewriteStatus::NoRecordKept);
        if (!QFile::remove(path)) return {RewriteStatus::WriteFailed, 0, 0};
        outcome.status = RewriteStatus::NoRecordKept;
        return outcome;
    }
    if (!CommitScratchFile(scratch, path, rename)) return {RewriteStatus::WriteFailed, 0, 0};
    return outcome;
}
