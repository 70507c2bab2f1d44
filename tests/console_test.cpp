#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
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

TEST(Console, SaveLoadAndTheRecentList) {
    auto dir = std::filesystem::temp_directory_path() / ("bq-console-files-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "game.bqg").string();
    auto run = [&](const std::string& script, std::uint32_t seed) {
        std::istringstream in(script);
        std::ostringstream out;
        EXPECT_EQ(Run_Console(in, out, seed, (dir / "data").string()), 0);
        return out.str();
    };
    auto last_line = [](const std::string& out) {
        std::string trimmed = out.substr(0, out.size() - 1);
        return trimmed.substr(trimmed.rfind('\n') + 1);
    };
    std::string first = run("save " + file + "\nnew options=1\nend 12\nbuy AAPL 5\nsave " + file + "\nstate\nquit\n", 3);
    EXPECT_NE(first.find("error: no game\n"), std::string::npos);
    EXPECT_EQ(first.find("window Bullquest"), std::string::npos);
    const std::string saved_state = last_line(first);
    EXPECT_EQ(first.substr(first.size() - saved_state.size() - 4, 3), "ok\n");
    EXPECT_NE(std::filesystem::file_size(file), 0u);
    std::string recent = "\"" + file + "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
    std::ifstream recent_in(dir / "data" / "Recent.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(recent_in), {}), recent);

    // A fresh run with another seed: the loaded state is the saved one, news aside.
    std::string second = run("load " + file + "\nstate\n", 77);
    EXPECT_EQ(second.substr(0, 3), "ok\n");
    // What a saved game does not hold: the news, capital gains, the old price of a
    // position that is gone and the terms of an empty computer option.
    auto stored = [](std::string json) {
        json = json.substr(0, json.find(",\"News_Items\"")) + json.substr(json.find(",\"Reporting_Next_List\""));
        json = std::regex_replace(json, std::regex("\"Shares\":0,\"Avg_Price\":-?[0-9]+"), "\"Shares\":0");
        json = std::regex_replace(json, std::regex("\\{\"Contracts\":0,[^}]*\\}"), "{}");
        return std::regex_replace(json, std::regex("_Capital_Gains\":[-0-9.e+]+"), "");
    };
    EXPECT_EQ(stored(last_line(second)), stored(saved_state));
    EXPECT_NE(stored(saved_state).find("\"Shares\":5,"), std::string::npos);

    {
        std::ofstream damaged(file, std::ios::binary | std::ios::trunc);
        damaged << "\"not a game\"\r\n";
    }
    std::string third = run("new\nstate\nload " + file + "\nstate\n", 5);
    const std::string message = "window Bullquest: Error: Either the file does not exist or it is damadged.\n";
    std::size_t at = third.find(message);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(third.find(message, at + 1), std::string::npos);
    std::string before = third.substr(0, at);
    EXPECT_EQ(last_line(before), last_line(third));
    std::filesystem::remove_all(dir);
}

TEST(Console, OptionTradesWithinTheSpinLimits) {
    std::string out = Play("new\noption buy call AAPL 200 30 2\noption sell call AAPL 200 30 1\nstate\n"
                           "option sell call AAPL 200 30 1\noption sell call AAPL 200 30 1\n"
                           "option buy call AAPL 205 30 1\noption buy put AAPL 200 40 1\n"
                           "option buy call AAPL 0 30 1\noption hold call AAPL 200 30 1\n"
                           "option buy call AAPL 200 30 -1\n",
                           3, "options");
    EXPECT_EQ(out.rfind("help 1\nok\nok\n{", 0), 0u) << out;
    EXPECT_NE(out.find("\"Option_Type\":\"Call\",\"Stock\":"), std::string::npos);
    EXPECT_NE(out.find("\"Strike\":200,\"Expires\":30"), std::string::npos);
    std::string tail = out.substr(out.find("}\n") + 2);
    EXPECT_EQ(tail, "ok\nrefused\nrefused\nrefused\nrefused\nerror: expected buy or sell\n"
                    "error: the quantity box takes digits, \".\" and blanks only\n");
}
