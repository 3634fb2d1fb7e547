// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/BoardView.h"
#include "play/BoardControls.h"
#include <QMouseEvent>

BoardView::BoardView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Round shapes smooth themselves; rectangles and lines stay on whole pixels.
    setRenderHints(QPainter::TextAntialiasing);
    setBackgroundBrush(Qt::NoBrush);
    // The window shows through; a palette change rather than a style sheet, which
    // would bring the whole style-sheet machinery into the start-up.
    viewport()->setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void BoardView::setScale(double pixelsPerTwip) {
    setTransform(QTransform::fromScale(pixelsPerTwip, pixelsPerTwip));
}

static int buttonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

bool BoardView::toBoard(QMouseEvent* event, BoardMouseEvent& out, bool requireInside) const {
    const QPointF p = mapToScene(event->position().toPoint());
    const bool inside = p.x() >= 0 && p.y() >= 0 && p.x() < kFrameWidth && p.y() < kFrameWidth;
    if (requireInside && !inside) return false;
    out.x = p.x();
    out.y = p.y();
    out.shift = event->modifiers() & Qt::ShiftModifier;
    out.button = buttonCode(event->button() != Qt::NoButton ? Qt::MouseButtons(event->button())
                                                            : event->buttons());
    return true;
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    BoardMouseEvent e;
    m_pressedOnBoard = toBoard(event, e, true);
    if (m_pressedOnBoard && onMouseDown) onMouseDown(e);
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    BoardMouseEvent e;
    // A drag that started on the board keeps reporting, even beyond its edge.
    if (toBoard(event, e, !m_pressedOnBoard) && onMouseMove) {
        e.button = buttonCode(event->buttons());
        onMouseMove(e);
    }
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    BoardMouseEvent e;
    const bool wasOnBoard = m_pressedOnBoard;
    m_pressedOnBoard = false;
    if (toBoard(event, e, !wasOnBoard) && onMouseUp) onMouseUp(e);
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
    BoardMouseEvent e;
    if (toBoard(event, e, true) && onDoubleClick) onDoubleClick(e);
}
