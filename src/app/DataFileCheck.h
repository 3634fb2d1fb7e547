// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Whether a data file of the game is whole, and where and why not. The kind of file
// comes from its name, as the game names its files; each kind is read by the reader
// the game itself uses, through the same regular-file check and read limit, so a
// pipe or a device is answered at once and a file is judged as the game would see it.
#include "files/RegularFile.h"
#include <QString>

enum class DataFileKind {
    Unknown,
    Results,          // eredm.dat, eredm_vr.dat
    Settings,         // param.dat
    StoredGames,      // minta.dat
    ShuffledStates,   // kever.dat
    PlayerNames,      // nevek.txt
    DisplayOptions,   // beallit.ini
    Language,         // *.lng
    Document,         // *.doc
};

// The kind a file of this name is (letter case aside), Unknown for any other name.
DataFileKind KindOfDataFile(const QString& path);

struct DataFileCheck {
    enum class State { Whole, Damaged, Unreadable, Unknown };
    DataFileKind kind = DataFileKind::Unknown;
    State state = State::Unknown;
    QString detail;   // what was found: the contents when whole, where and why when not
};

DataFileCheck CheckDataFile(const QString& path);
