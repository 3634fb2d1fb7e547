// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/PositionFile.h"
#include "play/DiagonalTargets.h"
#include "setup/TargetMapText.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <vector>

namespace {

const QStringList kFields = {QStringLiteral("size"),       QStringLiteral("type"),       QStringLiteral("pendoly"),
                             QStringLiteral("slotCol"),    QStringLiteral("grid"),       QStringLiteral("rowColours"),
                             QStringLiteral("colColours"), QStringLiteral("map"),        QStringLiteral("form")};

enum class Type { Numbers, Diagonal, RowsOrColumns, Map };

std::optional<int> wholeNumber(const QJsonValue& v) {
    if (!v.isDouble()) return std::nullopt;
    const double d = v.toDouble();
    if (std::floor(d) != d || d < -1e6 || d > 1e6) return std::nullopt;
    return static_cast<int>(d);
}

// Reads the fields one by one; the first problem met is the one told.
class Reader {
public:
    explicit Reader(const QJsonObject& o) : m_o(o) {}

    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    void fail(const QString& problem) {
        if (m_error.isEmpty()) m_error = problem;
    }

    bool has(const char* name) const { return m_o.contains(QLatin1String(name)); }
    QJsonValue value(const char* name) const { return m_o.value(QLatin1String(name)); }

    // A list of n colours 1..n, each once.
    std::vector<int> colours(const char* name, int n) {
        const QJsonValue v = value(name);
        std::vector<int> colours(static_cast<size_t>(n) + 1, 0);
        const QString wanted = QStringLiteral("%1: needs %2 colours 1..%2, each once").arg(QLatin1String(name)).arg(n);
        if (!v.isArray() || v.toArray().size() != n) {
            fail(wanted);
            return colours;
        }
        std::vector<bool> seen(static_cast<size_t>(n) + 1, false);
        for (int i = 0; i < n; ++i) {
            const std::optional<int> c = wholeNumber(v.toArray().at(i));
            if (!c || *c < 1 || *c > n || seen[static_cast<size_t>(*c)]) {
                fail(wanted);
                return colours;
            }
            seen[static_cast<size_t>(*c)] = true;
            colours[static_cast<size_t>(i) + 1] = *c;
        }
        return colours;
    }

private:
    QJsonObject m_o;
    QString m_error;
};

constexpr int kWallCell = -1;
constexpr int kBadCell = -2;

// "#" a wall, "." empty, a tile as its value (a string of digits or a number).
int cellValue(const QJsonValue& v, int largestTile) {
    int value = kBadCell;
    if (v.isString()) {
        const QString text = v.toString();
        if (text == QLatin1String("#")) return kWallCell;
        if (text == QLatin1String(".")) return kEmpty;
        bool ok = false;
        const int number = text.toInt(&ok);
        if (ok && !text.isEmpty() && text.size() <= 2 && text.front().isDigit() && text.back().isDigit())
            value = number;
    } else if (const std::optional<int> number = wholeNumber(v)) {
        value = *number;
    }
    return value >= 1 && value <= largestTile ? value : kBadCell;
}

QString cellName(int r, int c) { return QStringLiteral("grid[%1][%2]").arg(r).arg(c); }

} // namespace

