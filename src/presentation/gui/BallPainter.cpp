// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/BallPainter.h"
#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QtMath>
#include <QRadialGradient>

void paintBall(QPainter& painter, const QRectF& rect, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    // Shadow: a little below and to the right, fading out.
    const QRectF shadowRect = rect.translated(rect.width() * 0.04, rect.height() * 0.05);
    QRadialGradient shadow(shadowRect.center(), shadowRect.width() / 2);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setBrush(shadow);
    painter.drawEllipse(shadowRect);

    // Body: light falls from the upper left.
    const QRectF body = rect.adjusted(0, 0, -rect.width() * 0.04, -rect.height() * 0.04);
    const QPointF light(body.left() + body.width() * 0.35, body.top() + body.height() * 0.3);
    QRadialGradient shade(body.center(), body.width() / 2, light);
    shade.setColorAt(0.0, colour.lighter(185));
    shade.setColorAt(0.35, colour);
    shade.setColorAt(0.85, colour.darker(160));
    shade.setColorAt(1.0, colour.darker(230));
    painter.setBrush(shade);
    painter.drawEllipse(body);

    // Highlight: a small bright spot.
    const qreal spot = body.width() * 0.22;
    const QRectF spotRect(light.x() - spot / 2, light.y() - spot / 2, spot, spot * 0.8);
    QRadialGradient gloss(spotRect.center(), spot / 2);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 220));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(gloss);
    painter.drawEllipse(spotRect);
    painter.restore();
}

void paintCachedBall(QPainter& painter, const QRectF& rect, const QColor& colour) {
    const QTransform& transform = painter.transform();
    if (transform.type() > QTransform::TxScale) {
        paintBall(painter, rect, colour);   // rotated or sheared: no pixel grid to cache for
        return;
    }
    // The shadow reaches a little beyond the ball's box, to the right and below. The
    // size is taken from the scale alone, so that every ball of a board shares one picture.
    const QSizeF box = rect.size() * 1.06;
    const QSize size(qCeil(box.width() * transform.m11()), qCeil(box.height() * transform.m22()));
    const QPoint at = transform.map(rect.topLeft()).toPoint();
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const QString key = QStringLiteral("zk-ball:%1:%2x%3@%4")
                            .arg(colour.rgba())
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio);
    QPixmap ball;
    if (!QPixmapCache::find(key, &ball)) {
        ball = QPixmap(size * ratio);
        ball.setDevicePixelRatio(ratio);
        ball.fill(Qt::transparent);
        QPainter ballPainter(&ball);
        paintBall(ballPainter, QRectF(0, 0, size.width() / 1.06, size.height() / 1.06), colour);
        ballPainter.end();
        QPixmapCache::insert(key, ball);
    }
    painter.save();
    painter.resetTransform();
    painter.drawPixmap(at, ball);
    painter.restore();
}

QPixmap ballPixmap(int sidePixels, const QColor& colour, const QColor& background) {
    QPixmap pixmap(sidePixels, sidePixels);
    pixmap.fill(background);
    QPainter painter(&pixmap);
    paintBall(painter, QRectF(1, 1, sidePixels - 2, sidePixels - 2), colour);
    return pixmap;
}

QColor colourFromValue(quint32 value) {
    if (value & 0x80000000u) {
        // A system colour by its index; one without a near palette role shows as the
        // button face.
        const QPalette palette = QApplication::palette();
        switch (value & 0xFF) {
        case 0x05: return palette.color(QPalette::Base);         // window
        case 0x07:                                               // menu text
        case 0x08: return palette.color(QPalette::Text);         // window text
        case 0x0D:
        case 0x0E: return palette.color(QPalette::Highlight);
        case 0x10: return palette.color(QPalette::Dark);         // button shadow
        case 0x12: return palette.color(QPalette::ButtonText);
        case 0x14: return palette.color(QPalette::Light);        // button highlight
        default: return palette.color(QPalette::Button);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
