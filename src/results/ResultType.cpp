#include "results/ResultType.h"
#include "play/GameState.h"
#include "results/ResultsCodec.h"

QString DetermineResultType(GameState& state) {
    const PanelControls& p = state.panel;
    const bool rearranged = p.atrend.checked && !state.storedEarly;
    const QString suffix = rearranged ? QStringLiteral("R") : QString();
    QString code;
    if (p.tarolt.checked)
        code = QStringLiteral("T");
    else if (p.mker.visible)
        code = QStringLiteral("M");
    else if (p.generalt.checked)
        code = QStringLiteral("V") + suffix;
    else if (p.szamsor.checked)
        code = QStringLiteral("S") + suffix;
    else
        code = QStringLiteral("A") + suffix;
    state.resultTypeCode = code;
    state.resultTypeIndex = TypeIndexOfCode(code);
    return code;
}
