#include "setup/ContinueFile.h"
#include <QFile>
#include <QFileInfo>

namespace {

QString pathOf(const QDir& folder) { return folder.filePath(QString::fromLatin1(kContinueFileName)); }

} // namespace

bool WriteContinueFile(const QDir& folder, const SavedGame& game, const RenameFile& rename) {
    return ReplaceThroughScratchFile(folder.filePath(QString::fromLatin1(kContinueScratchFileName)),
                                     pathOf(folder), EncodeSavedGame(game), rename);
}

ContinueFileRead ReadContinueFile(const QDir& folder) {
    const QFileInfo info(pathOf(folder));
    if (!info.exists() && !info.isSymLink()) return {};
    // A folder, a pipe or a device under this name is nothing the game wrote; opening
    // a pipe would wait for a writer that never comes.
    if (!info.isFile() || info.size() > kMaxContinueFileSize) return {ContinueFileStatus::Unreadable, {}};
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) return {ContinueFileStatus::Unreadable, {}};
    QByteArray bytes = file.read(kMaxContinueFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxContinueFileSize)
        return {ContinueFileStatus::Unreadable, {}};
    return {ContinueFileStatus::Read, std::move(bytes)};
}

bool RemoveContinueFile(const QDir& folder) {
    const QString path = pathOf(folder);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return true;
    return QFile::remove(path);
}

QString SetContinueFileAside(const QDir& folder) {
    const QString base = QString::fromLatin1(kContinueFileName) + QStringLiteral(".hibas");
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? base : base + QString::number(n);
        const QFileInfo taken(folder.filePath(name));
        if (taken.exists() || taken.isSymLink()) continue;
        return RenameOver(pathOf(folder), folder.filePath(name)) ? name : QString();
    }
    return {};
}
