// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/gui/ResultsGridModel.h"
#include "results/ResultsBrowser.h"
#include <QBrush>
#include <QColor>

namespace {

const QColor kMarkedRowColour(0xFF, 0xF0, 0xA0);

bool NumberColumn(int column) {
    switch (column) {
    case ResultColumn::RowNo:
    case ResultColumn::Size:
    case ResultColumn::Gaps:
    case ResultColumn::GameNo:
    case ResultColumn::ShuffleNo:
    case ResultColumn::Steps:
    case ResultColumn::Elapsed:
        return true;
    default:
        return false;
    }
}

} // namespace

ResultsGridModel::ResultsGridModel(const ResultsBrowser& browser, QObject* parent)
    : QAbstractTableModel(parent), m_browser(browser) {}

void ResultsGridModel::refresh() {
    if (m_browser.rowsVersion() != m_rowsVersion) {
        beginResetModel();
        m_rowsVersion = m_browser.rowsVersion();
        m_markedRecordNo = m_browser.markedRecordNo();
        endResetModel();
        return;
    }
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ResultColumn::Count - 1);
    if (m_markedRecordNo != m_browser.markedRecordNo() && rowCount() > 0) {
        m_markedRecordNo = m_browser.markedRecordNo();
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ResultColumn::Count - 1), {Qt::BackgroundRole});
    }
}

int ResultsGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_browser.rowCount();
}

int ResultsGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ResultColumn::Count;
}

QVariant ResultsGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_browser.rowCount()) return {};
    switch (role) {
    case Qt::DisplayRole: return m_browser.cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (NumberColumn(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole:
        // The marked row (the one just stored, or the last double-clicked) stands out.
        if (m_browser.isMarkedRow(index.row())) return QBrush(kMarkedRowColour);
        return {};
    case Qt::ForegroundRole:
        if (m_browser.isMarkedRow(index.row())) return QBrush(Qt::black);
        return {};
    default: return {};
    }
}

QVariant ResultsGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return m_browser.headers().value(section);
    if (role == Qt::FontRole && section == m_browser.sortColumn()) {
        QFont bold = m_headerFont;
        bold.setBold(true);
        return bold;
    }
    return {};
}
