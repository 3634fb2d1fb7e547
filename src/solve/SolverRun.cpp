// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/SolverRun.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>
#include <QThread>

SolverRun::SolverRun(QObject* parent) : QObject(parent) {}

SolverRun::~SolverRun() { stopWorker(); }

void SolverRun::stopWorker() {
    if (m_cancel) m_cancel->store(true);
    if (m_worker.joinable()) m_worker.join();
    m_running = false;
}

void SolverRun::start(const GameState& position, SolveOptions options) {
    stopWorker();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    options.cancel = m_cancel.get();
    const quint64 ticket = ++m_ticket;
    m_running = true;
    // The thread owns its copies; the runner outlives it (the destructor joins).
    m_worker = std::thread([this, position, options, ticket, cancel = m_cancel, cache = m_cache] {
        SolveReport report = Solve(position, options, cache.get());
        if (cancel->load()) return;
        QMetaObject::invokeMethod(
            this,
            [this, ticket, report = std::move(report)] {
                if (ticket != m_ticket || !m_running) return;
                m_running = false;
                Q_EMIT finished(report);
            },
            Qt::QueuedConnection);
    });
}

void SolverRun::cancel() {
    ++m_ticket;
    stopWorker();
}

bool SolverRun::waitFor(int ms) {
    // The answer is posted to this thread: let it arrive, but take no input meanwhile.
    const QDeadlineTimer deadline(ms);
    while (m_running && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        if (m_running) QThread::msleep(10);
    }
    return !m_running;
}
