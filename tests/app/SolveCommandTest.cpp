// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/CommandRun.h"
#include "support/SolvePositions.h"
#include "solve/PositionFile.h"
#include "solve/Replay.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QJsonObject AnswerOf(const CommandRun& r) { return QJsonDocument::fromJson(r.out.toUtf8()).object(); }

CommandRun run(const QStringList& arguments) { return RunCommand(arguments); }

// The position of a game as the command reads it.
QJsonObject positionOf(const GameState& s, const char* type) {
    const int n = s.N();
    QJsonObject o{{"size", n}, {"type", type}, {"pendoly", s.pendolyMode}};
    QJsonArray grid;
    for (int r = 0; r <= n + 1; ++r) {
        QJsonArray row;
        for (int c = 0; c <= n + 1; ++c) {
            const int v = s.board.value({r, c});
            row.append(v == kWall ? QStringLiteral("#") : v == kEmpty ? QStringLiteral(".") : QString::number(v));
        }
        grid.append(row);
    }
    o.insert("grid", grid);
    const QString t = QString::fromLatin1(type);
    auto colours = [n](const std::vector<int>& c) {
        QJsonArray a;
        for (int i = 1; i <= n; ++i) a.append(c[static_cast<size_t>(i)]);
        return a;
    };
    if (t == "diagonal" || t == "rows-or-columns") o.insert("rowColours", colours(s.rowColours));
    if (t == "rows-or-columns") o.insert("colColours", colours(s.colColours));
    if (t == "map") o.insert("map", s.targetMapText);
    if (s.pendolyMode) o.insert("slotCol", s.slotCol);
    return o;
}

// The printed moves as the game's moves again.
std::vector<Move> movesOf(const QJsonObject& answer) {
    std::vector<Move> moves;
    for (const QJsonValue& v : answer.value("moves").toArray()) {
        const QJsonObject m = v.toObject();
        if (m.contains("from")) {
            const QJsonArray from = m.value("from").toArray(), to = m.value("to").toArray();
            moves.push_back(Move::slide({from[0].toInt(), from[1].toInt()}, {to[0].toInt(), to[1].toInt()}));
        } else if (m.contains("rotate")) {
            moves.push_back(Move::rotateRow(m.value("rotate").toInt(), m.value("side").toString() == "right"));
        } else {
            moves.push_back(Move::shiftSlot(0, m.value("slot").toInt()));
        }
    }
    return moves;
}

class SolveCommand : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const char* name = "position.json") {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return path;
    }
    QString write(const QJsonObject& o) { return write(QJsonDocument(o).toJson()); }

    QTemporaryDir m_dir;
};

} // namespace

// Solved positions of the open board and of the Pendoly mode: the printed moves, read
// back and played through the rules from the position read, end the game after the
// printed number of steps, proven the fewest.
TEST_F(SolveCommand, PrintsMovesThatTheRulesPlayToTheEnd) {
    struct Case {
        const char* type;
        SolveType kind;
        std::vector<Cell> open;
        bool pendoly;
    };
    for (const Case& c : {Case{"numbers", SolveType::Numbers, {{0, 2}, {3, 5}}, false},
                          Case{"map", SolveType::Map, {{5, 1}}, false},
                          Case{"rows-or-columns", SolveType::RowsOrColumns, {}, true}}) {
        SCOPED_TRACE(c.type);
        GameState s = SolvedStart(c.kind, 4, c.open, c.pendoly, c.pendoly ? 2 : 0);
        Scramble(s, 7, 5);
        QJsonObject position = positionOf(s, c.type);
        if (c.pendoly) position.insert("form", "column");
        const CommandRun r = run({"--solve", write(position), "--shortest"});
        ASSERT_EQ(r.status, std::optional<int>(0)) << r.err.toStdString();
        const QJsonObject answer = AnswerOf(r);
        EXPECT_TRUE(answer.value("solvable").toBool());
        EXPECT_TRUE(answer.value("shortest").toBool());
        EXPECT_TRUE(answer.contains("expanded") && answer.contains("ms"));

        const PositionRead read = ReadPosition(QJsonDocument(position).toJson());
        ASSERT_TRUE(read.state) << read.error.toStdString();
        GameState played = *read.state;
        int steps = 0;
        for (Move m : movesOf(answer)) {
            if (m.kind == MoveKind::ShiftSlot) m = Move::shiftSlot(played.slotCol, m.to.col);
            const MoveResult result = ApplyMove(played, m);
            ASSERT_TRUE(result.applied());
            steps += result.step ? 1 : 0;
        }
        EXPECT_TRUE(GameAcceptsField(played));
        EXPECT_EQ(steps, answer.value("steps").toInt());
    }
}

