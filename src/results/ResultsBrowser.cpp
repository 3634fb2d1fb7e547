// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsBrowser.h"
#include "files/FileLimits.h"
#include "files/SideFile.h"
#include "play/FileProblems.h"
#include "play/GameState.h"
#include "play/Messages.h"
#include "play/OwnTexts.h"
#include "results/ResultType.h"
#include "results/ResultsRepair.h"
#include <QDate>
#include <QFileInfo>

namespace {

// Language-table entries of the browser.
constexpr int kMsgNoResults = 2;
constexpr int kMsgDamaged = 30;
constexpr int kMsgClose = 33;
constexpr int kMsgSortFrame = 80;
constexpr int kMsgDescending = 81;
constexpr int kMsgFilterFrame = 86;
constexpr int kMsgAllSizes = 87;
constexpr int kMsgRowCount = 96;
constexpr int kMsgGoToNewRow = 97;
constexpr int kMsgGoToMarkedRow = 98;
constexpr int kMsgHeaders = 99;   // also the base of the column names 99 + column
constexpr int kMsgMarkedRowFilteredOut = 132;
constexpr int kMsgDeleteRow = 133;
constexpr int kMsgBadDate = 134;
constexpr int kMsgDeleteUpToDate = 135;
constexpr int kMsgDeleteAllWarning = 136;
constexpr int kMsgDeleteAll = 137;
constexpr int kMsgDeleteShown = 138;
constexpr int kMsgAskDate = 139;

const QString kDeleteAllTitle = QStringLiteral("Összes eredmény törlésére");

// The window's design captions, shown while no language file supplies them.
const char* DesignCaption(int no) {
    switch (no) {
    case 33: return "Rendben";
    case 71: return "Adatok törlése";
    case 72: return "Az aktuális sor törlése";
    case 73: return "A táblázatban levő sorok törlése";
    case 74: return "Adott dátumnál régebbi adatok törlése";
    case 75: return "Az összes tárolt eredmény adat törlése";
    case 76: return "Táblázat nyomtatása";
    case 77: return "Nyomtatóra";
    case 78: return "Szöveges állományba";
    case 79: return "Segítség";
    case 80: return "Rendezés  ";
    case 81: return "(csökkenő)";
    case 82: return "Név";
    case 83: return "Lépések száma";
    case 84: return "Elhasznált idő";
    case 85: return "Nincs  (időrend)";
    case 86: return "Szűrés";
    case 87: return "Mind";
    case 88: return "Véletlen  R:";
    case 89: return "Átlós       R:";
    case 90: return "Minta szerint";
    case 91: return "Tárolt";
    case 92: return "Számsor  R:";
    case 93: return "Akt. adat (F5)";
    case 94: return "Kevert áll.";
    case 95: return "Üres helyek:";
    case 96: return "eredmény";
    case 97: return "Akt.sorra";
    case 98: return "Jelölt sorra";
    case 99: return "Ssz;Játékos neve;Típ;Mér;Üh;Tárolt játék;Tsz;Ksz;Lépés;Idő;Dátum;Időp";
    default: return "";
    }
}

// The sort column of each sort option rend(0..3).
constexpr std::array<int, 4> kRendColumns = {ResultColumn::Name, ResultColumn::Steps, ResultColumn::Elapsed,
                                             ResultColumn::RecordNo};

// Type-ahead works in the text columns.
bool TypeAheadColumn(int column) {
    return column == ResultColumn::Name || column == ResultColumn::Type || column == ResultColumn::GameName;
}

// A date the calendar has, written yyyy.mm.dd.
bool IsCalendarDate(const QString& text) {
    const std::uint32_t packed = PackDate(text);
    return packed != kOddText &&
           QDate(static_cast<int>(packed / 10000), static_cast<int>(packed / 100 % 100), static_cast<int>(packed % 100))
               .isValid();
}

// The elapsed time as h:mm:ss, hours without a leading zero; a text that is not a
// time stays as it is.
QString TrueTimeText(const ResultsTable& table, std::size_t record) {
    const std::uint32_t v = table.row(record).elapsed;
    if (v == kOddText) return table.elapsedText(record);
    return QString::number(v / 10000) + table.elapsedText(record).mid(2);
}

QString NumberOrEmpty(int n) { return n == 0 ? QString() : QString::number(n); }

} // namespace

