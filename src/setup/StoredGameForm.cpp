// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/StoredGameForm.h"
#include "play/GameState.h"
#include "play/Messages.h"
#include "presentation/DocumentViewer.h"
#include "results/ResultStore.h"
#include "setup/TargetMapText.h"

namespace {

constexpr int kChooseTitle = 45;
constexpr int kNameCaption = 40;
constexpr int kOk = 33;
constexpr int kCancel = 32;
constexpr int kSaveCaption = 39;
constexpr int kSaveWithStartCaption = 38;
constexpr int kChangeCaption = 37;
constexpr int kDeleteCaption = 36;
constexpr int kDeleteQuestion = 43;
constexpr int kNoNameQuestion = 44;

// The editor's buttons, and where the cancel button goes while a game is changed.
constexpr int kEditorButtonTop = 2350;
constexpr int kRendben2Left = 110;
constexpr int kRendben2Width = 2750;
constexpr int kRendbenLeft = 2975;
constexpr int kRendbenWidth = 2200;
constexpr int kMegseEditTop = 1200;
// The palette: an option per colour at the left of its row, then the squares.
constexpr int kOptionLeft = 60;
constexpr int kOptionSide = 255;
constexpr int kSquaresLeft = 400;
constexpr int kSquareGap = 40;

QString rightTrimmed(QString text) {
    while (!text.isEmpty() && text.back() == QLatin1Char(' ')) text.chop(1);
    return text;
}

} // namespace

StoredGameForm::StoredGameForm(const GameState& s, Platform& platform, StoredGameMode mode,
                               const QList<StoredGame>& games)
    : m_s(s), m_p(platform), m_mode(mode), m_games(games), m_n(s.N()) {
    const auto message = [&s](int no) { return s.texts.messages.value(no); };
    m_c.Label1.caption = message(kNameCaption);
    m_c.rendben.caption = message(kOk);
    m_c.rendben2.caption = message(kSaveWithStartCaption);
    m_c.megse.caption = message(kCancel);
    m_c.doknez.caption = s.panel.help.caption;
    for (int v = 1; v < static_cast<int>(m_c.szinv.size()); ++v) m_c.szinv[v].visible = v <= m_n;
    showMap(EmptyTargetMapText(m_n));

    switch (mode) {
    case StoredGameMode::Choose:
    case StoredGameMode::ChooseToChange: {
        const bool change = mode == StoredGameMode::ChooseToChange;
        m_c.title = change ? s.panel.jatek_tor.caption : message(kChooseTitle);
        m_helpTopic = change ? HelpTopic::ChangeStoredGame : HelpTopic::ChooseStoredGame;
        for (ControlState* hidden : {&m_c.Label1, &m_c.nev, &m_c.szkeret}) hidden->visible = false;
        m_c.rendben2.visible = change;
        if (change) {
            m_c.rendben.caption = message(kChangeCaption);
            m_c.rendben2.caption = message(kDeleteCaption);
        }
        if (!m_games.isEmpty()) mflex_RowChanged(0);
        m_c.focusRequest = QStringLiteral("mflex");
        break;
    }
    case StoredGameMode::Create:
    case StoredGameMode::Edit:
        m_c.title = s.panel.uj_jatek.caption;
        m_helpTopic = HelpTopic::CreateStoredGame;
        PrepareGameEditor(true);
        m_c.focusRequest = QStringLiteral("nev");
        break;
    }
}

int StoredGameForm::paletteSquaresLeft(int colour) const {
    if (!editing() || colour < 1 || colour > m_n) return 0;
    int used = 0;
    for (int i = 1; i <= m_n; ++i)
        for (int j = 1; j <= m_n; ++j)
            if (MapDigit(m_c.mapText, m_n, i, j) == colour) ++used;
    return std::max(0, m_n - used);
}

QRect StoredGameForm::paletteSquareRect(int colour, int m) const {
    const int side = MapCellSide(m_n);
    const int pitch = std::min(side, (kPaletteRect.width() - kSquaresLeft) / m_n);
    return {kSquaresLeft + pitch * (m - 1), side * colour + kSquareGap / 2, pitch - kSquareGap,
            pitch - kSquareGap};
}

QRect StoredGameForm::colourOptionRect(int colour) const {
    const int side = MapCellSide(m_n);
    return {kOptionLeft, side * colour + (side - kOptionSide) / 2, kOptionSide + 60, kOptionSide};
}

const StoredGame* StoredGameForm::chosen() const {
    return m_row >= 0 && m_row < m_games.size() ? &m_games[m_row] : nullptr;
}

void StoredGameForm::showMap(const QString& text) {
    m_c.mapText = text;
    m_c.map = DrawTargetMap(text, m_n, m_s.tileColours);
    if (!editing()) return;
    // OK and the save with a start are offered exactly when no field cell is unpainted.
    const bool complete = !text.contains(QLatin1Char('0'));
    m_c.rendben.enabled = complete;
    m_c.rendben2.enabled = complete;
}

void StoredGameForm::mflex_RowChanged(int row) {
    if (editing() || row < 0 || row >= m_games.size()) return;
    m_row = row;
    showMap(m_games[row].targetMap);
}

void StoredGameForm::selectColour(int colour) {
    if (colour < 1 || colour > m_n) return;
    m_selectedColour = colour;
    for (int v = 1; v < static_cast<int>(m_c.szinv.size()); ++v) m_c.szinv[v].checked = v == colour;
}

