#pragma once
// `bullquest-cli --verify FILE`: a result file replayed from its code alone, in a game of its
// own that reads and writes no file, and compared input by input with what the file claims.
#include <string>

struct Verify_Report {
    bool Verified = false;
    // "verified: CODE turn T net worth N computer M[ score S][ CHEATER!]", or "not verified: "
    // and the first input at which the replay departs from the file, or why the file is refused.
    std::string Text;
};

Verify_Report Verify_Result(const std::string& content);
// The file at `path`; one that cannot be read is refused.
Verify_Report Verify_Result_File(const std::string& path);