bool ResultsFileReady(const GameState& s, Platform& platform, const QDir& folder) {
    if (QFileInfo::exists(folder.filePath(s.resultsFile))) return true;
    ShowMessage(s, platform, kMsgNoResults, MsgIcon::Information);
    return false;
}

bool er_megj_Click(GameState& s, Platform& platform, const QDir& folder) {
    if (!ResultsFileReady(s, platform, folder)) return false;
    s.storing.storedDate.clear();
    s.storing.storedTime.clear();
    DetermineResultType(s);
    return true;
}

ResultsBrowser::ResultsBrowser(GameState& s, Platform& platform, const QDir& folder)
    : m_s(s), m_platform(platform), m_folder(folder) {}

QString ResultsBrowser::Caption(int no) const {
    const QString text = m_s.texts.messages.value(no);
    return text.isEmpty() ? QString::fromUtf8(DesignCaption(no)) : text;
}

void ResultsBrowser::Form_Load() {
    BrowserControls& c = m_controls;
    m_title = m_s.panel.er_megj.caption + (m_s.pendolyMode ? QStringLiteral(" - Pendoly") : QString());
    c.rker.caption = Caption(kMsgSortFrame);
    for (int i = 0; i < 4; ++i) c.rend[static_cast<std::size_t>(i)].caption = Caption(82 + i);
    c.szker.caption = Caption(kMsgFilterFrame);
    c.Label1.caption = Caption(88);
    c.Label8.caption = Caption(89);
    c.Label2.caption = Caption(90);
    c.Label3.caption = Caption(91);
    c.Label9.caption = Caption(92);
    c.szur = {};
    c.szur[0].caption = QStringLiteral("4 X 4");
    c.szur[1].caption = QStringLiteral("5 X 5");
    c.szur[2].caption = QStringLiteral("6 X 6");
    c.szur[3].caption = Caption(kMsgAllSizes);
    c.Label7.caption = Caption(95);
    c.Label5.caption = Caption(83) + QStringLiteral(" <");
    c.Label6.caption = Caption(84) + QStringLiteral(" <");
    c.kev.caption = Caption(94);
    c.nevsz.caption = Caption(93);
    c.aktsor.caption = Caption(kMsgGoToNewRow);
    c.aktsor.visible = false;
    c.rendben.caption = Caption(kMsgClose);
    c.torles.caption = Caption(71);
    c.akttor.caption = Caption(72);
    c.sortor.caption = Caption(73);
    c.dattor.caption = Caption(74);
    c.ossztor.caption = Caption(75);
    c.lista.caption = Caption(76);
    c.ls_pr.caption = Caption(77);
    c.ls_fl.caption = Caption(78);
    c.doknez.caption = Caption(79);
    m_headers = Caption(kMsgHeaders).split(u';');
    while (m_headers.size() > 12) m_headers[11] += u';' + m_headers.takeAt(12);   // the last part runs to the end
    while (m_headers.size() < 12) m_headers.append(QString());
    m_headers.append(QString());   // the hidden record number

    m_gridActivated = false;
    m_currentRecordNo = 0;
    m_reloadAllowed = false;
    m_filter = ResultsFilter{};
    m_filter.typeNames = m_s.texts.typeNames;
    m_filter.shuffled = ShuffleFilter::Any;

    const int size = m_s.N();
    const int sizeOption = size >= 4 && size <= 6 ? size - 4 : 3;
    szur_Click(sizeOption);
    if (m_s.storing.resultTypeIndex >= 1 && m_s.storing.resultTypeIndex <= 8) tip_Click(m_s.storing.resultTypeIndex, true);

    // From the menu by name; after storing by steps, with the game's gap count.
    const bool afterStoring = !m_s.storing.storedTime.isEmpty();
    if (afterStoring && m_s.gapCount > 0) parkc_LostFocus(QString::number(m_s.gapCount));
    m_sortColumn = afterStoring ? ResultColumn::Steps : ResultColumn::Name;
    SelectRendFor(m_sortColumn);

    // A game from a stored shuffled state shows the results of that state.
    if (m_s.shuffleNo > 0) {
        m_filter.pick = {ResultColumn::ShuffleNo, QString(), m_s.shuffleNo};
        c.nevsz.checked = true;
        c.szker.caption = Caption(kMsgFilterFrame) + QStringLiteral(":  ") + Caption(kMsgHeaders + ResultColumn::ShuffleNo) +
                          QStringLiteral(" = ") + QString::number(m_s.shuffleNo);
    }

    m_descending = false;
    m_reloadAllowed = true;
    LoadResultsGrid();
}

