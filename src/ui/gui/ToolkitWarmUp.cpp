// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/ToolkitWarmUp.h"
#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>

std::jthread StartToolkitWarmUp() {
    return std::jthread([] {
        QFontDatabase::families();
        // The families that stand in for characters the window's font lacks are looked
        // up once per family and kept for every thread; the font itself is loaded again
        // by the thread that draws with it.
        QFontMetrics(QGuiApplication::font()).horizontalAdvance(QStringLiteral("Kilépés őŐűŰ"));
        // Bytes no image format knows: the reader asks every format module in turn,
        // which loads them all.
        QByteArray unknown("zk");
        QBuffer buffer(&unknown);
        buffer.open(QIODevice::ReadOnly);
        QImageReader(&buffer).canRead();
    });
}
