// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewrites/KillPoints.h"
#include <algorithm>
#include <chrono>
#include <csignal>
#include <optional>
#include <string>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Exit codes of a child that could not do its part.
constexpr int kCannotTrace = 101;
constexpr int kActionFailed = 102;
// No rewrite makes anywhere near this many system calls; a run that does is stuck.
constexpr int kMaxStops = 100000;

using Clock = std::chrono::steady_clock;

enum class ChildEnd { Killed, Finished, ActionFailed, CannotTrace, Broken };

struct ChildResult {
    ChildEnd end = ChildEnd::Broken;
    std::string error;
};

// The child stops itself before the action, so the parent decides when it starts.
// It leaves through _exit: nothing of this process's state is flushed or checked twice.
pid_t ForkStoppedChild(const std::function<bool()>& action, bool traced) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (traced && ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) _exit(kCannotTrace);
    raise(SIGSTOP);
    _exit(action() ? 0 : kActionFailed);
}

int Reap(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) == pid && !WIFEXITED(status) && !WIFSIGNALED(status)) {
    }
    return status;
}

ChildResult KillAndReap(pid_t pid, ChildEnd end, std::string error = {}) {
    kill(pid, SIGKILL);
    Reap(pid);
    return {end, std::move(error)};
}

ChildResult EndOf(int status) {
    if (WIFEXITED(status)) {
        switch (WEXITSTATUS(status)) {
        case 0:
            return {ChildEnd::Finished, {}};
        case kActionFailed:
            return {ChildEnd::ActionFailed, "the action reported a failure"};
        case kCannotTrace:
            return {ChildEnd::CannotTrace, {}};
        default:
            return {ChildEnd::Broken,
                    "the child exited with " + std::to_string(WEXITSTATUS(status))};
        }
    }
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return {ChildEnd::Killed, {}};
    return {ChildEnd::Broken, "the child died of signal " + std::to_string(WTERMSIG(status))};
}

// Whether the tracee stands at the entry of a system call (not at its exit). Where the
// kernel cannot say, stops alternate between entry and exit.
bool AtSystemCallEntry(pid_t pid, bool& insideCall) {
    __ptrace_syscall_info info{};
    const long got =
        ptrace(PTRACE_GET_SYSCALL_INFO, pid, reinterpret_cast<void*>(sizeof info), &info);
    insideCall = got > 0 ? info.op == PTRACE_SYSCALL_INFO_ENTRY : !insideCall;
    return insideCall;
}

// Runs the action in a traced child and kills it at its `killAt`-th system call entry,
// before that call runs; 0 kills it before the action starts.
ChildResult RunTracedChild(const std::function<bool()>& action, int killAt) {
    const pid_t pid = ForkStoppedChild(action, true);
    if (pid < 0) return {ChildEnd::Broken, "fork failed"};
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return KillAndReap(pid, ChildEnd::Broken, "waitpid failed");
    if (!WIFSTOPPED(status)) return EndOf(status);
    const long options = PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL;
    if (ptrace(PTRACE_SETOPTIONS, pid, nullptr, reinterpret_cast<void*>(options)) != 0)
        return KillAndReap(pid, ChildEnd::CannotTrace);

    int entries = 0;
    bool insideCall = false;
    long pendingSignal = 0; // the first stop's SIGSTOP is swallowed, others are passed on
    for (;;) {
        if (entries == killAt) return KillAndReap(pid, ChildEnd::Killed);
        if (ptrace(PTRACE_SYSCALL, pid, nullptr, reinterpret_cast<void*>(pendingSignal)) != 0)
            return KillAndReap(pid, ChildEnd::Broken, "PTRACE_SYSCALL failed");
        pendingSignal = 0;
        if (waitpid(pid, &status, 0) != pid)
            return KillAndReap(pid, ChildEnd::Broken, "waitpid failed");
        if (!WIFSTOPPED(status)) return EndOf(status);
        if (WSTOPSIG(status) != (SIGTRAP | 0x80))
            pendingSignal = WSTOPSIG(status);
        else if (AtSystemCallEntry(pid, insideCall))
            ++entries;
    }
}

// Starts an untraced stopped child and kills it `delay` after letting it go; a child
// that ends first is simply reaped.
ChildResult RunTimedChild(const std::function<bool()>& action,
                          std::optional<Clock::duration> delay) {
    const pid_t pid = ForkStoppedChild(action, false);
    if (pid < 0) return {ChildEnd::Broken, "fork failed"};
    int status = 0;
    if (waitpid(pid, &status, WUNTRACED) != pid || !WIFSTOPPED(status))
        return KillAndReap(pid, ChildEnd::Broken, "the child did not stop");
    const Clock::time_point start = Clock::now();
    kill(pid, SIGCONT);
    if (delay) {
        // Spinning: sleeps are far coarser than a rewrite is long.
        while (Clock::now() - start < *delay) {
        }
        kill(pid, SIGKILL);
    }
    return EndOf(Reap(pid));
}

