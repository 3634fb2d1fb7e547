// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The solver in a worker thread, for the window: one search at a time, cancelled when
// a new one starts, when asked, or when the runner goes. The answer comes back on the
// runner's own thread, as `finished`, only for the search that is still wanted. A
// runner for work nobody waits for runs its searches at the lowest priority, so that
// they take only what the game and the rest of the machine leave.
#include "play/GameState.h"
#include "solve/Solver.h"
#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

class SolverRun : public QObject {
    Q_OBJECT
public:
    enum class Priority { Normal, Background };
    explicit SolverRun(Priority priority = Priority::Normal, QObject* parent = nullptr);
    ~SolverRun() override;

    // Starts solving `position` (a copy) with `options` (their cancel flag is the runner's
    // own); an earlier search still running is cancelled first.
    void start(const GameState& position, SolveOptions options);
    // Stops the search running, if any; its answer never comes.
    void cancel();
    bool running() const { return m_running; }
    // Waits at most `ms` for the search running to finish; true when none is running now.
    bool waitFor(int ms);

Q_SIGNALS:
    void finished(const SolveReport& report);

private:
    void stopWorker();

    std::shared_ptr<std::atomic<bool>> m_cancel;
    Priority m_priority;
    std::unique_ptr<QThread> m_worker;
    std::shared_ptr<SolverCache> m_cache = std::make_shared<SolverCache>();
    quint64 m_ticket = 0;   // the search whose answer is wanted
    bool m_running = false;
};
