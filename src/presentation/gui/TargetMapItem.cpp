// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/TargetMapItem.h"
#include "presentation/gui/BallPainter.h"
#include "presentation/gui/ColourSymbolItem.h"
#include <QGraphicsRectItem>
#include <QPen>

namespace {

constexpr int kFrameOverlap = 20;   // ring cells reach this far past the frame's side

// The tile colour a map cell was painted with; 0 for walls, openings and anything else.
int mapColourIndex(const std::array<quint32, 9>& colours, quint32 fillColour) {
    for (int i = 1; i <= 6; ++i)
        if (colours[static_cast<size_t>(i)] == fillColour) return i;
    return 0;
}

} // namespace

void TargetMapItem::set(const TargetMap& map, const std::array<quint32, 9>& colours, bool symbols) {
    while (m_shapes.size() > map.shapes.size()) {
        delete m_shapes.back();
        m_shapes.pop_back();
    }
    while (m_shapes.size() < map.shapes.size()) {
        auto* shape = new QGraphicsRectItem(this);
        shape->setPen(Qt::NoPen);
        m_shapes.push_back(shape);
    }
    for (size_t i = 0; i < map.shapes.size(); ++i) {
        const MapShape& m = map.shapes[i];
        const QRectF cell(m.left, m.top, m.width, m.height);
        const QColor colour = colourFromValue(m.fillColour);
        m_shapes[i]->setRect(cell);
        m_shapes[i]->setBrush(colour);
        m_shapes[i]->setVisible(m.visible);
        ShowColourSymbol(m_shapes[i], symbols, mapColourIndex(colours, m.fillColour), SymbolBox(cell, 0.8),
                         colour);
    }
}

QRectF TargetMapItem::boundingRect() const {
    return QRectF(0, 0, TargetMap::kFrameWidth + kFrameOverlap, TargetMap::kFrameWidth + kFrameOverlap);
}
