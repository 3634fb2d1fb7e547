// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/BoardScene.h"
#include "presentation/TileColours.h"
#include "presentation/gui/BallPainter.h"
#include "presentation/gui/ColourSymbolItem.h"
#include "presentation/gui/TargetMapItem.h"
#include <QFont>
#include <QGraphicsItem>
#include <QPainter>
#include <QPen>

constexpr int kOneTwipPixel = 15; // twips in one pixel at 100 %

// A tile: a filled circle, or a shaded ball in the 3D look.
class TileItem final : public QGraphicsItem {
public:
    void set(const TileControl& tile, const QColor& colour, bool ball) {
        const QRectF rect(0, 0, tile.width, tile.height);
        if (rect != m_rect) prepareGeometryChange();
        if (rect != m_rect || colour != m_colour || ball != m_ball) update();
        m_rect = rect;
        m_colour = colour;
        m_ball = ball;
        setPos(tile.left, tile.top);
        setVisible(tile.visible);
    }
    QRectF boundingRect() const override { return m_rect.adjusted(-2, -2, 2, 2); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        if (m_ball) {
            paintCachedBall(*painter, m_rect, m_colour);
            return;
        }
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(m_colour);
        painter->drawEllipse(m_rect);
    }

private:
    QRectF m_rect;
    QColor m_colour;
    bool m_ball = false;
};

// A label: bold text left-aligned in its box, like the window's labels.
class TextItem final : public QGraphicsItem {
public:
    void set(const LabelControl& label, int dx, int dy) {
        const QRectF rect(0, 0, label.width, label.height);
        if (rect != m_rect) prepareGeometryChange();
        const QColor colour = colourFromValue(label.colour);
        if (rect != m_rect || label.caption != m_text || colour != m_colour) update();
        m_rect = rect;
        m_text = label.caption;
        m_colour = colour;
        setPos(label.left + dx, label.top + dy);
        setVisible(label.visible);
    }
    QRectF boundingRect() const override { return m_rect; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        QFont font;
        font.setBold(true);
        font.setPixelSize(13 * kOneTwipPixel); // about 9.75 pt at 100 %
        painter->setFont(font);
        painter->setPen(m_colour);
        painter->drawText(m_rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, m_text);
    }

private:
    QRectF m_rect;
    QString m_text;
    QColor m_colour;
};

// A filled (or outlined) circle: colour markers and the move markers.
class DiscItem final : public QGraphicsItem {
public:
    explicit DiscItem(bool outlined = false) : m_outlined(outlined) {}
    void set(const ShapeControl& shape, const QColor& colour, int dx, int dy) {
        const QRectF rect(0, 0, shape.width, shape.height);
        if (rect != m_rect) prepareGeometryChange();
        if (rect != m_rect || colour != m_colour) update();
        m_rect = rect;
        m_colour = colour;
        setPos(shape.left + dx, shape.top + dy);
        setVisible(shape.visible);
    }
    QRectF boundingRect() const override { return m_rect.adjusted(-40, -40, 40, 40); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        painter->setRenderHint(QPainter::Antialiasing);
        if (m_outlined) {
            painter->setPen(QPen(m_colour, 3 * kOneTwipPixel));
            painter->setBrush(Qt::NoBrush);
        } else {
            // A hairline: one pixel at any scale, and much quicker to draw than a
            // scaled outline.
            QPen rim(QColor(64, 64, 64), 0);
            painter->setPen(rim);
            painter->setBrush(m_colour);
        }
        painter->drawEllipse(m_rect);
    }

private:
    bool m_outlined;
    QRectF m_rect;
    QColor m_colour;
};

namespace {

QColor tileColour(const GameState& s, int index) {
    if (index < 0 || index > 8) return QColor(Qt::gray);
    // The balls of the 3D look are always drawn in the built-in colours.
    if (s.look3D && index >= 1 && index <= 6) return colourFromValue(kDefaultTileColours[index]);
    return colourFromValue(s.tileColours[index]);
}

} // namespace

// The target map frame beside the board, window coordinates.
constexpr int kMapOutlineLeft = 6155;
constexpr int kMapOutlineTop = 460;
constexpr int kMapLeft = 6165;
constexpr int kMapTop = 470;

// Z order, bottom to top.
enum Layer { FrameZ, GrooveZ, LineZ, WallZ, TileZ, LabelZ, MarkerZ };

BoardScene::BoardScene(QObject* parent) : QGraphicsScene(parent) {
    m_outline = addRect(-10, -10, kFrameWidth + 20, kFrameWidth + 20,
                        QPen(QColor(0x40, 0x40, 0x40), 4 * kOneTwipPixel), Qt::NoBrush);
    m_frame = addRect(0, 0, kFrameWidth, kFrameWidth, Qt::NoPen, QColor(0xC0, 0xC0, 0xC0));
    m_frame->setZValue(FrameZ);
    m_inner = addRect(0, 0, 0, 0, QPen(Qt::black, kOneTwipPixel), Qt::NoBrush);
    m_inner->setZValue(LineZ);
    m_rowPointer = new TextItem;
    m_rowPointer->setZValue(LabelZ);
    addItem(m_rowPointer);
    m_mapOutline = addRect(kMapOutlineLeft - kFrameLeft, kMapOutlineTop - kFrameTop, 2020, 2020,
                           QPen(QColor(0x40, 0x40, 0x40), kOneTwipPixel), QColor(0xC0, 0xC0, 0xC0));
    m_mapOutline->setVisible(false);
    m_map = new TargetMapItem;
    m_map->setPos(kMapLeft - kFrameLeft, kMapTop - kFrameTop);
    m_map->setZValue(MarkerZ);
    addItem(m_map);
    resizePool(m_gridLines, kGridLineCount, LineZ);
    resizePool(m_grooves, kGridLineCount, GrooveZ);
    resizePool(m_numberLabels, kMaxNumberLabels + 1, LabelZ);
    resizePool(m_rowNumbers, 8, LabelZ);
    for (int i = 0; i < 5; ++i) {
        auto* marker = new DiscItem(true);
        marker->setZValue(MarkerZ);
        marker->setVisible(false);
        addItem(marker);
        m_moveMarkers.push_back(marker);
    }
}

