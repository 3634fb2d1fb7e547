// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/ToolkitWarmUp.h"
#include <QBuffer>
#include <QFontDatabase>
#include <QImageReader>

std::jthread StartToolkitWarmUp() {
    return std::jthread([] {
        QFontDatabase::families();
        // Bytes no image format knows: the reader asks every format module in turn,
        // which loads them all.
        QByteArray unknown("zk");
        QBuffer buffer(&unknown);
        buffer.open(QIODevice::ReadOnly);
        QImageReader(&buffer).canRead();
    });
}
