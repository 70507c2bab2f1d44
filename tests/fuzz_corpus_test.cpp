#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "../fuzz/fuzz_play.h"

namespace fs = std::filesystem;

// Every file of the fuzz corpus once through its reader: the seeds, all valid files, must
// be accepted, and an input a fuzzer once broke the reader with must now be handled.
TEST(FuzzCorpus, EveryFileThroughItsReader) {
    const fs::path corpus = fs::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus";
    const std::vector<std::pair<std::string, std::function<bool(const std::string&)>>> readers = {
        {"saved_game", fuzz::Saved_Game}, {"winners", fuzz::Winners}, {"recent", fuzz::Recent},
        {"saved_game", fuzz::Saved_Game_Played}, {"console", fuzz::Console_Script}, {"result", fuzz::Result},
        {"statistics", fuzz::Statistics_File}};
    for (const auto& [name, reader] : readers) {
        int files = 0;
        for (const auto& entry : fs::directory_iterator(corpus / name)) {
            const std::string content = *Read_File(entry.path().string());
            const bool valid = entry.path().filename().string().rfind("valid-", 0) == 0;
            bool accepted = false;
            EXPECT_NO_THROW(accepted = reader(content)) << entry.path();
            if (valid) {
                EXPECT_TRUE(accepted) << entry.path();
            }
            ++files;
        }
        EXPECT_GE(files, 2) << name;
    }
}
