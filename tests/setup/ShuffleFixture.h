// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A built board of a chosen size and type, a temporary program folder, and helpers
// that write kever.dat fixtures record by record.
#include "support/FakePlatform.h"
#include "play/GameState.h"
#include "presentation/BoardLayout.h"
#include "setup/ShuffledStateChooser.h"
#include "setup/ShuffledStates.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

enum class BoardType { Numbers, Diagonal, RandomColours, Stored };

inline void BuildTestBoard(GameState& s, FakePlatform& fp, int n, BoardType type) {
    s.panel.szamsor.checked = type == BoardType::Numbers;
    s.panel.atlos.checked = type == BoardType::Diagonal;
    s.panel.generalt.checked = type == BoardType::RandomColours;
    s.panel.tarolt.checked = type == BoardType::Stored;
    BuildBoard(s, fp.random, n + 2);
}

// Field values row by row.
inline std::vector<int> FieldValues(const GameState& s) {
    std::vector<int> values;
    for (int p = 1; p <= s.N() * s.N(); ++p) values.push_back(s.board.value(s.board.fieldCell(p)));
    return values;
}

// A sound `cells` text for size n: ranks 1..n² in order, then markers 1..n twice.
inline QByteArray PlainCells(int n) {
    QByteArray cells;
    for (int r = 1; r <= n * n; ++r) cells.append(static_cast<char>(r));
    for (int twice = 0; twice < 2; ++twice)
        for (int d = 1; d <= n; ++d) cells.append(static_cast<char>('0' + d));
    return cells.leftJustified(kShuffledCellsSize, ' ');
}

inline ShuffledStateRecord PlainRecord(int id, int n) {
    ShuffledStateRecord r;
    r.id = static_cast<qint16>(id);
    r.size = static_cast<qint16>(n);
    r.cells = PlainCells(n);
    return r;
}

// Scripts the chooser: records what it was shown and answers with `answer`.
class ScriptedChooser final : public ShuffledStateChooser {
public:
    std::optional<int> choose(const GameState&, int chooserMode,
                              const QList<ShuffledStateEntry>& states) override {
        modes.push_back(chooserMode);
        QList<int> ids;
        for (const ShuffledStateEntry& e : states) ids.append(e.id);
        shownIds.push_back(ids);
        return answer;
    }
    std::optional<int> answer;
    std::vector<int> modes;
    std::vector<QList<int>> shownIds;
};

class ShuffleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = QDir(dir.path());
        SetDesignCaptions(s.panel);
        SetDesignVisibility(s.panel);
        for (int no : {7, 8, 9, 10, 20, 26, 49}) s.texts.messages[no] = QStringLiteral("msg%1").arg(no);
    }

    QString path() const { return folder.filePath(QStringLiteral("kever.dat")); }

    void writeFile(const QByteArray& bytes) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    void writeRecords(const QList<ShuffledStateRecord>& records, const QByteArray& tail = {}) {
        QByteArray bytes;
        for (const ShuffledStateRecord& r : records) bytes += r.toBytes();
        writeFile(bytes + tail);
    }

    QByteArray fileBytes() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QList<ShuffledStateEntry> listed(int n) const {
        return ShuffledStatesOfSize(fileBytes(), n);
    }

    std::vector<int> shownMessageNumbers() const {
        std::vector<int> numbers;
        for (const MessageRequest& r : fp.messageBox.shown) numbers.push_back(r.messageNo);
        return numbers;
    }

    FakePlatform fp;
    GameState s;
    QTemporaryDir dir;
    QDir folder;
};
