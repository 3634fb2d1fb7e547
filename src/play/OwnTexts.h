// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's own texts: what it says where the language table has no entry, such
// as a file that cannot be written, a damaged or full data file, a value too large
// for a results record, an incomplete language file. Each comes in Hungarian and in
// English; the language in use picks one.
#include <QString>

struct LanguageTable;

enum class OwnText {
    ColourSymbolsCaption,     // menu item that switches the symbols on the colours
    ColoursNotSaved,          // %1: the settings file
    NameNotDeleted,           // %1: the player-name file
    DocumentNotSaved,         // %1: the document's file name
    LanguageFileUnreadable,   // %1: the requested language file, %2: the one used instead
    NoLanguageFile,           // %1: the default language file
    LanguageFileIncomplete,   // %1: the language file, %2: entries read, %3: entries expected
    ResultNotWritten,         // %1: the results file
    NameNotListed,            // %1: the player-name file
    NamesNotDeleted,          // %1: the file that could not be deleted
    NameTooLong,              // %1: the longest name
    ShuffleNoTooLarge,        // %1: the shuffled state's number
    StepsTooMany,             // %1: the steps, %2: the most that can be stored
    TimeTooLong,              // %1: the hours reached
    StoredGameUnstorable,
    ResultUnstorable,
    NameCharacter,            // %1: the character
    ResultsNotRewritten,      // %1: the results file
    ShuffledStatesFull,       // %1: the most states kever.dat holds
    ShuffledStatesNotWritten,
    StoredGamesDamaged,       // %1: the damaged records
    StoredGamesFull,          // %1: the most games minta.dat holds
    StoredGamesNotWritten,
    StoredGameGone,
    OneGapOddArrangement,     // a one-gap number board whose target is an odd permutation away
    OneGapOddArrangementSecondStage, // the same at the start of a rearrangement game's second stage
    StoredGameNameWrittenAs,  // %1: the stored game's name as the result holds it
    AboutFirstCredit,         // the about box's credit under "game idea and design"
    AboutSecondCredit,        // the about box's credit under "programming"
    Progress,                 // the statistics window's chart view, and the menu item that opens it
    ProgressGamesAxis,        // under the game numbers
    ProgressGames,            // legend: the games
    ProgressBestSoFar,        // legend: the best-so-far line
    ProgressAverage,          // legend: the moving average; %1: the games it takes
    ProgressRecords,          // legend: the record markers
    ProgressSummary,          // %1 games, %2 steps records, %3 time records, %4 first and %5 last date
    ProgressNoGames,
    ProgressNoResults,
    ProgressDamaged,          // %1: the results read before the damage
    ProgressGameNo,           // %1: the game's number in date order
    ProgressRecordOf,         // %1: the measures the game set a record in
    ChartModuleMissing,       // %1: the module's file name
    SaveChart,                // button
    SaveChartTitle,           // file dialog
    PngImageFilter,
    SvgImageFilter,
    ChartFileName,            // the suggested file name, without its ending
    ChartNotSaved,            // %1: the file
    FileUnreadable,           // %1: the file
    FileNotRegular,           // %1: the file
    FileTooLarge,             // %1: the file, %2: its limit in megabytes
    SettingsLeftAlone,        // follows a read problem of param.dat
    SettingsNotWritten,       // %1: the settings file
    DisplayOptionNotSaved,    // %1: the display options file
    ResultsTailKept,          // %1: the results file, %2: bytes kept, %3: the side file
    ResultsDamagedNotStored,  // %1: the results file, %2: the results that can be read
    ResultsSplitQuestion,     // %1: the results file, %2: readable results, %3: bytes after them, %4: the side file
    ResultsSplitDone,         // %1: the results file, %2: the side file
    ResultsDamagedKept,       // %1: the side file holding the whole damaged file
    AnotherCopyRuns,          // %1: the folder
    HintCaption,              // menu item: the next move marked on the board (F2)
    SolveCaption,             // menu item: the rest of the game played by the solver
    HintQuestion,             // asked before the first hint or solve of a game
    HintSearching,            // no hint found in the time given
    HopelessTileBesideGap,    // the position can reach no target: why
    HopelessOddArrangement,
    HopelessNoTargetFits,
    HopelessNoMoves,
    ShortestSolution,         // %1: the steps of the shortest solution from the start
    AssistedMark,             // shown during a game a hint or the solver helped
    AssistedNotStorable,      // in place of the name entry after such a game
    KeptGameQuestion,         // at start-up: continue the unfinished game?
    KeptGameUnreadable,       // %1: the name the unreadable file was set aside under
    KeptGameStuck,            // %1: the unreadable file, which could not be set aside
    KeepGameQuestion,         // leaving during a game: keep it for later?
    GameNotKept,              // %1: the continue file, which cannot be written
    ReplayCaption,            // menu item and browser button that replay a finished game
    ReplayBanner,             // the label shown while a replay runs; %1: moves per second
    ReplayNothing,            // the replay menu item with no finished game to replay
    StartCodeCaption,         // menu item: show the code of the current start
    EnterCodeCaption,         // menu item: set a start up from a code
    StartCodeShown,           // %1: the code
    EnterCodePrompt,
    CodeNotOurs,
    CodeNewerVersion,
    CodeBadCharacter,         // %1: the character
    CodeTooLong,              // %1: the most characters a code has
    CodeTooShort,
    CodeMistyped,
    CodeBadSize,              // %1: the size the code names
    CodeBadBoard,
    CodeStoredGamePlayedAsPattern,
    Count
};

// `text` in the language named `languageName`: Hungarian for the Hungarian language,
// English for every other one.
QString OwnTextIn(OwnText text, const QString& languageName);
// `text` in the language in use.
QString OwnTextIn(OwnText text, const LanguageTable& language);
