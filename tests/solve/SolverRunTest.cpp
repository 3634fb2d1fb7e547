// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The solver in its worker thread: only the search still wanted answers, on the
// runner's own thread; a cancelled one never does.
#include "SolvePositions.h"
#include "solve/Replay.h"
#include "solve/SolverRun.h"
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

TEST(SolverRun, OnlyTheLatestSearchAnswersAndACancelledOneNever) {
    int argc = 1;
    char name[] = "test_solve";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);   // the answer travels through its event queue

    GameState first = SolvedStart(SolveType::Numbers, 4, {{0, 1}, {5, 4}}, false);
    Scramble(first, 30, 5);
    GameState second = SolvedStart(SolveType::RowsOrColumns, 5, {{0, 2}, {3, 0}}, false);
    Scramble(second, 30, 6);
    SolveOptions options;
    options.seconds = 5;
    options.improve = false;

    SolverRun run;
    std::vector<SolveReport> answers;
    QObject::connect(&run, &SolverRun::finished, [&](const SolveReport& r) { answers.push_back(r); });
    run.start(first, options);
    run.start(second, options);   // the first is no longer wanted
    ASSERT_TRUE(run.waitFor(10000));
    ASSERT_EQ(answers.size(), 1u);
    ASSERT_EQ(answers[0].status, SolveReport::Status::Solved);
    EXPECT_EQ(CheckSolution(second, answers[0].moves), std::optional<int>(answers[0].steps));

    run.start(first, options);
    run.cancel();
    EXPECT_FALSE(run.running());
    QCoreApplication::processEvents(QEventLoop::AllEvents, 200);
    EXPECT_EQ(answers.size(), 1u);
}

} // namespace
