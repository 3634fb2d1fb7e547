// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The small map of the chooser of shuffled states (`mker` with its cells `mng` and
// the marker squares `szg`): each field cell in the colour its rank stands for, the
// ring in the wall colour, and beside the map the stored row (and column) colours
// when the board's type uses them. Laid out in twips and scaled to the widget.
#include "setup/ShuffledStates.h"
#include <QWidget>
#include <array>
#include <optional>

struct GameState;

class ShuffledStatePreview : public QWidget {
    Q_OBJECT
public:
    // The map frame and where the marker squares stand, in twips.
    static constexpr int kMapSide = 2000;
    static constexpr int kMapLeft = 700;
    static constexpr int kMapTop = 300;
    static constexpr int kRowMarkerLeft = 400;
    static constexpr int kColMarkerTop = 2500;
    static constexpr int kMarkerSide = 200;
    static constexpr int kCanvasSide = 2800;

    ShuffledStatePreview(const GameState& s, QWidget* parent = nullptr);

    // Shows the state in `cells`; a text that does not fit the board clears the map.
    void showCells(const QByteArray& cells);

    // What is on show, for the window's tests: colour indices 1..6, 0 = none.
    int cellColourIndex(int row, int col) const;
    bool rowMarkersShown() const { return m_rowMarkers; }
    bool colMarkersShown() const { return m_colMarkers; }
    int rowMarkerColourIndex(int row) const;
    int colMarkerColourIndex(int col) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_n;
    int m_cellSide;
    bool m_rowMarkers;
    bool m_colMarkers;
    bool m_numbers;
    std::array<quint32, 9> m_colours;
    std::optional<ShuffledStateCells> m_state;
};
