// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printed lists on real sheets, read back from the PDF: a full page of the results list
// fits one sheet and every line its width, in each fixed-width font a machine may
// resolve and on each common sheet.
#include "play/GameState.h"
#include "presentation/LanguageFile.h"
#include "results/ResultsList.h"
#include "results/StatisticsList.h"
#include "results/gui/ListPrinter.h"
#include "support/QtPrinting.h"
#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct PdfPage {
    QSizeF size;                  // in points
    QList<QPair<QString, QRectF>> words;

    bool has(const QString& text) const {
        return std::any_of(words.begin(), words.end(), [&](const auto& w) { return w.first == text; });
    }
};

// The words of each page with their boxes, or nothing without pdftotext.
std::optional<QList<PdfPage>> PdfWords(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression item(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.-]+)" yMin="([\d.-]+)" )re"
        R"re(xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    for (const QRegularExpressionMatch& m : item.globalMatch(html)) {
        if (!m.captured(1).isEmpty()) {
            pages.append({QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {}});
        } else if (!pages.isEmpty()) {
            const QPointF topLeft(m.captured(3).toDouble(), m.captured(4).toDouble());
            const QPointF bottomRight(m.captured(5).toDouble(), m.captured(6).toDouble());
            pages.last().words.append({m.captured(7), QRectF(topLeft, bottomRight)});
        }
    }
    return pages;
}

int PdfPageCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

struct Sheet {
    const char* what;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
    QMarginsF millimetres;
};

QString Print(const ListDocument& document, const QFont& font, const Sheet& sheet, const QString& pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(sheet.size));
    printer.setPageOrientation(sheet.orientation);
    printer.setPageMargins(sheet.millimetres, QPageLayout::Millimeter);
    printer.setOutputFileName(pdf);
    EXPECT_TRUE(PrintListDocument(printer, document, font));
    return pdf;
}

// Every word lies inside the printable part of its sheet (points; a little slack for
// the rounding of the boxes).
void ExpectInsideMargins(const QList<PdfPage>& pages, const QMarginsF& millimetres, const std::string& what) {
    const double mm = 72 / 25.4;
    const double slack = 0.5;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const QRectF printable = QRectF(QPointF(0, 0), pages[p].size)
                                     .adjusted(millimetres.left() * mm - slack, millimetres.top() * mm - slack,
                                               -millimetres.right() * mm + slack, -millimetres.bottom() * mm + slack);
        for (const auto& [text, box] : pages[p].words)
            EXPECT_TRUE(printable.contains(box)) << what << ": '" << text << "' on sheet " << p + 1 << " at "
                                                 << box.right() << "," << box.bottom() << " outside "
                                                 << printable.right() << "," << printable.bottom();
    }
}

// The fixed-width fonts tried: the two the project installs, any other common one the
// machine has, and the one the program itself resolves.
QList<QFont> FixedWidthFonts() {
    QList<QFont> fonts;
    const char* required[] = {"DejaVu Sans Mono", "Liberation Mono"};
    for (const char* family : required) {
        QFont font{QString::fromLatin1(family)};
        if (!QFontInfo(font).family().startsWith(font.family()))
            ADD_FAILURE() << family << " is not installed (scripts/install-deps.sh installs it)";
        fonts << font;
    }
    for (const char* family : {"Nimbus Mono PS", "Noto Sans Mono", "FreeMono", "Courier New"})
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) fonts << QFont(QString::fromLatin1(family));
    fonts << ListFont();
    return fonts;
}

} // namespace

TEST(ListPrinter, AFullPageFitsOneSheetAndEveryLineItsWidthInAnyFixedWidthFont) {
    GameState s;
    s.texts.languageName = QStringLiteral("Magyar");
    ApplyLanguage(s, QDir(qEnvironmentVariable("ZK_DATA_DIR")));
    const QStringList& messages = s.texts.messages;

    // 124 rows under the longer header (with its filter line): the first page holds 62
    // rows, the second 62 and the two closing lines, the longest a page can be.
    ResultsListInput input;
    input.filter.stepLimit = QStringLiteral("100");
    for (int i = 1; i <= 124; ++i)
        input.rows << QStringList{QString::number(i), QStringLiteral("Sor%1").arg(i, 3, 10, QLatin1Char('0')), "VR",
                                  "4", "1", QString::fromUtf8("Csík"), "12", "3", "57", "0:03:41", "2024.05.06",
                                  "09:05"};
    const ListDocument results = PrintResultsTable(input, messages, QStringLiteral("2026.03.07"));
    ASSERT_EQ(results.pages.size(), 2);
    ASSERT_EQ(results.pages[1].size(), results.linesPerPage);
    ASSERT_EQ(results.pages[1][results.linesPerPage - 3].size(), kResultsListLineWidth);

    // The statistics: 105-character lines, in landscape.
    StatisticsListInput statisticsInput{QStringList(40, QString(105, QLatin1Char('8'))), messages.value(151),
                                        messages.value(152), QString(), false};
    const ListDocument statistics =
        PrintStatistics(statisticsInput, messages, QStringLiteral("2026.03.07"), ListTarget::Printer);

    const Sheet portrait[] = {
        {"A4, as the list menu sets it up", QPageSize::A4, QPageLayout::Portrait, QMarginsF(7, 10, 7, 10)},
        {"Letter", QPageSize::Letter, QPageLayout::Portrait, QMarginsF(7, 10, 7, 10)},
        {"A5 with wide margins", QPageSize::A5, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15)},
    };
    const Sheet landscape{"A4 landscape", QPageSize::A4, QPageLayout::Landscape, QMarginsF(7, 10, 7, 10)};

    QTemporaryDir dir;
    const QDir out(qEnvironmentVariable("ZK_KEEP_PDF", dir.path()));
    for (const QFont& font : FixedWidthFonts()) {
        const QString family = QFontInfo(font).family();
        for (const Sheet& sheet : portrait) {
            const std::string what = family.toStdString() + ", " + sheet.what;
            const QString pdf = Print(results, font, sheet, out.filePath(family + " " + sheet.what + ".pdf"));
            EXPECT_EQ(PdfPageCount(pdf), 2) << what;
            const std::optional<QList<PdfPage>> pages = PdfWords(pdf);
            if (!pages || pages->size() != 2) continue;
            ExpectInsideMargins(*pages, sheet.millimetres, what);
            EXPECT_TRUE((*pages)[0].has("Sor062")) << what;
            EXPECT_FALSE((*pages)[0].has("Sor063")) << what;
            EXPECT_TRUE((*pages)[1].has("Sor063")) << what;
            EXPECT_TRUE((*pages)[1].has("Sor124")) << what;
            // Each row's last field, at the right end of the longest line, is on the sheet.
            const auto rowEnds = [](const PdfPage& page) {
                return std::count_if(page.words.begin(), page.words.end(), [](const auto& w) { return w.first == "09:05"; });
            };
            EXPECT_EQ(rowEnds((*pages)[0]), 62) << what;
            EXPECT_EQ(rowEnds((*pages)[1]), 62) << what;
        }
        const std::string what = family.toStdString() + ", statistics in landscape";
        const QString pdf = Print(statistics, font, landscape, out.filePath(family + " statistics.pdf"));
        if (const std::optional<QList<PdfPage>> pages = PdfWords(pdf)) ExpectInsideMargins(*pages, landscape.millimetres, what);
    }
}
