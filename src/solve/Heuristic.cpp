// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/Heuristic.h"
#include "solve/CoarseTable.h"
#include "solve/PatternTables.h"
#include "solve/RowTurns.h"
#include <algorithm>
#include <bit>
#include <climits>
#include <cstdlib>

namespace {

// The tiles of a line that have to leave it so the others can pass each other: the
// line's length minus its longest increasing run of wanted positions.
int mustLeave(const int* wanted, int count) {
    int best[MoveGraph::kMaxPlaces];
    int longest = 0;
    for (int i = 0; i < count; ++i) {
        best[i] = 1;
        for (int j = 0; j < i; ++j)
            if (wanted[j] < wanted[i]) best[i] = std::max(best[i], best[j] + 1);
        longest = std::max(longest, best[i]);
    }
    return count - longest;
}

int cyclicDistance(int a, int b, int n) {
    const int d = std::abs(a - b);
    return std::min(d, n - d);
}

} // namespace

Heuristic::Heuristic(const Puzzle& pz, const std::vector<uint64_t>& active,
                     std::shared_ptr<const PatternTables> tables, uint64_t coarseEntries,
                     const SearchLimits* limits)
    : m_pz(pz), m_tables(std::move(tables)) {
    const MoveGraph& g = pz.graph;
    if (!g.pendoly) {
        // Row lines and column lines over every place, ring cells included: a tile in a
        // ring cell stands on the line of its row and of its column.
        const int span = g.n + 2;
        m_linesOfPlace.assign(g.placeCount(), {-1, -1});
        for (bool isRow : {true, false}) {
            for (int i = 0; i < span; ++i) {
                Line line{isRow, i, {}};
                for (int k = 0; k < span; ++k) {
                    const int p = g.placeOf(isRow ? Cell{i, k} : Cell{k, i});
                    if (p >= 0) line.places.push_back(static_cast<uint8_t>(p));
                }
                if (line.places.empty()) continue;
                for (uint8_t p : line.places) m_linesOfPlace[p][isRow ? 0 : 1] = static_cast<int>(m_lines.size());
                m_lines.push_back(std::move(line));
            }
        }
    }
    int offset = 0;
    for (size_t goal = 0; goal < pz.goals.size(); ++goal) {
        if (goal < active.size() && active[goal] == 0) continue;   // a target left out
        GoalModel m;
        m.goal = static_cast<int>(goal);
        m.offset = offset;
        const uint64_t places = goal < active.size() ? active[goal] : pz.allField();
        buildModel(m, places);
        if (coarseEntries > 0 && !m.trivial && places == pz.allField()) {
            buildCoarse(m, coarseEntries, limits ? *limits : SearchLimits{});
            if (!m.coarse.empty()) m.coarsePart = m.partCount++;
        }
        if (offset + m.partCount > kMaxParts) {
            m.trivial = true;
            m.partCount = 0;
        }
        offset += m.partCount;
        m_models.push_back(std::move(m));
    }
}

