// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/GameFolders.h"
#include <QFileInfo>
#include <algorithm>

QString GameFolders::shippedFile(const QString& name) const {
    const QString own = player.filePath(name);
    return QFileInfo(own).isFile() ? own : shipped.filePath(name);
}

QStringList GameFolders::shippedFileNames(const QString& pattern) const {
    const auto list = [&pattern](const QDir& folder) {
        return folder.entryList({pattern}, QDir::Files | QDir::CaseSensitive,
                                QDir::Name | QDir::IgnoreCase);
    };
    QStringList names = list(player);
    if (shipped.absolutePath() == player.absolutePath()) return names;
    names += list(shipped);
    names.removeDuplicates();
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}
