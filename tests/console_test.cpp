#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

#include "cli/driver.h"

namespace {
std::string Play(const std::string& script, std::uint32_t seed, const std::string& folder) {
    auto dir = std::filesystem::temp_directory_path() / ("bq-console-" + folder + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::istringstream in(script);
    std::ostringstream out;
    EXPECT_EQ(Run_Console(in, out, seed, dir.string()), 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "Recent.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Winners.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Data2.txt"));
    std::filesystem::remove_all(dir);
    return out.str();
}
}  // namespace

TEST(Console, ReproducibleMarketsAndTheCommandContract) {
    const std::string script = "# a comment\n\nend\nnew frequency=10 power=3\nend 120\nstate\n";
    std::string first = Play(script, 7, "a");
    EXPECT_EQ(first, Play(script, 7, "b"));
    EXPECT_NE(first, Play(script, 8, "c"));
    EXPECT_EQ(first.rfind("help 1\nerror: no game\n", 0), 0u);
    EXPECT_NE(first.find("window Uncle Sam!: You: 0 | Computer: "), std::string::npos);
    EXPECT_NE(first.find("{\"Turn_Number\":\"121\""), std::string::npos);

    std::string refusals = Play("new goal=4\nnew bogus=1\nnew power=2 power=3\nend 0\nnew\ncheat cash 100\n"
                                "cheat on\ncheat on\ncheat trend 7\ncheat trend -6\nbuy AAPL 1-\n",
                                1, "d");
    EXPECT_EQ(refusals,
              "help 1\nerror: out of range: goal=4\nerror: unknown key: bogus\nerror: repeated key: power\n"
              "error: expected a whole number of turns\nrefused\nok\nrefused\nrefused\nok\n"
              "error: the quantity box takes digits, \".\" and blanks only\n");
}
