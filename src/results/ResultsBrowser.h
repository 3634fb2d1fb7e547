// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results browser `eredmeny`: the results of the current mode in a grid that
// the player filters, sorts, searches by typing, and deletes from. This is the
// window's whole logic; the window shows its control states and its rows, and
// hands every event to the handler of the same name.
//
// Every filter change reloads the file, so the grid always shows the file as it is
// now; the file is decoded again only when it has changed since the last reload.
// The rows are record indices into the decoded table, filtered and sorted as
// numbers; cell texts are made only when the window asks for them.
#include "results/BrowserControls.h"
#include "results/ResultsFile.h"
#include "results/ResultsFilter.h"
#include "results/ResultsList.h"
#include "results/ResultsSort.h"
#include "results/ResultsTable.h"
#include "ui/MessageBox.h"
#include <QDateTime>
#include <QDir>
#include <functional>
#include <utility>
#include <vector>

struct GameState;
struct Platform;

constexpr int kHelpTopicResults = 1;
// The widths of grid columns 0..12 in twips; 0 hides the record number.
inline constexpr std::array<int, ResultColumn::Count> kResultColumnTwips = {
    400, 2420, 360, 400, 300, 970, 430, 450, 500, 680, 940, 570, 0};

// Menu "Eredmények megjelenítése": true when the browser should open (as from the
// menu: no row is marked); otherwise message 2 has been shown (no results yet).
bool er_megj_Click(GameState& s, Platform& platform, const QDir& folder);
// Before the browser opens at all: false, with message 2 shown, when the mode has
// no results file.
bool ResultsFileReady(const GameState& s, Platform& platform, const QDir& folder);

// A result as the run that stored it knows it: the second it was stored at, by which
// the browser marks a new row too.
struct ResultStamp {
    QString date;        // yyyy.mm.dd
    QString timeOfDay;   // hh:mm:ss
    bool operator==(const ResultStamp&) const = default;
};

class ResultsBrowser {
public:
    struct Hooks {
        std::function<void(int helpTopic)> help;
        std::function<void(bool busy)> busy;   // around a rewrite of the file
    };

    ResultsBrowser(GameState& s, Platform& platform, const QDir& folder);
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // Sets up the controls for the current game and loads the grid. Opened after a
    // result was stored (storedTime set), it sorts by steps and marks the new row.
    void Form_Load();

    // Filters and sort options.
    void tip_Click(int index, bool checked);
    void szur_Click(int index);
    void kev_Click();
    void nevsz_Click(bool checked);
    void lpsz_Validate(const QString& text);
    void parkc_LostFocus(const QString& text);
    void elhid_GotFocus();
    // False when the text is refused: the focus stays in the box.
    bool elhid_Validate(const QString& text);
    void rend_Click(int index);
    void toggleNevsz() { nevsz_Click(!m_controls.nevsz.checked); }   // F5

    // The grid.
    void mflex_HeaderClick(int column);
    void mflex_KeyPress(QChar typed);
    void mflex_DblClick();
    void mflex_GotFocus();
    // The current cell as the player moved it (row -1: no data row).
    void setCurrentCell(int row, int column);
    void aktsor_Click();

    // Menus and buttons.
    void akttor_Click();
    void sortor_Click();
    void dattor_Click();
    void ossztor_Click();
    void rendben_Click();
    void doknez_Click();

    // What the window shows.
    const BrowserControls& controls() const { return m_controls; }
    BrowserControls& controls() { return m_controls; }   // text boxes as typed
    ShuffleFilter kevState() const { return m_filter.shuffled; }
    const QString& windowTitle() const { return m_title; }
    const QStringList& headers() const { return m_headers; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The text of a cell of the grid (columns 0..12), made when asked for.
    QString cellText(int row, int column) const;
    int recordNoOfRow(int row) const { return static_cast<int>(m_rows[static_cast<std::size_t>(row)]) + 1; }
    ResultStamp stampOfRow(int row) const;
    int sortColumn() const { return m_sortColumn; }
    bool descending() const { return m_descending; }
    int currentRow() const { return m_currentRow; }
    int currentColumn() const { return m_currentColumn; }
    // A row the window should scroll to the top, once.
    std::optional<int> takeTopRowRequest() { return std::exchange(m_topRowRequest, std::nullopt); }
    bool isMarkedRow(int row) const { return m_markedRecordNo > 0 && recordNoOfRow(row) == m_markedRecordNo; }
    int markedRecordNo() const { return m_markedRecordNo; }
    // Counts changes of the rows or their order: the window's model resets on a change.
    quint64 rowsVersion() const { return m_rowsVersion; }
    bool closeRequested() const { return m_closeRequested; }
    bool reloadAllowed() const { return m_reloadAllowed; }
    bool fileDamaged() const { return m_damaged; }

    const ResultsFilter& filter() const { return m_filter; }
    // The filters and the sort as the controls show them, for the list's header.
    ResultsListFilter listFilters() const;
    // What the results list prints: the rows shown, in their order, and the filters.
    ResultsListInput listInput() const;
    // The results list of what is shown, dated `today` (yyyy.mm.dd).
    ListDocument resultsList(const QString& today) const;

private:
    void LoadResultsGrid();
    void SortResultsGrid();
    void ReadFileIfChanged();
    void FindStoredRow();
    void ShowSortCaption();
    void SelectRendFor(int column);
    int RowOfRecord(int recordNo) const;
    void Close();
    // The rewrite of a deletion, told to the player when it cannot be done. True
    // when the file changed.
    bool Rewrite(const RewriteRequest& request);
    bool RefusedAsDamaged();
    void OfferToKeepReadableRecords();
    void Tell(const QString& text, MsgIcon icon);
    void AfterDeletion();
    QString Caption(int no) const;

    GameState& m_s;
    Platform& m_platform;
    QDir m_folder;
    Hooks m_hooks;
    BrowserControls m_controls;
    QString m_title;
    QStringList m_headers;

    // The file as last read.
    ResultsTable m_table;
    ResultsScan m_read;      // how the last reading went
    bool m_damaged = false;  // damaged, cut off at its end, or not readable at all
    struct Stamp {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    std::optional<Stamp> m_readStamp;

    ResultsFilter m_filter;
    ResultsSorter m_sorter;
    std::vector<std::uint32_t> m_rows;   // record indices, in shown order
    quint64 m_rowsVersion = 0;
    int m_sortColumn = ResultColumn::Name;
    bool m_descending = false;
    int m_currentRow = -1;
    int m_currentColumn = ResultColumn::Name;
    std::optional<int> m_topRowRequest;
    int m_markedRecordNo = 0;
    int m_currentRecordNo = 0;   // the row just stored, shown when the grid gets the focus
    bool m_gridActivated = false;
    bool m_reloadAllowed = false;
    bool m_closeRequested = false;
};