void ResultsBrowser::ReadFileIfChanged() {
    const QFileInfo info(m_folder.filePath(m_s.resultsFile));
    const Stamp now{info.exists(), info.size(), info.lastModified()};
    if (m_readStamp && *m_readStamp == now) return;
    m_read = m_table.Load(info.filePath());
    // A cut-off end is a fault too: the records are all there, but nothing may follow it.
    m_damaged = m_read.damaged || m_read.tailCut;
    m_readStamp = now;
}

void ResultsBrowser::LoadResultsGrid() {
    if (!m_reloadAllowed) return;
    ReadFileIfChanged();
    FilterResultRows(m_table, m_filter, m_rows);
    FindStoredRow();
    m_controls.Label4.caption = QString::number(rowCount()) + u' ' + Caption(kMsgRowCount);
    m_currentColumn = m_sortColumn;
    SortResultsGrid();
    // The grid takes the focus back after a reload, and with it shows any damage.
    if (m_gridActivated) mflex_GotFocus();
}

// The row just stored: the last one shown with the stored date and time of day.
void ResultsBrowser::FindStoredRow() {
    if (m_s.storing.storedDate.isEmpty()) return;
    const std::uint32_t date = PackDate(m_s.storing.storedDate);
    const std::uint32_t time = PackTime(m_s.storing.storedTime);
    if (date == kOddText || time == kOddText) return;   // the game stores neither so
    for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it) {
        if (m_table.row(*it).date != date || m_table.row(*it).timeOfDay != time) continue;
        m_s.storing.storedDate.clear();
        m_currentRecordNo = m_markedRecordNo = static_cast<int>(*it) + 1;
        m_controls.aktsor.visible = true;
        return;
    }
}

void ResultsBrowser::SortResultsGrid() {
    if (!m_reloadAllowed) return;
    const int column = m_currentColumn;
    m_sorter.Sort(m_table, m_rows, column, m_descending, m_filter.typeNames);
    m_sortColumn = column;
    if (m_sortColumn >= ResultColumn::RecordNo) m_currentColumn = ResultColumn::Name;
    ++m_rowsVersion;
    if (!m_rows.empty()) {
        m_currentRow = 0;
        m_topRowRequest = 0;
    } else {
        m_currentRow = -1;
    }
}

void ResultsBrowser::ShowSortCaption() {
    m_controls.rker.caption = Caption(kMsgSortFrame);
    if (m_descending) m_controls.rker.caption += u' ' + Caption(kMsgDescending);
}

void ResultsBrowser::SelectRendFor(int column) {
    for (std::size_t i = 0; i < kRendColumns.size(); ++i) m_controls.rend[i].checked = kRendColumns[i] == column;
}

void ResultsBrowser::rend_Click(int index) {
    if (index < 0 || index > 3) return;
    SelectRendFor(kRendColumns[static_cast<std::size_t>(index)]);
    m_descending = false;
    ShowSortCaption();
    m_currentColumn = kRendColumns[static_cast<std::size_t>(index)];
    SortResultsGrid();
}

void ResultsBrowser::mflex_HeaderClick(int column) {
    if (!m_reloadAllowed || column <= ResultColumn::RowNo || column >= ResultColumn::RecordNo) return;
    // The same header again turns the order round; another one sorts ascending.
    m_descending = column == m_sortColumn ? !m_descending : false;
    ShowSortCaption();
    m_currentColumn = column;
    SortResultsGrid();
    SelectRendFor(column);
}

void ResultsBrowser::tip_Click(int index, bool checked) {
    if (index < 1 || index > 8) return;
    m_controls.tip[static_cast<std::size_t>(index)].checked = checked;
    m_filter.types[static_cast<std::size_t>(index)] = checked;
    LoadResultsGrid();
}

