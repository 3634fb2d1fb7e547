#include "results/gui/ListPrinter.h"
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace {

constexpr int kListPointSize = 10;
// A list page that is slightly too long for the sheet is set a little tighter rather
// than spilling a few lines onto a sheet of their own.
constexpr double kTightestLineStep = 0.85;

qsizetype LongestPage(const ListDocument& document) {
    qsizetype longest = 0;
    for (const QStringList& page : document.pages) longest = std::max(longest, page.size());
    return longest;
}

} // namespace

QFont ListFont() {
    const QString courier = QStringLiteral("Courier New");
    QFont font = QFontDatabase::hasFamily(courier) ? QFont(courier) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(kListPointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

bool PrintListDocument(QPrinter& printer, const ListDocument& document) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QFont font = ListFont();
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF sheet = printer.pageRect(QPrinter::DevicePixel);
    const double height = sheet.height();

    // n lines take the height of one line and n - 1 steps.
    double step = metrics.lineSpacing();
    const qsizetype longest = LongestPage(document);
    if (longest > 1 && metrics.height() + (longest - 1) * step > height) {
        const double fitted = (height - metrics.height()) / double(longest - 1);
        if (fitted >= kTightestLineStep * step) step = fitted;
    }

    // Lines wider than the sheet are set narrower, never cut.
    double widest = 0;
    for (const QStringList& page : document.pages)
        for (const QString& line : page) widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest > sheet.width()) painter.scale(sheet.width() / widest, 1.0);

    bool firstSheet = true;
    const auto newSheet = [&] {
        if (!firstSheet && !printer.newPage()) return false;
        firstSheet = false;
        return true;
    };
    for (const QStringList& page : document.pages) {
        if (!newSheet()) return false;
        double baseline = metrics.ascent();
        for (const QString& line : page) {
            if (baseline + metrics.descent() > height + 0.01) {
                if (!newSheet()) return false;
                baseline = metrics.ascent();
            }
            painter.drawText(QPointF(0, baseline), line);
            baseline += step;
        }
    }
    return painter.end();
}
