// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/FormCanvas.h"
#include <QResizeEvent>
#include <cmath>

constexpr int kBaseFontPixels = 10; // the window's font at 100 %

FormCanvas::FormCanvas(int formWidthTwips, int formHeightTwips, QWidget* parent)
    : QWidget(parent), m_formWidth(formWidthTwips), m_formHeight(formHeightTwips) {}

FormCanvas::~FormCanvas() {
    // The children outlive our members while QWidget deletes them: stop listening first.
    for (auto it = m_rects.cbegin(); it != m_rects.cend(); ++it) disconnect(it.key(), nullptr, this, nullptr);
}

QSize FormCanvas::sizeForScale(double pixelsPerTwip) const {
    return {static_cast<int>(std::ceil(m_formWidth * pixelsPerTwip)),
            static_cast<int>(std::ceil(m_formHeight * pixelsPerTwip))};
}

void FormCanvas::useScale(double pixelsPerTwip) {
    m_scale = std::max(0.01, pixelsPerTwip);
    applyFont();
}

void FormCanvas::applyFont() {
    QFont f = font();
    f.setPixelSize(std::max(8, static_cast<int>(std::lround(kBaseFontPixels * m_scale * 15))));
    // The same font again would still reach every control.
    if (f != font() || !testAttribute(Qt::WA_SetFont)) setFont(f);
}

void FormCanvas::place(QWidget* widget, const QRect& twips) {
    if (!m_rects.contains(widget))
        connect(widget, &QObject::destroyed, this, [this, widget] { m_rects.remove(widget); });
    m_rects.insert(widget, twips);
    apply(widget, twips);
}

void FormCanvas::moveTo(QWidget* widget, int leftTwips, int topTwips, int widthTwips) {
    auto it = m_rects.find(widget);
    if (it == m_rects.end()) return;
    const QRect old = *it;
    QRect moved = old;
    if (leftTwips >= 0) moved.moveLeft(leftTwips);
    if (topTwips >= 0) moved.moveTop(topTwips);
    if (widthTwips >= 0) moved.setWidth(widthTwips);
    if (moved == old) return;
    *it = moved;
    apply(widget, moved);
}

void FormCanvas::apply(QWidget* widget, const QRect& twips) {
    // Only top-level placements are offset to centre the form in the canvas.
    const QPoint origin = widget->parentWidget() == this ? m_origin : QPoint();
    const int x = origin.x() + static_cast<int>(std::lround(twips.left() * m_scale));
    const int y = origin.y() + static_cast<int>(std::lround(twips.top() * m_scale));
    const int right = origin.x() + static_cast<int>(std::lround(twips.right() * m_scale));
    const int bottom = origin.y() + static_cast<int>(std::lround(twips.bottom() * m_scale));
    widget->setGeometry(x, y, std::max(1, right - x), std::max(1, bottom - y));
}

void FormCanvas::relayout() {
    const double sx = double(width()) / m_formWidth;
    const double sy = double(height()) / m_formHeight;
    m_scale = std::max(0.01, std::min(sx, sy));
    const QSize used = sizeForScale(m_scale);
    m_origin = QPoint((width() - used.width()) / 2, (height() - used.height()) / 2);
    applyFont();
    for (auto it = m_rects.cbegin(); it != m_rects.cend(); ++it) apply(it.key(), it.value());
    Q_EMIT scaleChanged(m_scale);
}

void FormCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}
