// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/ModulePaths.h"
#include <QCoreApplication>
#include <QDir>

QStringList ModulePaths(const QString& name) {
    const QDir folder(QCoreApplication::applicationDirPath());
    return {folder.filePath(name), folder.filePath(QStringLiteral(ZK_MODULES_FROM_PROGRAM "/") + name)};
}
