// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs the real game program in a folder, as a player's shell would, with the offscreen
// platform: started and left running, or run to its end within a time limit (a program
// still running then is killed, and the run says so).
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

struct ProgramRun {
    bool finished = false;   // false: it was still running at the limit, and was killed
    int exitCode = -1;
    QByteArray output;       // standard output and standard error together
    qint64 ms = 0;
};

class RunningProgram {
public:
    RunningProgram(const QString& folder, const QStringList& arguments) {
        int out[2];
        if (::pipe(out) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], 1);
            ::dup2(out[1], 2);
            ::close(out[0]);
            ::close(out[1]);
            if (::chdir(QFile::encodeName(folder).constData()) != 0) ::_exit(127);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            std::vector<QByteArray> owned{QByteArrayLiteral(ZK_GAME_PROGRAM)};
            for (const QString& a : arguments) owned.push_back(a.toLocal8Bit());
            std::vector<char*> argv;
            for (QByteArray& a : owned) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_out = out[0];
        ::fcntl(m_out, F_SETFL, O_NONBLOCK);
        m_start = std::chrono::steady_clock::now();
    }
    ~RunningProgram() {
        if (m_pid > 0 && !m_reaped) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0) ::close(m_out);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    pid_t pid() const { return m_pid; }

    // Waits for the end for at most `limitMs`; kills it after that.
    ProgramRun wait(int limitMs) {
        ProgramRun run;
        const auto deadline = m_start + std::chrono::milliseconds(limitMs);
        int status = 0;
        while (!m_reaped) {
            drain(run.output);
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_reaped = true;
                run.finished = true;
                run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            } else if (std::chrono::steady_clock::now() > deadline) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, nullptr, 0);
                m_reaped = true;
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        drain(run.output);
        run.ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start)
                     .count();
        return run;
    }

    // What it has written so far.
    QByteArray outputSoFar() {
        drain(m_seen);
        return m_seen;
    }

private:
    void drain(QByteArray& into) {
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(m_out, buffer, sizeof buffer)) > 0) into.append(buffer, got);
    }

    pid_t m_pid = -1;
    int m_out = -1;
    bool m_reaped = false;
    QByteArray m_seen;
    std::chrono::steady_clock::time_point m_start;
};

inline ProgramRun RunProgram(const QString& folder, const QStringList& arguments, int limitMs) {
    RunningProgram program(folder, arguments);
    return program.wait(limitMs);
}
