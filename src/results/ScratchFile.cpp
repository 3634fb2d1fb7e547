#include "results/ScratchFile.h"
#include <QFile>
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