void Heuristic::buildModel(GoalModel& m, uint64_t active) {
    const Goal& goal = m_pz.goals[static_cast<size_t>(m.goal)];
    const MoveGraph& g = m_pz.graph;
    m.placeOf.fill(-1);
    m.classOf.fill(-1);
    // A place that may stay empty sets no condition the bound can count on.
    std::vector<int> places;
    for (int p = 0; p < g.fieldPlaces(); ++p)
        if ((active >> p & 1) && !(goal.accepts[p] & 1)) places.push_back(p);

    // Singles: each place wants one value, wanted nowhere else and held by one tile.
    std::array<int, 64> tilesOf{};
    for (int p = 0; p < g.placeCount(); ++p) ++tilesOf[m_pz.start.at[p]];
    m.singles = true;
    uint64_t seen = 0;
    for (int p : places) {
        const uint64_t mask = goal.accepts[p];
        if (std::popcount(mask) != 1 || (seen & mask) || tilesOf[std::countr_zero(mask)] > 1) m.singles = false;
        seen |= mask;
    }
    if (m.singles) {
        for (int p : places) m.placeOf[std::countr_zero(goal.accepts[p])] = static_cast<int8_t>(p);
        m.usesTables = m_tables && !g.pendoly && active == m_pz.allField();
    } else {
        for (int p : places) {
            const uint64_t mask = goal.accepts[p];
            auto same = std::find_if(m.classes.begin(), m.classes.end(),
                                     [mask](const ColourClass& c) { return c.values == mask; });
            if (same == m.classes.end()) {
                m.classes.push_back({mask, {}});
                same = m.classes.end() - 1;
            }
            same->places.push_back(static_cast<uint8_t>(p));
        }
        // Overlapping wishes (two colours drawn alike) would need one joint assignment.
        uint64_t all = 0;
        for (const ColourClass& c : m.classes) {
            if (all & c.values) m.trivial = true;
            all |= c.values;
        }
        for (size_t k = 0; k < m.classes.size(); ++k)
            for (int v = 0; v <= Puzzle::kMaxValue; ++v)
                if (m.classes[k].values >> v & 1) m.classOf[v] = static_cast<int8_t>(k);
    }
    if (m.trivial) {
        m.partCount = 0;
    } else if (g.pendoly) {
        m.partCount = 1;
    } else if (m.singles) {
        m.partCount = 1 + static_cast<int>(m_lines.size()) +
                      (m.usesTables ? static_cast<int>(m_tables->groups().size()) : 0);
    } else {
        m.partCount = static_cast<int>(m.classes.size());
    }
}

// The classes of the coarse tables: each colour against the other tiles; for numbers
// in the Pendoly mode, the tiles wanted in one row against the rest (the whole board is
// too large for a table; a row's tiles change rows only one slide at a time, while the
// rotations that reorder them move them all at once).
void Heuristic::buildCoarse(GoalModel& m, uint64_t entries, const SearchLimits& limits) const {
    const MoveGraph& g = m_pz.graph;
    const Goal& goal = m_pz.goals[static_cast<size_t>(m.goal)];
    std::vector<uint64_t> classes;   // the tile values of each class
    if (!m.singles) {
        for (const ColourClass& c : m.classes) classes.push_back(c.values);
    } else if (g.pendoly) {
        for (int row = 0; row < g.n; ++row) {
            uint64_t values = 0;
            for (int col = 0; col < g.n; ++col) values |= goal.accepts[static_cast<size_t>(row * g.n + col)];
            classes.push_back(values);
        }
    }
    std::vector<std::shared_ptr<const CoarseTable>> built;   // by the targets before, to serve again
    for (const GoalModel& other : m_models) built.insert(built.end(), other.coarse.begin(), other.coarse.end());
    for (uint64_t values : classes) {
        CoarseTable::Classes classOf{};
        for (int v = 1; v <= Puzzle::kMaxValue; ++v) classOf[static_cast<size_t>(v)] = (values >> v & 1) ? 1 : 2;
        if (CoarseTable::Size(m_pz, classOf) > entries || limits.expired()) continue;
        if (std::shared_ptr<const CoarseTable> t = CoarseTable::Build(m_pz, m.goal, classOf, entries, limits, built)) {
            built.push_back(t);
            m.coarse.push_back(std::move(t));
        }
    }
}

int Heuristic::coarseValue(const GoalModel& m, const PlaceState& s) const {
    int best = 0;
    for (const std::shared_ptr<const CoarseTable>& t : m.coarse) {
        const int v = t->lookup(s);
        best = std::max(best, v == CoarseTable::kFar ? static_cast<int>(kUnreachable) : v);
    }
    return best;
}

size_t Heuristic::coarseBytes() const {
    std::vector<const std::vector<uint8_t>*> counted;   // tables that share their distances count once
    size_t total = 0;
    for (const GoalModel& m : m_models)
        for (const std::shared_ptr<const CoarseTable>& t : m.coarse) {
            if (std::find(counted.begin(), counted.end(), t->distances()) != counted.end()) continue;
            counted.push_back(t->distances());
            total += t->bytes();
        }
    return total;
}

