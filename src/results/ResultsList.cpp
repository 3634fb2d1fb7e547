// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsList.h"

namespace {

constexpr int kColumnNames = 99;       // + k: the name of grid column k (k = 1..14)
constexpr int kAllSizes = 87;
constexpr int kShuffleValues = 111;    // + 0 unchecked, + 1 checked, + 2 grayed
constexpr int kGapName = 114;
constexpr int kFilterLead = 115;
constexpr int kListEnd = 116;
constexpr int kTitle = 117;
constexpr int kPageNumber = 118;
constexpr int kSortLead = 119;         // + k: the name of result type k in the type line
constexpr int kHeads1 = 129;
constexpr int kHeads2 = 130;
constexpr int kTitleWidth = 52;

QString Fit(const QString& text, int width) { return text.leftJustified(width, QLatin1Char(' '), true); }
QString Blanks(int count) { return QString(std::max(0, count), QLatin1Char(' ')); }

bool IsNumberColumn(int column) {
    return column == 3 || column == 4 || column == 6 || column == 7 || column == 8;
}

int ShuffleValueMessage(ShuffleFilter filter) {
    switch (filter) {
    case ShuffleFilter::NotShuffled: return kShuffleValues;
    case ShuffleFilter::Shuffled: return kShuffleValues + 1;
    case ShuffleFilter::Any: break;
    }
    return kShuffleValues + 2;
}

class ResultsListBuilder {
public:
    ResultsListBuilder(const ResultsListInput& input, const QStringList& messages, const QString& today)
        : m_input(input), m_messages(messages), m_today(today),
          m_filterText(ResultsListFilterText(input.filter, messages)) {}

    ListDocument Build() {
        for (const QStringList& row : m_input.rows) {
            if (++m_lineCounter > kResultsListRowsPerPage - 1) WriteListPageHeader();
            EmitLine(RowLine(row));
        }
        // A list without rows still says what it lists.
        if (m_pageNo == 0) WriteListPageHeader();
        EmitBlankLine();
        EmitLine(message(kListEnd));
        // A full page: the header, every row a page takes, and the two closing lines.
        m_document.linesPerPage = m_headerLines + kResultsListRowsPerPage + 2;
        return std::move(m_document);
    }

private:
    QString message(int no) const { return m_messages.value(no); }
    QString colName(int k) const { return message(kColumnNames + k); }

    void EmitLine(const QString& line) { m_document.pages.last().append(line); }
    void EmitBlankLine() { m_document.pages.last().append(QString()); }

    void WriteListPageHeader() {
        m_document.pages.append(QStringList());
        ++m_pageNo;
        const QString title = message(kTitle);
        EmitLine(title + Blanks(12) +
                 (m_input.pendoly ? QStringLiteral("Pendoly") : Blanks(9)) + Blanks(kTitleWidth - int(title.size())) +
                 m_today + Blanks(5) + message(kPageNumber).replace(QLatin1Char('#'), QString::number(m_pageNo)));
        EmitBlankLine();

        const ResultsListFilter& f = m_input.filter;
        const QString size = f.sizeChoice >= 0 && f.sizeChoice <= 2
                                 ? QStringLiteral("%1 X %1").arg(f.sizeChoice + 4)
                                 : message(kAllSizes);
        EmitLine(message(kSortLead) + QStringLiteral(": ") + colName(f.sortColumn) + QStringLiteral(",  ") +
                 colName(3) + QStringLiteral(": ") + size + QStringLiteral(",  ") + colName(7) +
                 QStringLiteral(": ") + message(ShuffleValueMessage(f.shuffle)));
        EmitBlankLine();

        QString types = colName(2) + QStringLiteral(": ");
        for (int k = 1; k <= 8; ++k)
            if (f.typeChecked[static_cast<size_t>(k)]) types += message(kSortLead + k) + QStringLiteral(", ");
        types.chop(2);
        EmitLine(types);
        if (!m_filterText.isEmpty()) EmitLine(m_filterText);

        EmitLine(message(kHeads1));
        EmitLine(message(kHeads2));
        EmitLine(QString(kResultsListLineWidth, QLatin1Char('-')));
        m_headerLines = static_cast<int>(m_document.pages.last().size());
        m_lineCounter = 0;
    }

    // The cells as the grid shows them; the elapsed time, the date and the time of day
    // each get a blank before them. An elapsed time of ten hours or more is not cut.
    static QString RowLine(const QStringList& cells) {
        const auto cell = [&](int column) { return cells.value(column); };
        return cell(0).rightJustified(4) + Blanks(2) + Fit(cell(1), 26) + Blanks(1) + Fit(cell(2), 2) +
               Blanks(3) + cell(3) + Blanks(2) + cell(4) + Blanks(2) + Fit(cell(5), 10) +
               cell(6).rightJustified(4) + cell(7).rightJustified(4) + cell(8).rightJustified(5) + Blanks(1) +
               cell(9).rightJustified(7) + Blanks(1) + Fit(cell(10), 10) + Blanks(1) + cell(11).left(5);
    }

    const ResultsListInput& m_input;
    const QStringList& m_messages;
    QString m_today;
    QString m_filterText;
    ListDocument m_document;
    int m_pageNo = 0;
    int m_lineCounter = 99;   // the first row starts a page
    int m_headerLines = 0;
};

} // namespace

QString ResultsListFilterText(const ResultsListFilter& f, const QStringList& messages) {
    const auto colName = [&](int k) { return messages.value(kColumnNames + k); };
    QStringList parts;
    if (!f.stepLimit.isEmpty()) parts << colName(8) + QStringLiteral(" < ") + f.stepLimit;
    if (!f.timeLimit.isEmpty()) parts << colName(9) + QStringLiteral(" < ") + f.timeLimit;
    if (f.pick.column > 0)
        parts << colName(f.pick.column) + QStringLiteral(" = ") +
                     (IsNumberColumn(f.pick.column) ? QString::number(f.pick.number) : f.pick.text);
    if (f.gapFilter != 0) parts << messages.value(kGapName) + QStringLiteral(" = ") + f.gapText;
    if (parts.isEmpty()) return {};
    return messages.value(kFilterLead) + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

ListDocument PrintResultsTable(const ResultsListInput& input, const QStringList& messages, const QString& today) {
    return ResultsListBuilder(input, messages, today).Build();
}
