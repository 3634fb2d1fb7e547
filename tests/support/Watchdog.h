// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ends the test program when something that must answer at once does not: a read that
// blocks on a pipe would otherwise hold the test run for ever. The process exits with
// a message naming what hung, so the run fails instead of waiting.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

class Watchdog {
public:
    Watchdog(std::string what, std::chrono::milliseconds limit)
        : m_what(std::move(what)), m_thread([this, limit] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (m_done.wait_for(lock, limit, [this] { return m_finished; })) return;
              std::fprintf(stderr, "watchdog: %s did not answer within %lld ms\n", m_what.c_str(),
                           static_cast<long long>(limit.count()));
              std::fflush(stderr);
              std::_Exit(1);
          }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::string m_what;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};
