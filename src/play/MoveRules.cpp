#include "play/MoveRules.h"
#include "play/TileGeometry.h"
#include "ui/Platform.h"
#include <cstdlib>

void MoveRules::playStepSound() {
    if (!m_s.soundOn) return;
    m_p.sound.command(QStringLiteral("prev"));
    m_p.sound.command(QStringLiteral("play"));
}

void MoveRules::showStepCount() { m_s.panel.Lszm.caption = QString::number(m_s.stepCount); }

void MoveRules::countAndRecord(const MoveRecord& move) {
    ++m_s.stepCount;
    showStepCount();
    m_s.moveHistory[1] = m_s.moveHistory[0];
    m_s.moveHistory[0] = move;
}

void MoveRules::checkSolved() {
    if (m_checkSolved) m_checkSolved();
}

// Moves the tile's controls and board entry from `from` to `to`.
void MoveRules::slideTile(Cell from, Cell to) {
    Board& b = m_s.board;
    const int k = b.ctl(from);
    const int value = b.value(from);
    PlaceTileControls(m_s, k, value, to);
    b.set(to, value, k);
    b.setValue(from, kEmpty);
    // A Pendoly tile leaving the top ring row downwards hands the slot its marker back.
    const bool slotReopens = m_s.pendolyMode && from.row == 0 && from.col == to.col;
    b.setCtl(from, slotReopens ? from.col + 1 : 0);
}

static bool pendolySideways(const GameState& s, Cell from, Cell to) {
    return s.pendolyMode && from.row == to.row && from.row > 0;
}

void MoveRules::MoveTile(Cell from, Cell to) {
    if (from == to || pendolySideways(m_s, from, to)) return;
    playStepSound();
    slideTile(from, to);
    if (m_s.countSteps) countAndRecord({{from.row, from.col, to.row, to.col}});
    checkSolved();
}

static bool stillHolds(const Board& b, const CandidateMove& move) {
    const int distance = std::abs(move.tile.row - move.hole.row) + std::abs(move.tile.col - move.hole.col);
    return distance == 1 && isTileValue(b.value(move.tile)) && b.value(move.hole) == kEmpty;
}

void MoveRules::MoveCandidate(int k) {
    if (k < 1 || k > kMaxCandidates) return;
    const CandidateMove move = m_s.candidates[k];
    if (!stillHolds(m_s.board, move) || pendolySideways(m_s, move.tile, move.hole)) return;
    playStepSound();
    slideTile(move.tile, move.hole);
    countAndRecord({{move.tile.row, move.tile.col, move.hole.row, move.hole.col}});
    checkSolved();
}

void MoveRules::EndCandidateChoice() {
    GameState& s = m_s;
    for (int m = 1; m <= s.candidateCount && m <= kMaxCandidates; ++m) {
        if (s.numberTypeSelected()) {
            // The number type marks a candidate by the colour of its tile's own label.
            const int k = s.board.ctl(s.candidates[m].tile);
            if (k >= 1 && k < kMaxNumberLabels) s.controls.numberLabels[k].colour = kSysButtonText;
        } else {
            s.controls.numberLabels[m].visible = false;
        }
    }
    s.candidateCount = 0;
    s.typedDigits.clear();
}

void MoveRules::ListCandidates(Cell hole, int keyCode) {
    const int far = m_s.board.borderIdx();
    const bool rowInside = hole.row > 0 && hole.row < far;
    const bool colInside = hole.col > 0 && hole.col < far;
    Cell tile;
    switch (keyCode) {
    case 37: // Left: the tile to the right moves left
        if (hole.col >= far || !rowInside) return;
        tile = {hole.row, hole.col + 1};
        break;
    case 38: // Up: the tile below moves up
        if (hole.row >= far || !colInside) return;
        tile = {hole.row + 1, hole.col};
        break;
    case 39: // Right
        if (hole.col <= 0 || !rowInside) return;
        tile = {hole.row, hole.col - 1};
        break;
    case 40: // Down
        if (hole.row <= 0 || !colInside) return;
        tile = {hole.row - 1, hole.col};
        break;
    default:
        return;
    }
    if (!isTileValue(m_s.board.value(tile)) || m_s.candidateCount >= kMaxCandidates) return;
    ++m_s.candidateCount;
    m_s.candidates[m_s.candidateCount] = {tile, hole};
}

void MoveRules::BorderMove(Cell clicked) {
    const int far = m_s.board.borderIdx();
    const int r = clicked.row;
    const int q = clicked.col;
    if (!m_s.board.contains(clicked)) return;
    if ((q > 0 && q < far && r > 0) || r == far) return;
    if (r >= 1 && r <= m_s.N()) {
        playStepSound();
        if (m_s.countSteps) countAndRecord({{kBorderMoveMark, r, q, 0}});
        rotateRow(r, q == far);
        checkSolved();
        return;
    }
    moveTopSlot(q);
}

// Shifts row `row` one cell towards the clicked side; the end cell wraps round.
void MoveRules::rotateRow(int row, bool towardsRight) {
    Board& b = m_s.board;
    const int n = m_s.N();
    const int nearEnd = towardsRight ? n : 1;
    const int farEnd = towardsRight ? 1 : n;
    const int savedValue = b.value({row, nearEnd});
    const int savedCtl = b.ctl({row, nearEnd});

    auto copyInto = [&](int dest, int value, int k) {
        if (value > 0) {
            PlaceTileControls(m_s, k, value, {row, dest});
            b.set({row, dest}, value, k);
        } else {
            b.set({row, dest}, kEmpty, 0);
        }
    };
    for (int m = 2; m <= n; ++m) {
        const int dest = towardsRight ? n + 2 - m : m - 1;
        const int src = towardsRight ? n + 1 - m : m;
        copyInto(dest, b.value({row, src}), b.ctl({row, src}));
    }
    copyInto(farEnd, savedValue, savedCtl);
}

