#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Start-up of the game against an empty main window of the same size.

Both start under the display of the environment (DISPLAY, or QT_QPA_PLATFORM such
as offscreen), alternately, several times; each reports the time from its launch to
the first paint of its window. Prints both medians and their ratio.

    python3 bench/startup.py [--build DIR] [--runs N] [--results FILE] [--baseline DIR]

DIR is a release build folder (default build-bench, as scripts/bench.sh makes it);
the two probe programs are built there first. FILE, when given, is the player's
results file (eredm.dat) in the game's folder: the game checks it at every start.
--baseline names the release build folder of an earlier version, whose game starts in
turn with the other two, so that a change is measured before and after in the same
sitting (its programs are used as they are).
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def build(folder: Path) -> None:
    if not (folder / "CMakeCache.txt").exists():
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(folder), "-DCMAKE_BUILD_TYPE=Release",
                        "-DZK_BUILD_TESTS=OFF"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(folder), "--parallel", str(os.cpu_count() or 1),
                    "--target", "zk_startup_game", "zk_startup_empty"], check=True,
                   stdout=subprocess.DEVNULL)


def first_paint(command, cwd, env):
    """Milliseconds from launch to first paint, the main thread's processor
    milliseconds until then, the window's size, the processor milliseconds of all the
    program's threads, and the main thread's page faults (absent from older probes)."""
    for attempt in range(3):
        env = dict(env, ZK_LAUNCH_NS=str(time.time_ns()))
        run = subprocess.run(command, cwd=cwd, env=env, capture_output=True, text=True, timeout=60)
        if run.returncode == 0:
            out = run.stdout.split()
            faults = float(out[5]) if len(out) > 5 else float("nan")
            return float(out[0]), float(out[1]), out[2], out[3], float(out[4]), faults
        # A busy display server now and then refuses a connection: try that start again.
        print(f"{command[0]} failed ({run.stderr.strip().splitlines()[:1]}), again",
              file=sys.stderr)
    run.check_returncode()


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", type=Path, default=ROOT / "build-bench")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--results", type=Path, help="a results file to start with, as eredm.dat")
    parser.add_argument("--baseline", type=Path, help="the build folder of an earlier version to compare")
    args = parser.parse_args()
    if not os.environ.get("DISPLAY") and not os.environ.get("QT_QPA_PLATFORM"):
        print("No display: set DISPLAY (e.g. an Xvfb server) or QT_QPA_PLATFORM.", file=sys.stderr)
        return 2
    args.build = args.build.resolve()
    build(args.build)
    game = args.build / "zk_startup_game"
    empty = args.build / "bench" / "zk_startup_empty"
    programs = [("game", [str(game)])]
    if args.baseline:
        programs.append(("baseline game", [str(args.baseline.resolve() / "zk_startup_game")]))

    with tempfile.TemporaryDirectory() as scratch:
        # The game starts as a player starts it: in a folder holding its files, with
        # its settings written by an earlier run.
        folder = Path(scratch) / "game"
        shutil.copytree(ROOT / "data", folder)
        if args.results:
            shutil.copyfile(args.results, folder / "eredm.dat")
        env = dict(os.environ, HOME=scratch)
        _, _, width, height, _, _ = first_paint([str(game)], folder, env)
        programs.append(("empty window", [str(empty), width, height]))
        for _ in range(2):   # warm the file cache
            for _, command in programs:
                first_paint(command, folder, env)
        runs = {name: [] for name, _ in programs}
        for _ in range(args.runs):
            for name, command in programs:
                runs[name].append(first_paint(command, folder, env))

    print(f"window {width} x {height}, {args.runs} runs each, launch to first paint (ms):")
    print("                          median   fastest   processor time (median): main thread   all threads"
          "   main thread's page faults")
    for name, _ in programs:
        wall = [r[0] for r in runs[name]]
        print(f"  {name:22s} {statistics.median(wall):7.1f}   {min(wall):7.1f}"
              f"   {statistics.median(r[1] for r in runs[name]):27.1f}"
              f"   {statistics.median(r[4] for r in runs[name]):11.1f}"
              f"   {statistics.median(r[5] for r in runs[name]):25.0f}")
    for name, _ in programs[:-1]:
        print_ratio(f"{name} ÷ empty" if args.baseline else "ratio", runs[name], runs["empty window"])
    if args.baseline:
        print_ratio("game ÷ baseline", runs["game"], runs["baseline game"])
    return 0


def print_ratio(label, runs, yardstick):
    ratio = [statistics.median([r[i] for r in runs]) / statistics.median([r[i] for r in yardstick])
             for i in (0, 1, 4, 5)]
    fastest = min(r[0] for r in runs) / min(r[0] for r in yardstick)
    print(f"  {label:22s} {ratio[0]:7.2f}   {fastest:7.2f}   {ratio[1]:27.2f}   {ratio[2]:11.2f}   {ratio[3]:25.2f}")


if __name__ == "__main__":
    sys.exit(main())
