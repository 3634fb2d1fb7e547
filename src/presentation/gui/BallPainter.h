// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shaded balls of the 3D look, drawn rather than loaded, so they stay crisp at
// any size: a radial gradient from a bright highlight to a dark rim, and a soft shadow.
#include <QColor>
#include <QPixmap>
#include <QRectF>

class QPainter;

void paintBall(QPainter& painter, const QRectF& rect, const QColor& colour);
// The same ball, drawn once per colour and size on the screen and then copied: a board
// of balls costs a few gradients, not one set per ball.
void paintCachedBall(QPainter& painter, const QRectF& rect, const QColor& colour);
// A square picture of one ball on `background`, e.g. for dialogs and previews.
QPixmap ballPixmap(int sidePixels, const QColor& colour, const QColor& background);
// Converts a stored 0x00BBGGRR value (or a system colour with the top bit set) to QColor.
QColor colourFromValue(quint32 value);
