// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What can stand in a data file's place besides a file: a FIFO that no one writes to
// (an open for reading waits for ever), a link to /dev/zero (a read never ends), a
// folder. Each reader of the game must answer these at once.
#include <QFile>
#include <QString>
#include <sys/stat.h>

enum class NonRegularFile { Fifo, EndlessDevice, Folder };

inline const char* NonRegularFileName(NonRegularFile kind) {
    switch (kind) {
    case NonRegularFile::Fifo: return "a FIFO";
    case NonRegularFile::EndlessDevice: return "a link to /dev/zero";
    case NonRegularFile::Folder: return "a folder";
    }
    return "";
}

// Puts `kind` at `path`, replacing a file there; false when it cannot be made.
inline bool PutNonRegularFile(const QString& path, NonRegularFile kind) {
    QFile::remove(path);
    const QByteArray native = QFile::encodeName(path);
    switch (kind) {
    case NonRegularFile::Fifo: return ::mkfifo(native.constData(), 0644) == 0;
    case NonRegularFile::EndlessDevice: return QFile::link(QStringLiteral("/dev/zero"), path);
    case NonRegularFile::Folder: return ::mkdir(native.constData(), 0755) == 0;
    }
    return false;
}

// The kind of what stands at `path` now, as the system reports it (0 when nothing).
inline mode_t FileTypeAt(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return 0;
    return info.st_mode & S_IFMT;
}
