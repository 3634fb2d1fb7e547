// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A solution made stage by stage often goes the long way round: a tile steps aside for
// one stage and back for the next, or two stages move the same tiles to and fro. This
// walks the path and, from each position on it, looks a few steps around (breadth
// first); where a later position of the path is nearer than the path goes, the steps
// in between are replaced by the shorter way. The result reaches the same end.
#include "solve/SearchSupport.h"
#include <cstdint>
#include <vector>

// `path` from `pz.start`, with every shortcut found within `nodesPerPosition`
// positions around each of its positions, until `limits` says stop.
std::vector<Step> Shortened(const Puzzle& pz, std::vector<Step> path, int nodesPerPosition,
                            const SearchLimits& limits);
