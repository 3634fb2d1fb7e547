#include "app/CommandLine.h"
#include <gtest/gtest.h>

namespace {
struct CommandRun {
    std::optional<int> status;
    QString out, err;
};
CommandRun run(const QStringList& arguments) {
    CommandRun r;
    QTextStream out(&r.out), err(&r.err);
    r.status = RunCommandLine(arguments, out, err);
    out.flush();
    err.flush();
    return r;
}
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
