// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/SideFile.h"
#include "files/ScratchFile.h"
#include <QFile>
#include <QFileInfo>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Enough for side files made within one second; the rest is a folder gone wrong.
constexpr int kMostSideFilesPerName = 100;

QString Candidate(const QString& base, int n) {
    return n == 1 ? base : base + QLatin1Char('-') + QString::number(n);
}

// Gives `from` the name `to` unless that name is taken; never replaces anything.
bool RenameUnlessTaken(const QString& from, const QString& to) {
#ifdef Q_OS_UNIX
    // A second name, then the first one dropped: the new name cannot replace a file.
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) return false;
    if (::unlink(QFile::encodeName(from).constData()) == 0) return true;
    ::unlink(QFile::encodeName(to).constData());
    return false;
#else
    return QFile::rename(from, to);
#endif
}

} // namespace

QString SideFileName(const QString& path, const QDateTime& now) {
    return path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

std::optional<QString> KeepInSideFile(const QString& path, QFile& from, qint64 offset, qint64 count,
                                      const QDateTime& now) {
    const QString base = SideFileName(path, now);
    QFile side;
    for (int n = 1; n <= kMostSideFilesPerName && !side.isOpen(); ++n) {
        side.setFileName(Candidate(base, n));
        // NewOnly: a name that is taken, by a file or by a link, is passed over.
        if (!side.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !side.exists()) return std::nullopt;
    }
    if (!side.isOpen()) return std::nullopt;
    if (!from.seek(offset) || !CopyFileBytes(from, side, count) || !FlushToDisk(side)) {
        AbandonScratchFile(side);
        return std::nullopt;
    }
    side.close();
    return side.fileName();
}

std::optional<QString> MoveToSideFile(const QString& path, const QDateTime& now) {
    const QString base = SideFileName(path, now);
    for (int n = 1; n <= kMostSideFilesPerName; ++n) {
        const QString name = Candidate(base, n);
        if (QFileInfo::exists(name) || QFileInfo(name).isSymLink()) continue;
        if (!RenameUnlessTaken(path, name)) return std::nullopt;
        SyncFolder(name);
        return name;
    }
    return std::nullopt;
}
