// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The built-in colours: the six tile colours (always used by the 3D look, whose balls
// are drawn in them) and the wall colour, as 0x00BBGGRR values.
#include <QtGlobal>
#include <array>

constexpr std::array<quint32, 7> kDefaultTileColours{
    0,          // unused: entry 0 is the button face
    0x005F5FFF, // 1 red
    0x00FF9655, // 2 blue
    0x0055FF55, // 3 green
    0x00FFFF00, // 4 cyan
    0x00417DDC, // 5 orange
    0x0000D7F5, // 6 yellow
};
constexpr quint32 kDefaultWallColour = 0x00949494;
