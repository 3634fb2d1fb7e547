// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/CommandRun.h"
#include <gtest/gtest.h>

namespace {
CommandRun run(const QStringList& arguments) { return RunCommand(arguments); }
} // namespace

TEST(CommandLine, NoArgumentsOpenTheWindow) {
    EXPECT_FALSE(run({}).status.has_value());
}

TEST(CommandLine, HelpAndVersionPrintAndEnd) {
    CommandRun help = run({"--help"});
    ASSERT_EQ(help.status, ExitStatus::Done);
    EXPECT_TRUE(help.out.startsWith("Usage: zelka-kvadra"));
    CommandRun version = run({"--version"});
    ASSERT_EQ(version.status, ExitStatus::Done);
    EXPECT_TRUE(version.out.startsWith("zelka-kvadra 1."));
}

// A mistyped option must not open the window as if nothing had been asked; the
// window system's own options (one dash) still reach it.
TEST(CommandLine, OptionsWithTwoDashesThatNameNoCommandAreRefused) {
    const struct {
        QStringList arguments;
        const char* told;   // nullptr: the window opens
    } cases[] = {
        {{"--result", "eredm.dat"}, "unknown option '--result'"},
        {{"--"}, "unknown option '--'"},
        {{"-platform", "offscreen", "--statistic"}, "unknown option '--statistic'"},
        {{"-platform", "offscreen", "--help"}, "--help must be the first argument"},
        {{"-platform", "offscreen"}, nullptr},
        {{"-style", "fusion", "-reverse"}, nullptr},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.arguments);
        const QString what = c.arguments.join(' ');
        if (!c.told) {
            EXPECT_FALSE(r.status.has_value()) << what.toStdString();
            EXPECT_TRUE(r.err.isEmpty()) << what.toStdString();
            continue;
        }
        EXPECT_EQ(r.status, ExitStatus::BadArguments) << what.toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("zelka-kvadra: ") + c.told)) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("Usage: zelka-kvadra")) << what.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

// The window opens with the start of a code; the code is taken out before the other
// options are looked at, so a code that begins with dashes is never taken for one.
TEST(CommandLine, StartTakesItsCodeOrIsRefusedWithoutOne) {
    QString err;
    QTextStream errStream(&err);
    QStringList arguments{"-platform", "offscreen", "--start", "ZK1-1S2S-K60Z"};
    QString code;
    EXPECT_FALSE(TakeStartOption(arguments, code, errStream));
    EXPECT_EQ(code, "ZK1-1S2S-K60Z");
    EXPECT_FALSE(run(arguments).status.has_value());

    for (QStringList bad : {QStringList{"--start"}, QStringList{"--start", " "}})
        EXPECT_EQ(TakeStartOption(bad, code, errStream), ExitStatus::BadArguments);
    errStream.flush();
    EXPECT_TRUE(err.contains("--start needs a start code"));
}
