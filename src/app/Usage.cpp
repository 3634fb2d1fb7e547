// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Usage.h"
#include "app/CheckCommand.h"
#include "app/ExitStatus.h"

QString UsageText() {
    return QStringLiteral(
        "Usage: zelka-kvadra [OPTION]\n"
        "Without options the game window opens. It keeps its files in the current\n"
        "folder when that holds the game's language files (*.lng); otherwise the\n"
        "player's files go to the per-user data folder and the files that come with\n"
        "the game are read from the installation (a copy in the per-user folder\n"
        "takes precedence).\n"
        "\n"
        "  --help       print this text and exit\n"
        "  --version    print the version and exit\n"
        "  --data-dir DIR\n"
        "               keep the player's files in DIR (created when missing)\n"
        "  --start CODE open the window with the start that the start code CODE\n"
        "               describes set up, ready to play\n"
        "  --statistics FILE [--pendoly] [--list LISTFILE]\n"
        "               print the statistics of the results file FILE (of the Pendoly\n"
        "               mode with --pendoly), or write them to the list file LISTFILE\n"
        "  --results FILE [--size 4|5|6|all] [--types V,VR,A,AR,M,T,S,SR] [--gaps N]\n"
        "            [--steps-below N] [--time-below H:MM:SS] [--shuffled yes|no|any]\n"
        "            [--sort name|steps|time|order|date] [--descending] [--format csv|tsv]\n"
        "               print the stored results of FILE, filtered and sorted as the\n"
        "               results window does, one line per result (UTF-8)\n"
        "  --history FILE --name NAME [--size 4|5|6|all] [--types V,VR,A,AR,M,T,S,SR]\n"
        "            [--pendoly] [--format csv|tsv]\n"
        "               print the games of the player NAME (exactly as stored) in date\n"
        "               order with the best steps and time so far and the personal\n"
        "               records, as the progress chart shows them (UTF-8); --pendoly\n"
        "               takes the games with one empty cell, as the Pendoly statistics\n") +
           CheckUsage() +
           QStringLiteral(
               "  --solve FILE [--time-limit SECONDS] [--shortest]\n"
               "               solve the position in the JSON file FILE and print the moves as\n"
               "               one line of JSON; the best solution found within the time limit\n"
               "               (10 s), marked \"shortest\" when proven; exit status 4 when the\n"
               "               time ran out first (with --shortest: before the proof)\n");
}

int RefuseArguments(QTextStream& err, const QString& problem) {
    err << "zelka-kvadra: " << problem << "\n\n" << UsageText();
    return ExitStatus::BadArguments;
}
