#pragma once
// Window positions are given in twips (1/1440 inch): 15 twips are one pixel at 100 %.
#include <QtGlobal>

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
