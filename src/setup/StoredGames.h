// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Stored games in the main window: creating one (menu `uj_jatek`), changing or
// deleting one (`jatek_tor`), choosing one to play when a game of the stored type
// starts (by the serial typed into `sorsz`, or from the list), and the capture of a
// game's start on the board (`k_tar`; "Nem ment" leaves it like a result not stored).
//
// A damaged record in minta.dat is skipped everywhere and told once per run.
#include "play/GameFlow.h"
#include "files/ScratchFile.h"
#include "setup/StoredGameForm.h"
#include "setup/StoredGamesFile.h"
#include <QDir>
#include <functional>
#include <optional>

struct GameState;
struct LanguageTable;
struct Platform;

// Shows the dialog `minta` over a form until the form closes; tests act on the form.
class StoredGameDialogRunner {
public:
    virtual ~StoredGameDialogRunner() = default;
    virtual void run(StoredGameForm& form) = 0;
};

// What the stored games need from the rest of the window.
struct StoredGamesHooks {
    std::function<bool()> validateStart;   // the start button's check of the open cells
    std::function<void()> boardChanged;    // the board took a stored start
};

class StoredGames {
public:
    StoredGames(GameState& state, Platform& platform, StoredGameDialogRunner& dialog,
                const QDir& folder)
        : m_s(state), m_p(platform), m_dialog(dialog), m_folder(folder) {}

    void setHooks(StoredGamesHooks hooks) { m_hooks = std::move(hooks); }
    // Every rewrite of minta.dat renames through this; tests make it fail.
    void setRename(RenameFile rename) { m_rename = std::move(rename); }

    // The start button in the stored type while no map is shown: the game whose serial
    // is in `sorsz` (its size is selected), else one chosen from the list of this size.
    GameFlow::StoredChoice chooseStoredGame();
    // Paint a new game and save it, with or without a start.
    void uj_jatek_Click();
    // Pick a game to repaint (and save over itself) or to delete.
    void jatek_tor_Click();
    // Saves the game being set up with the board as its start and its open ring cells
    // as its openings.
    void k_tar_Click();

private:
    std::optional<StoredGamesScan> readFile();
    std::optional<QList<StoredGame>> FillStoredGameList();
    GameFlow::StoredChoice ShowStoredGame(const StoredGame& game);
    void putStartOnBoard(const QString& start);
    void selectSize(int n);
    void runEditor(StoredGameForm& form);
    bool save(const EditedStoredGame& game, const QString& shuffle);
    void deleteGame(const StoredGame& game);
    void enterCapture(const EditedStoredGame& game);
    void showProblem(const QString& text);

    GameState& m_s;
    Platform& m_p;
    StoredGameDialogRunner& m_dialog;
    QDir m_folder;
    StoredGamesHooks m_hooks;
    RenameFile m_rename = RenameOver;
    std::optional<EditedStoredGame> m_capture;   // the game whose start is being set up
    bool m_damageTold = false;
};

// Shows the map `mapText` in the main window's map frame in place of the set-up's
// type and size choices and the serial box.
void CopyTargetMap(GameState& s, const QString& mapText);

// What the player is told, in `language`, of damaged records in minta.dat and of a full file.
QString StoredGamesDamagedText(int damagedRecords, const LanguageTable& language);
QString StoredGamesFullText(const LanguageTable& language);
