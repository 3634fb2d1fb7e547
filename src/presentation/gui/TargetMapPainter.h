#pragma once
// The one drawing of a target map, for the main window's map frame and the stored
// games' dialog alike: each visible shape a filled square at its twips position.
#include "play/FlowState.h"
#include <QGraphicsItem>

class QPainter;

// Paints `map` with its frame's top left corner at the painter's origin, in twips.
void PaintTargetMap(QPainter& painter, const TargetMap& map);

// A target map as one item of a scene in twips.
class TargetMapItem final : public QGraphicsItem {
public:
    void setMap(const TargetMap& map);
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    TargetMap m_map;
};
