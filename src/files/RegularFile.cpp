// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/RegularFile.h"
#include <QFile>
#include <QFileInfo>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// The file is opened without waiting (a FIFO without a writer would hold the open for
// ever), then looked at through its handle, so nothing can be swapped in between.
FileAccess OpenPosix(QFile& file, const QString& path, qint64 limit, QIODevice::OpenMode mode) {
    const bool write = mode.testFlag(QIODevice::WriteOnly);
    int flags = (write ? O_RDWR | O_CREAT : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return FileAccess::Missing;
        return errno == EISDIR ? FileAccess::NotRegular : FileAccess::Unreadable;
    }
    struct stat info {};
    FileAccess access = FileAccess::Ok;
    if (::fstat(fd, &info) != 0) access = FileAccess::Unreadable;
    else if (!S_ISREG(info.st_mode)) access = FileAccess::NotRegular;
    else if (info.st_size > limit) access = FileAccess::TooLarge;
    // Reads and writes of the regular file wait for the disk as usual.
    if (access == FileAccess::Ok && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        access = FileAccess::Unreadable;
    if (access == FileAccess::Ok && !file.open(fd, mode, QFileDevice::AutoCloseHandle)) access = FileAccess::Unreadable;
    if (access != FileAccess::Ok) ::close(fd);
    return access;
}
#endif

} // namespace

FileAccess OpenRegularFile(QFile& file, const QString& path, qint64 limit, QIODevice::OpenMode mode) {
#ifdef Q_OS_UNIX
    return OpenPosix(file, path, limit, mode);
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return FileAccess::NotRegular;
    if (!info.exists() && !mode.testFlag(QIODevice::WriteOnly)) return FileAccess::Missing;
    if (info.size() > limit) return FileAccess::TooLarge;
    file.setFileName(path);
    return file.open(mode) ? FileAccess::Ok : FileAccess::Unreadable;
#endif
}

FileRead ReadRegularFile(const QString& path, qint64 limit) {
    FileRead read;
    QFile file;
    read.access = OpenRegularFile(file, path, limit);
    if (read.access != FileAccess::Ok) return read;
    // What the file held when it was opened, whose size was checked then; a file
    // growing meanwhile is not followed.
    read.bytes = file.read(file.size());
    if (file.error() != QFileDevice::NoError) {
        read.access = FileAccess::Unreadable;
        read.bytes.clear();
    }
    return read;
}

bool IsSpecialFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}
