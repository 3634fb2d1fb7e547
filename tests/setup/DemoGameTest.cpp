// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/DemoGame.h"
#include "BoardFixture.h"
#include "play/GameModes.h"
#include "results/ResultStore.h"
#include "setup/GameTypes.h"
#include "setup/ShuffleFixture.h"
#include "setup/Shuffling.h"
#include <algorithm>
#include <functional>

namespace {

using Type = BoardFixture::Type;

// The demo over a board fixture, wired as the window wires it: its keys go to the
// keyboard handler (and are recorded), its game starts by the start button, and it
// ends with the new game of the new-game button.
struct DemoFixture {
    explicit DemoFixture(Type type = Type::Numbers, int n = 5) : f(type, n) {
        shuffling.setHooks({[this] { RestoreSetupControls(f.s); }, {}, [this] { f.flow.CheckSolved(); }});
        demo.setHooks({[this](int code, int shift) {
                           keysSent.push_back(code);
                           f.keys.Form_KeyDown(code, shift);
                       },
                       [this] { f.flow.kezd_Click(); },
                       [this] { StartNewGameFromStore(f.s, [this] { shuffling.uj_Click(); }); },
                       {}});
    }
    // Lets `ms` pass on the fake clock, looked at every 50 ms as the window's timer does.
    void wait(qint64 ms) {
        while (ms > 0) {
            const qint64 step = std::min<qint64>(50, ms);
            f.fp.clock.advance(step);
            demo.tick(f.fp.clock.monotonicMs());
            ms -= step;
        }
    }
    std::vector<int> messages() const { return f.messageNumbers(); }