int Heuristic::lineConflicts(const GoalModel& m, const Line& line, const PlaceState& s) const {
    int wanted[MoveGraph::kMaxPlaces];
    int count = 0;
    const std::vector<Cell>& cells = m_pz.graph.cells;
    for (uint8_t p : line.places) {
        const int gp = m.placeOf[s.at[p]];
        if (s.at[p] == kEmpty || gp < 0) continue;
        const Cell home = cells[static_cast<size_t>(gp)];
        if (line.isRow && home.row == line.index) wanted[count++] = home.col;
        if (!line.isRow && home.col == line.index) wanted[count++] = home.row;
    }
    return mustLeave(wanted, count);
}

int Heuristic::tilesOf(const ColourClass& c, const PlaceState& s, int* places) const {
    int count = 0;
    for (int p = 0; p < m_pz.graph.placeCount(); ++p)
        if (s.at[p] != kEmpty && (c.values >> s.at[p] & 1)) places[count++] = p;
    return count;
}

int Heuristic::classCost(const GoalModel& m, int k, const PlaceState& s) const {
    const ColourClass& c = m.classes[static_cast<size_t>(k)];
    const MoveGraph& g = m_pz.graph;
    int tiles[MoveGraph::kMaxPlaces];
    const int count = tilesOf(c, s, tiles);
    const int rows = static_cast<int>(c.places.size());
    if (rows > count) return kUnreachable;
    int cost[Assignment::kMaxSize * MoveGraph::kMaxPlaces];
    if (rows > Assignment::kMaxSize || count > Assignment::kMaxSize) return 0;
    for (int r = 0; r < rows; ++r)
        for (int t = 0; t < count; ++t) cost[r * count + t] = g.distance[tiles[t]][c.places[static_cast<size_t>(r)]];
    return m_assignment.minimumCost(cost, rows, count);
}

int Heuristic::tableValue(const GoalModel& m, int group, const PlaceState& s) const {
    const Goal& goal = m_pz.goals[static_cast<size_t>(m.goal)];
    const MoveGraph& g = m_pz.graph;
    std::array<uint8_t, 64> where{};
    for (int p = 0; p < g.placeCount(); ++p) where[s.at[p]] = static_cast<uint8_t>(p);
    const PatternTables::Group& gr = m_tables->groups()[static_cast<size_t>(group)];
    uint8_t positions[8];
    for (size_t i = 0; i < gr.places.size(); ++i)
        positions[i] = where[std::countr_zero(goal.accepts[gr.places[i]])];
    return m_tables->lookup(group, positions);
}

