// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialog `minta` over the stored-game form: as a chooser the grid `mflex` of the
// games with the preview map `mker`; as an editor the name box `nev`, the palette
// `szkeret` with its colour options and squares, and the map to paint. Laid out in
// twips on a form canvas, so it scales like the main window. OK, a double click or
// Enter on the grid choose; Mégse, Esc and the close box cancel; F1 asks for the help
// section of the form's mode.
#include "setup/StoredGames.h"
#include "ui/gui/ControlBinder.h"
#include <QDialog>
#include <QPointer>
#include <functional>

class FormCanvas;
class QLineEdit;
class QPushButton;
class QTableView;
class StoredGameMap;
class PaletteFrame;
class TextTableModel;

class StoredGameDialog : public QDialog {
    Q_OBJECT
public:
    StoredGameDialog(const GameState& s, StoredGameForm& form, QWidget* parent = nullptr);

    void setHelpHook(std::function<void(int helpTopic)> hook) { m_help = std::move(hook); }
    // Symbols on the colours of the map and the palette, as on the board.
    void setColourSymbols(bool on);

    StoredGameForm& form() { return m_form; }
    FormCanvas* canvas() const { return m_canvas; }
    QTableView* grid() const { return m_grid; }
    // The map (the widget its presses go to) and the palette frame, and the point of
    // each that shows (x, y) twips.
    QWidget* map() const;
    QWidget* palette() const;
    QPoint mapPoint(int xTwips, int yTwips) const;
    QPoint palettePoint(int xTwips, int yTwips) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    void buildEditor();
    void buildButtons();
    // Runs a handler of the form, then shows the result (and closes when it says so).
    void run(const std::function<void()>& handler);
    void sync();
    void fitNameCaption();
    int twipsOf(int pixels) const;

    const GameState& m_s;
    StoredGameForm& m_form;
    std::function<void(int)> m_help;
    bool m_symbols = false;
    FormCanvas* m_canvas = nullptr;
    TextTableModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    StoredGameMap* m_map = nullptr;
    PaletteFrame* m_palette = nullptr;
    ControlBinder m_binder;
};

// The dialog runner of the stored games.
class QtStoredGameDialogRunner final : public StoredGameDialogRunner {
public:
    QtStoredGameDialogRunner(const GameState& s, QWidget* parent) : m_s(s), m_parent(parent) {}
    void setHelpHook(std::function<void(int helpTopic)> hook) { m_help = std::move(hook); }
    // Whether the board shows symbols on the colours now.
    void setColourSymbolsHook(std::function<bool()> hook) { m_colourSymbols = std::move(hook); }
    void run(StoredGameForm& form) override;

private:
    const GameState& m_s;
    QPointer<QWidget> m_parent;
    std::function<void(int)> m_help;
    std::function<bool()> m_colourSymbols;
};
