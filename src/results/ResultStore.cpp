// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultStore.h"
#include "files/FileLimits.h"
#include "play/FileProblems.h"
#include "play/GameState.h"
#include "play/Messages.h"
#include "play/OwnTexts.h"
#include "results/PlayerNames.h"
#include "results/ResultType.h"
#include "results/ResultsFile.h"
#include "results/ResultsRepair.h"

namespace {

constexpr int kEnterKey = 13;
constexpr int kQuoteKey = 34;
constexpr int kMegseRestTop = 3000;   // twips: where "Nem ment" waits for its next use

} // namespace

ResultStore::ResultStore(GameState& state, Platform& platform, const QDir& folder)
    : m_state(state), m_platform(platform), m_folder(folder) {}

ResultRecord ResultStore::BuildResultRecord(const QString& name, const ElapsedTime& elapsed) const {
    const QDateTime now = m_platform.clock.now();
    const QDate day = now.date();
    const QTime time = now.time();
    ResultRecord r;
    r.name = name;
    r.typeCode = m_state.storing.resultTypeCode;
    r.boardSize = m_state.N();
    r.gapCount = m_state.gapCount;
    r.storedGameName = StorableText(m_state.storedGameName.trimmed());
    r.storedGameNo = m_state.storedGameNo;
    r.shuffleNo = m_state.shuffleNo;
    r.steps = m_state.stepCount;
    r.elapsed = FormatTriple(elapsed.hours, elapsed.minutes, elapsed.seconds, QLatin1Char(':'));
    r.date = FormatTriple(day.year(), day.month(), day.day(), QLatin1Char('.'));
    r.timeOfDay = FormatTriple(time.hour(), time.minute(), time.second(), QLatin1Char(':'));
    return r;
}

void ResultStore::ShowProblem(const QString& text) {
    MessageRequest request;
    request.text = text;
    request.icon = MsgIcon::Critical;
    m_platform.messageBox.show(request);
}

StoreOutcome ResultStore::ment_Click(const ElapsedTime& elapsed) {
    neve_Validate();
    const QString name = m_state.panel.neve.caption;
    if (name.isEmpty()) {
        ShowMessage(m_state, m_platform, 16, MsgIcon::Information);
        return StoreOutcome::NameMissing;
    }
    if (m_state.assisted) {   // the results file has no place for the help
        ShowProblem(OwnTextIn(OwnText::AssistedNotStorable, m_state.texts));
        return StoreOutcome::Refused;
    }
    DetermineResultType(m_state);
    const ResultRecord record = BuildResultRecord(name, elapsed);

    // Refused before anything is written: a stored record must read back as it was.
    const RecordProblem problem = CheckStorable(record);
    if (problem != RecordProblem::None) {
        ShowProblem(RefusalText(problem, record, m_state.texts));
        return StoreOutcome::Refused;
    }
    RepairOutcome repaired;
    const AppendStatus appended =
        AppendResult(m_folder, m_state.resultsFile, record, m_platform.random, &repaired, m_platform.clock.now());
    // A cut-off end moved aside before the record went on is told, whatever came next.
    const QString tailKept = TailKeptText(repaired, m_state.resultsFile, m_state.texts);
    if (!tailKept.isEmpty()) ShowProblem(tailKept);
    switch (appended) {
    case AppendStatus::Appended:
        break;
    case AppendStatus::Damaged:
        // The name entry stays open: the player may let the results window keep the
        // readable results, or move the file, and store again.
        ShowProblem(OwnTextIn(OwnText::ResultsDamagedNotStored, m_state.texts)
                        .arg(m_state.resultsFile, QString::number(repaired.records)));
        return StoreOutcome::Refused;
    case AppendStatus::Unreadable:
    case AppendStatus::Unstorable:
    case AppendStatus::WriteFailed: {
        // Why the file was not read, when that is why nothing was written.
        QString text = OwnTextIn(OwnText::ResultNotWritten, m_state.texts).arg(m_state.resultsFile);
        if (repaired.access != FileAccess::Ok)
            text.prepend(FileNotReadText(repaired.access, m_state.resultsFile, FileLimit::Results, m_state.texts) +
                         QLatin1Char('\n'));
        ShowProblem(text);
        return StoreOutcome::WriteFailed;
    }
    }
    if (record.storedGameName != m_state.storedGameName.trimmed()) {
        MessageRequest request;
        request.text = OwnTextIn(OwnText::StoredGameNameWrittenAs, m_state.texts).arg(record.storedGameName);
        request.icon = MsgIcon::Information;
        m_platform.messageBox.show(request);
    }
    m_state.storing.storedDate = record.date;
    m_state.storing.storedTime = record.timeOfDay;
    m_state.storing.playerName = name;

    // The result is safe; a name file that cannot be written only costs the list entry.
    const NameFileStatus listed = AddPlayerName(m_folder, name);
    if (listed == NameFileStatus::WriteFailed || listed == NameFileStatus::Unreadable)
        ShowProblem(OwnTextIn(OwnText::NameNotListed, m_state.texts).arg(kPlayerNamesFile));

    for (ControlState* c : {&m_state.panel.Label3, &m_state.panel.neve, &m_state.panel.ment,
                            &m_state.panel.megse})
        c->visible = false;
    return StoreOutcome::Stored;
}