void ResultsBrowser::szur_Click(int index) {
    if (index < 0 || index > 3) return;
    for (int i = 0; i < 4; ++i) m_controls.szur[static_cast<std::size_t>(i)].checked = i == index;
    m_filter.boardSize = index == 3 ? 0 : index + 4;
    LoadResultsGrid();
}

void ResultsBrowser::kev_Click() {
    // Each click: checked, then grayed, then unchecked, then checked again.
    switch (m_filter.shuffled) {
    case ShuffleFilter::Shuffled: m_filter.shuffled = ShuffleFilter::Any; break;
    case ShuffleFilter::Any: m_filter.shuffled = ShuffleFilter::NotShuffled; break;
    case ShuffleFilter::NotShuffled: m_filter.shuffled = ShuffleFilter::Shuffled; break;
    }
    m_controls.kev.checked = m_filter.shuffled == ShuffleFilter::Shuffled;
    LoadResultsGrid();
}

void ResultsBrowser::nevsz_Click(bool checked) {
    m_controls.nevsz.checked = checked;
    const bool cellPicked = m_currentRow >= 0 && m_currentColumn > ResultColumn::RowNo &&
                            m_currentColumn < ResultColumn::RecordNo;
    if (!checked || !cellPicked) {
        m_controls.nevsz.checked = false;
        m_filter.pick = {};
        m_controls.szker.caption = Caption(kMsgFilterFrame);
        LoadResultsGrid();
        return;
    }
    const QString cell = cellText(m_currentRow, m_currentColumn);
    m_filter.pick = PickFromCell(m_table, m_rows[static_cast<std::size_t>(m_currentRow)], m_currentColumn, cell);
    m_controls.szker.caption = Caption(kMsgFilterFrame) + QStringLiteral(":  ") +
                               Caption(kMsgHeaders + m_currentColumn) + QStringLiteral(" = ") + cell;
    LoadResultsGrid();
}

void ResultsBrowser::lpsz_Validate(const QString& text) {
    const int value = LeadingNumber(text);
    m_controls.lpsz.caption = value == 0 ? QString() : QString::number(value);
    m_filter.stepsBelow = value == 0 ? std::nullopt : std::optional<int>(value);
    LoadResultsGrid();
}

void ResultsBrowser::parkc_LostFocus(const QString& text) {
    const int value = LeadingNumber(text);
    m_controls.parkc.caption = value == 0 ? QString() : QString::number(value);
    const std::optional<int> gaps = value == 0 ? std::nullopt : std::optional<int>(value);
    if (gaps == m_filter.gaps) return;
    m_filter.gaps = gaps;
    LoadResultsGrid();
}

void ResultsBrowser::elhid_GotFocus() {
    if (m_controls.elhid.caption.isEmpty()) m_controls.elhid.caption = QStringLiteral("00:00:00");
}

bool ResultsBrowser::elhid_Validate(const QString& text) {
    m_controls.elhid.caption = text;
    if (!TimeLimitAccepted(text)) return false;
    m_filter.elapsedBelow = TimeLimitSeconds(text);
    if (!m_filter.elapsedBelow) m_controls.elhid.caption.clear();
    LoadResultsGrid();
    return true;
}

QString ResultsBrowser::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    const std::size_t i = m_rows[static_cast<std::size_t>(row)];
    const ResultRow& r = m_table.row(i);
    switch (column) {
    case ResultColumn::RowNo: return QString::number(row + 1);
    case ResultColumn::Name: return m_table.name(i);
    case ResultColumn::Type: return m_filter.typeNames[r.typeIndex];
    case ResultColumn::Size: return QString::number(r.boardSize);
    case ResultColumn::Gaps: return QString::number(r.gapCount);
    case ResultColumn::GameName: return m_table.storedGameName(i);
    case ResultColumn::GameNo: return NumberOrEmpty(r.storedGameNo);
    case ResultColumn::ShuffleNo: return NumberOrEmpty(r.shuffleNo);
    case ResultColumn::Steps: return QString::number(r.steps);
    case ResultColumn::Elapsed: return TrueTimeText(m_table, i);
    case ResultColumn::Date: return m_table.dateText(i);
    case ResultColumn::TimeOfDay: return m_table.timeText(i).left(5);
    case ResultColumn::RecordNo: return QString::number(i + 1);
    default: return {};
    }
}

