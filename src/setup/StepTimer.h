// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The clock of the players that play by themselves, the demo and the replay: a step
// falls due an interval after the last one. The window's timer asks often, with the
// time on the monotonic clock, so a stop or a pause takes effect at once and the steps
// keep their pace whatever else the window does meanwhile.
#include <QtGlobal>

class StepTimer {
public:
    // The first step falls due an interval from `nowMs`.
    void start(qint64 nowMs, qint64 intervalMs) {
        m_interval = intervalMs;
        m_lastMs = nowMs;
    }
    bool isDue(qint64 nowMs) const { return nowMs >= m_lastMs + m_interval; }
    // A step was taken at `nowMs` (or the count starts again from there).
    void stepped(qint64 nowMs) { m_lastMs = nowMs; }
    // A new pace, counted from the last step.
    void setInterval(qint64 intervalMs) { m_interval = intervalMs; }
    qint64 interval() const { return m_interval; }

private:
    qint64 m_interval = 0;
    qint64 m_lastMs = 0;
};