void StoredGameForm::szinv_Click(int colour) { selectColour(colour); }

void StoredGameForm::szkeret_MouseDown(int yTwips) {
    if (yTwips >= 0) selectColour(yTwips / MapCellSide(m_n));
}

void StoredGameForm::mker_MouseDown(int xTwips, int yTwips) {
    if (!editing() || xTwips < 0 || yTwips < 0) return;
    const int side = MapCellSide(m_n);
    const int row = yTwips / side;
    const int col = xTwips / side;
    if (row > m_n + 1 || col > m_n + 1 || IsMapRingCell(m_n, row, col)) return;
    QString text = m_c.mapText;
    const qsizetype at = row * (m_n + 2) + col;
    const int painted = MapDigit(text, m_n, row, col);
    if (painted == kMapOpen) {
        // The selected colour, or the next one (cyclically) that may still be painted.
        int colour = m_selectedColour;
        for (int tries = 0; tries < m_n && paletteSquaresLeft(colour) == 0; ++tries)
            colour = colour % m_n + 1;
        if (paletteSquaresLeft(colour) == 0) return;
        selectColour(colour);
        text[at] = QChar(u'0' + colour);
    } else {
        // A painted cell gives its colour back to the palette and selects it.
        text[at] = QLatin1Char('0');
        selectColour(painted);
    }
    showMap(text);
}

void StoredGameForm::PrepareGameEditor(bool buttonsOff) {
    m_c.mflex.visible = false;
    m_c.Label1.visible = true;
    m_c.nev.visible = true;
    m_c.szkeret.visible = true;
    m_c.rendben2.left = kRendben2Left;
    m_c.rendben2.top = kEditorButtonTop;
    m_c.rendben2.width = kRendben2Width;
    m_c.rendben2.visible = true;
    m_c.rendben.left = kRendbenLeft;
    m_c.rendben.top = kEditorButtonTop;
    m_c.rendben.width = kRendbenWidth;
    m_c.rendben.caption = m_s.texts.messages.value(kSaveCaption);
    m_c.rendben.visible = true;
    m_c.megse.top = kMegseEditTop;
    m_c.rendben.enabled = !buttonsOff;
    m_c.rendben2.enabled = !buttonsOff;
    selectColour(1);
}

// OK in the list of games to change: the editor opens with the chosen game. Its
// openings become walls: a start captured again opens the ring anew.
void StoredGameForm::editChosenGame() {
    const StoredGame* game = chosen();
    if (!game) return;
    m_mode = StoredGameMode::Edit;
    m_c.nev.caption = rightTrimmed(game->name);
    m_c.rendben2.caption = m_s.texts.messages.value(kSaveWithStartCaption);
    PrepareGameEditor(false);
    QString text = game->targetMap;
    for (int i = 0; i < m_n + 2; ++i)
        for (int j = 0; j < m_n + 2; ++j)
            if (IsMapRingCell(m_n, i, j)) text[i * (m_n + 2) + j] = QLatin1Char('7');
    m_edited.original = *game;
    showMap(text);
    m_c.focusRequest = game->hasStart() ? QStringLiteral("rendben2") : QStringLiteral("rendben");
}

bool StoredGameForm::ReadEditedGame() {
    const QString name = m_c.nev.caption;
    if (name.isEmpty() &&
        ShowMessage(m_s, m_p, kNoNameQuestion, MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::No) {
        m_c.focusRequest = QStringLiteral("nev");
        return false;
    }
    // The name goes with the game's results too: what they cannot hold is refused here.
    const QString refusal = UnstorableCharacterText(name.left(kStoredGameNameSize), m_s.texts);
    if (!refusal.isEmpty()) {
        MessageRequest request;
        request.text = refusal;
        request.icon = MsgIcon::Critical;
        m_p.messageBox.show(request);
        m_c.focusRequest = QStringLiteral("nev");
        return false;
    }
    m_edited.name = name.left(kStoredGameNameSize);
    m_edited.targetMap = m_c.mapText;
    return true;
}

void StoredGameForm::reopen() {
    m_closed = false;
    m_action = StoredGameAction::Cancelled;
    m_cancelled = true;
}

void StoredGameForm::close(StoredGameAction action, bool cancelled) {
    m_action = action;
    m_cancelled = cancelled;
    m_closed = true;
}

void StoredGameForm::rendben_Click() {
    switch (m_mode) {
    case StoredGameMode::Choose:
        if (chosen()) close(StoredGameAction::Play, false);
        break;
    case StoredGameMode::ChooseToChange:
        editChosenGame();
        break;
    case StoredGameMode::Create:
    case StoredGameMode::Edit:
        if (m_c.rendben.enabled && ReadEditedGame()) close(StoredGameAction::SaveWithoutStart, false);
        break;
    }
}

void StoredGameForm::rendben2_Click() {
    if (m_mode == StoredGameMode::ChooseToChange) {
        if (chosen() &&
            Confirmed(ShowMessage(m_s, m_p, kDeleteQuestion, MsgIcon::Question, MsgButtons::YesNo)))
            close(StoredGameAction::Delete, true);
        return;
    }
    if (editing() && m_c.rendben2.enabled && ReadEditedGame())
        close(StoredGameAction::CaptureStart, false);
}
