// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small minta.dat files for tests: sound maps and starts of each size, records of
// them, and a temporary program folder to hold the file.
#include "play/Board.h"
#include "setup/StoredGameRecord.h"
#include "setup/StoredGamesFile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <initializer_list>

// A sound map of size n: row i of the field holds the colours 1..n turned by i - 1
// places, the ring is walled apart from the `openings`.
inline QString CyclicMap(int n, std::initializer_list<Cell> openings = {}) {
    QString map;
    for (int i = 0; i < n + 2; ++i) {
        for (int j = 0; j < n + 2; ++j) {
            const bool ring = i == 0 || j == 0 || i == n + 1 || j == n + 1;
            map += ring ? QLatin1Char('7') : QChar(u'1' + (i + j - 2) % n);
        }
    }
    for (Cell c : openings) map[c.row * (n + 2) + c.col] = QLatin1Char('0');
    return map;
}

// A sound start of size n: the field of CyclicMap turned by `shift` more places.
inline QString CyclicStart(int n, int shift = 1) {
    QString start;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) start += QChar(u'1' + (i + j - 2 + shift) % n);
    return start;
}

inline QByteArray GameRecordBytes(int serial, int n, const QString& name = QStringLiteral("g"),
                                  const QString& start = QString()) {
    // Two open cells: with one, a start is refused unless the tile beside it is in place.
    return MakeStoredGameRecord(serial, n, name, CyclicMap(n, {{0, 1}, {0, 2}}), start)->toBytes();
}

struct StoredGamesFolder {
    QDir folder() const { return QDir(dir.path()); }
    QString path() const { return folder().filePath(QString::fromLatin1(kStoredGamesFileName)); }
    QByteArray bytes() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QByteArray& bytes) const {
        QFile file(path());
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
    StoredGamesScan scan() const { return ReadStoredGames(folder()).value_or(StoredGamesScan{}); }
    QTemporaryDir dir;
};
