// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DataFolders.h"
#include "presentation/LanguageFile.h"

bool HoldsLanguageFiles(const QDir& folder) {
    const QString pattern = QLatin1Char('*') + QLatin1String(kLanguageSuffix);
    return !folder.entryList({pattern}, QDir::Files).isEmpty();
}

std::optional<GameFolders> ResolveDataFolders(const DataFolderChoice& choice, QString* error) {
    const QDir current(choice.currentFolder);
    if (choice.forcedFolder.isEmpty() && HoldsLanguageFiles(current)) return GameFolders(current);
    const QString player = choice.forcedFolder.isEmpty() ? choice.userFolder : choice.forcedFolder;
    if (player.isEmpty() || !QDir().mkpath(player)) {
        if (error) *error = player;
        return std::nullopt;
    }
    return GameFolders(QDir(player), QDir(choice.installedFolder));
}

QString InstalledDataFolder(const QString& programFolder) {
    const QString relative = QStringLiteral(ZK_SHIPPED_DATA_FROM_PROGRAM);
    return QDir::cleanPath(QDir(programFolder).filePath(relative));
}