template <typename Item>
void BoardScene::resizePool(std::vector<Item*>& pool, size_t count, qreal z) {
    while (pool.size() > count) {
        delete pool.back();
        pool.pop_back();
    }
    while (pool.size() < count) {
        Item* item = nullptr;
        if constexpr (std::is_same_v<Item, QGraphicsRectItem>) item = addRect(QRectF());
        else if constexpr (std::is_same_v<Item, QGraphicsLineItem>) item = addLine(QLineF());
        else {
            item = new Item;
            addItem(item);
        }
        item->setZValue(z);
        item->setVisible(false);
        pool.push_back(item);
    }
}

void BoardScene::sync(const GameState& s) {
    const BoardControls& c = s.controls;
    const bool shown = c.frameVisible;
    m_frame->setVisible(shown);

    resizePool(m_walls, c.walls.size(), WallZ);
    const QColor wallColour = colourFromValue(s.tileColours[7]);
    for (size_t m = 1; m < c.walls.size(); ++m) {
        const ShapeControl& w = c.walls[m];
        m_walls[m]->setRect(w.left, w.top, w.width, w.height);
        m_walls[m]->setPen(Qt::NoPen);
        m_walls[m]->setBrush(wallColour);
        m_walls[m]->setVisible(shown && w.visible);
    }

    resizePool(m_tiles, c.tiles.size(), TileZ);
    // Number tiles carry their numbers; only colour tiles get symbols.
    const bool tileSymbols = m_colourSymbols && !s.numberTypeSelected();
    for (size_t k = 1; k < c.tiles.size(); ++k) {
        const TileControl& t = c.tiles[k];
        const QColor colour = tileColour(s, t.colourIndex);
        m_tiles[k]->set(t, colour, s.look3D);
        m_tiles[k]->setVisible(shown && t.visible);
        ShowColourSymbol(m_tiles[k], tileSymbols, t.colourIndex,
                         SymbolBox(QRectF(0, 0, t.width, t.height), 0.5), colour);
    }

    for (size_t k = 1; k < c.numberLabels.size(); ++k) {
        m_numberLabels[k]->set(c.numberLabels[k], 0, 0);
        m_numberLabels[k]->setVisible(shown && c.numberLabels[k].visible);
    }

    m_inner->setRect(c.inner.left, c.inner.top, c.inner.width, c.inner.height);
    m_inner->setVisible(shown && c.inner.visible);
    const QPen linePen(QColor(0x80, 0x80, 0x80), kOneTwipPixel);
    for (int i = 0; i < kGridLineCount; ++i) {
        const LineControl& l = c.gridLines[i];
        m_gridLines[i]->setLine(l.x1, l.y1, l.x2, l.y2);
        m_gridLines[i]->setPen(linePen);
        m_gridLines[i]->setVisible(shown && l.visible);
        const ShapeControl& g = c.grooves[i];
        m_grooves[i]->setRect(g.left, g.top, g.width, g.height);
        m_grooves[i]->setPen(Qt::NoPen);
        m_grooves[i]->setBrush(QColor(0xE0, 0xE0, 0xE0));
        m_grooves[i]->setVisible(shown && g.visible);
    }

    // Markers and row numbers are placed in window coordinates.
    resizePool(m_rowMarkers, c.rowMarkers.size(), MarkerZ);
    resizePool(m_colMarkers, c.colMarkers.size(), MarkerZ);
    const auto placeMarkers = [&](std::vector<DiscItem*>& items,
                                  const std::vector<MarkerControl>& markers) {
        for (size_t i = 1; i < markers.size(); ++i) {
            const MarkerControl& m = markers[i];
            const QColor colour = tileColour(s, m.colourIndex);
            items[i]->set(m, colour, -kFrameLeft, -kFrameTop);
            ShowColourSymbol(items[i], m_colourSymbols, m.colourIndex,
                             SymbolBox(QRectF(0, 0, m.width, m.height), 0.75), colour);
        }
    };
    placeMarkers(m_rowMarkers, c.rowMarkers);
    placeMarkers(m_colMarkers, c.colMarkers);
    for (size_t i = 0; i < c.rowNumbers.size(); ++i)
        m_rowNumbers[i]->set(c.rowNumbers[i], -kFrameLeft, -kFrameTop);
    m_rowPointer->set(c.rowPointer, -kFrameLeft, -kFrameTop);

    const bool mapShown = s.panel.mker.visible;
    m_mapOutline->setVisible(s.panel.mvon.visible || mapShown);
    m_map->set(s.targetMap, s.tileColours, m_colourSymbols);
    m_map->setVisible(mapShown);

    for (size_t i = 1; i < c.moveMarkers.size(); ++i)
        m_moveMarkers[i]->set(c.moveMarkers[i], QColor(0xFF, 0xFF, 0xFF), 0, 0);
}