PositionRead ReadPosition(const QByteArray& json) {
    PositionRead result;
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError) {
        result.error = QStringLiteral("not JSON: %1 at byte %2").arg(parse.errorString()).arg(parse.offset);
        return result;
    }
    if (!doc.isObject()) {
        result.error = QStringLiteral("the position must be one JSON object");
        return result;
    }
    const QJsonObject o = doc.object();
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!kFields.contains(it.key())) {
            result.error = QStringLiteral("unknown field '%1'").arg(it.key());
            return result;
        }
    Reader in(o);

    const std::optional<int> size = wholeNumber(in.value("size"));
    if (!size || *size < 4 || *size > 6) {
        result.error = QStringLiteral("size: must be 4, 5 or 6");
        return result;
    }
    const int n = *size;
    const QString typeName = in.value("type").toString();
    Type type = Type::Numbers;
    if (typeName == QLatin1String("numbers")) type = Type::Numbers;
    else if (typeName == QLatin1String("diagonal")) type = Type::Diagonal;
    else if (typeName == QLatin1String("rows-or-columns")) type = Type::RowsOrColumns;
    else if (typeName == QLatin1String("map")) type = Type::Map;
    else in.fail(QStringLiteral("type: must be \"numbers\", \"diagonal\", \"rows-or-columns\" or \"map\""));
    bool pendoly = false;
    if (in.has("pendoly")) {
        if (!in.value("pendoly").isBool()) in.fail(QStringLiteral("pendoly: must be true or false"));
        pendoly = in.value("pendoly").toBool();
    }
    int rearrangePhase = 0;
    if (in.has("form")) {
        const QString form = in.value("form").toString();
        if (form == QLatin1String("row")) rearrangePhase = 1;
        else if (form == QLatin1String("column")) rearrangePhase = 2;
        else if (form != QLatin1String("any")) in.fail(QStringLiteral("form: must be \"row\", \"column\" or \"any\""));
        if (type == Type::Map && rearrangePhase != 0) in.fail(QStringLiteral("form: a map has one form only: \"any\""));
    }
    if (in.failed()) {
        result.error = in.error();
        return result;
    }

    GameState s;
    SetDesignVisibility(s.panel);   // no target map on show unless the type has one
    s.board.resize(n);
    s.pendolyMode = pendoly;
    s.rearrangePhase = rearrangePhase;
    s.panel.atrend.checked = rearrangePhase != 0;
    s.rowColours.assign(static_cast<size_t>(n) + 1, 0);
    s.colColours.assign(static_cast<size_t>(n) + 1, 0);
    const bool numbers = type == Type::Numbers;
    const int largestTile = numbers ? n * n : n;

    // The grid: its shape, then every cell, the ring as the mode allows it.
    const QJsonValue grid = in.value("grid");
    const int span = n + 2;
    if (!grid.isArray() || grid.toArray().size() != span) {
        result.error = QStringLiteral("grid: needs %1 rows of %1 cells for a %2 x %2 board").arg(span).arg(n);
        return result;
    }
    std::vector<int> count(static_cast<size_t>(largestTile) + 1, 0);
    int slot = 0;
    for (int r = 0; r < span; ++r) {
        const QJsonValue row = grid.toArray().at(r);
        if (!row.isArray() || row.toArray().size() != span) {
            result.error = QStringLiteral("grid[%1]: needs %2 cells").arg(r).arg(span);
            return result;
        }
        for (int c = 0; c < span; ++c) {
            const Cell cell{r, c};
            const int value = cellValue(row.toArray().at(c), largestTile);
            if (value == kBadCell) {
                result.error = QStringLiteral("%1: must be \"#\", \".\" or a tile 1..%2").arg(cellName(r, c)).arg(largestTile);
                return result;
            }
            const bool corner = (r == 0 || r == span - 1) && (c == 0 || c == span - 1);
            if (value != kWallCell && s.board.isRing(cell)) {
                if (corner) in.fail(QStringLiteral("%1: a corner of the ring is always a wall").arg(cellName(r, c)));
                if (pendoly && r == 0 && slot != 0)
                    in.fail(QStringLiteral("%1: in Pendoly mode the top ring row has one open slot").arg(cellName(r, c)));
                if (pendoly && r != 0)
                    in.fail(QStringLiteral("%1: in Pendoly mode only the top ring row has an open slot").arg(cellName(r, c)));
                if (pendoly && r == 0) slot = c;
            }
            if (value == kWallCell && s.board.isField(cell))
                in.fail(QStringLiteral("%1: a field cell is never a wall").arg(cellName(r, c)));
            s.board.setValue(cell, value == kWallCell ? kWall : value);
            if (value > 0) ++count[static_cast<size_t>(value)];
        }
    }
    if (in.failed()) {
        result.error = in.error();
        return result;
    }
    for (int v = 1; v <= largestTile; ++v) {
        const int seen = count[static_cast<size_t>(v)];
        if (numbers && seen != 1)
            in.fail(QStringLiteral("grid: number %1 occurs %2 times; each of 1..%3 must occur once").arg(v).arg(seen).arg(largestTile));
        if (!numbers && seen != n)
            in.fail(QStringLiteral("grid: colour %1 occurs %2 times; each colour 1..%3 must occur %3 times").arg(v).arg(seen).arg(n));
    }
    if (pendoly) {
        if (slot == 0) in.fail(QStringLiteral("grid: in Pendoly mode the top ring row needs its open slot"));
        if (in.has("slotCol") && wholeNumber(in.value("slotCol")) != std::optional<int>(slot))
            in.fail(QStringLiteral("slotCol: must be the column of the open cell of the top ring row (%1)").arg(slot));
        s.slotCol = slot;
    } else if (in.has("slotCol")) {
        in.fail(QStringLiteral("slotCol: only the Pendoly mode has a slot"));
    }

    // What the type needs to know its targets.
    switch (type) {
    case Type::Numbers:
        s.gameType = GameType::NumberSequence;
        s.panel.szamsor.checked = true;
        break;
    case Type::Diagonal:
        s.gameType = GameType::Diagonal;
        s.panel.atlos.checked = true;
        s.rowColours = in.colours("rowColours", n);
        BuildDiagonalTargets(s);
        break;
    case Type::RowsOrColumns:
        s.gameType = GameType::RandomColours;
        s.panel.generalt.checked = true;
        s.rowColours = in.colours("rowColours", n);
        s.colColours = in.colours("colColours", n);
        break;
    case Type::Map: {
        s.gameType = GameType::RandomColours;
        s.panel.generalt.checked = true;
        const QString map = in.value("map").toString();
        if (!IsSoundTargetMap(map, n) || map.size() != span * span)
            in.fail(QStringLiteral("map: needs %1 digits, 7 or 0 on the ring and each colour 1..%2 on %2 field cells")
                        .arg(span * span).arg(n));
        s.panel.mker.visible = true;
        s.targetMapText = map;
        s.targetMap = DrawTargetMap(map, n, s.tileColours);
        break;
    }
    }
    for (const char* unwanted : {"rowColours", "colColours", "map"}) {
        const bool wanted = (type == Type::Diagonal && QLatin1String(unwanted) == QLatin1String("rowColours")) ||
                            (type == Type::RowsOrColumns && QLatin1String(unwanted) != QLatin1String("map")) ||
                            (type == Type::Map && QLatin1String(unwanted) == QLatin1String("map"));
        if (!wanted && in.has(unwanted))
            in.fail(QStringLiteral("%1: the type \"%2\" has no use for it").arg(QLatin1String(unwanted), typeName));
    }
    if (in.failed()) {
        result.error = in.error();
        return result;
    }
    s.gameRunning = true;
    s.phase = GamePhase::Playing;
    result.state = std::move(s);
    return result;
}

