#pragma once
// The clock of the players that play by themselves, the demo and the replay: a step
// falls due an interval after the last one. The window's timer asks often, with the
// time on the monotonic clock, so a stop or a pause takes effect at once and the steps
// keep their pace whatever else the window does meanwhile.
#include <QtGlobal>
#include <algorithm>

class StepTimer {
public:
    // The first step falls due an interval from `nowMs`.
    void start(qint64 nowMs, qint64 intervalMs) {
        m_interval = intervalMs;
        m_dueMs = nowMs + intervalMs;
    }
    bool isDue(qint64 nowMs) const { return nowMs >= m_dueMs; }
    // A step was taken at `nowMs`: the next falls due an interval later.
    void stepped(qint64 nowMs) { m_dueMs = nowMs + m_interval; }
    // A new pace; a step already waiting longer than the new interval comes sooner.
    void setInterval(qint64 intervalMs, qint64 nowMs) {
        m_interval = intervalMs;
        m_dueMs = std::min(m_dueMs, nowMs + intervalMs);
    }
    qint64 interval() const { return m_interval; }

private:
    qint64 m_interval = 0;
    qint64 m_dueMs = 0;
};
