// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The whole state of the one game window: the board, what its controls show, the
// mode flags, counters and the clock. One object, owned by the main window and
// passed by reference to the logic that reads or changes it.
#include "play/Board.h"
#include "play/BoardControls.h"
#include "play/FileProblems.h"
#include "play/FlowState.h"
#include "play/GameRecord.h"
#include "play/LanguageTable.h"
#include "play/MoveHistory.h"
#include "play/ResultStoring.h"
#include "play/PanelControls.h"
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Colour values are 0x00BBGGRR; values with the top bit set name system colours.
constexpr quint32 kSysButtonFace = 0x8000000F;
constexpr quint32 kSysButtonText = 0x80000012;
constexpr quint32 kSysHighlight = 0x8000000E;

// The value of `gameType`: which type's tile look the board shows.
namespace GameType {
constexpr int None = 0;
constexpr int RandomColours = 1;
constexpr int Diagonal = 2;
constexpr int Stored = 3;
constexpr int NumberSequence = 4;
} // namespace GameType

// A tile that an arrow key could push into an empty cell.
struct CandidateMove {
    Cell tile;
    Cell hole;
};
constexpr int kMaxCandidates = 10;

struct GameState {
    GameState();

    Board board;
    BoardControls controls;
    PanelControls panel;

    // Sizes derived from the board size; set together by the board builder.
    int cellSize = 714;   // twips per cell: Int(5000 / gridSpan)
    int cellInset = 285;  // Int(cellSize / 2.5): how far a dragged tile may stray

    // Mode and type
    int gameType = GameType::None;
    bool pendolyMode = false;
    bool look3D = true;
    bool soundOn = true;
    DemoState demoState = DemoState::Off;

    // The running game
    bool gameRunning = false;
    int stepCount = 0;
    int gapCount = 0;
    int rearrangePhase = 0;
    MoveHistory moveHistory;                   // the last two counted moves
    GameRecord record;                         // the game as a value: its start and steps
    int slotCol = 1;                           // Pendoly: open column of the top ring row
    bool assisted = false;                     // a hint or the solver helped: not stored

    // Candidate moves shown for an arrow key (entries 1..candidateCount)
    int candidateCount = 0;
    std::array<CandidateMove, kMaxCandidates + 1> candidates{};

    // Selection and pointer state
    Cell selected;            // selRow/selCol: a tile picked first, (0, 0) = none
    int selCtl = 0;
    bool dragging = false;
    double dragStartX = 0;
    double dragStartY = 0;
    Cell down{99, 99};        // downRow/downCol of the last mouse press, 99 = none
    int kbRow = 0;
    QString typedDigits;

    // Stored games, shuffled states, results
    int storedGameNo = 0;
    QString storedGameName;
    int shuffleNo = 0;
    QString resultsFile = QStringLiteral("eredm.dat");

    // Storing the result of a finished game
    ResultStoring storing;

    // Colours
    std::array<quint32, 9> tileColours{};   // 0 button face, 1..6 tiles, 7 walls
    quint32 holeColour = kSysButtonFace;
    int numberTileColour = 1;
    std::vector<int> rowColours;            // 1..N, index 0 unused
    std::vector<int> colColours;

    // The texts of the language in use
    LanguageTable texts;
    // Problems with the data files the player has been told of in this run
    FileNotices fileNotices;

    // Game flow: phase, clock, targets still open, the first stage's gap count
    GamePhase phase = GamePhase::SetUp;
    qint64 startMs = 0;        // monotonic clock at the start, moved on by pauses
    qint64 nowMs = 0;          // monotonic clock at the last clock update
    int elapsedHours = 0;      // elapsed time of the last clock update
    int elapsedMinutes = 0;
    int elapsedSeconds = 0;
    QString timeText;
    int firstGapCount = 0;
    bool ascendingOpen = true; // number sequence: the order is still a possible target
    bool descendingOpen = true;

    // Mouse input: exchanges made in set-up, the tile being dragged
    int exchangeCount = 0;
    DragState drag;

    // Targets: diagonal tables (k = 1..36, column 0 falling / 1 rising), the target map
    std::array<std::array<int, 2>, 37> targetPatterns{};
    TargetMap targetMap;
    QString targetMapText;

    bool numberTypeSelected() const { return panel.szamsor.checked; }
    int N() const { return board.size(); }
};
