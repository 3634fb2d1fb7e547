// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The symbol of a colour drawn over a tile, a marker or a target map cell: a child
// item of the one it marks, so it moves and hides with it.
#include "presentation/ColourSymbols.h"
#include <QColor>
#include <QGraphicsItem>

class ColourSymbolItem final : public QGraphicsItem {
public:
    enum { Type = UserType + 61 };
    explicit ColourSymbolItem(QGraphicsItem* parent) : QGraphicsItem(parent) {}

    // Shows the symbol of `colourIndex` centred in `box` (the parent's coordinates),
    // in black or white, whichever stands out from `under`.
    void set(int colourIndex, const QRectF& box, const QColor& under);
    int colourIndex() const { return m_colourIndex; }

    int type() const override { return Type; }
    QRectF boundingRect() const override { return m_box; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    int m_colourIndex = 0;
    QRectF m_box;
    QColor m_under;
};

// Puts the symbol of `colourIndex` on `item` (hides it for 0 or when `on` is false),
// making the child item the first time it is needed.
void ShowColourSymbol(QGraphicsItem* item, bool on, int colourIndex, const QRectF& box,
                      const QColor& under);

// The middle part of `box` that a symbol takes: `share` of its width and height.
QRectF SymbolBox(const QRectF& box, double share);
// Paints the symbol of `colourIndex` (nothing for one without) centred in `box`, as
// the items show it over a surface of colour `under`.
void PaintColourSymbol(QPainter& painter, int colourIndex, const QRectF& box, const QColor& under);
