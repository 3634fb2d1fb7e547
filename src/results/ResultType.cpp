// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultType.h"
#include "play/GameModes.h"
#include "results/ResultsCodec.h"

QString DetermineResultType(GameState& state) {
    const PanelControls& p = state.panel;
    const bool rearranged = rearrangementGame(state) && !state.storing.storedEarly;
    const QString suffix = rearranged ? QStringLiteral("R") : QString();
    QString code;
    if (p.tarolt.checked)
        code = QStringLiteral("T");
    else if (playsToTargetMap(state))
        code = QStringLiteral("M");
    else if (p.generalt.checked)
        code = QStringLiteral("V") + suffix;
    else if (p.szamsor.checked)
        code = QStringLiteral("S") + suffix;
    else
        code = QStringLiteral("A") + suffix;
    state.storing.resultTypeCode = code;
    state.storing.resultTypeIndex = TypeIndexOfCode(code);
    return code;
}