// Pendoly: vertical distances add up (one slide changes one tile's row by one); the
// column distances shrink by at most N with each rotation or carry. A lone number tile
// off its column also needs either that many rotations, or a trip through the slot:
// up to the top ring row and down again, and a carry or rotations besides.
//
// Besides, where asked: the tiles that never leave their row all move with its turns (RowTurns), so
// the others leave it, at two slides for a number tile wanted in that row; and number
// tiles of one column wanted in it in the wrong order cannot pass each other there:
// all but the longest run in order leave the column and come back, two columns more
// to travel each.
int Heuristic::pendolyValue(const GoalModel& m, const PlaceState& s) const {
    const Puzzle& pz = m_pz;
    const int n = pz.graph.n;
    const Goal& goal = pz.goals[static_cast<size_t>(m.goal)];
    int vertical = 0;
    int columns = 0;
    int lone = 0;
    if (m.singles) {
        std::array<std::array<int, MoveGraph::kMaxPlaces>, RowTurns::kMaxN + 1> inColumn{};   // wanted rows
        std::array<int, RowTurns::kMaxN + 1> inColumnCount{};
        auto addToColumn = [&](int col, int gp) {
            if (pz.graph.cells[static_cast<size_t>(gp)].col != col) return;
            inColumn[static_cast<size_t>(col)][static_cast<size_t>(inColumnCount[static_cast<size_t>(col)]++)] = pz.rowOf(gp);
        };
        // The slot's tile stands above its column, so it comes first in it.
        if (m_rowTurns && s.at[pz.graph.slot] != kEmpty && m.placeOf[s.at[pz.graph.slot]] >= 0)
            addToColumn(s.slotCol, m.placeOf[s.at[pz.graph.slot]]);
        for (int p = 0; p < pz.graph.placeCount(); ++p) {
            const int v = s.at[p];
            const int gp = m.placeOf[v];
            if (v == kEmpty || gp < 0) continue;
            const int r = pz.rowOf(p);
            const int r2 = pz.rowOf(gp);
            const int d = cyclicDistance(pz.colOf(s, p), pz.colOf(s, gp), n);
            vertical += std::abs(r - r2);
            columns += d;
            if (d > 0) lone = std::max(lone, std::min(d, 2 * std::min(r, r2) + 1));
            if (m_rowTurns && p != pz.graph.slot) addToColumn(pz.graph.cells[static_cast<size_t>(p)].col, gp);
        }
        const int plain = vertical + std::max((columns + n - 1) / n, lone);
        if (!m_rowTurns) return plain;
        int passing = 0;
        for (int col = 1; col <= n; ++col)
            passing += mustLeave(inColumn[static_cast<size_t>(col)].data(), inColumnCount[static_cast<size_t>(col)]);
        const RowTurns turns(pz, goal, s, true);
        const int leaving = vertical + 2 * turns.mustLeave() + (columns + 2 * passing + n - 1) / n;
        return std::max({plain, leaving, vertical + turns.leavingOrTurning(2)});
    }
    int rowCost[Assignment::kMaxSize * MoveGraph::kMaxPlaces];
    int colCost[Assignment::kMaxSize * MoveGraph::kMaxPlaces];
    for (const ColourClass& c : m.classes) {
        int tiles[MoveGraph::kMaxPlaces];
        const int count = tilesOf(c, s, tiles);
        const int rows = static_cast<int>(c.places.size());
        if (rows > count) return kUnreachable;
        if (rows > Assignment::kMaxSize || count > Assignment::kMaxSize) continue;
        for (int r = 0; r < rows; ++r) {
            const int home = c.places[static_cast<size_t>(r)];
            for (int t = 0; t < count; ++t) {
                rowCost[r * count + t] = std::abs(pz.rowOf(tiles[t]) - pz.rowOf(home));
                colCost[r * count + t] = cyclicDistance(pz.colOf(s, tiles[t]), pz.colOf(s, home), n);
            }
        }
        vertical += m_assignment.minimumCost(rowCost, rows, count);
        columns += m_assignment.minimumCost(colCost, rows, count);
    }
    if (!m_rowTurns) return vertical + (columns + n - 1) / n;
    // A tile in the slot leaves it with one slide down.
    const int inSlot = s.at[pz.graph.slot] != kEmpty ? 1 : 0;
    const RowTurns turns(pz, goal, s, false);
    const int plain = std::max(vertical, inSlot + turns.mustLeave()) + (columns + n - 1) / n;
    return std::max(plain, turns.turnsAndSlides(vertical, inSlot));
}

// Pendoly, as a guide: each tile's rows and cyclic columns to its cell, added up over
// the cheapest assignment of tiles to cells.
int Heuristic::pendolyGuide(const GoalModel& m, const PlaceState& s) const {
    const Puzzle& pz = m_pz;
    const int n = pz.graph.n;
    int total = 0;
    int cost[Assignment::kMaxSize * MoveGraph::kMaxPlaces];
    auto away = [&](int tile, int home) {
        return std::abs(pz.rowOf(tile) - pz.rowOf(home)) + cyclicDistance(pz.colOf(s, tile), pz.colOf(s, home), n);
    };
    if (m.singles) {
        for (int p = 0; p < pz.graph.placeCount(); ++p)
            if (s.at[p] != kEmpty && m.placeOf[s.at[p]] >= 0) total += away(p, m.placeOf[s.at[p]]);
        return total;
    }
    for (const ColourClass& c : m.classes) {
        int tiles[MoveGraph::kMaxPlaces];
        const int count = tilesOf(c, s, tiles);
        const int rows = static_cast<int>(c.places.size());
        if (rows > count) return kUnreachable;
        if (rows > Assignment::kMaxSize || count > Assignment::kMaxSize) continue;
        for (int r = 0; r < rows; ++r)
            for (int t = 0; t < count; ++t) cost[r * count + t] = away(tiles[t], c.places[static_cast<size_t>(r)]);
        total += m_assignment.minimumCost(cost, rows, count);
    }
    return total;
}

