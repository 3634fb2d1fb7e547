// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/ContinueFile.h"
#include "files/FileLimits.h"
#include "files/SideFile.h"
#include <QFile>
#include <QFileInfo>

namespace {

// The longest game a file may hold is within what the reader takes.
static_assert(64 + 256 + qint64{kMaxSavedSteps} * 5 <= FileLimit::ContinueFile);

QString pathOf(const QDir& folder) { return folder.filePath(QString::fromLatin1(kContinueFileName)); }

} // namespace

bool WriteContinueFile(const QDir& folder, const SavedGame& game, const RenameFile& rename) {
    return ReplaceThroughScratchFile(pathOf(folder), EncodeSavedGame(game), rename);
}

FileRead ReadContinueFile(const QDir& folder) { return ReadRegularFile(pathOf(folder), FileLimit::ContinueFile); }

bool RemoveContinueFile(const QDir& folder) {
    const QString path = pathOf(folder);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return true;
    // Only the game's own file is removed: what else stands there is left alone.
    if (IsSpecialFile(path)) return false;
    const bool removed = QFile::remove(path);
    if (removed) SyncFolder(path);
    return removed;
}

std::optional<QString> SetContinueFileAside(const QDir& folder, const QDateTime& now) {
    const std::optional<QString> side = MoveToSideFile(pathOf(folder), now);
    if (!side) return std::nullopt;
    return QFileInfo(*side).fileName();
}
