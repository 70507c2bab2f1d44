#include <gtest/gtest.h>

#include "engine/flows/command_line.h"

namespace {
Command_Line Parse(const Program_Options& program, std::vector<std::string> args) {
    return Parse_Command_Line(program, args);
}
using Action = Command_Line::Action;
}  // namespace

// What the programs print for --help, --version and a mistake, and their exit statuses, the
// install test checks on the installed programs.
TEST(Command_Line, OptionsInBothForms) {
    Command_Line line = Parse(Console_Options(), {"--seed", "4294967295", "--data-dir=/tmp/bq", "--soak", "5"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.seed, 4294967295u);
    EXPECT_EQ(line.data_dir, "/tmp/bq");
    EXPECT_EQ(line.soak_turns, 5);
    EXPECT_FALSE(Parse(Console_Options(), {}).seed.has_value());
    // Qt's own options are left for Qt.
    EXPECT_EQ(Parse(Desktop_Options(), {"-style", "fusion", "--platform", "offscreen", "-reverse", "--seed=0"}).seed, 0u);
    EXPECT_EQ(Parse(Desktop_Options(), {"-platform=offscreen"}).error, "unknown option '-platform=offscreen'");
}

TEST(Command_Line, HelpVersionAndMistakes) {
    EXPECT_EQ(Parse(Desktop_Options(), {"--version", "-h"}).action, Action::Help);
    EXPECT_EQ(Parse(Console_Options(), {"-v"}).action, Action::Version);
    for (std::vector<std::string> bad : {std::vector<std::string>{"--seed", "x"}, {"--seed=4294967296"}, {"--seed"},
                                         {"--seed", "-1"}, {"--data-dir="}, {"--soak", "0"}, {"--bogus"},
                                         {"extra"}, {"--help", "--style", "x"}}) {
        Command_Line line = Parse(Console_Options(), bad);
        EXPECT_EQ(line.action, Action::Error) << bad[0];
        EXPECT_EQ(line.error.find('\n'), std::string::npos);
    }
    EXPECT_EQ(Parse(Desktop_Options(), {"--soak", "5"}).error, "unknown option '--soak'");
    // The console's challenge options; the desktop game takes none of them.
    const Command_Line challenge = Parse(Console_Options(), {"--verify", "r.bqr", "--statistics", "--today=2025-02-28"});
    EXPECT_EQ(challenge.verify_file, "r.bqr");
    EXPECT_TRUE(challenge.keep_statistics);
    EXPECT_EQ(challenge.today, "2025-02-28");
    for (std::vector<std::string> bad : {std::vector<std::string>{"--verify"}, {"--verify="}, {"--today", "2025-2-28"},
                                         {"--today", "2025-13-01"}, {"--statistics=1"}})
        EXPECT_EQ(Parse(Console_Options(), bad).action, Action::Error) << bad[0];
    EXPECT_EQ(Parse(Desktop_Options(), {"--statistics"}).error, "unknown option '--statistics'");
}