void Heuristic::computeGoal(const GoalModel& m, const PlaceState& s, Parts& parts) const {
    if (m.trivial) return;
    int16_t* v = parts.v.data() + m.offset;
    if (m.coarsePart >= 0) v[m.coarsePart] = 0;   // looked up later, where it counts
    if (m_pz.graph.pendoly) {
        v[0] = static_cast<int16_t>(m_guide ? pendolyGuide(m, s) : pendolyValue(m, s));
        return;
    }
    if (!m.singles) {
        for (size_t k = 0; k < m.classes.size(); ++k) v[k] = static_cast<int16_t>(classCost(m, static_cast<int>(k), s));
        return;
    }
    const MoveGraph& g = m_pz.graph;
    int md = 0;
    for (int p = 0; p < g.placeCount(); ++p) {
        const int gp = m.placeOf[s.at[p]];
        if (s.at[p] != kEmpty && gp >= 0) md += std::min<int>(g.distance[p][gp], kUnreachable);
    }
    v[0] = static_cast<int16_t>(std::min(md, 30000));
    for (size_t i = 0; i < m_lines.size(); ++i) v[1 + i] = static_cast<int16_t>(lineConflicts(m, m_lines[i], s));
    if (m.usesTables) {
        const int first = 1 + static_cast<int>(m_lines.size());
        for (size_t k = 0; k < m_tables->groups().size(); ++k)
            v[first + static_cast<int>(k)] = static_cast<int16_t>(tableValue(m, static_cast<int>(k), s));
    }
}

int Heuristic::goalValue(const GoalModel& m, const Parts& parts) const {
    if (m.trivial) return 0;
    const int16_t* v = parts.v.data() + m.offset;
    const int coarse = m.coarsePart >= 0 ? v[m.coarsePart] : 0;
    if (m_pz.graph.pendoly) return std::max<int>(v[0], coarse);
    int sum = 0;
    if (!m.singles) {
        for (size_t k = 0; k < m.classes.size(); ++k) sum += v[k];
        return std::max(sum, coarse);
    }
    const int lines = static_cast<int>(m_lines.size());
    int conflicts = 0;
    for (int i = 1; i <= lines; ++i) conflicts += v[i];
    sum = v[0] + 2 * conflicts;
    if (m.usesTables) {
        int tables = 0;
        for (int k = 1 + lines; k < m.partCount; ++k) tables += v[k];
        sum = std::max(sum, tables);
    }
    return sum;
}

void Heuristic::finish(Parts& parts, const PlaceState& s) const {
    int best = kUnreachable;
    for (const GoalModel& m : m_models) best = std::min(best, goalValue(m, parts));
    parts.h = best;
    if (m_guide && best > 0 && best < kUnreachable) parts.h += emptyPlaceGuide(s);
    for (uint64_t rest = m_keepEmpty; rest; rest &= rest - 1)
        if (s.at[std::countr_zero(rest)] != kEmpty) ++parts.h;
}

// How far an empty place is from a tile: along the slides; in Pendoly mode rows apart
// and columns apart around the row (the empty slot may be above any column).
int Heuristic::holeDistance(const PlaceState& s, int tile, int hole) const {
    const MoveGraph& g = m_pz.graph;
    if (!g.pendoly) return g.distance[tile][hole];
    const int rows = std::abs(m_pz.rowOf(tile) - m_pz.rowOf(hole));
    if (hole == g.slot && s.slotCol == 0) return rows;
    return rows + cyclicDistance(m_pz.colOf(s, tile), m_pz.colOf(s, hole), g.n);
}

