// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/gui/ListPrinter.h"
#include "ui/gui/PrintModule.h"
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

constexpr double kListPointSize = 10;
// Below this a list would be unreadable: on a sheet that small it runs on to more sheets.
constexpr double kSmallestPointSize = 4;

double WidestLine(const ListDocument& document, const QFontMetricsF& metrics) {
    double widest = 0;
    for (const QStringList& page : document.pages)
        for (const QString& line : page) widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// n lines take the height of one line and n - 1 line steps.
double PageHeight(int lines, const QFontMetricsF& metrics) {
    return lines > 0 ? metrics.height() + (lines - 1) * metrics.lineSpacing() : 0;
}

} // namespace

QFont ListFont() {
    const QString courier = QStringLiteral("Courier New");
    QFont font = QFontDatabase::hasFamily(courier) ? QFont(courier) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(kListPointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QFont FittedListFont(QFont font, const ListDocument& document, const QSizeF& sheet, const QPaintDevice* device) {
    font.setPointSizeF(kListPointSize);
    if (sheet.isEmpty()) return font;
    // Every measure of a font grows with its size, nearly in proportion: shrink by the
    // tighter of the two ratios, and again while the rounding of a size still overflows.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QFontMetricsF metrics(font, device);
        const double width = WidestLine(document, metrics);
        const double height = PageHeight(document.linesPerPage, metrics);
        double ratio = 1;
        if (width > sheet.width()) ratio = std::min(ratio, sheet.width() / width);
        if (height > sheet.height()) ratio = std::min(ratio, sheet.height() / height);
        if (ratio >= 1) break;
        const double size = std::max(kSmallestPointSize, font.pointSizeF() * ratio * 0.998);
        if (size >= font.pointSizeF()) break;
        font.setPointSizeF(size);
    }
    return font;
}

bool PrintListDocument(QPagedPaintDevice& sheets, const ListDocument& document, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&sheets)) return false;
    const QSizeF sheet = SheetSize(sheets);
    painter.setFont(FittedListFont(font, document, sheet, &sheets));
    const QFontMetricsF metrics(painter.font(), painter.device());

    bool firstSheet = true;
    const auto newSheet = [&] {
        if (!firstSheet && !sheets.newPage()) return false;
        firstSheet = false;
        return true;
    };
    for (const QStringList& page : document.pages) {
        if (!newSheet()) return false;
        double baseline = metrics.ascent();
        for (const QString& line : page) {
            // A list without pages of its own runs on to the next sheet.
            if (baseline + metrics.descent() > sheet.height() + 0.01) {
                if (!newSheet()) return false;
                baseline = metrics.ascent();
            }
            painter.drawText(QPointF(0, baseline), line);
            baseline += metrics.lineSpacing();
        }
    }
    return painter.end();
}
