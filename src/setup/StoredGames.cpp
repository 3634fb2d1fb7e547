// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/StoredGames.h"
#include "files/FileLimits.h"
#include "play/FileProblems.h"
#include "play/GameState.h"
#include "play/Messages.h"
#include "play/OwnTexts.h"
#include "play/TypedNumber.h"
#include "setup/Arrangement.h"
#include "setup/GameTypes.h"
#include "setup/TargetMapText.h"
#include <QFileInfo>

namespace {

constexpr int kNewGameCaption = 1;
constexpr int kStartShown = 21;
constexpr int kStartShownMore = 22;
constexpr int kNoStoredGames = 23;
constexpr int kNoGameOfThisSize = 24;
constexpr int kMegseCaptureTop = 3120;

QChar digitOf(int value) { return QChar(u'0' + std::clamp(value, 0, 9)); }

} // namespace

void CopyTargetMap(GameState& s, const QString& mapText) {
    PanelControls& c = s.panel;
    c.tipus.visible = false;
    c.dimenzio.visible = false;
    c.vminta.visible = false;
    // The map lies where the serial box stands; a serial typed meanwhile would start
    // a game in the middle of the one on show.
    c.Label1.visible = false;
    c.sorsz.visible = false;
    c.mvon.visible = true;
    c.mker.visible = true;
    s.targetMapText = mapText;
    s.targetMap = DrawTargetMap(mapText, s.N(), s.tileColours);
}

void StoredGames::showProblem(const QString& text) {
    MessageRequest request;
    request.text = text;
    request.icon = MsgIcon::Critical;
    m_p.messageBox.show(request);
}

std::optional<StoredGamesScan> StoredGames::readFile() {
    FileAccess access = FileAccess::Ok;
    std::optional<StoredGamesScan> scan = ReadStoredGames(m_folder, &access);
    if (access != FileAccess::Ok && access != FileAccess::Missing) {
        const QString file = QString::fromLatin1(kStoredGamesFileName);
        TellFileProblemOnce(m_s, m_p, file, FileNotReadText(access, file, FileLimit::StoredGames, m_s.texts));
    }
    if (scan && scan->damagedRecords > 0 && !m_damageTold) {
        m_damageTold = true;
        showProblem(StoredGamesDamagedText(scan->damagedRecords, m_s.texts));
    }
    return scan;
}

std::optional<QList<StoredGame>> StoredGames::FillStoredGameList() {
    const std::optional<StoredGamesScan> scan = readFile();
    if (!scan) {
        // A file that cannot be read has been told of already.
        if (!QFileInfo::exists(m_folder.filePath(QString::fromLatin1(kStoredGamesFileName))))
            ShowMessage(m_s, m_p, kNoStoredGames, MsgIcon::Information);
        return std::nullopt;
    }
    QList<StoredGame> games = StoredGamesOfSize(*scan, m_s.N());
    if (games.isEmpty()) {
        ShowMessage(m_s, m_p, kNoGameOfThisSize, MsgIcon::Information);
        return std::nullopt;
    }
    return games;
}

// ---------------------------------------------------------------- playing

GameFlow::StoredChoice StoredGames::chooseStoredGame() {
    const int serial = leadingNumber(m_s.panel.sorsz.caption);
    if (serial != 0) {
        const std::optional<StoredGamesScan> scan = readFile();
        if (const StoredGame* game = scan ? FindStoredGame(*scan, serial, m_s.N()) : nullptr) {
            const StoredGame found = *game;
            selectSize(found.size);
            return ShowStoredGame(found);
        }
    }
    const std::optional<QList<StoredGame>> games = FillStoredGameList();
    if (!games) return GameFlow::StoredChoice::Cancelled;
    StoredGameForm form(m_s, m_p, StoredGameMode::Choose, *games);
    m_dialog.run(form);
    if (form.action() != StoredGameAction::Play || !form.chosen()) {
        RestoreSetupControls(m_s);
        return GameFlow::StoredChoice::Cancelled;
    }
    return ShowStoredGame(*form.chosen());
}

void StoredGames::selectSize(int n) {
    if (n == m_s.N()) return;
    switch (n) {
    case 4: Option1_Click(m_s, m_p); break;
    case 5: Option2_Click(m_s, m_p); break;
    default: Option3_Click(m_s, m_p); break;
    }
}

GameFlow::StoredChoice StoredGames::ShowStoredGame(const StoredGame& game) {
    PanelControls& c = m_s.panel;
    m_s.storedGameNo = game.serial;
    m_s.storedGameName = game.name;
    for (ControlState* off : {&c.uj_jatek, &c.jatek_tor, &c.kevall}) off->enabled = false;
    if (game.hasStart()) {
        ShowMessage(m_s, m_p, kStartShown, MsgIcon::Information, MsgButtons::Ok,
                    QStringLiteral("\n\n") + m_s.texts.messages.value(kStartShownMore));
        putStartOnBoard(game.shuffle);
    } else {
        c.uj.caption = m_s.texts.messages.value(kNewGameCaption);
    }
    CopyTargetMap(m_s, game.targetMap);
    return game.hasStart() ? GameFlow::StoredChoice::Ready : GameFlow::StoredChoice::ShownWithoutStart;
}

// Every field cell takes its digit; the tiles stay where they are and change their look.
void StoredGames::putStartOnBoard(const QString& start) {
    Board& b = m_s.board;
    for (int p = 1; p <= b.cellCount() && p <= start.size(); ++p) {
        const Cell cell = b.fieldCell(p);
        const int value = start[p - 1].digitValue();
        b.setValue(cell, value);
        DrawTileLook(m_s, b.ctl(cell), value);
    }
    // The board no longer is the stored shuffled state it may have come from.
    m_s.shuffleNo = 0;
    m_s.panel.kvall.visible = false;
    if (m_hooks.boardChanged) m_hooks.boardChanged();
}