int Heuristic::emptyPlaceGuide(const PlaceState& s) const {
    const MoveGraph& g = m_pz.graph;
    int holes[MoveGraph::kMaxPlaces];
    int holeCount = 0;
    for (int p = 0; p < g.placeCount(); ++p)
        if (s.at[p] == kEmpty) holes[holeCount++] = p;
    int nearest = kUnreachable;
    for (const GoalModel& m : m_models) {
        if (m.trivial) continue;
        for (int p = 0; p < g.placeCount(); ++p) {
            const int v = s.at[p];
            if (v == kEmpty) continue;
            bool misplaced = false;
            if (m.singles) {
                misplaced = m.placeOf[v] >= 0 && m.placeOf[v] != p;
            } else if (m.classOf[v] >= 0) {
                const std::vector<uint8_t>& home = m.classes[static_cast<size_t>(m.classOf[v])].places;
                misplaced = std::find(home.begin(), home.end(), p) == home.end();
            }
            if (!misplaced) continue;
            for (int k = 0; k < holeCount; ++k) nearest = std::min(nearest, holeDistance(s, p, holes[k]));
        }
    }
    return nearest == kUnreachable ? 0 : std::max(0, nearest - 1);
}

int Heuristic::bestGoal(const Parts& parts) const {
    int best = 0;
    int bestValue = kUnreachable + 1;
    for (const GoalModel& m : m_models) {
        const int value = goalValue(m, parts);
        if (value < bestValue) {
            bestValue = value;
            best = m.goal;
        }
    }
    return best;
}

// The coarse tables cost the most to look up, and only the least of the targets' bounds
// counts: they are looked up for the target whose bound is the least so far, until that
// target has them. The others keep their bound without them, which is no more than with.
void Heuristic::addCoarse(const PlaceState& s, Parts& parts) const {
    uint64_t done = 0;
    for (;;) {
        size_t least = 0;
        int leastValue = INT_MAX;
        bool leastPending = false;
        for (size_t i = 0; i < m_models.size(); ++i) {
            const GoalModel& m = m_models[i];
            const int value = goalValue(m, parts);
            const bool pending = !m.trivial && m.coarsePart >= 0 && !(done >> i & 1);
            if (value < leastValue || (value == leastValue && leastPending && !pending)) {
                least = i;
                leastValue = value;
                leastPending = pending;
            }
        }
        if (!leastPending) return;
        const GoalModel& m = m_models[least];
        done |= 1ULL << least;
        parts.v[static_cast<size_t>(m.offset + m.coarsePart)] = static_cast<int16_t>(coarseValue(m, s));
    }
}

void Heuristic::compute(const PlaceState& s, Parts& parts) const {
    for (const GoalModel& m : m_models) computeGoal(m, s, parts);
    addCoarse(s, parts);
    finish(parts, s);
}

void Heuristic::afterSlide(const PlaceState& s, int a, int b, Parts& parts) const {
    const MoveGraph& g = m_pz.graph;
    const int value = s.at[b];
    for (const GoalModel& m : m_models) {
        if (m.trivial) continue;
        int16_t* v = parts.v.data() + m.offset;
        // A slide moves an empty place, which every coarse position tells apart: looked
        // up again, where it counts.
        if (m.coarsePart >= 0) v[m.coarsePart] = 0;
        if (!m.singles) {
            const int k = m.classOf[value];
            if (k >= 0) v[k] = static_cast<int16_t>(classCost(m, k, s));
            continue;
        }
        const int gp = m.placeOf[value];
        if (gp < 0) continue;
        v[0] = static_cast<int16_t>(v[0] + g.distance[b][gp] - g.distance[a][gp]);
        // A slide along a row keeps the order of that row's tiles; it changes the two
        // column lines, and a slide along a column the two row lines.
        const int which = g.cells[a].row == g.cells[b].row ? 1 : 0;
        for (int place : {a, b}) {
            const int line = m_linesOfPlace[place][which];
            if (line >= 0) v[1 + line] = static_cast<int16_t>(lineConflicts(m, m_lines[line], s));
        }
        if (m.usesTables) {
            const std::vector<PatternTables::Group>& groups = m_tables->groups();
            for (size_t k = 0; k < groups.size(); ++k) {
                if (std::find(groups[k].places.begin(), groups[k].places.end(), gp) == groups[k].places.end()) continue;
                v[1 + static_cast<int>(m_lines.size()) + static_cast<int>(k)] =
                    static_cast<int16_t>(tableValue(m, static_cast<int>(k), s));
            }
        }
    }
    addCoarse(s, parts);
    finish(parts, s);
}

int Heuristic::estimate(const PlaceState& s) const {
    Parts parts;
    compute(s, parts);
    return parts.h;
}
