// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A read-only table of texts for the game's grids (the choosers of stored games and
// shuffled states, the results browser): one header row, column widths in twips as
// the windows are designed, and a column of width 0 to carry hidden data.
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class QTableView;
class QWidget;

class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Sets the columns: their header texts and widths in twips (0 hides a column).
    void setColumns(const QStringList& headers, const QList<int>& widthsTwips);
    // Replaces all rows; a row shorter than the header reads as blank cells.
    void setRows(const QList<QStringList>& rows);

    QString text(int row, int column) const;
    int columnWidthTwips(int column) const { return m_widths.value(column, 0); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    QList<int> m_widths;
    QList<QStringList> m_rows;
};

// Gives `view`'s columns the model's widths (converted from twips), hiding those of
// width 0; a column is never narrower than its heading.
void ApplyColumnWidths(QTableView& view, const TextTableModel& model);

// A grid of `model` for choosing one of its rows: read-only, whole rows selected one
// at a time, no row headings, the columns at the model's widths.
QTableView* MakeChooserGrid(TextTableModel* model, QWidget* parent);
