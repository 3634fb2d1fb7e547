// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ColumnSampling.h"
#include <gtest/gtest.h>
#include <cmath>
#include <map>

namespace {

struct Extremes {
    std::uint32_t first = 0, last = 0;
    double low = INFINITY, high = -INFINITY;
};

// Per pixel column: the first and last index with a value, the lowest and highest value.
std::map<int, Extremes> ColumnsOf(const std::vector<double>& values, const std::vector<std::uint32_t>& indices,
                                  const SampleAxis& axis) {
    std::map<int, Extremes> columns;
    for (const std::uint32_t i : indices) {
        if (std::isnan(values[i])) continue;
        const int c = ColumnOf(i + 1.0, axis);
        auto [it, fresh] = columns.try_emplace(c, Extremes{i, i});
        Extremes& e = it->second;
        e.last = i;
        e.low = std::min(e.low, values[i]);
        e.high = std::max(e.high, values[i]);
    }
    return columns;
}

bool operator==(const Extremes& a, const Extremes& b) {
    return a.first == b.first && a.last == b.last && a.low == b.low && a.high == b.high;
}

} // namespace

// The line through the kept points covers on every column what the full line does:
// the same first and last point and the same lowest and highest value.
TEST(ColumnSampling, KeepsEachColumnsEndsAndExtremes) {
    std::vector<double> values;
    for (int i = 0; i < 100'000; ++i) values.push_back(i % 7 == 3 ? NAN : std::sin(i * 0.37) * 100 + i % 13);
    std::vector<std::uint32_t> all(values.size());
    for (std::uint32_t i = 0; i < all.size(); ++i) all[i] = i;

    for (const int columns : {1, 7, 640, 1333}) {
        const SampleAxis axis{0, values.size() + 1.0, columns};
        const std::vector<std::uint32_t> kept = SampleColumns(values, axis);
        EXPECT_LE(kept.size(), 4u * static_cast<std::size_t>(columns)) << columns;
        EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
        EXPECT_EQ(std::adjacent_find(kept.begin(), kept.end()), kept.end()) << "an index twice";
        for (const std::uint32_t i : kept) EXPECT_FALSE(std::isnan(values[i]));
        EXPECT_EQ(ColumnsOf(values, kept, axis), ColumnsOf(values, all, axis)) << columns;
    }
}

TEST(ColumnSampling, FewPointsAreAllKept) {
    const std::vector<double> values = {5, NAN, 3, 3, 9};
    const std::vector<std::uint32_t> kept = SampleColumns(values, {0, 6, 600});
    EXPECT_EQ(kept, (std::vector<std::uint32_t>{0, 2, 3, 4}));
    EXPECT_TRUE(SampleColumns({}, {0, 1, 100}).empty());
    // Points beyond the axis fall on its edge columns instead of outside them.
    EXPECT_EQ(ColumnOf(-5, {0, 10, 100}), 0);
    EXPECT_EQ(ColumnOf(10, {0, 10, 100}), 99);
}