namespace {

QJsonObject moveJson(const Move& m) {
    QJsonObject o;
    switch (m.kind) {
    case MoveKind::Slide:
        o.insert(QStringLiteral("from"), QJsonArray{m.from.row, m.from.col});
        o.insert(QStringLiteral("to"), QJsonArray{m.to.row, m.to.col});
        break;
    case MoveKind::RotateRow:
        o.insert(QStringLiteral("rotate"), m.from.row);
        o.insert(QStringLiteral("side"), m.rightwards ? QStringLiteral("right") : QStringLiteral("left"));
        break;
    case MoveKind::ShiftSlot:
        o.insert(QStringLiteral("slot"), m.to.col);
        break;
    case MoveKind::Exchange:
        break;
    }
    return o;
}

} // namespace

QByteArray AnswerJson(const SolveReport& r) {
    QJsonObject o;
    switch (r.status) {
    case SolveReport::Status::Solved: {
        o.insert(QStringLiteral("solvable"), true);
        o.insert(QStringLiteral("steps"), r.steps);
        o.insert(QStringLiteral("shortest"), r.shortest);
        QJsonArray moves;
        for (const Move& m : r.moves) moves.append(moveJson(m));
        o.insert(QStringLiteral("moves"), moves);
        break;
    }
    case SolveReport::Status::Hopeless:
        o.insert(QStringLiteral("solvable"), false);
        o.insert(QStringLiteral("reason"), QString::fromLatin1(HopelessText(r.hopeless)));
        break;
    case SolveReport::Status::NotFound:
    case SolveReport::Status::Cancelled:
        o.insert(QStringLiteral("solvable"), QJsonValue::Null);
        o.insert(QStringLiteral("reason"), QStringLiteral("no solution was found within the time limit"));
        break;
    case SolveReport::Status::Unsupported:
        o.insert(QStringLiteral("solvable"), QJsonValue::Null);
        o.insert(QStringLiteral("reason"), r.detail);
        break;
    }
    o.insert(QStringLiteral("expanded"), static_cast<qint64>(r.expanded));
    o.insert(QStringLiteral("ms"), static_cast<qint64>(r.ms));
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}
