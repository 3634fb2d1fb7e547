// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading the player's files safely. Only a regular file is ever read: a FIFO, a
// device, a socket or a folder in a data file's place would block the game in its
// open or feed it without end, so it is answered at once as a file that cannot be
// read. Every read is bounded by the limit of its kind of file (FileLimits.h); a
// file over its limit is not read at all, and never rewritten, so nothing of it is
// lost.
#include <QByteArray>
#include <QIODevice>
#include <QString>

class QFile;

enum class FileAccess {
    Ok,
    Missing,      // no such file
    NotRegular,   // a folder, FIFO, device or socket stands in the file's place
    Unreadable,   // the file is there, but the system refuses to open it
    TooLarge,     // larger than the limit of its kind
};

// Opens `path` into `file` (ReadOnly or ReadWrite, the latter creating a missing file)
// when it is a regular file no larger than `limit` bytes. Never blocks. `file` stays
// closed unless Ok comes back.
FileAccess OpenRegularFile(QFile& file, const QString& path, qint64 limit,
                           QIODevice::OpenMode mode = QIODevice::ReadOnly);

struct FileRead {
    FileAccess access = FileAccess::Missing;
    QByteArray bytes;   // the whole file when access is Ok, else empty
};
// Reads the whole of `path` when it is a regular file no larger than `limit` bytes.
FileRead ReadRegularFile(const QString& path, qint64 limit);

// Whether something other than a regular file stands at `path` (a link counts as what
// it leads to). False for a missing path.
bool IsSpecialFile(const QString& path);
