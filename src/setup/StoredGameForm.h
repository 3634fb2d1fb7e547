// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialog `minta` as its logic sees it, in both of its shapes. As a chooser it lists
// the stored games of the board size and previews the map of the selected one, to play
// it or to change or delete it. As an editor it takes a name and a map that the player
// paints from a palette holding each colour N times: OK and "save with the start" are
// offered exactly when every field cell is painted.
//
//     StoredGameForm form(state, platform, StoredGameMode::Create);
//     form.mker_MouseDown(x, y);     // paints the field cell under (x, y) twips
//     ...
//     form.rendben_Click();          // closes: action() is SaveWithoutStart
#include "play/FlowState.h"
#include "setup/StoredGameRecord.h"
#include "ui/ControlState.h"
#include <QList>
#include <QRect>
#include <array>
#include <optional>
#include <utility>

struct GameState;
struct Platform;

// Why the dialog is shown (`chooserMode`).
enum class StoredGameMode {
    Choose = 1,          // pick a game to play
    Create = 2,          // paint a new game
    ChooseToChange = 3,  // pick a game to change or delete
    Edit = 4,            // repaint the game picked
};

// What the dialog closed with.
enum class StoredGameAction {
    Cancelled,         // cancel, Esc or the close box
    Play,              // play chosen()
    SaveWithoutStart,  // save edited() without a start
    CaptureStart,      // save edited() with a start the player sets up on the board
    Delete,            // delete chosen(); the question was answered Yes
};

// The game the editor closed with.
struct EditedStoredGame {
    QString name;
    QString targetMap;
    std::optional<StoredGame> original;   // the game being changed; none for a new one
};

// The form and its parts, in twips.
constexpr int kStoredGameFormWidth = 5400;
constexpr int kStoredGameFormHeight = 2880;
constexpr QRect kStoredGameMapRect{110, 300, 2020, 2020};   // mker, with its outline
constexpr QRect kPaletteRect{2200, 380, 1800, 1950};         // szkeret

struct StoredGameControls {
    QString title;
    ControlState mflex, Label1, nev, szkeret, rendben, rendben2, megse, doknez;
    std::array<ControlState, 7> szinv{};   // colour options 1..N, index 0 unused
    QString mapText;                       // what the map shows, as map digits
    TargetMap map;                         // the same as shapes
    QString focusRequest;                  // a control to give the focus to next
};

class StoredGameForm {
public:
    // `games`: the list the chooser shows (the board size's games in file order);
    // empty for a new game.
    StoredGameForm(const GameState& s, Platform& platform, StoredGameMode mode,
                   const QList<StoredGame>& games = {});

    const StoredGameControls& controls() const { return m_c; }
    // The control to give the focus to now ("" when none); asked once.
    QString takeFocusRequest() { return std::exchange(m_c.focusRequest, QString()); }
    StoredGameMode mode() const { return m_mode; }
    int helpTopic() const { return m_helpTopic; }
    const QList<StoredGame>& games() const { return m_games; }
    int currentRow() const { return m_row; }
    int selectedColour() const { return m_selectedColour; }
    // Palette squares still shown for `colour`: the times it may still be painted.
    int paletteSquaresLeft(int colour) const;
    // Where palette square m (1..N) of `colour` stands in the palette frame, and the
    // colour option of a row.
    QRect paletteSquareRect(int colour, int m) const;
    QRect colourOptionRect(int colour) const;

    // The grid's current row changed: the map previews that game.
    void mflex_RowChanged(int row);
    void szkeret_MouseDown(int yTwips);
    void szinv_Click(int colour);
    // A press on the map at (x, y) twips inside it: paints or frees a field cell.
    void mker_MouseDown(int xTwips, int yTwips);
    void nev_Change(const QString& text) { m_c.nev.caption = text; }
    void rendben_Click();
    void rendben2_Click();
    void megse_Click() { m_closed = true; }
    // Opens the closed editor again as it was left (name, map, palette), after its game
    // could not be saved.
    void reopen();

    // The dialog should close now.
    bool closed() const { return m_closed; }
    StoredGameAction action() const { return m_action; }
    // Closing restores the main window's set-up (nothing was chosen or saved).
    bool restoresSetUp() const { return m_cancelled; }
    const StoredGame* chosen() const;
    const EditedStoredGame& edited() const { return m_edited; }

private:
    bool editing() const { return m_mode == StoredGameMode::Create || m_mode == StoredGameMode::Edit; }
    void PrepareGameEditor(bool buttonsOff);
    void editChosenGame();
    bool ReadEditedGame();
    void selectColour(int colour);
    void showMap(const QString& text);
    void close(StoredGameAction action, bool cancelled);

    const GameState& m_s;
    Platform& m_p;
    StoredGameMode m_mode;
    QList<StoredGame> m_games;
    int m_n;
    int m_helpTopic = 0;
    int m_row = -1;
    int m_selectedColour = 1;
    bool m_cancelled = true;
    bool m_closed = false;
    StoredGameAction m_action = StoredGameAction::Cancelled;
    EditedStoredGame m_edited;
    StoredGameControls m_c;
};
