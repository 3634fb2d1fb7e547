// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one drawing of a target map, for the main window's map frame and the stored
// games' dialog alike: each shape a filled square at its twips position, with the
// symbol of its colour when symbols are on. Added to a scene in twips, its origin
// the map frame's top left corner.
#include "play/FlowState.h"
#include <QGraphicsItem>
#include <array>
#include <vector>

class QGraphicsRectItem;

class TargetMapItem final : public QGraphicsItem {
public:
    // Shows `map`; `colours` tell which tile colour (and so which symbol) a shape has.
    void set(const TargetMap& map, const std::array<quint32, 9>& colours, bool symbols);

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}

private:
    std::vector<QGraphicsRectItem*> m_shapes;   // mng
};
