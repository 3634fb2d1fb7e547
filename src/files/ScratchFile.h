#pragma once
// Safe replacement of a data file: the new content goes completely into a scratch
// file, which is flushed to the disk and then renamed over the old file in one step,
// so at every instant either the old or the new file is whole. A rewrite killed
// half-way leaves at most its scratch file, which the next rewrite writes afresh.
#include <QByteArray>
#include <QString>
#include <functional>

class QFile;

// The scratch files of the rewrites of data files and of text files.
inline constexpr char kDataScratchFileName[] = "munka.dat";
inline constexpr char kTextScratchFileName[] = "munka.txt";

// Renames `from` to `to`, replacing `to` if it exists. Tests pass a failing one.
using RenameFile = std::function<bool(const QString& from, const QString& to)>;
bool RenameOver(const QString& from, const QString& to);

// Flushes `file`'s buffers to the operating system and asks it to put them on disk.
bool FlushToDisk(QFile& file);

// Copies the next `count` bytes of `from` into `to`, in pieces; false when `from` ends
// early or a write fails.
bool CopyFileBytes(QFile& from, QFile& to, qint64 count);

// Finishes an open, fully written scratch file: flush, close, rename over `target`.
// On failure the scratch file is removed and `target` is left as it was.
bool CommitScratchFile(QFile& scratch, const QString& target, const RenameFile& rename);

// Replaces `target` by `bytes` through the scratch file at `scratchPath`. On failure
// `target` is left as it was.
bool ReplaceThroughScratchFile(const QString& scratchPath, const QString& target, const QByteArray& bytes,
                               const RenameFile& rename = RenameOver);
