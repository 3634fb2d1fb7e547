#include "files/ScratchFile.h"
#include <QFile>
#include <algorithm>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

bool CommitScratchFile(QFile& scratch, const QString& target, const RenameFile& rename) {
    const bool written = FlushToDisk(scratch);
    scratch.close();
    if (written && scratch.error() == QFileDevice::NoError && rename(scratch.fileName(), target))
        return true;
    scratch.remove();
    return false;
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

bool ReplaceThroughScratchFile(const QString& scratchPath, const QString& target, const QByteArray& bytes,
                               const RenameFile& rename) {
    QFile scratch(scratchPath);
    if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    if (scratch.write(bytes) != bytes.size()) {
        scratch.close();
        scratch.remove();
        return false;
    }
    return CommitScratchFile(scratch, target, rename);
}
