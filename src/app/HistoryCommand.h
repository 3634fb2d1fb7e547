// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// `--history FILE --name NAME [--size N] [--types ...] [--pendoly] [--format csv|tsv]`:
// one player's games in date order with the best so far, the progress the
// statistics window charts, printed for a spreadsheet. No display is needed.
//
//   n,date,time,type,size,gaps,steps,elapsed,best_steps,best_elapsed,record
//
// n counts the games from 1 in date order; date, time of day and elapsed are the
// file's own texts; best_steps and best_elapsed are the fewest steps and the shortest
// time up to that game (best_elapsed the record holder's own text, empty while no
// game had a time); record says which personal records the game set: "steps",
// "time", "steps+time" or nothing (ProgressSeries.h defines them). A name is taken
// exactly as stored; a name without games gives the header line alone.
#include <QStringList>
#include <QTextStream>

// `arguments` are those after "--history". Returns the exit status (see ExitStatus).
int RunHistoryCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