    BoardFixture f;
    ScriptedChooser chooser;
    QTemporaryDir dir;
    Shuffling shuffling{f.s, f.fp.platform, chooser, QDir(dir.path())};
    DemoGame demo{f.s, f.fp.platform};
    std::vector<int> keysSent;
};

std::vector<int> demoStartValues() {
    std::vector<int> values;
    for (const char* c = kDemoStart; *c; ++c) values.push_back(*c - '0');
    return values;
}

// The demo is over and a fresh game waits in the set-up.
void expectFreshGame(const DemoFixture& d) {
    const GameState& s = d.f.s;
    EXPECT_FALSE(d.demo.active());
    EXPECT_EQ(s.demoState, DemoState::Off);
    EXPECT_FALSE(s.panel.demo_szov.visible);
    EXPECT_FALSE(s.gameRunning);
    EXPECT_EQ(s.phase, GamePhase::SetUp);
    EXPECT_TRUE(s.panel.kezd.enabled);
    EXPECT_TRUE(s.panel.demo_jatek.enabled);
    EXPECT_TRUE(RingClosed(s));
    EXPECT_NE(FieldValues(s), demoStartValues());
}

// The script, played key by key through the keyboard handler, solves the start: every
// row in its target colour (row i in colour 5 - i) and every tile back in the field.
// It does so from whatever set-up the player left: another type and size, ring cells
// opened, a target map on show.
TEST(DemoGame, TheScriptSolvesTheStartThroughTheKeyboardHandler) {
    struct Case {
        const char* name;
        bool pendoly;
        Type type;
        int n;
        std::function<void(DemoFixture&)> setUp;
        Cell openAtTheEnd;
        int steps;
    };
    const std::vector<Case> cases = {
        {"numbers 5 x 5", false, Type::Numbers, 5, {}, {0, 1}, 34},
        {"random colours 4 x 4, two ring cells opened", false, Type::RandomColours, 4,
         [](DemoFixture& d) {
             d.f.clickCell({2, 0});
             d.f.clickCell({0, 3});
         },
         {0, 1}, 34},
        {"a target map on show", false, Type::RandomColours, 6,
         [](DemoFixture& d) { vminta_Click(d.f.s, d.f.fp.platform); }, {0, 1}, 34},
        // Digits pick rows and the open slot moving empty is no step: 35 keys, 28 steps.
        {"Pendoly", true, Type::Diagonal, 5, {}, {0, 2}, 28},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DemoFixture d(c.type, c.n);
        if (c.setUp) c.setUp(d);
        if (c.pendoly) babilon_Click(d.f.s);
        ASSERT_TRUE(d.demo.demo_jatek_Click());
        const GameState& s = d.f.s;
        EXPECT_TRUE(s.gameRunning);
        EXPECT_TRUE(s.panel.demo_szov.visible);
        EXPECT_FALSE(playsToTargetMap(s));
        EXPECT_EQ(FieldValues(s), demoStartValues());

        const int length = static_cast<int>(DemoScript(c.pendoly).size());
        d.wait(kDemoStepMs * length);
        ASSERT_EQ(d.demo.played(), length);
        EXPECT_EQ(FieldValues(s), (std::vector<int>{4, 4, 4, 4, 3, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1}));
        EXPECT_EQ(s.board.value(c.openAtTheEnd), kEmpty);
        EXPECT_EQ(s.board.countEmpty(), 1);
        EXPECT_TRUE(d.f.flow.MatchTargetA());
        EXPECT_EQ(s.stepCount, c.steps);
        // The end-of-game check stays out of the demo: the game is still on.
        EXPECT_TRUE(s.gameRunning);
        EXPECT_EQ(d.messages(), std::vector<int>{168});

        d.wait(kDemoStepMs);
        EXPECT_EQ(d.messages(), (std::vector<int>{168, 171}));
        expectFreshGame(d);
    }
}

TEST(DemoGame, PendolyDigitsReachTheHandlerAsDigitKeys) {
    DemoFixture d;
    babilon_Click(d.f.s);
    ASSERT_TRUE(d.demo.demo_jatek_Click());
    d.wait(kDemoStepMs * DemoScript(true).size());
    std::vector<int> rowKeys;
    for (int code : d.keysSent)
        if (code < KeyCode::Left || code > KeyCode::Down) rowKeys.push_back(code);
    EXPECT_EQ(rowKeys, (std::vector<int>{51, 49, 50, 49, 50, 49, 48}));
    EXPECT_EQ(d.keysSent.size(), size_t(DemoScript(true).size()));
}

// The question and its three lines; No leaves the type and size the demo chose and
// the board as it was, and nothing plays.
TEST(DemoGame, NoAtTheQuestionStartsNothing) {
    auto expectNothingStarted = [](DemoFixture& d) {
        ASSERT_EQ(d.f.fp.messageBox.shown.size(), 1u);
        const MessageRequest& question = d.f.fp.messageBox.shown[0];
        EXPECT_EQ(question.messageNo, 168);
        EXPECT_EQ(question.buttons, MsgButtons::YesNo);
        EXPECT_EQ(question.icon, MsgIcon::Question);
        EXPECT_EQ(question.text.count(QLatin1Char('\n')), 2);
        d.wait(10 * kDemoStepMs);
        EXPECT_TRUE(d.keysSent.empty());
        EXPECT_FALSE(d.demo.active());
        EXPECT_EQ(d.f.s.demoState, DemoState::Off);
        EXPECT_FALSE(d.f.s.gameRunning);
        EXPECT_FALSE(d.f.s.panel.demo_szov.visible);
        EXPECT_EQ(d.f.messageNumbers(), std::vector<int>{168});
    };
    {
        SCOPED_TRACE("from numbers on 5 x 5");
        DemoFixture d(Type::Numbers, 5);
        d.f.fp.messageBox.answers = {MsgAnswer::No};
        EXPECT_FALSE(d.demo.demo_jatek_Click());
        EXPECT_TRUE(d.f.s.panel.generalt.checked);
        EXPECT_TRUE(d.f.s.panel.Option1.checked);
        EXPECT_EQ(d.f.s.N(), 4);
        EXPECT_EQ(d.f.s.gameType, GameType::RandomColours);
        expectNothingStarted(d);
    }
    {
        SCOPED_TRACE("random colours on 4 x 4 chosen already");
        DemoFixture d(Type::RandomColours, 4);
        d.f.clickCell({2, 0});
        const std::vector<int> before = FieldValues(d.f.s);
        d.f.fp.messageBox.answers = {MsgAnswer::No};
        EXPECT_FALSE(d.demo.demo_jatek_Click());
        EXPECT_EQ(FieldValues(d.f.s), before);
        EXPECT_EQ(d.f.s.board.value({2, 0}), kEmpty);
        expectNothingStarted(d);
    }
}

// One key every step; Space holds the demo for as long as it likes, and Space again
// plays the next key at once.
TEST(DemoGame, SpacePausesUntilPressedAgain) {
    DemoFixture d;
    ASSERT_TRUE(d.demo.demo_jatek_Click());
    d.wait(kDemoStepMs - 1);
    EXPECT_EQ(d.demo.played(), 0);
    d.wait(1);
    EXPECT_EQ(d.demo.played(), 1);
    d.wait(2 * kDemoStepMs);
    EXPECT_EQ(d.demo.played(), 3);

    d.f.key(KeyCode::Space);
    const int steps = d.f.s.stepCount;
    d.wait(60 * 1000);
    EXPECT_EQ(d.demo.played(), 3);
    EXPECT_EQ(d.f.s.stepCount, steps);
    EXPECT_TRUE(d.demo.active());
    EXPECT_TRUE(d.f.s.panel.demo_szov.visible);

    d.f.key(KeyCode::Space);
    d.wait(50);
    EXPECT_EQ(d.demo.played(), 4);
    EXPECT_EQ(d.keysSent.back(), DemoKeyCode(DemoScript(false)[3]));
    d.wait(kDemoStepMs);
    EXPECT_EQ(d.demo.played(), 5);
}

// Esc (also while paused) and the new-game button end the demo within one step, with
// its message and a fresh game; leaving the program ends it at once and quietly.
TEST(DemoGame, StopsWithinOneStep) {
    struct Case {
        const char* name;
        std::function<void(DemoFixture&)> stop;
        std::vector<int> messages;
    };
    const std::vector<Case> cases = {
        {"Esc", [](DemoFixture& d) { d.f.key(KeyCode::Escape); }, {168, 171}},
        {"Esc while paused",
         [](DemoFixture& d) {
             d.f.key(KeyCode::Space);
             d.wait(5 * kDemoStepMs);
             d.f.key(KeyCode::Escape);
         },
         {168, 171}},
        {"the new-game button", [](DemoFixture& d) { d.shuffling.uj_Click(); }, {168, 171}},
        {"leaving the program", [](DemoFixture& d) { d.demo.stopNow(); }, {168}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DemoFixture d;
        ASSERT_TRUE(d.demo.demo_jatek_Click());
        d.wait(2 * kDemoStepMs);
        c.stop(d);
        const size_t keys = d.keysSent.size();
        d.wait(kDemoStepMs);
        EXPECT_EQ(d.keysSent.size(), keys);
        EXPECT_EQ(d.messages(), c.messages);
        if (c.messages.size() == 2) {
            EXPECT_EQ(d.f.fp.messageBox.shown.back().icon, MsgIcon::None);
            EXPECT_EQ(d.f.fp.messageBox.shown.back().buttons, MsgButtons::Ok);
        }
        expectFreshGame(d);
    }
}

// The demo sets up a board of its own: never over a game or a stored game's start
// being set up.
TEST(DemoGame, StartsOnlyFromTheSetUp) {
    DemoFixture d(Type::RandomColours, 4);
    d.f.clickCell({0, 1});
    d.f.clickCell({0, 2});
    d.f.flow.kezd_Click();
    ASSERT_TRUE(d.f.s.gameRunning);
    EXPECT_FALSE(d.demo.demo_jatek_Click());

    DemoFixture capture(Type::RandomColours, 4);
    capture.f.s.phase = GamePhase::CapturingStart;
    EXPECT_FALSE(capture.demo.demo_jatek_Click());
    EXPECT_TRUE(capture.f.fp.messageBox.shown.empty());
    EXPECT_EQ(capture.f.s.demoState, DemoState::Off);
}

} // namespace
