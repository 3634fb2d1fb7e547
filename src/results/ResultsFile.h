#pragma once
// The results files "eredm.dat" and "eredm_vr.dat": reading them record by record,
// appending a result, and rewriting them without the records a deletion selects.
#include "results/ResultsCodec.h"
#include "files/ScratchFile.h"
#include <QDir>
#include <QString>
#include <functional>

class RandomSource;

inline const QString kResultsScratchFile = QString::fromLatin1(kDataScratchFileName);

// Streams every record of the results file at `path` to `visit`, in file order, in
// constant memory. Reading stops at a damaged record; the records before it have
// been visited.
struct ResultsScan {
    bool missing = false;   // no such file (callers show message 2)
    bool damaged = false;   // a record failed to decode or its check, or the file would not open
    qint64 records = 0;     // records visited
    qint64 recordsEnd = 0;  // where the header or the last whole record ends
};
ResultsScan ReadResultsFile(const QString& path, const std::function<void(const ResultRecord&)>& visit);

enum class AppendStatus {
    Appended,
    Unstorable,    // CheckStorable refused the record; the file was not touched
    Damaged,       // the file does not read cleanly to its end; it was not touched
    WriteFailed,
};
// Adds `record` after the last record of `resultsFile` in `folder`; a new (or empty)
// file gets its header first. A file that does not read cleanly to its end is left
// alone: a record behind the damage could never be read. The record goes out in one
// write, so an existing file keeps its records whatever happens.
AppendStatus AppendResult(const QDir& folder, const QString& resultsFile, const ResultRecord& record,
                          RandomSource& random);

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
    WriteFailed,    // the scratch file could not be written or renamed; nothing changed
};

struct RewriteOutcome {
    RewriteStatus status = RewriteStatus::Missing;
    qint64 kept = 0;
    qint64 removed = 0;
};

// Rewrites `resultsFile` in `folder` without the records `request` selects. The kept
// records keep their order and get fresh keys and filler. The new content is written
// to "munka.dat", flushed, then renamed over the old file; a damaged file is never
// rewritten, because the records behind the damage would be lost. The caller closes
// its own handle on the file before and reopens it after.
RewriteOutcome RewriteResults(const QDir& folder, const QString& resultsFile,
                              const RewriteRequest& request, RandomSource& random,
                              const RenameFile& rename = RenameOver);
