// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/SolverRun.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>
#include <QThread>
#if defined(Q_OS_LINUX)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

// Linux gives threads of the ordinary scheduling class no priorities of their own, so
// QThread's has no effect there: the thread's nice value does the same.
void niceThisThread() {
#if defined(Q_OS_LINUX)
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
#endif
}

} // namespace

SolverRun::SolverRun(Priority priority, QObject* parent) : QObject(parent), m_priority(priority) {}

SolverRun::~SolverRun() { stopWorker(); }

void SolverRun::stopWorker() {
    if (m_cancel) m_cancel->store(true);
    if (m_worker) m_worker->wait();
    m_worker.reset();
    m_running = false;
}

void SolverRun::start(const GameState& position, SolveOptions options) {
    stopWorker();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    options.cancel = m_cancel.get();
    const quint64 ticket = ++m_ticket;
    m_running = true;
    // The thread owns its copies; the runner outlives it (the destructor joins).
    const bool background = m_priority == Priority::Background;
    m_worker.reset(QThread::create([this, position, options, ticket, background, cancel = m_cancel, cache = m_cache] {
        if (background) niceThisThread();
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
    }));
    m_worker->start(background ? QThread::LowestPriority : QThread::InheritPriority);
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
