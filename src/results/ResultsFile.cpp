#include "results/ResultsFile.h"
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
    scratch.close();
    scratch.remove();
    return {status, 0, 0};
}

} // namespace

ResultsScan ReadResultsFile(const QString& path, const std::function<void(const ResultRecord&)>& visit) {
    ResultsScan scan;
    QFile file(path);
    if (!file.exists()) {
        scan.missing = true;
        return scan;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        scan.damaged = true;
        return scan;
    }
    ResultsReader reader(file);
    ResultRecord record;
    if (reader.ReadResultsHeader()) {
        while (!reader.atEnd() && reader.ReadResultRecord(record)) {
            visit(record);
            ++scan.records;
        }
    }
    scan.damaged = reader.resultsFileDamaged();
    scan.recordsEnd = reader.recordsEnd();
    return scan;
}

AppendStatus AppendResult(const QDir& folder, const QString& resultsFile, const ResultRecord& record,
                          RandomSource& random) {
    if (CheckStorable(record) != RecordProblem::None) return AppendStatus::Unstorable;
    const QString path = folder.filePath(resultsFile);
    const ResultsScan scan = ReadResultsFile(path, [](const ResultRecord&) {});
    if (scan.damaged) return AppendStatus::Damaged;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return AppendStatus::WriteFailed;

    ResultsCodec codec(random);
    QByteArray bytes;
    if (scan.recordsEnd == 0) bytes = codec.EncodeResultsHeader();
    bytes += *codec.EncodeResultRecord(record);
    // Stray bytes after the last record are overwritten; a record is always longer.
    if (!file.seek(scan.recordsEnd) || file.write(bytes) != bytes.size() || !FlushToDisk(file))
        return AppendStatus::WriteFailed;
    return AppendStatus::Appended;
}

RewriteOutcome RewriteResults(const QDir& folder, const QString& resultsFile,
                              const RewriteRequest& request, RandomSource& random,
                              const RenameFile& rename) {
    const QString path = folder.filePath(resultsFile);
    QFile source(path);
    if (!source.exists()) return {RewriteStatus::Missing, 0, 0};
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return {RewriteStatus::WriteFailed, 0, 0};

    QFile scratch(folder.filePath(kResultsScratchFile));
    if (scratch.exists()) scratch.remove();
    if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {RewriteStatus::WriteFailed, 0, 0};

    ResultsCodec codec(random);
    if (!codec.WriteResultsHeader(scratch)) return Abandon(scratch, RewriteStatus::WriteFailed);

    ResultsReader reader(source);
    ResultRecord record;
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
        while (!reader.atEnd() && reader.ReadResultRecord(record)) {
            ++runningNo;
            if (!KeepRecord(request, runningNo, record)) {
                ++outcome.removed;
                continue;
            }
            if (unwritable) continue;
            if (!codec.AppendResultRecord(record, pending)) {
                unwritable = true;
                continue;
            }
            if (pending.size() >= kWriteBlock && !writePending()) return Abandon(scratch, RewriteStatus::WriteFailed);
            ++outcome.kept;
        }
    }
    if (reader.resultsFileDamaged()) return Abandon(scratch, RewriteStatus::Damaged);
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
