// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardFixture.h"
#include "play/DiagonalTargets.h"
#include "play/StartRules.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <vector>

using Type = BoardFixture::Type;

namespace {

// The ascending number target, read row by row or column by column.
int ascendingAt(int n, int i, int j, bool columnWise) { return columnWise ? (j - 1) * n + i : (i - 1) * n + j; }

// An n x n number field solved to one target, then the listed pairs of field
// positions (1..N², row by row) exchanged; `open` is the one open ring cell.
void numberBoard(BoardFixture& f, bool columnWise, bool descending,
                 const std::vector<std::pair<int, int>>& exchanges, Cell open) {
    const int n = f.s.N();
    for (int p = 1; p <= n * n; ++p) {
        const Cell c = f.s.board.fieldCell(p);
        const int m = ascendingAt(n, c.row, c.col, columnWise);
        f.s.board.set(c, descending ? n * n + 1 - m : m, p);
    }
    for (auto [a, b] : exchanges) {
        const Cell ca = f.s.board.fieldCell(a);
        const Cell cb = f.s.board.fieldCell(b);
        const int v = f.s.board.value(ca);
        f.s.board.setValue(ca, f.s.board.value(cb));
        f.s.board.setValue(cb, v);
    }
    f.s.board.setValue(open, kEmpty);
}

struct ParityCase {
    const char* name;
    int n;
    bool columnWise;    // the target the board is solved to before the exchanges
    bool descending;
    std::vector<std::pair<int, int>> exchanges;
    int rearrangePhase; // 1: only the row-wise form is open, 2: only the column-wise one
    OneGapRefusal expected;
};

class OneGapParity : public ::testing::TestWithParam<ParityCase> {};

// The ring cell above the first field cell is open; tile 1 (or N² descending) stands
// beside it, which every ascending (descending) target wants there, so only the order
// of the other tiles decides.
TEST_P(OneGapParity, RefusesExactlyTheOddArrangements) {
    const ParityCase& c = GetParam();
    BoardFixture f(Type::Numbers, c.n);
    numberBoard(f, c.columnWise, c.descending, c.exchanges, {0, 1});
    f.s.rearrangePhase = c.rearrangePhase;
    EXPECT_EQ(OneGapStartRefusal(f.s), c.expected);
}

const auto kOdd = OneGapRefusal::OddArrangement;
const auto kNone = OneGapRefusal::None;

INSTANTIATE_TEST_SUITE_P(
    Cases, OneGapParity,
    ::testing::Values(
        ParityCase{"Solved4", 4, false, false, {}, 0, kNone},
        ParityCase{"OnePair4", 4, false, false, {{5, 6}}, 0, kOdd},
        ParityCase{"OnePair5", 5, false, false, {{24, 25}}, 0, kOdd},
        ParityCase{"TwoPairs4", 4, false, false, {{5, 6}, {7, 12}}, 0, kNone},
        ParityCase{"TwoPairs5", 5, false, false, {{2, 3}, {20, 25}}, 0, kNone},
        ParityCase{"OnePairDescending4", 4, false, true, {{2, 16}}, 0, kOdd},
        ParityCase{"OnePairColumnWise5", 5, true, false, {{2, 3}}, 0, kOdd},
        // 6 x 6: reading the field by columns instead of rows is an odd permutation, so
        // a row-wise board with one pair exchanged can still reach the column-wise form...
        ParityCase{"OnePairCanReachTheOtherForm6", 6, false, false, {{8, 9}}, 0, kNone},
        ParityCase{"Solved6", 6, false, false, {}, 0, kNone},
        // ...unless a rearrangement game's second stage leaves only the row-wise form.
        ParityCase{"SecondStageRowWise6", 6, false, false, {{8, 9}}, 1, kOdd},
        // And the second stage towards the column-wise form from a solved row-wise board
        // cannot be won with one open cell, but with the pair exchanged it can.
        ParityCase{"SecondStageColumnWiseFromSolved6", 6, false, false, {}, 2, kOdd},
        ParityCase{"SecondStageColumnWiseOnePair6", 6, false, false, {{8, 9}}, 2, kNone},
        // 4 x 4: both forms have one parity, so the second stage can be won from the first
        // target as it stands.
        ParityCase{"SecondStageColumnWiseFromSolved4", 4, false, false, {}, 2, kNone}),
    [](const ::testing::TestParamInfo<ParityCase>& info) { return std::string(info.param.name); });

TEST(OneGapRule, TheTileBesideMustHoldAnOpenTargetsValue) {
    BoardFixture f(Type::Numbers, 4);
    numberBoard(f, false, false, {{1, 2}}, {0, 1});   // tile 2 stands above-left, 1 beside it
    EXPECT_EQ(OneGapStartRefusal(f.s), OneGapRefusal::TileBesideGapOutOfPlace);
    f.s.board.setValue({0, 1}, kWall);
    f.s.board.setValue({0, 3}, kEmpty);                // beside it tile 3, in place
    EXPECT_EQ(OneGapStartRefusal(f.s), OneGapRefusal::OddArrangement);
}

TEST(OneGapRule, TwoOpenCellsOrPendolyAreNotItsToJudge) {
    BoardFixture f(Type::Numbers, 4);
    numberBoard(f, false, false, {{1, 2}}, {0, 1});
    f.s.board.setValue({2, 0}, kEmpty);
    EXPECT_EQ(OneGapStartRefusal(f.s), OneGapRefusal::None);

    BoardFixture p(Type::Numbers, 4);
    numberBoard(p, false, false, {{1, 2}}, {0, 1});
    p.s.pendolyMode = true;
    EXPECT_EQ(OneGapStartRefusal(p.s), OneGapRefusal::None);
}

// Colour tiles of one colour stand in for each other: no parity, only the tile beside.
TEST(OneGapRule, ColourBoardsNeedOnlyTheTileBeside) {
    BoardFixture f(Type::RandomColours, 4);
    for (int p = 1; p <= 16; ++p) {
        const Cell c = f.s.board.fieldCell(p);
        f.s.board.setValue(c, f.s.rowColours[static_cast<size_t>(c.row)]);
    }
    // Exchange two tiles of different colours, away from the open cell.
    const int a = f.s.board.value({3, 3});
    f.s.board.setValue({3, 3}, f.s.board.value({4, 4}));
    f.s.board.setValue({4, 4}, a);
    f.s.board.setValue({0, 2}, kEmpty);
    EXPECT_EQ(OneGapStartRefusal(f.s), OneGapRefusal::None);
    // Beside the open cell a tile that neither the row nor the column wants.
    const int wrong = f.s.rowColours[2] == f.s.colColours[2] ? f.s.rowColours[3] : f.s.rowColours[2];
    ASSERT_NE(wrong, f.s.colColours[2]);
    f.s.board.setValue({1, 2}, wrong);
    EXPECT_EQ(OneGapStartRefusal(f.s), OneGapRefusal::TileBesideGapOutOfPlace);
}

// What one open cell can reach, the rule never refuses: boards made from a solved one
// by random legal slides, at every moment the field is full again (a start) and in
// between (a game under way, the tile out in the ring).
TEST(OneGapRule, NeverRefusesABoardReachedByPlay) {
    std::mt19937 random(20261210);
    for (int n : {4, 5, 6}) {
        for (Type type : {Type::Numbers, Type::Diagonal, Type::RandomColours}) {
            BoardFixture f(type, n);
            if (type == Type::Diagonal) BuildDiagonalTargets(f.s);
            const bool columnWise = random() % 2 == 1;
            for (int p = 1; p <= n * n; ++p) {
                const Cell c = f.s.board.fieldCell(p);
                int value = ascendingAt(n, c.row, c.col, columnWise);
                if (type == Type::Diagonal)
                    value = f.s.targetPatterns[static_cast<size_t>(value)][columnWise ? 1 : 0];
                if (type == Type::RandomColours)
                    value = columnWise ? f.s.colColours[static_cast<size_t>(c.col)]
                                       : f.s.rowColours[static_cast<size_t>(c.row)];
                f.s.board.set(c, value, p);
            }
            const Cell open{n + 1, 1 + static_cast<int>(random() % static_cast<unsigned>(n))};
            f.s.board.setValue(open, kEmpty);
            for (int step = 0; step < 3000; ++step) {
                std::vector<Move> slides;
                for (int r = 0; r <= n + 1; ++r)
                    for (int q = 0; q <= n + 1; ++q)
                        for (Cell to : {Cell{r - 1, q}, Cell{r + 1, q}, Cell{r, q - 1}, Cell{r, q + 1}})
                            if (CheckMove(f.s, Move::slide({r, q}, to)) == MoveRefusal::None)
                                slides.push_back(Move::slide({r, q}, to));
                ASSERT_FALSE(slides.empty());
                ASSERT_TRUE(ApplyMove(f.s, slides[random() % slides.size()]).applied());
                ASSERT_EQ(OneGapStartRefusal(f.s), OneGapRefusal::None)
                    << "n " << n << " type " << static_cast<int>(type) << " step " << step;
            }
        }
    }
}

} // namespace
