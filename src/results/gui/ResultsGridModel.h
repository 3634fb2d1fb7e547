// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rows of the results browser for a QTableView. It holds no data of its own:
// each cell's text is asked from the browser when the view paints it, so a million
// rows cost nothing until they are scrolled into sight.
#include <QAbstractTableModel>
#include <QFont>

class ResultsBrowser;

class ResultsGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultsGridModel(const ResultsBrowser& browser, QObject* parent = nullptr);

    // Shows what the browser holds now: a reset when its rows changed, otherwise
    // only the header (the bold sort column) and the marked row's looks.
    void refresh();
    // The font of the header, of which the sort column's cell takes a bold copy.
    void setHeaderFont(const QFont& font) { m_headerFont = font; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ResultsBrowser& m_browser;
    quint64 m_rowsVersion = ~quint64{0};
    int m_markedRecordNo = 0;
    QFont m_headerFont;
};
