// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results files "eredm.dat" and "eredm_vr.dat": reading them record by record,
// appending a result, and rewriting them without the records a deletion selects.
#include "files/RegularFile.h"
#include "files/ScratchFile.h"
#include "results/ResultsCodec.h"
#include <QDateTime>
#include <QDir>
#include <QString>
#include <functional>

class QFile;
class RandomSource;
struct RepairOutcome;

// The results of the ordinary modes and of the Pendoly mode.
inline const QString kResultsFile = QStringLiteral("eredm.dat");
inline const QString kPendolyResultsFile = QStringLiteral("eredm_vr.dat");

// Streams every record of the results file at `path` to `visit`, in file order, in
// constant memory. Reading stops at a damaged record; the records before it have
// been visited. Only a regular file within its limit is read.
struct ResultsScan {
    FileAccess access = FileAccess::Ok;
    bool missing = false;   // no such file (callers show message 2)
    bool damaged = false;   // a record failed to decode or its check, or the file cannot be read
    qint64 records = 0;     // records visited
    qint64 recordsEnd = 0;  // where the header or the last whole record ends
    qint64 fileSize = 0;
    bool tailCut = false;   // the file ends inside a record or its header: a store cut off
    int missingFiller = 0;  // filler bytes the last record lacks (it reads whole)

    // Every byte of the file belongs to its header and whole records.
    bool whole() const { return access == FileAccess::Ok && !damaged && !tailCut && missingFiller == 0; }
    // The only fault is a short tail after the last whole record (or a cut header).
    bool onlyTailCut() const { return access == FileAccess::Ok && tailCut; }
};
ResultsScan ReadResultsFile(const QString& path, const std::function<void(const ResultRecord&)>& visit);
// The same on a file already open for reading, from its start.
ResultsScan ScanResults(QFile& file, const std::function<void(const ResultRecord&)>& visit);
// The same with the records' texts left as their codes: for readers that need few
// texts, or none, as a check of where the records end.
ResultsScan ReadDecodedResultsFile(const QString& path, const std::function<void(const DecodedRecord&)>& visit);
ResultsScan ScanDecodedResults(QFile& file, const std::function<void(const DecodedRecord&)>& visit);

enum class AppendStatus {
    Appended,
    Unstorable,    // CheckStorable refused the record; the file was not touched
    Damaged,       // the file does not read cleanly to its end; it was not touched
    Unreadable,    // a special file, one over its limit, or one that will not open
    WriteFailed,   // the file was left as it was
};
// Adds `record` after the last record of `resultsFile` in `folder`; a new (or empty)
// file gets its header first. A short tail that a store cut off is first moved into a
// side file (RepairResultsTail, told in `repaired`); a file damaged anywhere else is
// left alone: a record behind the damage could never be read. A new file is made
// through its scratch file; an existing one gets the record in one write, and is cut
// back to its old length when that write fails, so it keeps its records whatever
// happens. A kill inside the write leaves a short tail that the next start repairs.
AppendStatus AppendResult(const QDir& folder, const QString& resultsFile, const ResultRecord& record,
                          RandomSource& random, RepairOutcome* repaired = nullptr,
                          const QDateTime& now = QDateTime::currentDateTime());

enum class RewriteMode {
    DeleteOne = 1,                // the record with running number recordNo
    DeleteFiltered = 2,           // every record that passes the filter
    DeleteFilteredUpToDate = 3,   // ... and whose date is not later than cutOffDate
};

struct RewriteRequest {
    RewriteMode mode = RewriteMode::DeleteOne;
    qint64 recordNo = 0;                                      // 1-based, in file order
    std::function<bool(const ResultRecord&)> passesFilter;    // the browser's filter
    QString cutOffDate;                                       // yyyy.mm.dd
};

enum class RewriteStatus {
    Rewritten,      // the file now holds the kept records
    NoRecordKept,   // nothing was left: the results file and the scratch file are gone
    Missing,        // there was no results file
    Damaged,        // the file holds a damaged record: refused, nothing changed (message 30)
    Unreadable,     // a special file, one over its limit, or one that will not open
    WriteFailed,    // the scratch file could not be written or renamed; nothing changed
};

struct RewriteOutcome {
    RewriteStatus status = RewriteStatus::Missing;
    qint64 kept = 0;
    qint64 removed = 0;
};

// Rewrites `resultsFile` in `folder` without the records `request` selects. The kept
// records keep their order and get fresh keys and filler. The new content is written
// to the file's scratch file, flushed, then renamed over the old file; a damaged file is never
// rewritten, because the records behind the damage would be lost. The caller closes
// its own handle on the file before and reopens it after.
RewriteOutcome RewriteResults(const QDir& folder, const QString& resultsFile,
                              const RewriteRequest& request, RandomSource& random,
                              const RenameFile& rename = RenameOver);