// ---------------------------------------------------------------- creating, changing, deleting

void StoredGames::uj_jatek_Click() {
    // A full file is told before the player paints a game that could not be kept.
    if (const std::optional<StoredGamesScan> scan = readFile();
        scan && scan->highestSerial >= kMaxStoredGameSerial) {
        showProblem(StoredGamesFullText(m_s.texts));
        return;
    }
    StoredGameForm form(m_s, m_p, StoredGameMode::Create);
    runEditor(form);
}

void StoredGames::jatek_tor_Click() {
    const std::optional<QList<StoredGame>> games = FillStoredGameList();
    if (!games) return;
    StoredGameForm form(m_s, m_p, StoredGameMode::ChooseToChange, *games);
    runEditor(form);
}

void StoredGames::runEditor(StoredGameForm& form) {
    m_dialog.run(form);
    // A game that could not be saved is not thrown away: the editor opens again with
    // it, until it is saved or the player leaves it.
    while (form.action() == StoredGameAction::SaveWithoutStart && !save(form.edited(), QString())) {
        form.reopen();
        m_dialog.run(form);
    }
    switch (form.action()) {
    case StoredGameAction::SaveWithoutStart:
        RestoreSetupControls(m_s);
        return;
    case StoredGameAction::CaptureStart:
        enterCapture(form.edited());
        return;
    case StoredGameAction::Delete:
        if (form.chosen()) deleteGame(*form.chosen());
        break;
    case StoredGameAction::Cancelled:
    case StoredGameAction::Play:
        break;
    }
    if (form.restoresSetUp()) RestoreSetupControls(m_s);
}

bool StoredGames::save(const EditedStoredGame& game, const QString& shuffle) {
    const StoredGameContent content{m_s.N(), game.name, game.targetMap, shuffle};
    const StoredGameSaved saved = game.original
                                      ? OverwriteStoredGame(m_folder, *game.original, content, m_rename)
                                      : AppendStoredGame(m_folder, content, m_rename);
    switch (saved.outcome) {
    case StoredGamesWrite::Written: return true;
    case StoredGamesWrite::FileFull: showProblem(StoredGamesFullText(m_s.texts)); break;
    case StoredGamesWrite::NotFound: showProblem(OwnTextIn(OwnText::StoredGameGone, m_s.texts)); break;
    case StoredGamesWrite::WriteFailed: showProblem(OwnTextIn(OwnText::StoredGamesNotWritten, m_s.texts)); break;
    }
    return false;
}

void StoredGames::deleteGame(const StoredGame& game) {
    switch (DeleteStoredGame(m_folder, game, m_rename)) {
    case StoredGamesWrite::Written: break;
    case StoredGamesWrite::NotFound: showProblem(OwnTextIn(OwnText::StoredGameGone, m_s.texts)); break;
    case StoredGamesWrite::FileFull:
    case StoredGamesWrite::WriteFailed: showProblem(OwnTextIn(OwnText::StoredGamesNotWritten, m_s.texts)); break;
    }
}

// ---------------------------------------------------------------- the start of a game

// The player now shuffles or arranges the board and opens ring cells, then saves with
// `k_tar` or leaves with "Nem ment". Nothing else may start meanwhile.
void StoredGames::enterCapture(const EditedStoredGame& game) {
    m_capture = game;
    PanelControls& c = m_s.panel;
    CopyTargetMap(m_s, game.targetMap);
    c.kezd.enabled = false;
    c.uj.enabled = false;
    c.k_tar.visible = true;
    c.megse.top = kMegseCaptureTop;
    c.megse.visible = true;
    c.Label2.visible = true;
    // Leaving a "by pattern" set-up would drop the map being captured from under it.
    c.alapall.visible = false;
    // The demo would set up a board of its own over the start being captured.
    for (ControlState* off : {&c.uj_jatek, &c.jatek_tor, &c.kevall, &c.demo_jatek}) off->enabled = false;
    m_s.phase = GamePhase::CapturingStart;
}

void StoredGames::k_tar_Click() {
    if (m_s.phase != GamePhase::CapturingStart || !m_capture) return;
    if (m_hooks.validateStart && !m_hooks.validateStart()) return;
    const Board& b = m_s.board;
    EditedStoredGame game = *m_capture;
    for (int i = 0; i <= b.borderIdx(); ++i) {
        for (int j = 0; j <= b.borderIdx(); ++j) {
            const int value = b.value({i, j});
            const qsizetype at = i * b.gridSpan() + j;
            if (at >= game.targetMap.size()) continue;
            if (value == kEmpty) game.targetMap[at] = QLatin1Char('0');
            if (value == kWall) game.targetMap[at] = QLatin1Char('7');
        }
    }
    QString start;
    for (int p = 1; p <= b.cellCount(); ++p) start += digitOf(b.value(b.fieldCell(p)));
    // On a failure the capture goes on: the player may try again or leave it.
    if (!save(game, start)) return;
    m_capture.reset();
    m_s.panel.Label2.visible = false;
    RestoreSetupControls(m_s);
}

// ---------------------------------------------------------------- texts

QString StoredGamesDamagedText(int damagedRecords, const LanguageTable& language) {
    return OwnTextIn(OwnText::StoredGamesDamaged, language).arg(damagedRecords);
}

QString StoredGamesFullText(const LanguageTable& language) {
    return OwnTextIn(OwnText::StoredGamesFull, language).arg(kMaxStoredGameSerial);
}
