// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Storing the result of a finished game under the player's name, discarding it, and
// the two menu commands that delete stored names. The window owns one ResultStore
// and calls the handler of each control; a handler returns what the window must do
// next (show the results browser, start a new game, open the name-deletion dialog).
#include "results/ResultsCodec.h"
#include <QDir>
#include <QString>
#include <functional>
#include <optional>

struct GameState;
struct LanguageTable;
struct Platform;

// The playing time of the finished game, as the game clock split it.
struct ElapsedTime {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

enum class StoreOutcome {
    Stored,        // the result is in the results file: show the browser, then a new game
    NameMissing,   // the name box is empty (message 16 shown); the entry stays
    Refused,       // the result cannot be stored as it is (told why); nothing written
    WriteFailed,   // the results file could not be written (told so); nothing written
};

class ResultStore {
public:
    ResultStore(GameState& state, Platform& platform, const QDir& folder);

    // "Mentés": stores the result under the name in the name box, adds a new name to
    // the name file and hides the name entry. Sets storedDate/storedTime, by which the
    // results browser finds the new row.
    StoreOutcome ment_Click(const ElapsedTime& elapsed);
    // "Nem ment": asks message 15; true when the result is discarded (the name entry
    // is hidden and the window starts a new game), false on No (nothing changes).
    bool megse_Click();
    // A key typed into the name box. Enter stores exactly as "Mentés" does and returns
    // its outcome; a double quote is refused. A refused or consumed key is set to 0.
    std::optional<StoreOutcome> neve_KeyPress(int& keyAscii, const ElapsedTime& elapsed);
    // The name box loses the focus: its text becomes a name the files can hold.
    void neve_Validate();
    // "Eredmény tárolása": a rearrangement game is stored at its intermediate stage,
    // under the code without "R". The window then stops the clock at its last tick
    // and runs the end-of-game check, which opens the name entry.
    void tarol_Click();
    // Menu "delete one name": true when the window should show the name-deletion
    // dialog; otherwise message 17 has been shown.
    bool ntoregy_Click();
    // Menu "delete all names": warns (message 18), asks (message 19), deletes.
    void ntorosz_Click();

    // The record of the finished game as "Mentés" stores it, dated now.
    ResultRecord BuildResultRecord(const QString& name, const ElapsedTime& elapsed) const;

private:
    void ShowProblem(const QString& text);

    GameState& m_state;
    Platform& m_platform;
    QDir m_folder;
};

// Runs the new-game handler on behalf of the name entry, with newGameFromStore set
// while it runs (after "Mentés" and the browser, or after "Nem ment").
void StartNewGameFromStore(GameState& state, const std::function<void()>& uj_Click);

// The text that tells the player, in `language`, why a result cannot be stored.
QString RefusalText(RecordProblem problem, const ResultRecord& record, const LanguageTable& language);
// The refusal of a name holding a character that cannot be stored; empty when it holds none.
QString UnstorableCharacterText(const QString& name, const LanguageTable& language);
