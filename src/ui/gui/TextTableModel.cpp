// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/TextTableModel.h"
#include "ui/Twips.h"
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

void TextTableModel::setColumns(const QStringList& headers, const QList<int>& widthsTwips) {
    beginResetModel();
    m_headers = headers;
    m_widths = widthsTwips;
    endResetModel();
}

void TextTableModel::setRows(const QList<QStringList>& rows) {
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

QString TextTableModel::text(int row, int column) const {
    if (row < 0 || row >= m_rows.size()) return {};
    return m_rows[row].value(column);
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return text(index.row(), index.column());
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return m_headers.value(section);
    return {};
}

void ApplyColumnWidths(QTableView& view, const TextTableModel& model) {
    for (int c = 0; c < model.columnCount(); ++c) {
        const int twips = model.columnWidthTwips(c);
        view.setColumnHidden(c, twips <= 0);
        // A heading longer than its designed column (another language, a larger
        // font) widens the column rather than being cut.
        if (twips > 0)
            view.setColumnWidth(c, std::max(twipsToPixels(twips), view.horizontalHeader()->sectionSizeHint(c)));
    }
}

QTableView* MakeChooserGrid(TextTableModel* model, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(QStringLiteral("mflex"));
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    ApplyColumnWidths(*grid, *model);
    return grid;
}
