#include "presentation/gui/TargetMapPainter.h"
#include "presentation/gui/BallPainter.h"
#include <QPainter>

namespace {

constexpr int kFrameOverlap = 20;   // ring cells reach this far past the frame's side

} // namespace

void PaintTargetMap(QPainter& painter, const TargetMap& map) {
    painter.save();
    painter.setPen(Qt::NoPen);
    for (const MapShape& shape : map.shapes) {
        if (!shape.visible) continue;
        painter.setBrush(colourFromValue(shape.fillColour));
        painter.drawRect(QRect(shape.left, shape.top, shape.width, shape.height));
    }
    painter.restore();
}

void TargetMapItem::setMap(const TargetMap& map) {
    if (map.span == m_map.span && map.shapes == m_map.shapes) return;
    m_map = map;
    update();
}

QRectF TargetMapItem::boundingRect() const {
    return QRectF(0, 0, TargetMap::kFrameWidth + kFrameOverlap, TargetMap::kFrameWidth + kFrameOverlap);
}

void TargetMapItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    PaintTargetMap(*painter, m_map);
}