void ResultsBrowser::setCurrentCell(int row, int column) {
    m_currentRow = row >= 0 && row < rowCount() ? row : -1;
    if (column >= 0 && column < ResultColumn::RecordNo) m_currentColumn = column;
}

void ResultsBrowser::mflex_KeyPress(QChar typed) {
    if (!TypeAheadColumn(m_sortColumn) || !typed.isLetterOrNumber() || m_rows.empty()) return;
    const QChar twin = typed.isUpper() ? typed.toLower() : typed.toUpper();
    const auto begins = [&](int row) {
        const std::size_t i = m_rows[static_cast<std::size_t>(row)];
        const ResultRow& r = m_table.row(i);
        const QString& text = m_sortColumn == ResultColumn::Name      ? m_table.text(r.name)
                              : m_sortColumn == ResultColumn::GameName ? m_table.text(r.gameName)
                                                                       : m_filter.typeNames[r.typeIndex];
        return !text.isEmpty() && (text.front() == typed || text.front() == twin);
    };
    int start = std::max(m_currentRow, 0);
    if (m_currentRow >= 0 && begins(m_currentRow)) ++start;
    // Downwards from the current row, then once more from the top.
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = pass == 0 ? start : 0; row < rowCount(); ++row) {
            if (!begins(row)) continue;
            m_currentRow = row;
            m_currentColumn = m_sortColumn;
            m_topRowRequest = row;
            return;
        }
    }
}

void ResultsBrowser::mflex_DblClick() {
    if (m_currentRow < 0) return;
    m_markedRecordNo = recordNoOfRow(m_currentRow);
    m_controls.aktsor.caption = Caption(kMsgGoToMarkedRow);
    m_controls.aktsor.visible = true;
}

int ResultsBrowser::RowOfRecord(int recordNo) const {
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        if (static_cast<int>(m_rows[row]) + 1 == recordNo) return static_cast<int>(row);
    return -1;
}

void ResultsBrowser::mflex_GotFocus() {
    if (m_closeRequested) return;
    if (m_damaged) {
        OfferToKeepReadableRecords();
        if (m_closeRequested || m_damaged) return;
    }
    m_gridActivated = true;
    if (m_currentRecordNo > 0) {
        const int row = RowOfRecord(m_currentRecordNo);
        if (row >= 0) {
            m_currentRow = row;
            m_topRowRequest = row;
        }
        m_currentColumn = ResultColumn::Name;
        m_currentRecordNo = 0;
    }
}

void ResultsBrowser::aktsor_Click() {
    const int row = RowOfRecord(m_markedRecordNo);
    if (row < 0) {
        ShowMessage(m_s, m_platform, kMsgMarkedRowFilteredOut, MsgIcon::Information);
    } else {
        m_currentRow = row;
        m_topRowRequest = row;
    }
    m_currentColumn = ResultColumn::Name;
}

void ResultsBrowser::Tell(const QString& text, MsgIcon icon) {
    MessageRequest request;
    request.text = text;
    request.icon = icon;
    m_platform.messageBox.show(request);
}

// Damage is never mended unasked. The player may keep the records before it and have
// the rest of the file moved into a side file; otherwise the window closes and the file
// stays as it is.
void ResultsBrowser::OfferToKeepReadableRecords() {
    const QString path = m_folder.filePath(m_s.resultsFile);
    if (m_read.access != FileAccess::Ok) {
        Tell(FileNotReadText(m_read.access, m_s.resultsFile, FileLimit::Results, m_s.texts), MsgIcon::Critical);
        Close();
        return;
    }
    const QDateTime now = m_platform.clock.now();
    MessageRequest ask;
    ask.text = OwnTextIn(OwnText::ResultsSplitQuestion, m_s.texts)
                   .arg(m_s.resultsFile, QString::number(m_read.records),
                        QString::number(m_read.fileSize - m_read.recordsEnd),
                        QDir::toNativeSeparators(SideFileName(path, now)));
    ask.icon = MsgIcon::Critical;
    ask.buttons = MsgButtons::YesNo;
    if (m_platform.messageBox.show(ask) != MsgAnswer::Yes) {
        Close();
        return;
    }
    const RepairOutcome split = SplitDamagedResults(path, now);
    m_readStamp.reset();
    if (split.status != RepairStatus::Repaired) {
        Tell(OwnTextIn(OwnText::ResultsNotRewritten, m_s.texts).arg(m_s.resultsFile), MsgIcon::Critical);
        Close();
        return;
    }
    Tell(OwnTextIn(OwnText::ResultsSplitDone, m_s.texts)
             .arg(m_s.resultsFile, QDir::toNativeSeparators(split.sideFile)),
         MsgIcon::Information);
    AfterDeletion();
}

