// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which points of a long line a chart draws. A player with 100 000 games has about
// a hundred games on every pixel column of the chart: a line through all of them
// fills, on each column, the span from the column's lowest to its highest point and
// joins the columns beside it through its first and last point. So each column
// keeps exactly those four points (first, lowest, highest, last) and the line drawn
// through them covers the same pixels as the full line, at a few thousand points
// whatever the number of games. Points without a value (NaN) are passed over, as
// the line passes over them. Records are drawn as markers of their own, all of
// them, and are not sampled.
//
// Header only: the chart module draws with it without linking the game's libraries.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// How x values fall on pixel columns: [min, max] spread evenly over `columns`.
struct SampleAxis {
    double min = 0;
    double max = 1;
    int columns = 1;
};

// The pixel column of `x`, within 0 .. columns - 1.
inline int ColumnOf(double x, const SampleAxis& axis) {
    const double span = axis.max - axis.min;
    const double at = span > 0 ? (x - axis.min) / span * axis.columns : 0;
    return static_cast<int>(std::clamp(std::floor(at), 0.0, double(std::max(axis.columns - 1, 0))));
}

// The indices (ascending) of the points of `values` to draw; value i lies at x = i + 1.
inline std::vector<std::uint32_t> SampleColumns(const std::vector<double>& values, const SampleAxis& axis) {
    std::vector<std::uint32_t> kept;
    struct Column {
        int no = -1;
        std::uint32_t first = 0, lowest = 0, highest = 0, last = 0;
    } column;
    const auto flush = [&] {
        if (column.no < 0) return;
        std::uint32_t four[] = {column.first, column.lowest, column.highest, column.last};
        std::sort(std::begin(four), std::end(four));
        for (std::uint32_t i : four)
            if (kept.empty() || kept.back() != i) kept.push_back(i);
    };
    for (std::uint32_t i = 0; i < values.size(); ++i) {
        const double v = values[i];
        if (std::isnan(v)) continue;
        const int no = ColumnOf(i + 1.0, axis);
        if (no != column.no) {
            flush();
            column = {no, i, i, i, i};
            continue;
        }
        if (v < values[column.lowest]) column.lowest = i;
        if (v > values[column.highest]) column.highest = i;
        column.last = i;
    }
    flush();
    return kept;
}
