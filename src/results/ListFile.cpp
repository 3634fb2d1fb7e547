#include "results/ListFile.h"
#include "play/Messages.h"
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

constexpr int kListWritten = 70;
constexpr int kListNotCreated = 68;

// A new list file gets the usual permissions, a replaced one keeps its own.
QFileDevice::Permissions PermissionsFor(const QString& path) {
    const QFileInfo target(path);
    if (target.exists()) return target.permissions();
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
           QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
}

} // namespace

bool WriteListFile(const QString& path, const ListDocument& document, const RenameFile& rename) {
    const QFileInfo target(path);
    if (target.fileName().isEmpty() || target.isDir()) return false;
    // The scratch file lies in the target's folder, so the rename stays on one disk.
    QTemporaryFile scratch(target.absolutePath() + QStringLiteral("/munka-XXXXXX.txt"));
    scratch.setAutoRemove(false);
    if (!scratch.open()) return false;
    const QByteArray bytes = ListFileBytes(document);
    if (scratch.write(bytes) != bytes.size() || !scratch.setPermissions(PermissionsFor(path))) {
        scratch.close();
        scratch.remove();
        return false;
    }
    return CommitScratchFile(scratch, target.absoluteFilePath(), rename);
}

bool SaveListFile(const GameState& s, Platform& platform, const QString& listFileName,
                  const ListDocument& document, const RenameFile& rename) {
    const bool written = WriteListFile(listFileName, document, rename);
    ShowMessage(s, platform, written ? kListWritten : kListNotCreated, MsgIcon::Information, MsgButtons::Ok,
                QLatin1Char('\n') + listFileName);
    return written;
}
