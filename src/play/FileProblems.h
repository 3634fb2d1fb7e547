// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Telling the player about the data files: why a file was not read, and that each
// problem is told once per run, however often the game comes back to the file.
#include "files/RegularFile.h"
#include <QSet>
#include <QString>

struct GameState;
struct LanguageTable;
struct Platform;

// What has been told in this run, and what the run must not do because of it.
struct FileNotices {
    QSet<QString> told;              // the files whose problem the player has heard of
    bool settingsLeftAlone = false;  // param.dat is there but cannot be read: never written
};

// Why `fileName` was not read (`access` is not Ok), in `language`; `limit` is the
// limit of its kind, for a file over it.
QString FileNotReadText(FileAccess access, const QString& fileName, qint64 limit, const LanguageTable& language);

// Shows `text` with the critical icon, unless a problem of `fileName` was told before.
void TellFileProblemOnce(GameState& s, Platform& p, const QString& fileName, const QString& text);
