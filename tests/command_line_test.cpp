#include <gtest/gtest.h>

#include <sstream>

#include "bullquest_version.h"
#include "core/command_line.h"

namespace {
Command_Line Parse(const Program_Options& program, std::vector<std::string> args) {
    return Parse_Command_Line(program, args);
}
using Action = Command_Line::Action;
}  // namespace

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
}

TEST(Command_Line, Answers) {
    std::ostringstream out, err;
    EXPECT_EQ(Answer_Command_Line(Console_Options(), Parse(Console_Options(), {"--version"}), out, err), 0);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), std::string("bullquest-cli ") + Bullquest_Version);
    out.str("");
    EXPECT_EQ(Answer_Command_Line(Desktop_Options(), Parse(Desktop_Options(), {"--help"}), out, err), 0);
    EXPECT_EQ(out.str(), Usage_Text(Desktop_Options()));
    EXPECT_EQ(out.str().rfind("Usage: bullquest [OPTION]...\n", 0), 0u);
    EXPECT_TRUE(err.str().empty());
    out.str("");
    EXPECT_EQ(Answer_Command_Line(Desktop_Options(), Parse(Desktop_Options(), {"--seed", "x"}), out, err), 2);
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(err.str(), "bullquest: --seed takes a whole number from 0 to 4294967295, not 'x'\n" +
                             Usage_Text(Desktop_Options()));
}
