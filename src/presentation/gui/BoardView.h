// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shows the board scene at the window's scale and reports mouse events on the board
// frame in twips of the frame. Events on tiles and labels are reported as the same
// point of the frame, so a click acts on the cell under the pointer.
#include <QGraphicsView>
#include <functional>

struct BoardMouseEvent {
    int button = 0;   // 1 left, 2 right, 4 middle (as the game's handlers expect)
    bool shift = false;
    double x = 0;     // twips inside the board frame
    double y = 0;
};

class BoardView : public QGraphicsView {
    Q_OBJECT
public:
    explicit BoardView(QGraphicsScene* scene, QWidget* parent = nullptr);

    void setScale(double pixelsPerTwip);

    std::function<void(const BoardMouseEvent&)> onMouseDown;
    std::function<void(const BoardMouseEvent&)> onMouseMove;
    std::function<void(const BoardMouseEvent&)> onMouseUp;
    std::function<void(const BoardMouseEvent&)> onDoubleClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool toBoard(QMouseEvent* event, BoardMouseEvent& out, bool requireInside) const;
    bool m_pressedOnBoard = false;
};
