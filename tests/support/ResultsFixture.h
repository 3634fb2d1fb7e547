// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small results files for tests: records written by the real codec, optionally
// followed by a damaged record.
#include "results/ResultsCodec.h"
#include <QList>
#include <QString>

struct FixtureResult {
    const char* name;
    const char* typeCode = "V";
    int boardSize = 4;
    int gapCount = 1;
    int steps = 50;
    const char* elapsed = "00:01:00";
    const char* date = "2024.01.01";
};

ResultRecord MakeResult(const FixtureResult& fixture);

// A record with every field the browser shows.
ResultRecord Result(const char* name, const char* type, int size, int gaps, int shuffle, int steps,
                    const char* elapsed, const char* date, const char* time);

// Writes a results file holding `records`; with `damagedTail` a record follows that
// fails its check. False when the file cannot be written.
bool WriteResultsFixture(const QString& path, const QList<FixtureResult>& records, bool damagedTail = false);

// Writes a results file holding `records` exactly as given, even those the game
// never stores (counts below zero, as altered bytes read): what another writer or a
// changed byte leaves in a file. False when the codec cannot carry one.
bool WriteRecordsAsRead(const QString& path, const QList<ResultRecord>& records);
