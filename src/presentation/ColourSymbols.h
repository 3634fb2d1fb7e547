// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Symbols on the colours, for players who cannot tell some colours apart: each of the
// six tile colours has a shape of its own, drawn on every tile, marker and target
// map cell of that colour.

enum class ColourSymbol { None, Ring, Square, Triangle, Diamond, Cross, Star };

// The symbol of colour index 1..6; None for anything else (walls, the empty cell).
ColourSymbol SymbolOfColour(int colourIndex);