Clock::duration MeasureAction(const KillPointsCase& killCase, KillPointsRun& run) {
    killCase.prepare();
    const Clock::time_point start = Clock::now();
    const ChildResult result = RunTimedChild(killCase.action, std::nullopt);
    const Clock::duration took = Clock::now() - start;
    run.finished = result.end == ChildEnd::Finished;
    if (!run.finished)
        run.error = "the unkilled run did not finish: " + result.error;
    else if (!killCase.inspect(false))
        run.error = "inspection failed";
    return took;
}

void RunTimedKills(const KillPointsCase& killCase, int count, KillPointsRun& run) {
    run.mechanism = KillMechanism::TimedKills;
    const Clock::duration duration = MeasureAction(killCase, run);
    if (!run.error.empty()) return;
    for (int i = 0; i < count; ++i) {
        const auto delay = duration * 12 * i / (10 * std::max(1, count - 1));
        killCase.prepare();
        const ChildResult result = RunTimedChild(killCase.action, delay);
        if (result.end != ChildEnd::Killed && result.end != ChildEnd::Finished) {
            run.error = result.error;
            return;
        }
        if (result.end == ChildEnd::Killed) ++run.kills;
        if (!killCase.inspect(result.end == ChildEnd::Killed)) {
            run.error = "inspection failed";
            return;
        }
    }
}

// True when tracing worked; false, with nothing done, when the system refuses it.
bool RunSystemCallKills(const KillPointsCase& killCase, KillPointsRun& run) {
    run.mechanism = KillMechanism::SystemCallStops;
    for (int killAt = 0; killAt < kMaxStops; ++killAt) {
        killCase.prepare();
        const ChildResult result = RunTracedChild(killCase.action, killAt);
        switch (result.end) {
        case ChildEnd::CannotTrace:
            if (killAt == 0) return false;
            run.error = "tracing stopped working";
            return true;
        case ChildEnd::Killed:
            ++run.kills;
            if (!killCase.inspect(true)) run.error = "inspection failed";
            break;
        case ChildEnd::Finished:
            run.finished = true;
            if (!killCase.inspect(false)) run.error = "inspection failed";
            return true;
        case ChildEnd::ActionFailed:
        case ChildEnd::Broken:
            run.error = result.error;
            break;
        }
        if (!run.error.empty()) return true;
    }
    run.error = "the action never finished";
    return true;
}

} // namespace

std::optional<std::vector<SystemCall>> TraceSystemCalls(const std::function<bool()>& action) {
    const pid_t pid = ForkStoppedChild(action, true);
    if (pid < 0) return std::nullopt;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status)) {
        KillAndReap(pid, ChildEnd::Broken);
        return std::nullopt;
    }
    const long options = PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL;
    if (ptrace(PTRACE_SETOPTIONS, pid, nullptr, reinterpret_cast<void*>(options)) != 0) {
        KillAndReap(pid, ChildEnd::CannotTrace);
        return std::nullopt;
    }
    std::vector<SystemCall> calls;
    long pendingSignal = 0; // as in RunTracedChild
    for (int stops = 0; stops < kMaxStops; ++stops) {
        if (ptrace(PTRACE_SYSCALL, pid, nullptr, reinterpret_cast<void*>(pendingSignal)) != 0) break;
        pendingSignal = 0;
        if (waitpid(pid, &status, 0) != pid) break;
        if (!WIFSTOPPED(status)) {
            if (EndOf(status).end != ChildEnd::Finished) return std::nullopt;
            return calls;
        }
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            pendingSignal = WSTOPSIG(status);
            continue;
        }
        __ptrace_syscall_info info{};
        if (ptrace(PTRACE_GET_SYSCALL_INFO, pid, reinterpret_cast<void*>(sizeof info), &info) <= 0) break;
        if (info.op == PTRACE_SYSCALL_INFO_ENTRY)
            calls.push_back({static_cast<long>(info.entry.nr), info.entry.args[0]});
    }
    KillAndReap(pid, ChildEnd::Broken);
    return std::nullopt;
}

const char* KillMechanismName(KillMechanism mechanism) {
    return mechanism == KillMechanism::SystemCallStops ? "a kill at every system call"
                                                       : "timed kills";
}

KillPointsRun RunKillPoints(const KillPointsCase& killCase, KillMechanism wanted, int timedKills) {
    KillPointsRun run;
    if (wanted == KillMechanism::SystemCallStops && RunSystemCallKills(killCase, run)) return run;
    run = {};
    RunTimedKills(killCase, timedKills, run);
    return run;
}
