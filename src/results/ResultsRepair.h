// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Mending a results file without losing a byte. What must leave the file goes into a
// side file beside it (files/SideFile.h), flushed before the file itself is cut back
// through its scratch file; so the file and its side files together always hold every
// byte the file held.
//
// - A short tail after the last whole record (a store cut off by a kill or a full disk,
//   or a header cut short) is repaired whenever it is found: at start-up, before a
//   store, by `--repair`.
// - A last record cut inside its trailing filler reads whole; its filler is completed.
// - Damage anywhere else is never mended unasked: the results window offers to keep
//   the records before it and to move the rest of the file into a side file, and
//   "delete all" keeps the whole damaged file as a side file.
#include "files/RegularFile.h"
#include <QDateTime>
#include <QString>

class RandomSource;
struct LanguageTable;

enum class RepairStatus {
    Whole,          // nothing to mend
    Repaired,       // a short tail went into a side file, or missing filler was completed
    NotRepairable,  // damaged before its end: left alone
    Missing,
    Unreadable,     // a special file, one over its limit, or one that will not open
    WriteFailed,    // left as it was (a side file may hold a copy of its tail)
};

struct RepairOutcome {
    RepairStatus status = RepairStatus::Whole;
    FileAccess access = FileAccess::Ok;
    qint64 records = 0;      // the whole records the file holds (before the damage)
    qint64 keptBytes = 0;    // bytes moved into the side file
    QString sideFile;        // empty when none was made
    int fillerAdded = 0;
};

// Repairs a short tail, or completes the last record's filler (drawn from `random`).
RepairOutcome RepairResultsTail(const QString& path, const QDateTime& now, RandomSource& random);

// Keeps the whole records before the damage and moves the rest of the file into a side
// file; a file left without records is removed. Whole is returned (and nothing done)
// for a file that is not damaged.
RepairOutcome SplitDamagedResults(const QString& path, const QDateTime& now);

// Moves the whole file aside, under a side file's name. Its name, or empty on failure.
QString MoveResultsAside(const QString& path, const QDateTime& now);

// What the player is told of a short tail moved into a side file (empty when none was):
// where its bytes are kept, in `language`.
QString TailKeptText(const RepairOutcome& outcome, const QString& resultsFile, const LanguageTable& language);
