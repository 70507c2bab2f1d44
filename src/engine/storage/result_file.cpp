#include "engine/storage/result_file.h"

#include <cmath>
#include <cstdio>

#include "engine/storage/challenge_section.h"
#include "engine/storage/load_ranges.h"
#include "engine/storage/records.h"

namespace {
const char* const File_Marker = "Bullquest result";
constexpr double File_Version = 1;
constexpr Challenge_End Ends[] = {Challenge_End::In_Play, Challenge_End::Won, Challenge_End::Lost, Challenge_End::Left};

void Write_Body(Record_Writer& w, const Challenge_Record& record, const Challenge_Claim& c) {
    w.Text(File_Marker).Full_Number(File_Version).End_Record();
    Write_Challenge_Record(w, record);
    w.Text("Claim").Text(End_Name(c.End)).Full_Number(c.Turn).Full_Number(c.Net_Worth).Full_Number(c.Computer);
    w.Full_Number(c.Score).Boolean(c.Cheated).End_Record();
}

// FNV-1a over the body as the writer writes it: a figure against slips and hand edits, which a
// replay cannot see where they change nothing (a turn ended by the clock said to be by hand).
std::string Check_Of(const Challenge_Record& record, const Challenge_Claim& claim) {
    Record_Writer w;
    Write_Body(w, record, claim);
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (const char ch : w.Output()) h = (h ^ static_cast<unsigned char>(ch)) * 0x100000001B3ull;
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llX", static_cast<unsigned long long>(h));
    return buf;
}

bool Whole(const std::optional<double>& v, Range range) { return v && range.Holds(*v) && *v == std::floor(*v); }
}  // namespace

std::string Result_File_Text(const Challenge_Record& record, const Challenge_Claim& claim) {
    Record_Writer w;
    Write_Body(w, record, claim);
    w.Text("Check").Text(Check_Of(record, claim)).End_Record();
    return w.Take_Output();
}

Result_Reading Read_Result_File(const std::string& content) {
    Record_Reader r(Record_Reader::In_Place{}, content);
    if (r.Text() != File_Marker || r.Full_Number() != File_Version) return {std::nullopt, "it is not a challenge's result file"};
    std::optional<Challenge_Record> record = Read_Challenge_Record(r);
    if (!record) return {std::nullopt, "its code or its record of inputs is damaged"};
    Result_File file{std::move(*record), {}, false};
    Challenge_Claim& c = file.Claim;
    bool ok = r.Text() == std::string("Claim");
    const std::optional<std::string> end = r.Text();
    ok = ok && end.has_value();
    bool known = false;
    for (const Challenge_End e : Ends)
        if (ok && *end == End_Name(e)) c.End = e, known = true;
    const std::optional<double> turn = r.Full_Number(), worth = r.Full_Number(), computer = r.Full_Number(),
                                score = r.Full_Number();
    const std::optional<bool> cheated = r.Boolean();
    ok = ok && known && Whole(turn, Turn_Range) && Whole(worth, Money_Range) && Whole(computer, Money_Range) &&
         Whole(score, {0, 100 * Money_Highest}) && cheated.has_value() &&
         (c.End == Challenge_End::Won || *score == 0);
    if (!ok) return {std::nullopt, "its claim is damaged"};
    c.Turn = *turn, c.Net_Worth = *worth, c.Computer = *computer, c.Score = *score, c.Cheated = *cheated;
    const std::optional<std::string> label = r.Text(), check = r.Text();
    if (label != std::string("Check") || !check || !r.At_End()) return {std::nullopt, "its check figure is missing or damaged"};
    file.Check_Matches = *check == Check_Of(file.Record, c);
    return {std::move(file), ""};
}
