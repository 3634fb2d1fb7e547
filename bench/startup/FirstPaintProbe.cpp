// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into a program, this measures its start-up: from the launch time the caller
// puts into ZK_LAUNCH_NS (nanoseconds since the epoch, system clock) to the moment
// the first window has been painted. It prints "<milliseconds> <cpu milliseconds>
// <width> <height> <process cpu milliseconds>": the time, the processor time the main
// thread spent until then (a figure that other programs running on the machine disturb
// much less), the window's size, and the processor time of all the program's threads
// (work moved to another core shows there). Then it ends the program at once, before it does anything else.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace {

class FirstPaintProbe final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow()) return false;
        m_seen = true;
        // The window and its children are painted and shown in this same event; the
        // queued call runs right after it.
        QMetaObject::invokeMethod(this, [widget] { report(widget->size()); }, Qt::QueuedConnection);
        return false;
    }

private:
    static void report(QSize size) {
        const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::system_clock::now().time_since_epoch())
                                  .count();
        const long long launch = qEnvironmentVariable("ZK_LAUNCH_NS").toLongLong();
        timespec cpu{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
        timespec process{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &process);
        rusage thread{};
        getrusage(RUSAGE_THREAD, &thread);
        std::printf("%.3f %.3f %d %d %.3f %ld\n", double(now - launch) / 1e6, cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6,
                    size.width(), size.height(), process.tv_sec * 1e3 + process.tv_nsec / 1e6,
                    thread.ru_minflt + thread.ru_majflt);
        std::fflush(stdout);
        std::_Exit(0);
    }

    bool m_seen = false;
};

void installProbe() { QCoreApplication::instance()->installEventFilter(new FirstPaintProbe); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
