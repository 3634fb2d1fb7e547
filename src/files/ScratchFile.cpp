// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/ScratchFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The file a rewrite of `target` replaces: the one a link leads to, else `target`.
QString ReplacedFile(const QString& target) {
    const QFileInfo info(target);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

// Whether `path` may be replaced: missing, or a regular file.
bool Replaceable(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

} // namespace

void SyncFolder(const QString& path) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(path);
#endif
}

QString ScratchPathOf(const QString& target) { return ReplacedFile(target) + QStringLiteral(".tmp"); }

bool RenameOver(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    return !error;
}

bool FlushToDisk(QFile& file) {
    if (!file.flush()) return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

bool CopyFileBytes(QFile& from, QFile& to, qint64 count) {
    constexpr qint64 kPiece = 64 * 1024;
    while (count > 0) {
        const QByteArray piece = from.read(std::min(count, kPiece));
        if (piece.isEmpty() || to.write(piece) != piece.size()) return false;
        count -= piece.size();
    }
    return true;
}

bool OpenScratchFile(QFile& scratch, const QString& target) {
    if (!Replaceable(ReplacedFile(target))) return false;
    const QString path = ScratchPathOf(target);
    // Whatever stands there was left by a rewrite of this file that did not finish; a
    // new file is made in its place, so nothing it linked to is written.
    QFile::remove(path);
    scratch.setFileName(path);
    return scratch.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

void AbandonScratchFile(QFile& scratch) {
    scratch.close();
    scratch.remove();
}

bool CommitScratchFile(QFile& scratch, const QString& target, const RenameFile& rename) {
    const QString replaced = ReplacedFile(target);
    bool ok = Replaceable(replaced);
    const QFileInfo old(replaced);
    if (ok && old.exists()) ok = scratch.setPermissions(old.permissions());
    ok = ok && FlushToDisk(scratch);
    scratch.close();
    ok = ok && scratch.error() == QFileDevice::NoError && rename(scratch.fileName(), replaced);
    if (!ok) {
        scratch.remove();
        return false;
    }
    SyncFolder(replaced);
    return true;
}

bool ReplaceThroughScratchFile(const QString& target, const QByteArray& bytes, const RenameFile& rename) {
    QFile scratch;
    if (!OpenScratchFile(scratch, target)) return false;
    if (scratch.write(bytes) != bytes.size()) {
        AbandonScratchFile(scratch);
        return false;
    }
    return CommitScratchFile(scratch, target, rename);
}