bool ResultStore::megse_Click() {
    if (!Confirmed(ShowMessage(m_state, m_platform, 15, MsgIcon::Question, MsgButtons::YesNo)))
        return false;
    for (ControlState* c : {&m_state.panel.Label2, &m_state.panel.Label3, &m_state.panel.neve,
                            &m_state.panel.ment, &m_state.panel.segitseg})
        c->visible = false;
    m_state.panel.megse.top = kMegseRestTop;
    return true;
}

std::optional<StoreOutcome> ResultStore::neve_KeyPress(int& keyAscii, const ElapsedTime& elapsed) {
    if (keyAscii == kQuoteKey) {
        keyAscii = 0;   // a quote would split the name's line in the name file
        return std::nullopt;
    }
    if (keyAscii != kEnterKey) return std::nullopt;
    keyAscii = 0;
    return ment_Click(elapsed);
}

void ResultStore::neve_Validate() { m_state.panel.neve.caption = CleanPlayerName(m_state.panel.neve.caption); }

void ResultStore::tarol_Click() {
    m_state.panel.folytat.visible = false;
    m_state.storing.storedEarly = true;
}

bool ResultStore::ntoregy_Click() {
    FileAccess access = FileAccess::Ok;
    ReadPlayerNames(m_folder, &access);
    if (access == FileAccess::Ok) return true;
    if (access == FileAccess::Missing) ShowMessage(m_state, m_platform, 17, MsgIcon::Information);
    else ShowProblem(FileNotReadText(access, kPlayerNamesFile, FileLimit::PlayerNames, m_state.texts));
    return false;
}

void ResultStore::ntorosz_Click() {
    if (!PlayerNamesFileExists(m_folder)) {
        ShowMessage(m_state, m_platform, 17, MsgIcon::Information);
        return;
    }
    ShowMessage(m_state, m_platform, 18, MsgIcon::Critical);
    if (!Confirmed(ShowMessage(m_state, m_platform, 19, MsgIcon::Question, MsgButtons::YesNo))) return;
    if (DeleteAllPlayerNames(m_folder) == NameFileStatus::WriteFailed)
        ShowProblem(OwnTextIn(OwnText::NamesNotDeleted, m_state.texts).arg(kPlayerNamesFile));
}

void StartNewGameFromStore(GameState& state, const std::function<void()>& uj_Click) {
    state.storing.newGameFromStore = true;
    uj_Click();
    state.storing.newGameFromStore = false;
}

QString RefusalText(RecordProblem problem, const ResultRecord& record, const LanguageTable& language) {
    switch (problem) {
    case RecordProblem::None:
        return {};
    case RecordProblem::NameLength:
        return OwnTextIn(OwnText::NameTooLong, language).arg(kMaxNameLength);
    case RecordProblem::NameCharacter:
        return UnstorableCharacterText(record.name, language);
    case RecordProblem::ShuffleNo:
        return OwnTextIn(OwnText::ShuffleNoTooLarge, language).arg(record.shuffleNo);
    case RecordProblem::Steps:
        return OwnTextIn(OwnText::StepsTooMany, language).arg(record.steps).arg(kMaxStorableCount);
    case RecordProblem::TimeText:
        if (record.elapsed.size() != 8) return OwnTextIn(OwnText::TimeTooLong, language).arg(kMaxElapsedHours + 1);
        break;
    case RecordProblem::StoredGameName:
    case RecordProblem::StoredGameNo:
        return OwnTextIn(OwnText::StoredGameUnstorable, language);
    case RecordProblem::TypeCode:
    case RecordProblem::BoardSize:
    case RecordProblem::GapCount:
        break;
    }
    return OwnTextIn(OwnText::ResultUnstorable, language);
}

QString UnstorableCharacterText(const QString& name, const LanguageTable& language) {
    const qsizetype at = FirstUnstorableCharacter(name);
    if (at < 0) return {};
    return OwnTextIn(OwnText::NameCharacter, language).arg(name.mid(at, 1));
}