void MoveRules::openTopSlotAt(int col) {
    Board& b = m_s.board;
    if (m_s.controls.wallCount() < m_s.N() + 1) return; // the ring has not been built
    b.setValue({0, m_s.slotCol}, kWall);
    m_s.controls.walls[m_s.slotCol + 1].visible = true;
    m_s.slotCol = col;
    b.setValue({0, col}, kEmpty);
    m_s.controls.walls[col + 1].visible = false;
}

void MoveRules::moveTopSlot(int clickedCol) {
    const int n = m_s.N();
    const int slot = m_s.slotCol;
    int target;
    if (clickedCol == n + 1) {
        target = slot == n ? 1 : slot + 1;
    } else if (clickedCol == 0) {
        target = slot == 1 ? n : slot - 1;
    } else {
        if (clickedCol == slot) return;
        target = clickedCol;
    }
    if (m_s.controls.wallCount() < n + 1) return; // the ring has not been built
    if (m_s.board.value({0, slot}) <= 0) {
        openTopSlotAt(target);
        return;
    }
    // A tile in the slot is carried along: one counted step, the slide itself uncounted.
    if (m_s.countSteps) countAndRecord({{kBorderMoveMark, 0, slot, 0}});
    m_s.controls.walls[slot + 1].visible = true;
    const bool counting = m_s.countSteps;
    m_s.countSteps = false;
    MoveTile({0, slot}, {0, target});
    m_s.countSteps = counting;
    m_s.board.setValue({0, slot}, kWall);
    m_s.slotCol = target;
    m_s.controls.walls[target + 1].visible = false;
}

void MoveRules::TakeBack() {
    const MoveRecord newest = m_s.moveHistory[0];
    if (newest.empty()) return;
    EndCandidateChoice();
    const auto& f = newest.field;
    if (f[0] != kBorderMoveMark) {
        const Cell source{f[0], f[1]};
        const Cell dest{f[2], f[3]};
        playStepSound();
        if (m_s.pendolyMode && source.row == 0 && dest.col != m_s.slotCol) openTopSlotAt(source.col);
        slideTile(dest, source);
    } else {
        const int r = f[1];
        int q = f[2];
        if (r != 0) q = (q == 0) ? m_s.board.borderIdx() : 0;
        m_s.countSteps = false;
        BorderMove({r, q});
        m_s.countSteps = true;
    }
    --m_s.stepCount;
    showStepCount();
    m_s.moveHistory[0] = m_s.moveHistory[1];
    m_s.moveHistory[1] = MoveRecord{};
}

void MoveRules::ExchangeLabels(Cell a, Cell b) {
    const Board& bd = m_s.board;
    auto moveLabel = [&](int k, int value, Cell to) {
        if (k < 1 || k > kMaxNumberLabels) return;
        m_s.controls.numberLabels[k].left = labelLeftAt(m_s, to.col, value);
        m_s.controls.numberLabels[k].top = labelTopAt(m_s, to.row);
    };
    moveLabel(bd.ctl(a), bd.value(a), b);
    moveLabel(bd.ctl(b), bd.value(b), a);
}

void MoveRules::ExchangeTiles(Cell a, Cell b) {
    Board& bd = m_s.board;
    const int ka = bd.ctl(a);
    const int kb = bd.ctl(b);
    const int leftA = GetTileLeft(m_s, ka);
    const int topA = GetTileTop(m_s, ka);
    SetTileLeft(m_s, ka, GetTileLeft(m_s, kb));
    SetTileTop(m_s, ka, GetTileTop(m_s, kb));
    SetTileLeft(m_s, kb, leftA);
    SetTileTop(m_s, kb, topA);
    const int va = bd.value(a);
    bd.set(a, bd.value(b), kb);
    bd.set(b, va, ka);
    m_s.selected = {};   // the exchange completes the selection
}

Cell MoveRules::findTile(int value) const {
    const int n = m_s.N();
    for (int p = 1; p <= n * n; ++p) {
        const Cell c = m_s.board.fieldCell(p);
        if (m_s.board.value(c) == value) return c;
    }
    return {};
}

int leadingNumber(const QString& text) {
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) negative = t[i++] == u'-';
    qint64 value = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i) {
        value = value * 10 + (t[i].unicode() - u'0');
        if (value > 1'000'000) break; // far beyond any tile number
    }
    return static_cast<int>(negative ? -value : value);
}

bool MoveRules::ExchangeByNumbers() {
    const QString prompt = m_s.messages.value(28) + QLatin1Char('\n') + m_s.messages.value(29);
    const QString answer = m_p.inputBox.ask(prompt, QString());
    const qsizetype dash = answer.indexOf(u'-');
    if (answer.isEmpty() || dash < 0) return false;
    const int a = leadingNumber(answer.left(dash));
    const int b = leadingNumber(answer.mid(dash + 1));
    if (a < 1 || b < 1 || a == b) return false;
    const Cell cellA = findTile(a);
    if (cellA.row == 0) return false;
    const Cell cellB = findTile(b);
    if (cellB.row == 0) return false;
    ExchangeLabels(cellA, cellB);
    ExchangeTiles(cellA, cellB);
    return true;
}

void MoveRules::ShortPause() { m_p.events.wait(0.05); }

void MoveRules::ShowAllTiles() {
    if (m_s.numberTileColour > 0) return;
    for (int k = 1; k <= m_s.controls.tileCount(); ++k) m_s.controls.tiles[k].visible = true;
}
