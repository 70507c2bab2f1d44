#include "engine/flows/verify_result.h"

#include "engine/flows/challenge.h"
#include "engine/flows/new_game.h"
#include "engine/flows/player_input.h"
#include "engine/model/numbers.h"
#include "engine/model/silent_screens.h"
#include "engine/model/string_table.h"
#include "engine/storage/file_io.h"
#include "engine/storage/result_file.h"

namespace {
// The windows of a replay: the confirmation gives the recorded answer, the rest show nothing.
class Replay_Screens : public Silent_Screens {
public:
    bool confirm = true;
    bool Ask_Confirmation(const std::string&) override { return confirm; }
};

std::string Whole(double v) { return Number_Text(v); }

std::string Describe(const Challenge_Entry& e) {
    using M = Challenge_Move;
    static const char* const verbs[] = {"buy", "sell", "short", "cover"};
    const std::string symbol = e.Stock >= 0 && e.Stock < Stock_Count ? String_Table(String_Id::Symbol, e.Stock) : "?";
    switch (e.Move) {
        case M::End_Turn: return "END TURN";
        case M::Clock_Turn: return "END TURN by the clock";
        case M::Buy:
        case M::Sell:
        case M::Sell_Short:
        case M::Buy_Back:
            return std::string(verbs[static_cast<int>(e.Move) - static_cast<int>(M::Buy)]) + " " + symbol + " " +
                   (e.Blank && e.Quantity == 0 ? "(empty)" : Number_Text(e.Quantity));
        case M::Option:
            return std::string("option ") + (e.Buy ? "buy " : "sell ") + (e.Calls ? "call " : "put ") + symbol + " " +
                   std::to_string(e.Strike) + " " + std::to_string(e.Expires) + " " + Number_Text(e.Quantity);
        case M::Enable_Cheats: return e.Confirmed ? "cheat on" : "cheat on (cancelled)";
        case M::Cheat: {
            static const char* const items[] = {"cash", "computer-cash", "trend"};
            return std::string("cheat ") + items[e.Cheat_Item] + " " + (e.Answered ? Number_Text(e.Answer) : "(cancelled)");
        }
        case M::Alerts: {
            std::string t = "alerts";
            if (e.News >= 0) t += " news=" + std::to_string(e.News);
            if (e.World >= 0) t += " world=" + std::to_string(e.World);
            return t;
        }
    }
    return "";
}

std::string Claim_Text(const Challenge_Claim& c) {
    std::string t = "turn " + Whole(c.Turn) + " net worth " + Whole(c.Net_Worth) + " computer " + Whole(c.Computer);
    if (c.End == Challenge_End::Won || c.End == Challenge_End::Lost) t += " score " + Whole(c.Score);
    if (c.Cheated) t += " CHEATER!";
    return t;
}

Verify_Report Departs(std::size_t k, double turn, const Challenge_Entry& e, const std::string& why) {
    return {false, "not verified: input " + std::to_string(k + 1) + " (turn " + Whole(turn) + ": " + Describe(e) + ") " + why};
}
}  // namespace

Verify_Report Verify_Result(const std::string& content) {
    const Result_Reading reading = Read_Result_File(content);
    if (!reading.File) return {false, "not verified: the file is refused: " + reading.Problem};
    const Result_File& file = *reading.File;
    const Challenge_Record& claimed = file.Record;

    Game game;
    Init_Game(game);
    game.Keeps_Winners = game.Keeps_Statistics = false;
    game.Setup.News_Alert = claimed.News_Alert;
    game.Setup.World_Alert = claimed.World_Alert;
    Random rnd(claimed.Code.Seed);
    Replay_Screens screens;
    Deal_Challenge(game, rnd, screens, claimed.Code);
    const std::shared_ptr<Challenge_Record> replay = game.Challenge;
    if (replay->Start_Digest != claimed.Start_Digest)
        return {false, "not verified: the code deals another market than the one the file was played on"};

    for (std::size_t k = 0; k < claimed.Entries.size(); ++k) {
        const Challenge_Entry& e = claimed.Entries[k];
        const double turn = game.Turn_Number.Value();
        if (replay->Ended) return Departs(k, turn, e, "comes after the end of the game");
        screens.confirm = e.Confirmed;
        if (e.Move == Challenge_Move::Clock_Turn) {
            if (!game.Game_Timer_Enabled) return Departs(k, turn, e, "is a tick of a clock that does not run in this game");
            game.Time_Status = 2;  // the tick that runs the bar down
            Play_Clock(game, rnd, screens);
        } else {
            Play_Input(game, rnd, screens, Input_Of(e));
        }
        if (replay->Entries.size() != k + 1) return Departs(k, turn, e, "changes nothing, and no game records such an input");
        const Challenge_Entry& got = replay->Entries[k];
        if (got.Done != e.Done)
            return Departs(k, turn, e, got.Done ? "is done in the replay, not refused" : "is refused in the replay");
        if (got.Digest != e.Digest) return Departs(k, turn, e, "leaves another game in the replay than in the file");
    }

    const bool ended = file.Claim.End == Challenge_End::Won || file.Claim.End == Challenge_End::Lost;
    Challenge_Claim actual = replay->Ended ? replay->Claim
                                           : Claim_Of(game, file.Claim.End == Challenge_End::Left ? Challenge_End::Left
                                                                                                  : Challenge_End::In_Play,
                                                      game.Net_Worth.Value(), game.C_Portfolio.Net_Worth.Value(), 0);
    if (replay->Ended != ended || !(actual == file.Claim))
        return {false, "not verified: the file claims " + std::string(End_Name(file.Claim.End)) + " at " +
                           Claim_Text(file.Claim) + ", the replay gives " + End_Name(actual.End) + " at " + Claim_Text(actual)};
    if (!file.Check_Matches)
        return {false, "not verified: the file was changed after the game wrote it (its check figure does not match)"};
    return {true, "verified: " + Code_Text(claimed.Code) + " " + Claim_Text(actual)};
}

Verify_Report Verify_Result_File(const std::string& path) {
    const File_Result<std::string> content = Read_File(path);
    if (!content) return {false, "not verified: the file cannot be read (missing, not a plain file, too large or unreadable)"};
    return Verify_Result(*content);
}
