// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Colour values as the game keeps them, 0x00BBGGRR (red in the low byte), taken
// apart into their red, green and blue parts and put together again.
#include <QtGlobal>
#include <algorithm>

struct ColourParts {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const ColourParts&, const ColourParts&) = default;
};

// The three parts (0..255 each) of a colour value; the top byte is not a part.
constexpr ColourParts SplitColour(quint32 colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

// The colour value of three parts, each held to 0..255.
constexpr quint32 Rgb(int red, int green, int blue) {
    auto part = [](int v) { return static_cast<quint32>(std::clamp(v, 0, 255)); };
    return part(red) | (part(green) << 8) | (part(blue) << 16);
}
