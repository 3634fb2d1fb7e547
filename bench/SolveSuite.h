// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fixed suite of positions the solver is measured on. Each is made by the game's own
// set-up code, as a player would make it: size and type chosen with their buttons (the
// map type through "by pattern"), the Pendoly mode switched on from its menu item, a
// fresh arrangement, ring cells opened with the mouse, and the game started with the
// start button. Seeds are fixed, so the suite is the same on every run.
#include "play/GameFlow.h"
#include "play/GameState.h"
#include "play/MouseInput.h"
#include "play/MoveRules.h"
#include "setup/Arrangement.h"
#include "setup/GameTypes.h"
#include "ui/Platform.h"
#include <QDateTime>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace suite {

enum class Type { Numbers, Diagonal, RowsOrColumns, Map };

inline const char* TypeName(Type t) {
    switch (t) {
    case Type::Numbers: return "numbers";
    case Type::Diagonal: return "diagonal";
    case Type::RowsOrColumns: return "rows-or-columns";
    case Type::Map: return "map";
    }
    return "";
}

struct Case {
    Type type = Type::Numbers;
    int n = 4;
    int gaps = 1;          // open ring cells; the Pendoly mode has its one slot instead
    bool pendoly = false;
    unsigned seed = 1;

    std::string name() const {
        return std::string(TypeName(type)) + "/" + std::to_string(n) + "x" + std::to_string(n) +
               (pendoly ? "/pendoly" : "/gaps" + std::to_string(gaps));
    }
};

// Every type at 4, 5 and 6; one to four open ring cells, and the Pendoly mode.
inline std::vector<Case> AllCases() {
    std::vector<Case> cases;
    unsigned seed = 1000;
    for (Type type : {Type::Numbers, Type::Diagonal, Type::RowsOrColumns, Type::Map})
        for (int n : {4, 5, 6}) {
            for (int gaps = 1; gaps <= 4; ++gaps) cases.push_back({type, n, gaps, false, ++seed});
            cases.push_back({type, n, 1, true, ++seed});
        }
    return cases;
}

// A platform that answers every box with its default, never waits, and draws from a
// seeded generator.
class SeededPlatform {
public:
    explicit SeededPlatform(unsigned seed) : m_random(seed) {}
    Platform& get() { return m_platform; }

private:
    struct Boxes final : MessageBox, InputBox {
        MsgAnswer show(const MessageRequest& r) override {
            return r.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
        }
        QString ask(const QString&, const QString&, const QString&) override { return {}; }
    };
    struct FixedClock final : Clock {
        QDateTime now() const override { return QDateTime(QDate(2025, 1, 1), QTime(12, 0)); }
        qint64 monotonicMs() const override { return 0; }
    };
    struct Seeded final : RandomSource {
        explicit Seeded(unsigned seed) : engine(seed) {}
        double Rnd() override { return std::uniform_real_distribution<double>(0, 1)(engine); }
        std::mt19937 engine;
    };
    struct Silence final : SoundDevice, EventPump {
        bool open(const QString&) override { return false; }
        void command(const QString&) override {}
        void wait(double) override {}
    };
    Boxes m_boxes;
    FixedClock m_clock;
    Seeded m_random;
    Silence m_silence;
    Platform m_platform{m_boxes, m_boxes, m_clock, m_random, m_silence, m_silence};
};

// The position of `c` just after the start button started its game; nothing when no
// arrangement of many tried could be started.
inline std::optional<GameState> MakePosition(const Case& c) {
    SeededPlatform platform(c.seed);
    Platform& p = platform.get();
    GameState s;
    SetDesignVisibility(s.panel);
    if (c.n == 4) Option1_Click(s, p);
    else if (c.n == 5) Option2_Click(s, p);
    else Option3_Click(s, p);
    switch (c.type) {
    case Type::Numbers: szamsor_Click(s, p); break;
    case Type::Diagonal: atlos_Click(s, p); break;
    case Type::RowsOrColumns: generalt_Click(s, p); break;
    case Type::Map:
        generalt_Click(s, p);
        vminta_Click(s, p);
        break;
    }
    if (c.pendoly) babilon_Click(s);

    MoveRules rules(s);
    GameFlow flow(s, p, rules);
    MouseInput mouse(s, p, rules);
    auto click = [&](Cell cell) {
        mouse.keret_MouseDown(1, 0, s.cellSize * cell.col + s.cellSize / 2.0, s.cellSize * cell.row + s.cellSize / 2.0);
    };
    std::vector<Cell> ring;   // the ring cells beside the field
    for (int k = 1; k <= c.n; ++k)
        for (Cell cell : {Cell{0, k}, Cell{k, 0}, Cell{c.n + 1, k}, Cell{k, c.n + 1}}) ring.push_back(cell);
    for (int attempt = 0; attempt < 200; ++attempt) {
        NewArrangement(s, p.random);
        std::vector<Cell> opened;
        if (!c.pendoly) {
            std::vector<Cell> left = ring;
            for (int k = 0; k < c.gaps; ++k) {
                const int at = p.random.below(static_cast<int>(left.size()));
                opened.push_back(left[static_cast<size_t>(at)]);
                left.erase(left.begin() + at);
                click(opened.back());
            }
        }
        flow.kezd_Click();
        if (s.gameRunning) return s;
        for (Cell cell : opened) click(cell);   // closed again for the next try
    }
    return std::nullopt;
}

} // namespace suite
