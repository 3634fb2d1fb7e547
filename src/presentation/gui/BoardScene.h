// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The board frame and everything around it that is drawn rather than built from
// widgets: walls, tiles (flat circles or shaded balls), number labels, grid lines or
// grooves, row and column markers, Pendoly row numbers and the move markers.
// Scene units are twips; the origin is the top left corner of the board frame.
#include "play/GameState.h"
#include <QGraphicsScene>
#include <vector>

class QGraphicsRectItem;
class QGraphicsLineItem;
class TileItem;
class TextItem;
class DiscItem;
class TargetMapItem;

class BoardScene : public QGraphicsScene {
    Q_OBJECT
public:
    explicit BoardScene(QObject* parent = nullptr);

    // Makes the picture match `state` (cheap: only item properties change).
    void sync(const GameState& state);

    // Symbols on the colours of tiles, markers and the target map (shown from the next sync).
    void setColourSymbols(bool on) { m_colourSymbols = on; }
    bool colourSymbols() const { return m_colourSymbols; }

private:
    template <typename Item> void resizePool(std::vector<Item*>& pool, size_t count, qreal z);

    QGraphicsRectItem* m_frame = nullptr;
    QGraphicsRectItem* m_outline = nullptr;
    QGraphicsRectItem* m_inner = nullptr;
    std::vector<QGraphicsRectItem*> m_walls;
    std::vector<TileItem*> m_tiles;
    std::vector<TextItem*> m_numberLabels;
    std::vector<QGraphicsLineItem*> m_gridLines;
    std::vector<QGraphicsRectItem*> m_grooves;
    std::vector<DiscItem*> m_rowMarkers;
    std::vector<DiscItem*> m_colMarkers;
    std::vector<TextItem*> m_rowNumbers;
    TextItem* m_rowPointer = nullptr;
    QGraphicsRectItem* m_mapOutline = nullptr;    // mvon
    TargetMapItem* m_map = nullptr;               // mng, in the frame mker
    std::vector<DiscItem*> m_moveMarkers;
    bool m_colourSymbols = false;
};
