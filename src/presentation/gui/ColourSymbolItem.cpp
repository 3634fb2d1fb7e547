// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/ColourSymbolItem.h"
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// The shape in a square of side 1 centred on the origin.
QPainterPath unitShape(ColourSymbol symbol) {
    QPainterPath path;
    switch (symbol) {
    case ColourSymbol::Ring:
        path.addEllipse(QPointF(0, 0), 0.5, 0.5);
        path.addEllipse(QPointF(0, 0), 0.27, 0.27);   // the hole (odd-even fill)
        break;
    case ColourSymbol::Square: path.addRect(-0.42, -0.42, 0.84, 0.84); break;
    case ColourSymbol::Triangle:
        path.moveTo(0, -0.5);
        path.lineTo(0.5, 0.42);
        path.lineTo(-0.5, 0.42);
        path.closeSubpath();
        break;
    case ColourSymbol::Diamond:
        path.moveTo(0, -0.5);
        path.lineTo(0.5, 0);
        path.lineTo(0, 0.5);
        path.lineTo(-0.5, 0);
        path.closeSubpath();
        break;
    case ColourSymbol::Cross:
        path.addRect(-0.5, -0.16, 1.0, 0.32);
        path.addRect(-0.16, -0.5, 0.32, 1.0);
        path.setFillRule(Qt::WindingFill);
        path = path.simplified();   // one outline, not two crossing bars
        break;
    case ColourSymbol::Star:
        for (int i = 0; i < 10; ++i) {
            const double radius = i % 2 ? 0.22 : 0.52;
            const double angle = M_PI * (i / 5.0 - 0.5);
            const QPointF p(radius * std::cos(angle), radius * std::sin(angle) + 0.04);
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        path.closeSubpath();
        break;
    case ColourSymbol::None: break;
    }
    return path;
}

} // namespace

void ColourSymbolItem::set(int colourIndex, const QRectF& box, const QColor& under) {
    if (box != m_box) prepareGeometryChange();
    if (box != m_box || colourIndex != m_colourIndex || under != m_under) update();
    m_colourIndex = colourIndex;
    m_box = box;
    m_under = under;
}

void ColourSymbolItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    PaintColourSymbol(*painter, m_colourIndex, m_box, m_under);
}

QRectF SymbolBox(const QRectF& box, double share) {
    const QSizeF size = box.size() * share;
    return QRectF(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

void PaintColourSymbol(QPainter& painter, int colourIndex, const QRectF& box, const QColor& under) {
    // A little inside the box, so that the outline stays within it too.
    const double side = std::min(box.width(), box.height()) * 0.9;
    QTransform place;
    place.translate(box.center().x(), box.center().y());
    place.scale(side, side);
    const QPainterPath path = place.map(unitShape(SymbolOfColour(colourIndex)));
    // Perceived brightness: yellow and cyan are light colours, though not by lightness.
    const double luma = 0.299 * under.redF() + 0.587 * under.greenF() + 0.114 * under.blueF();
    const bool light = luma > 0.5;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // An outline in the other colour keeps the symbol clear over a ball's highlight.
    painter.setPen(QPen(light ? QColor(255, 255, 255, 200) : QColor(0, 0, 0, 200), side * 0.08));
    painter.setBrush(light ? Qt::black : Qt::white);
    painter.drawPath(path);
    painter.restore();
}

void ShowColourSymbol(QGraphicsItem* item, bool on, int colourIndex, const QRectF& box,
                      const QColor& under) {
    ColourSymbolItem* symbol = nullptr;
    for (QGraphicsItem* child : item->childItems())
        if (child->type() == ColourSymbolItem::Type) symbol = static_cast<ColourSymbolItem*>(child);
    const bool shown = on && SymbolOfColour(colourIndex) != ColourSymbol::None;
    if (!shown) {
        if (symbol) symbol->setVisible(false);
        return;
    }
    if (!symbol) symbol = new ColourSymbolItem(item);
    symbol->set(colourIndex, box, under);
    symbol->setVisible(true);
}
