// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/Assignment.h"
#include <algorithm>
#include <climits>

// The classic O(rows^2 * cols) form with potentials; rows and columns are 1-based
// inside, index 0 is the virtual start.
int Assignment::minimumCost(const int* cost, int rows, int cols) {
    if (rows <= 0) return 0;
    const int inf = INT_MAX / 4;
    m_u.assign(rows + 1, 0);
    m_v.assign(cols + 1, 0);
    m_match.assign(cols + 1, 0);
    m_way.assign(cols + 1, 0);
    for (int i = 1; i <= rows; ++i) {
        m_match[0] = i;
        int j0 = 0;
        m_minv.assign(cols + 1, inf);
        m_used.assign(cols + 1, 0);
        do {
            m_used[j0] = 1;
            const int i0 = m_match[j0];
            int delta = inf;
            int j1 = 0;
            for (int j = 1; j <= cols; ++j) {
                if (m_used[j]) continue;
                const int cur = cost[(i0 - 1) * cols + (j - 1)] - m_u[i0] - m_v[j];
                if (cur < m_minv[j]) {
                    m_minv[j] = cur;
                    m_way[j] = j0;
                }
                if (m_minv[j] < delta) {
                    delta = m_minv[j];
                    j1 = j;
                }
            }
            for (int j = 0; j <= cols; ++j) {
                if (m_used[j]) {
                    m_u[m_match[j]] += delta;
                    m_v[j] -= delta;
                } else {
                    m_minv[j] -= delta;
                }
            }
            j0 = j1;
        } while (m_match[j0] != 0);
        do {
            const int j1 = m_way[j0];
            m_match[j0] = m_match[j1];
            j0 = j1;
        } while (j0 != 0);
    }
    int total = 0;
    for (int j = 1; j <= cols; ++j)
        if (m_match[j] != 0) total += cost[(m_match[j] - 1) * cols + (j - 1)];
    return total;
}
