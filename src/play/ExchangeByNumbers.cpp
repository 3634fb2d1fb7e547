// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/ExchangeByNumbers.h"
#include "play/GameState.h"
#include "play/MoveRules.h"
#include "play/TypedNumber.h"
#include "ui/MessageBox.h"

namespace {

// The field cell of the tile numbered `value`, row by row; (0, 0) when there is none.
Cell findTile(const GameState& s, int value) {
    for (int p = 1; p <= s.board.cellCount(); ++p) {
        const Cell c = s.board.fieldCell(p);
        if (s.board.value(c) == value) return c;
    }
    return {};
}

} // namespace

bool ExchangeByNumbers(GameState& s, MoveRules& rules, InputBox& inputBox) {
    const QString prompt = s.texts.messages.value(28) + QLatin1Char('\n') + s.texts.messages.value(29);
    const QString answer = inputBox.ask(prompt, QString());
    const qsizetype dash = answer.indexOf(u'-');
    if (answer.isEmpty() || dash < 0) return false;
    const int a = leadingNumber(answer.left(dash));
    const int b = leadingNumber(answer.mid(dash + 1));
    if (a < 1 || b < 1) return false;
    const Cell cellA = findTile(s, a);
    const Cell cellB = findTile(s, b);
    if (cellA.row == 0 || cellB.row == 0) return false;
    return rules.ExchangeTiles(cellA, cellB) == MoveRefusal::None;
}