// A file read up to damage is never rewritten: the records behind the damage would
// be lost with the rest.
bool ResultsBrowser::RefusedAsDamaged() {
    if (!m_damaged) return false;
    if (m_read.access != FileAccess::Ok)
        Tell(FileNotReadText(m_read.access, m_s.resultsFile, FileLimit::Results, m_s.texts), MsgIcon::Critical);
    else
        ShowMessage(m_s, m_platform, kMsgDamaged, MsgIcon::Critical);
    return true;
}

bool ResultsBrowser::Rewrite(const RewriteRequest& request) {
    if (m_hooks.busy) m_hooks.busy(true);
    const RewriteOutcome outcome = RewriteResults(m_folder, m_s.resultsFile, request, m_platform.random);
    if (m_hooks.busy) m_hooks.busy(false);
    m_readStamp.reset();   // read it again, whatever happened
    switch (outcome.status) {
    case RewriteStatus::Rewritten:
    case RewriteStatus::NoRecordKept:
        return true;
    case RewriteStatus::Missing:
        ShowMessage(m_s, m_platform, kMsgNoResults, MsgIcon::Information);
        Close();
        return false;
    case RewriteStatus::Damaged:
        ShowMessage(m_s, m_platform, kMsgDamaged, MsgIcon::Critical);
        return false;
    case RewriteStatus::Unreadable:
        Tell(FileNotReadText(FileAccess::Unreadable, m_s.resultsFile, FileLimit::Results, m_s.texts),
             MsgIcon::Critical);
        return false;
    case RewriteStatus::WriteFailed: {
        MessageRequest failed;
        failed.text = OwnTextIn(OwnText::ResultsNotRewritten, m_s.texts).arg(m_s.resultsFile);
        failed.icon = MsgIcon::Critical;
        m_platform.messageBox.show(failed);
        return false;
    }
    }
    return false;
}

// After a deletion the grid shows the file as it is now; with nothing left to show,
// the browser closes.
void ResultsBrowser::AfterDeletion() {
    if (!QFileInfo::exists(m_folder.filePath(m_s.resultsFile))) {
        Close();
        return;
    }
    LoadResultsGrid();
    if (m_rows.empty()) Close();
}

void ResultsBrowser::akttor_Click() {
    if (m_currentRow < 0 || RefusedAsDamaged()) return;
    const QString name = cellText(m_currentRow, ResultColumn::Name);
    if (!Confirmed(ShowMessage(m_s, m_platform, kMsgDeleteRow, MsgIcon::Question, MsgButtons::YesNo,
                               u' ' + name)))
        return;
    RewriteRequest request;
    request.mode = RewriteMode::DeleteOne;
    request.recordNo = recordNoOfRow(m_currentRow);
    if (Rewrite(request)) AfterDeletion();
}

void ResultsBrowser::sortor_Click() {
    if (m_rows.empty() || RefusedAsDamaged()) return;
    MessageRequest ask;
    ask.messageNo = kMsgDeleteShown;
    ask.text = m_s.texts.messages.value(kMsgDeleteShown).replace(u'#', QString::number(rowCount()));
    ask.icon = MsgIcon::Question;
    ask.buttons = MsgButtons::YesNo;
    if (!Confirmed(m_platform.messageBox.show(ask))) return;
    RewriteRequest request;
    request.mode = RewriteMode::DeleteFiltered;
    request.passesFilter = [filter = m_filter](const ResultRecord& r) { return RecordPassesFilter(filter, r); };
    if (Rewrite(request)) Close();
}

