#include "ui/gui/ModulePaths.h"
#include <QCoreApplication>
#include <QDir>

QStringList ModulePaths(const QString& name) {
    const QDir folder(QCoreApplication::applicationDirPath());
    return {folder.filePath(name), folder.filePath(QStringLiteral(ZK_MODULES_FROM_PROGRAM "/") + name)};
}
