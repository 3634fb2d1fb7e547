// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Window positions are given in twips (1/1440 inch): 15 twips are one pixel at 100 %.
#include <QtGlobal>

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