void ResultsBrowser::dattor_Click() {
    if (RefusedAsDamaged()) return;
    QString date;
    for (;;) {
        date = m_platform.inputBox.ask(m_s.texts.messages.value(kMsgAskDate), m_title).trimmed();
        if (date.isEmpty()) return;
        if (IsCalendarDate(date)) break;
        ShowMessage(m_s, m_platform, kMsgBadDate, MsgIcon::Information);
    }
    MessageRequest ask;
    ask.messageNo = kMsgDeleteUpToDate;
    ask.text = m_s.texts.messages.value(kMsgDeleteUpToDate).replace(u'#', date);
    ask.icon = MsgIcon::Question;
    ask.buttons = MsgButtons::YesNo;
    if (!Confirmed(m_platform.messageBox.show(ask))) return;
    RewriteRequest request;
    request.mode = RewriteMode::DeleteFilteredUpToDate;
    request.cutOffDate = date;
    request.passesFilter = [filter = m_filter](const ResultRecord& r) { return RecordPassesFilter(filter, r); };
    if (Rewrite(request)) AfterDeletion();
}

void ResultsBrowser::ossztor_Click() {
    if (m_damaged && m_read.access != FileAccess::Ok) {
        RefusedAsDamaged();
        return;
    }
    MessageRequest warn;
    warn.messageNo = kMsgDeleteAllWarning;
    warn.text = m_s.texts.messages.value(kMsgDeleteAllWarning);
    warn.icon = MsgIcon::Critical;
    warn.title = kDeleteAllTitle;
    m_platform.messageBox.show(warn);
    if (!Confirmed(ShowMessage(m_s, m_platform, kMsgDeleteAll, MsgIcon::Question, MsgButtons::YesNo))) return;
    if (m_damaged && m_read.access == FileAccess::Ok) {
        // The damaged file goes as a whole into a side file: no byte of it is lost.
        const QString kept = MoveResultsAside(m_folder.filePath(m_s.resultsFile), m_platform.clock.now());
        m_readStamp.reset();
        if (kept.isEmpty()) {
            Tell(OwnTextIn(OwnText::ResultsNotRewritten, m_s.texts).arg(m_s.resultsFile), MsgIcon::Critical);
            return;
        }
        Tell(OwnTextIn(OwnText::ResultsDamagedKept, m_s.texts).arg(QDir::toNativeSeparators(kept)),
             MsgIcon::Information);
        Close();
        return;
    }
    // Through the rewrite, so that a damaged file is refused like every other deletion.
    RewriteRequest request;
    request.mode = RewriteMode::DeleteFiltered;
    request.passesFilter = [](const ResultRecord&) { return true; };
    if (Rewrite(request)) Close();
}

ResultStamp ResultsBrowser::stampOfRow(int row) const {
    const std::size_t i = m_rows[static_cast<std::size_t>(row)];
    return {m_table.dateText(i), m_table.timeText(i)};
}

void ResultsBrowser::rendben_Click() { Close(); }

void ResultsBrowser::Close() {
    m_reloadAllowed = false;
    m_closeRequested = true;
}

void ResultsBrowser::doknez_Click() {
    if (m_hooks.help) m_hooks.help(kHelpTopicResults);
}

ResultsListInput ResultsBrowser::listInput() const {
    ResultsListInput input;
    input.rows.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        cells.reserve(kResultsListColumns);
        for (int column = 0; column < kResultsListColumns; ++column) cells << cellText(row, column);
        input.rows << cells;
    }
    input.filter = listFilters();
    input.pendoly = m_s.pendolyMode;
    return input;
}

ListDocument ResultsBrowser::resultsList(const QString& today) const {
    return PrintResultsTable(listInput(), m_s.texts.messages, today);
}

ResultsListFilter ResultsBrowser::listFilters() const {
    ResultsListFilter f;
    f.sortColumn = m_sortColumn;
    f.sizeChoice = m_filter.boardSize == 0 ? 3 : m_filter.boardSize - 4;
    f.typeChecked = m_filter.types;
    f.shuffle = m_filter.shuffled;
    f.stepLimit = m_controls.lpsz.caption;
    f.timeLimit = m_controls.elhid.caption;
    f.gapFilter = m_filter.gaps.value_or(0);
    f.gapText = m_controls.parkc.caption;
    f.pick = m_filter.pick;
    return f;
}