TEST_F(SolveCommand, AWrongParityIsAnsweredUnsolvableWithItsReason) {
    GameState s = SolvedStart(SolveType::Numbers, 5, {{0, 1}}, false);
    const int v = s.board.value({4, 4});
    s.board.setValue({4, 4}, s.board.value({4, 5}));
    s.board.setValue({4, 5}, v);
    const CommandRun r = run({"--solve", write(positionOf(s, "numbers"))});
    EXPECT_EQ(r.status, std::optional<int>(0));
    EXPECT_EQ(AnswerOf(r).value("solvable"), QJsonValue(false));
    EXPECT_TRUE(AnswerOf(r).value("reason").toString().contains("half of all orders"));
}

// A malformed position is refused with exit status 2 and a message naming the field.
TEST_F(SolveCommand, MalformedPositionsNameTheirField) {
    const QJsonObject good = positionOf(SolvedStart(SolveType::RowsOrColumns, 4, {{1, 0}}, false), "rows-or-columns");
    auto with = [&](const char* key, const QJsonValue& v) {
        QJsonObject o = good;
        o.insert(key, v);
        return QJsonDocument(o).toJson();
    };
    auto withCell = [&](int r, int c, const QJsonValue& v) {
        QJsonArray grid = good.value("grid").toArray();
        QJsonArray row = grid[r].toArray();
        row[c] = v;
        grid[r] = row;
        return with("grid", grid);
    };
    QJsonArray shortGrid = good.value("grid").toArray();
    shortGrid.removeLast();
    QJsonObject noColumns = good;
    noColumns.remove("colColours");
    const struct {
        QByteArray json;
        const char* names;
    } cases[] = {
        {"{\"size\":4,", "not JSON"},
        {"[1,2]", "one JSON object"},
        {with("size", 7), "size"},
        {with("type", "pictures"), "type"},
        {with("grid", shortGrid), "grid"},
        {withCell(2, 2, "9"), "grid[2][2]"},                       // no colour 9 on 4 x 4
        {withCell(2, 2, "x"), "grid[2][2]"},
        {withCell(2, 2, ""), "grid[2][2]"},
        {withCell(0, 0, "."), "grid[0][0]"},                       // a corner
        {withCell(2, 2, "#"), "grid[2][2]"},                       // a wall in the field
        {withCell(2, 2, "1"), "colour"},                           // a colour five times
        {with("rowColours", QJsonArray{1, 2, 2, 4}), "rowColours"},
        {QJsonDocument(noColumns).toJson(), "colColours"},
        {with("map", "7777"), "map"},
        {with("form", "diagonal"), "form"},
        {with("pendoly", "yes"), "pendoly"},
        {with("pendoly", true), "Pendoly"},                        // ring cells open beside the field
        {with("colors", 1), "colors"},
    };
    for (const auto& c : cases) {
        const CommandRun r = run({"--solve", write(c.json)});
        EXPECT_EQ(r.status, std::optional<int>(2)) << c.json.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.names))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST_F(SolveCommand, ArgumentsAndFiles) {
    const QString file = write(positionOf(SolvedStart(SolveType::Numbers, 4, {{0, 1}}, false), "numbers"));
    const QString pipe = m_dir.filePath("pipe.json");   // would hold a reader up for ever
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {
        {{"--solve"}, 2},
        {{"--solve", file, "--time-limit"}, 2},
        {{"--solve", file, "--time-limit", "-1"}, 2},
        {{"--solve", file, "--time-limit", "soon"}, 2},
        {{"--solve", file, "--fast"}, 2},
        {{"--solve", file, file}, 2},
        {{"--solve", m_dir.filePath("missing.json")}, 1},
        {{"--solve", m_dir.path()}, 1},
        {{"--solve", pipe}, 1},
        {{"--solve", file, "--time-limit", "0.5"}, 0},
        {{"--time-limit", "3", "--solve", file}, 2},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.arguments);
        EXPECT_EQ(r.status, std::optional<int>(c.status)) << c.arguments.join(' ').toStdString();
    }
    EXPECT_EQ(run({"--solve", write(QByteArray(2 << 20, ' '), "large.json")}).status, std::optional<int>(2));
}

// With --shortest the proof must come within the limit; when it cannot, exit 4, and
// what was found is still printed, not claimed the shortest.
TEST_F(SolveCommand, ShortestThatRunsOutOfTimeExitsFour) {
    GameState s = SolvedStart(SolveType::Numbers, 6, {{0, 1}, {7, 6}}, false);
    Scramble(s, 500, 9);
    const CommandRun r = run({"--solve", write(positionOf(s, "numbers")), "--shortest", "--time-limit", "1"});
    EXPECT_EQ(r.status, std::optional<int>(4));
    EXPECT_FALSE(AnswerOf(r).value("shortest").toBool());
}
