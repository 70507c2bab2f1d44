#include "engine/flows/challenge.h"

#include <charconv>
#include <cmath>

#include "engine/flows/new_game.h"
#include "engine/flows/statistics.h"
#include "engine/model/numbers.h"
#include "engine/storage/data_folder.h"
#include "engine/storage/file_io.h"
#include "engine/storage/result_file.h"
#include "engine/storage/saved_game.h"

bool Start_Challenge(Game& game, Random& rnd, Screens& screens, const Challenge_Code& code) {
    if (game.Has_Game && !screens.Ask_Confirmation("Start New Game...")) return false;
    Deal_Challenge(game, rnd, screens, code);
    return true;
}

Challenge_Code New_Challenge_Code(Random& rnd, const Settings& setup) {
    return Make_Code(static_cast<std::uint32_t>(Int(rnd.Rnd() * 4294967296.0)), setup);
}

void Begin_Challenge(Game& game, const Random& rnd, const Challenge_Code& code) {
    auto record = std::make_shared<Challenge_Record>();
    record->Code = code;
    record->News_Alert = game.Setup.News_Alert;
    record->World_Alert = game.Setup.World_Alert;
    record->Draws = rnd.Draws();
    record->Start_Digest = State_Digest(game, rnd.Draws());
    game.Challenge = std::move(record);
}

void End_Challenge(Game& game, std::uint64_t draws, Challenge_End end, double net_worth, double computer, double score) {
    if (!game.Challenge) return;
    Challenge_Record& record = *game.Challenge;
    record.Ended = true;
    record.Claim = Claim_Of(game, end, net_worth, computer, score);
    record.Draws = draws;
    record.End_Digest = State_Digest(game, draws);
    game.Last_Challenge = std::move(game.Challenge);
    game.Challenge.reset();
}

std::shared_ptr<Challenge_Record> Challenge_Before_Input(Game& game, Random& rnd, Screens& screens) {
    if (!game.Challenge) return nullptr;
    if (game.Challenge->Entries.size() >= Challenge_Inputs_Kept) {
        Leave_Game(game, screens);
        return nullptr;
    }
    const Challenge_Record& record = *game.Challenge;
    if (rnd.Seed_Value() != record.Code.Seed || rnd.Draws() != record.Draws) {
        rnd.Seed(record.Code.Seed);
        rnd.Skip(record.Draws);
    }
    return game.Challenge;
}

namespace {
Challenge_Move Move_Of(Player_Input::Kind kind) {
    using K = Player_Input::Kind;
    using M = Challenge_Move;
    switch (kind) {
        case K::End_Turn: return M::End_Turn;
        case K::Buy: return M::Buy;
        case K::Sell: return M::Sell;
        case K::Sell_Short: return M::Sell_Short;
        case K::Buy_Back: return M::Buy_Back;
        case K::Option: return M::Option;
        case K::Enable_Cheats: return M::Enable_Cheats;
        case K::Cheat: return M::Cheat;
        case K::Alerts: return M::Alerts;
    }
    return M::End_Turn;
}

// The digest of the game after the input, or at its end when the input ended it.
void Append(Game& game, const Random& rnd, Challenge_Record& record, Challenge_Entry entry) {
    if (record.Ended) {
        entry.Digest = record.End_Digest;
    } else {
        record.Draws = rnd.Draws();
        entry.Digest = State_Digest(game, record.Draws);
    }
    record.Entries.push_back(entry);
}

int Box(const std::optional<bool>& set) { return set ? (*set ? 1 : 0) : -1; }

// A text whose leading number is exactly `v`: plain digits, however many a double needs.
std::string Exact_Text(double v) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}
}  // namespace

