#pragma once
// A challenge's result file (*.bqr): the code, the record of every input, and the claim (the
// turn, both net worths and, at a game's end, the outcome and the score), closed by a check
// figure of everything before it. Anyone can replay it from the code alone.
#include <optional>
#include <string>

#include "engine/model/challenge_record.h"

struct Result_File {
    Challenge_Record Record;
    Challenge_Claim Claim;
    // The check figure is that of what the file holds. A replay is told first where a changed
    // file departs from its code; only a change the replay cannot see falls to the figure.
    bool Check_Matches = false;
};

std::string Result_File_Text(const Challenge_Record& record, const Challenge_Claim& claim);

struct Result_Reading {
    std::optional<Result_File> File;
    std::string Problem;  // why a file was refused
};
// Refuses a file that is not a result or is damaged.
Result_Reading Read_Result_File(const std::string& content);
