// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The colour dialog `sz_beall`: the seven colours of the flat look, six tile colours
// and the colour of the wall cells. The user picks a slot and sets its colour with
// three sliders, by typing the three values or from a palette of 64 swatches. The
// slot samples are the working copy: OK stores them in param.dat and gives them to
// the board; cancel leaves the colours as they were.
//
//     ColourSettings logic(state, folder);
//     logic.Form_Load();
//     logic.szr_Click(6);              // the wall slot
//     logic.Frame2_MouseDown(0, 0);    // the first swatch: white
//     logic.rendben_Click();           // stored, and the board shows it
#include "ui/ControlState.h"
#include <QDir>
#include <QRect>
#include <QString>
#include <array>

struct GameState;

constexpr int kColourSlotCount = 7; // szr(0..6): tile colours 1..6, then the walls
constexpr int kWallSlot = 6;
constexpr int kPaletteSize = 64;
constexpr int kHelpTopicColours = 2;

// The slot frame Frame1: a click at `y` twips selects the slot whose band holds it.
int SlotUnderClick(int yTwips);
// The palette frame Frame2: the swatch under (x, y) twips, or -1 when none is.
int SwatchUnderClick(int xTwips, int yTwips);
// Swatch n of the palette: its place in Frame2 and its colour. The colours run through
// every mix of 255, 170, 85 and 0, blue fastest and red slowest: white first, black last.
QRect SwatchRect(int n);
quint32 PaletteColour(int n);
// What Enter makes of a value box's text: a whole number held to 0..255. An empty box,
// a negative number and text that is no number all count as 0.
int ValueBoxNumber(const QString& text);

// Replaces colour1..colour7 of param.dat (`colours` 1..7, index 0 unused) and keeps the
// rest of the record. A missing or short file becomes a whole record, with the
// defaults for what it did not hold. False when the file could not be written.
bool StoreColours(const QDir& folder, const std::array<quint32, 8>& colours);

// What the dialog shows.
struct ColourDialogControls {
    QString title;
    ControlState Frame1, Frame2, paletta, megse, rendben, doknez;
    std::array<ControlState, kColourSlotCount> szr{}; // slot option buttons
    std::array<ControlState, 4> sz_ert{};             // value boxes 1..3: red, green, blue
    std::array<int, 4> scroll{};                      // slider values 1..3, 0..255
    std::array<quint32, kColourSlotCount> szg{};      // each slot's sample: its colour now
    int slot = 0;                                     // the selected slot
    // A control the dialog should give the focus to next ("szr3", "sz_ert2").
    QString focusRequest;
};

class ColourSettings {
public:
    ColourSettings(GameState& s, const QDir& folder);

    ColourDialogControls& controls() { return m_c; }
    const ColourDialogControls& controls() const { return m_c; }

    // Captions, the samples from the colour table, slot 0 selected, palette hidden.
    void Form_Load();
    void szr_Click(int index);
    void Frame1_MouseDown(int yTwips);
    void paletta_Click();
    // A click on the dialog outside any control closes the palette.
    void Form_Click();
    void Frame2_MouseDown(int xTwips, int yTwips);
    // Slider `index` (1..3) shows `value`: its box follows and so does the sample.
    void scroll_Change(int index, int value);
    // A key in value box `index`; only Enter (13) acts.
    void sz_ert_KeyPress(int index, int keyAscii);
    // OK: the samples become the colour table, are stored in param.dat and the board,
    // its markers, walls and target map take them. False when param.dat could not be
    // written (the board shows the new colours all the same).
    bool rendben_Click();

private:
    void setScroll(int index, int value);
    // The three sliders show the parts of `colour`.
    void setSliders(quint32 colour);

    GameState& m_s;
    QDir m_folder;
    ColourDialogControls m_c;
};