void Record_Input(Game& game, const Random& rnd, Challenge_Record& record, const Player_Input& input,
                  const Input_Result& result, const Settings& before) {
    using K = Player_Input::Kind;
    Challenge_Entry e;
    e.Move = Move_Of(input.What);
    e.Done = result.Trade == Trade_Result::Done;
    switch (input.What) {
        case K::End_Turn: break;
        case K::Buy:
        case K::Sell:
        case K::Sell_Short:
        case K::Buy_Back:
            e.Stock = input.Stock;
            e.Quantity = input.Quantity.Value;
            e.Blank = input.Quantity.Blank;
            break;
        case K::Option:
            e.Stock = input.Option.Stock;
            e.Calls = input.Option.Calls;
            e.Buy = input.Option.Buy;
            e.Strike = input.Option.Strike;
            e.Expires = input.Option.Expires;
            e.Exp_Min = input.Option.Exp_Min;
            e.Exp_Max = input.Option.Exp_Max;
            e.Quantity = input.Option.Number.Value;
            e.Blank = input.Option.Number.Blank;
            break;
        case K::Enable_Cheats: e.Confirmed = game.Cheats_Enabled; break;
        case K::Cheat:
            e.Cheat_Item = static_cast<int>(input.Cheat_Item);
            e.Answered = input.Answer.has_value();
            e.Answer = e.Answered ? Leading_Number(*input.Answer) : 0;
            break;
        case K::Alerts:
            if (game.Setup.News_Alert == before.News_Alert && game.Setup.World_Alert == before.World_Alert) return;
            e.News = Box(input.News);
            e.World = Box(input.World);
            break;
    }
    // A trade names a stock of the board (the windows offer no other), as the files do.
    const bool names_stock = input.What != K::End_Turn && input.What != K::Enable_Cheats && input.What != K::Cheat &&
                             input.What != K::Alerts;
    if (names_stock && (e.Stock < 0 || e.Stock >= Stock_Count)) return;
    Append(game, rnd, record, e);
}

void Record_Clock_Turn(Game& game, const Random& rnd, Challenge_Record& record) {
    Challenge_Entry e;
    e.Move = Challenge_Move::Clock_Turn;
    Append(game, rnd, record, e);
}

Player_Input Input_Of(const Challenge_Entry& e) {
    using M = Challenge_Move;
    using K = Player_Input::Kind;
    const Typed_Quantity quantity{e.Quantity, e.Blank};
    switch (e.Move) {
        case M::End_Turn:
        case M::Clock_Turn: return Player_Input::End_Turn();
        case M::Buy: return Player_Input::Trade(K::Buy, e.Stock, quantity);
        case M::Sell: return Player_Input::Trade(K::Sell, e.Stock, quantity);
        case M::Sell_Short: return Player_Input::Trade(K::Sell_Short, e.Stock, quantity);
        case M::Buy_Back: return Player_Input::Trade(K::Buy_Back, e.Stock, quantity);
        case M::Option: {
            Option_Form form;
            form.Stock = e.Stock;
            form.Calls = e.Calls;
            form.Buy = e.Buy;
            form.Strike = e.Strike;
            form.Expires = e.Expires;
            form.Exp_Min = e.Exp_Min;
            form.Exp_Max = e.Exp_Max;
            form.Number = quantity;
            return Player_Input::Option_Trade(form);
        }
        case M::Enable_Cheats: {
            Player_Input input;
            input.What = K::Enable_Cheats;
            return input;
        }
        case M::Cheat:
            return Player_Input::Set_Cheat(static_cast<Cheat>(e.Cheat_Item),
                                           e.Answered ? std::optional<std::string>(Exact_Text(e.Answer)) : std::nullopt);
        case M::Alerts:
            return Player_Input::Set_Alerts(e.News >= 0 ? std::optional<bool>(e.News == 1) : std::nullopt,
                                            e.World >= 0 ? std::optional<bool>(e.World == 1) : std::nullopt);
    }
    return Player_Input::End_Turn();
}

const Challenge_Record* Challenge_To_Export(const Game& game) {
    if (game.Challenge) return game.Challenge.get();
    return game.Last_Challenge.get();
}

std::string Result_Text(const Game& game) {
    const Challenge_Record* record = Challenge_To_Export(game);
    if (!record) return "";
    const Challenge_Claim claim =
        record->Ended ? record->Claim
                      : Claim_Of(game, Challenge_End::In_Play, game.Net_Worth.Value(), game.C_Portfolio.Net_Worth.Value(), 0);
    return Result_File_Text(*record, claim);
}

File_Result<> Export_Result(const Game& game, const std::string& path) {
    if (!Challenge_To_Export(game)) return File_Error::Missing;
    if (Is_Data_File(game.Data_Dir, path) || Is_Saved_Game(path)) return File_Error::Reserved_Name;
    return Write_File_Atomic(path, Result_Text(game));
}
