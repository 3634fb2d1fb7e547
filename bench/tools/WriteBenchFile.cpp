// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the million-record results file the benchmarks use to a path of one's
// choice, for measuring the program itself on it (`--results`, peak memory).
//   zk_bench_file OUT.dat
#include "../BenchFile.h"
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zk_bench_file OUT.dat\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    QFile::remove(target);
    if (File().size == 0 || !QFile::copy(File().path, target)) {
        std::fprintf(stderr, "zk_bench_file: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
