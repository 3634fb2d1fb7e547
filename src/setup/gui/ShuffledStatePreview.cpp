// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/gui/ShuffledStatePreview.h"
#include "play/GameState.h"
#include "presentation/gui/BallPainter.h"
#include "ui/Twips.h"
#include <QPainter>

ShuffledStatePreview::ShuffledStatePreview(const GameState& s, QWidget* parent)
    : QWidget(parent),
      m_n(s.N()),
      m_cellSide(kMapSide / (s.N() + 2)),
      // The stored and number-sequence types have no marker colours to show.
      m_rowMarkers(!s.panel.tarolt.checked && !s.panel.szamsor.checked),
      m_colMarkers(s.panel.generalt.checked),
      m_numbers(s.panel.szamsor.checked),
      m_colours(s.tileColours) {
    setObjectName(QStringLiteral("mker"));
    setMinimumSize(twipsToPixels(kCanvasSide) / 2, twipsToPixels(kCanvasSide) / 2);
}

void ShuffledStatePreview::showCells(const QByteArray& cells) {
    m_state = ParseShuffledCells(cells, m_n);
    update();
}

int ShuffledStatePreview::cellColourIndex(int row, int col) const {
    if (!m_state || row < 1 || row > m_n || col < 1 || col > m_n) return 0;
    const int rank = m_state->ranks[(row - 1) * m_n + col - 1];
    return (rank - 1) / m_n + 1;
}

int ShuffledStatePreview::rowMarkerColourIndex(int row) const {
    return m_state && m_rowMarkers && row >= 1 && row <= m_n ? m_state->rowColours[row] : 0;
}

int ShuffledStatePreview::colMarkerColourIndex(int col) const {
    return m_state && m_colMarkers && col >= 1 && col <= m_n ? m_state->colColours[col] : 0;
}

QSize ShuffledStatePreview::sizeHint() const {
    return {twipsToPixels(kCanvasSide), twipsToPixels(kCanvasSide)};
}

void ShuffledStatePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double scale = std::min(width(), height()) / double(kCanvasSide);
    painter.scale(scale, scale);   // from here on, coordinates are twips
    const int s = m_cellSide;
    auto square = [&](int left, int top, int side, quint32 colour) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(colourFromValue(colour));
        painter.drawRect(QRect(left, top, side, side));
    };

    const int span = m_n + 2;
    for (int i = 0; i < span; ++i) {
        for (int j = 0; j < span; ++j) {
            const bool ring = i == 0 || j == 0 || i == span - 1 || j == span - 1;
            if (ring) {
                square(kMapLeft + s * j, kMapTop + s * i, s + 20, m_colours[7]);
                continue;
            }
            const int colour = cellColourIndex(i, j);
            const QRect cell(kMapLeft + s * j + 20, kMapTop + s * i + 20, s - 40, s - 40);
            square(cell.left(), cell.top(), cell.width(), m_colours[colour]);
            if (m_numbers && m_state) {
                QFont font = painter.font();
                font.setPixelSize(s / 3);
                painter.setFont(font);
                painter.drawText(cell, Qt::AlignCenter,
                                 QString::number(m_state->ranks[(i - 1) * m_n + j - 1]));
            }
        }
    }
    const int markerInset = (s - kMarkerSide) / 2;
    for (int i = 1; i <= m_n && m_state; ++i) {
        if (m_rowMarkers)
            square(kRowMarkerLeft, kMapTop + s * i + markerInset, kMarkerSide,
                   m_colours[rowMarkerColourIndex(i)]);
        if (m_colMarkers)
            square(kMapLeft + s * i + markerInset, kColMarkerTop, kMarkerSide,
                   m_colours[colMarkerColourIndex(i)]);
    }
}
