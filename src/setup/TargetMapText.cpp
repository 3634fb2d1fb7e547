// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/TargetMapText.h"
#include <vector>

namespace {

int digitAt(QStringView text, qsizetype at) {
    if (at < 0 || at >= text.size()) return -1;
    const char16_t c = text[at].unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

bool isCorner(int n, int row, int col) {
    const int far = n + 1;
    return (row == 0 || row == far) && (col == 0 || col == far);
}

// Each colour 1..n exactly n times among `digits`.
bool eachColourNTimes(const std::vector<int>& digits, int n) {
    std::vector<int> counts(static_cast<size_t>(n + 1), 0);
    for (int d : digits) {
        if (d < 1 || d > n) return false;
        ++counts[static_cast<size_t>(d)];
    }
    for (int v = 1; v <= n; ++v)
        if (counts[static_cast<size_t>(v)] != n) return false;
    return true;
}

bool isBoardSize(int n) { return n >= 4 && n <= 6; }

} // namespace

bool IsMapRingCell(int n, int row, int col) {
    return row == 0 || col == 0 || row == n + 1 || col == n + 1;
}

int MapDigit(QStringView text, int n, int row, int col) {
    return digitAt(text, static_cast<qsizetype>(row) * (n + 2) + col);
}

bool IsSoundTargetMap(QStringView text, int n) {
    if (!isBoardSize(n)) return false;
    std::vector<int> field;
    for (int i = 0; i < n + 2; ++i) {
        for (int j = 0; j < n + 2; ++j) {
            const int d = MapDigit(text, n, i, j);
            if (!IsMapRingCell(n, i, j))
                field.push_back(d);
            else if (d != kMapWall && (d != kMapOpen || isCorner(n, i, j)))
                return false;
        }
    }
    return eachColourNTimes(field, n);
}

bool IsSoundStartText(QStringView start, int n) {
    if (!isBoardSize(n)) return false;
    std::vector<int> field;
    for (int p = 0; p < n * n; ++p) field.push_back(digitAt(start, p));
    return eachColourNTimes(field, n);
}

TargetMap DrawTargetMap(QStringView text, int n, const std::array<quint32, 9>& colours) {
    TargetMap map;
    const int span = n + 2;
    const int side = MapCellSide(n);
    map.span = span;
    map.shapes.assign(static_cast<size_t>(span * span), MapShape{});
    for (int i = 0; i < span; ++i) {
        for (int j = 0; j < span; ++j) {
            MapShape& shape = *map.shapeAt(i, j);
            const int digit = MapDigit(text, n, i, j);
            shape.visible = true;
            shape.fillColour = colours[static_cast<size_t>(digit >= 0 && digit <= 8 ? digit : 0)];
            if (IsMapRingCell(n, i, j)) {
                shape.top = side * i;
                shape.left = side * j;
                shape.width = shape.height = side + kMapCellInset;
            } else {
                shape.top = side * i + kMapCellInset;
                shape.left = side * j + kMapCellInset;
                shape.width = shape.height = side - 2 * kMapCellInset;
            }
        }
    }
    return map;
}

QString EmptyTargetMapText(int n) {
    QString text;
    for (int i = 0; i < n + 2; ++i)
        for (int j = 0; j < n + 2; ++j)
            text += QLatin1Char(IsMapRingCell(n, i, j) ? '7' : '0');
    return text;
}
