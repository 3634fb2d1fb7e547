// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/ColourSymbols.h"

ColourSymbol SymbolOfColour(int colourIndex) {
    switch (colourIndex) {
    case 1: return ColourSymbol::Ring;
    case 2: return ColourSymbol::Square;
    case 3: return ColourSymbol::Triangle;
    case 4: return ColourSymbol::Diamond;
    case 5: return ColourSymbol::Cross;
    case 6: return ColourSymbol::Star;
    default: return ColourSymbol::None;
    }
}
