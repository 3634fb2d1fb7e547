// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Safe replacement of a data file: the new content goes completely into a scratch
// file, which is flushed to the disk and then renamed over the old file in one step,
// so at every instant either the old or the new file is whole.
//
// Each file has a scratch file of its own, its name with ".tmp" added, beside it: two
// writers of different files never share one. A rewrite killed half-way leaves at most
// that scratch file, which the next rewrite of the same file removes and writes afresh.
// The new file keeps the old one's permissions; a link is followed, so the file it
// leads to is the one replaced. A folder, FIFO or device in the file's place is never
// replaced.
#include <QByteArray>
#include <QString>
#include <functional>

class QFile;

// The scratch file of `target`.
QString ScratchPathOf(const QString& target);

// Renames `from` to `to`, replacing `to` if it exists. Tests pass a failing one.
using RenameFile = std::function<bool(const QString& from, const QString& to)>;
bool RenameOver(const QString& from, const QString& to);

// Flushes `file`'s buffers to the operating system and asks it to put them on disk.
bool FlushToDisk(QFile& file);
// Puts the entry of `path` in its folder on disk, so a rename or removal lasts.
void SyncFolder(const QString& path);

// Copies the next `count` bytes of `from` into `to`, in pieces; false when `from` ends
// early or a write fails.
bool CopyFileBytes(QFile& from, QFile& to, qint64 count);

// Opens the scratch file of `target` for writing, empty; a stale one is removed first.
// False when `target` is no regular file or the scratch file cannot be made.
bool OpenScratchFile(QFile& scratch, const QString& target);

// Finishes an open, fully written scratch file of `target`: flush, give it the old
// file's permissions, close, rename over `target`. On failure the scratch file is
// removed and `target` is left as it was.
bool CommitScratchFile(QFile& scratch, const QString& target, const RenameFile& rename = RenameOver);

// Closes and removes a scratch file that will not be committed.
void AbandonScratchFile(QFile& scratch);

// Replaces `target` by `bytes` through its scratch file. On failure `target` is left
// as it was.
bool ReplaceThroughScratchFile(const QString& target, const QByteArray& bytes,
                               const RenameFile& rename = RenameOver);
