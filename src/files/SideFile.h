// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Bytes that must leave a data file, yet never be lost, go into a side file beside it:
// "eredm.dat.damaged-20250102-081510". A side file is never overwritten: when the name
// is taken, "-2", "-3", ... is added. It is flushed to the disk before the data file
// is cut back, so a kill at any instant leaves the bytes in one place or the other
// (at worst in both).
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

class QFile;

// "<path>.damaged-YYYYMMDD-HHMMSS" for `now`.
QString SideFileName(const QString& path, const QDateTime& now);

// Writes `count` bytes of `from`, starting at `offset`, into a new side file of `path`.
// The path of the side file, or nothing (and no side file) when it could not be
// written whole.
std::optional<QString> KeepInSideFile(const QString& path, QFile& from, qint64 offset, qint64 count,
                                      const QDateTime& now);

// Gives the whole file at `path` a side file's name of its own: afterwards there is no
// file at `path`. The new path, or nothing (and the file unmoved) on failure.
std::optional<QString> MoveToSideFile(const QString& path, const QDateTime& now);
