// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs an action in child processes and kills each child with SIGKILL at a different
// point of its run, so that a test can look at what every possible kill leaves behind.
//
// Where the system lets a parent trace its child, the child stops before each system
// call it makes, and one child is killed at each of those stops in turn: the kills
// cover every state the files can be in. Where tracing is refused, children are
// killed after delays spread over the action's measured duration instead.
#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class KillMechanism {
    SystemCallStops,
    TimedKills,
};

const char* KillMechanismName(KillMechanism mechanism);

struct KillPointsCase {
    std::function<void()> prepare; // lays out the files before each child, in this process
    std::function<bool()>
        action; // runs in the child: no test assertions, true when it did its work
    // Runs in this process after each child: `killed` is false for the one that ran to
    // its end. Returning false ends the run.
    std::function<bool(bool killed)> inspect;
};

struct KillPointsRun {
    KillMechanism mechanism = KillMechanism::SystemCallStops;
    int kills = 0;         // children killed before they finished
    bool finished = false; // one child ran the action to its end and it returned true
    std::string error;     // why the run went wrong; empty when it did not
};

// Kills children at every system call stop of the action, or with timed kills when
// that is what `wanted` asks for or tracing is refused.
KillPointsRun RunKillPoints(const KillPointsCase& killCase,
                            KillMechanism wanted = KillMechanism::SystemCallStops,
                            int timedKills = 100);

// One system call as a traced child entered it.
struct SystemCall {
    long number = 0;                  // SYS_write, SYS_fsync, ...
    unsigned long long argument = 0;  // its first argument: the file descriptor of those
};

// Runs `action` to its end in a traced child and gives the system calls it made, in
// order. Nothing when the system refuses the tracing or the action fails.
std::optional<std::vector<SystemCall>> TraceSystemCalls(const std::function<bool()>& action);
