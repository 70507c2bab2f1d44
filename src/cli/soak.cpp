#include "cli/soak.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>

#include "cli/console_screens.h"
#include "cli/driver.h"
#include "cli/invariants.h"
#include "engine/flows/cheats.h"
#include "engine/model/game.h"
#include "engine/history/history.h"
#include "engine/flows/new_game.h"
#include "engine/model/numbers.h"
#include "engine/model/random.h"
#include "engine/flows/turn.h"
#include "engine/opponent/computer_portfolio.h"
#include "engine/flows/game_files.h"
#include "engine/trading/player_cash.h"
#include "engine/trading/portfolio.h"
#include "engine/trading/option_trades.h"
#include "engine/trading/short_trades.h"
#include "engine/trading/stock_trades.h"

namespace {

class Script_Writer {
public:
    Script_Writer(std::uint32_t seed, const std::string& data_dir) : rnd(seed), dir(data_dir) {
        Game names;
        Init_Game(names);
        symbols.assign(names.Symbol.begin(), names.Symbol.end());
    }

    std::string Write(long long turns) {
        New_Game();
        while (turns_written < turns) {
            int pick = Below(100);
            if (pick < 35) End_Turns();
            else if (pick < 55) Stock_Trade();
            else if (pick < 70) Option_Trade();
            else if (pick < 78) Cheat();
            else if (pick < 83) Save_Or_Load();
            else if (pick < 86) New_Game();
            else if (pick < 90) out << "alerts news=" << Below(2) << " world=" << Below(2) << "\n";
            else if (pick < 92) out << "name Soak " << Below(1000) << "\n";
            else out << "state\n";
        }
        out << "quit\n";
        return out.str();
    }

private:
    std::mt19937 rnd;
    std::string dir;
    std::vector<std::string> symbols;
    std::ostringstream out;
    long long turns_written = 0;

    int Below(int n) { return static_cast<int>(rnd() % static_cast<unsigned>(n)); }
    const std::string& Symbol() { return symbols[Below(static_cast<int>(symbols.size()))]; }

    // Quantities a player might type: small, round, near the limits, fractional, empty.
    std::string Quantity() {
        static const char* const odd[] = {"", "0", "0.5", "1.5", "99999999999", "100000000", "50000000", "5000", "5001"};
        if (Below(4) == 0) return odd[Below(9)];
        return std::to_string(1 + Below(Below(2) ? 100 : 20000));
    }

    void New_Game() {
        out << "new goal=" << Below(4) << " handicap=" << Below(4) << " short=" << Below(2)
            << " options=" << Below(2) << " timelimit=" << Below(2) << " surprise=" << Below(2)
            << " frequency=" << 1 + Below(10) << " power=" << 1 + Below(10) << " earnings=" << 1 + Below(10)
            << "\n";
    }

    void End_Turns() {
        int n = Below(10) == 0 ? 100 + Below(200) : 1 + Below(30);
        out << "end " << n << "\n";
        turns_written += n;
    }

    void Stock_Trade() {
        static const char* const verbs[] = {"buy", "sell", "short", "cover"};
        out << verbs[Below(4)] << " " << Symbol() << " " << Quantity() << "\n";
    }

    void Option_Trade() {
        out << "option " << (Below(2) ? "buy" : "sell") << " " << (Below(2) ? "call" : "put") << " " << Symbol()
            << " " << 10 * (Below(22)) << " " << Below(60) << " " << Quantity() << "\n";
    }

    // Amounts at the edges of the 17-character test, and ones it refuses.
    void Cheat() {
        static const char* const cash[] = {"0", "1", "-5", "5000", "2147483647", "999999999999", "1e300",
                                           "abc", "", "1000000000000", "1000000000000000", "0.00001"};
        switch (Below(4)) {
        case 0: out << "cheat on\n"; break;
        case 1: out << "cheat cash " << cash[Below(12)] << "\n"; break;
        case 2: out << "cheat computer-cash " << cash[Below(12)] << "\n"; break;
        default: out << "cheat trend " << Below(13) - 6 << "\n"; break;
        }
    }

    void Save_Or_Load() {
        out << (Below(2) ? "save " : "load ") << dir << "/soak-" << Below(3) << ".bqg\n";
    }
};

// Keeps the driver's output from the terminal; the soak reports only what broke.
class Null_Buffer : public std::streambuf {
    int overflow(int c) override { return c; }
};

}  // namespace

std::string Soak_Script(std::uint32_t seed, long long turns, const std::string& data_dir) {
    return Script_Writer(seed, data_dir).Write(turns);
}

Soak_Result Run_Soak(std::uint32_t seed, long long turns, const std::string& data_dir) {
    std::istringstream in(Soak_Script(seed, turns, data_dir));
    Null_Buffer sink;
    std::ostream out(&sink);
    Invariant_Watch watch;
    // The watch stops checking after the first break; the game itself plays on to the end.
    Run_Console(in, out, seed, data_dir, &watch);
    return {watch.turns, watch.highest_turn, watch.broken};
}

namespace {
// The long game's moves between runs of turns, each checked like a console command.
class Long_Game {
public:
    Long_Game(std::uint32_t seed, const std::string& data_dir, Long_Game_Saves saves)
        : pick(seed), rnd(seed), screens(sink_stream), saves(saves) {
        Init_Game(game);
        game.Data_Dir = data_dir;
        // As the game's start-up does: a save into a folder that is not there would fail.
        std::error_code ignored;
        std::filesystem::create_directories(data_dir, ignored);
        file = data_dir + "/long-game.bqg";
        screens.pending_setup = {{"goal", 3}, {"short", 1}, {"options", 1}};
        Deal_New_Game(game, rnd, screens);
        Enable_Cheat_Mode(game, screens);
    }

    Soak_Result Play(long long turns) {
        while (watch.turns < turns && watch.broken.empty()) {
            const int move = Below(100);
            const long long run = std::min<long long>(1 + Below(40), turns - watch.turns);
            if (move < 30) Run_Of_Turns(run, false);
            else if (move < 40) Run_Of_Turns(run, true);
            else if (move < 70) Trade();
            else if (move < 85) Cheat();
            else Save_And_Load();
        }
        result.turns = watch.turns;
        result.highest_turn = watch.highest_turn;
        result.broken = watch.broken;
        return result;
    }

private:
    Null_Buffer sink;
    std::ostream sink_stream{&sink};
    std::mt19937 pick;
    Random rnd;
    Console_Screens screens;
    Game game;
    Invariant_Watch watch;
    std::string file;
    Soak_Result result;
    Long_Game_Saves saves;
    long long full_record_moves = 0;

    int Below(int n) { return static_cast<int>(pick() % static_cast<unsigned>(n)); }

    // A bull run sets the market trend to 6 before every turn, as the cheat does.
    void Run_Of_Turns(long long n, bool bull_run) {
        for (long long k = 0; k < n && watch.broken.empty(); ++k) {
            if (bull_run) game.Market_Trend = 6;
            Hold_Back_The_Player();
            if (Play_Turn(game, rnd, screens) == Turn_Result::Not_Played) return;
            watch.After_Turn(game);
            if (game.Turn_Number.Value() == 1) watch.broken.push_back("the long game ended at a goal");
            Note_Reach();
            Hold_Back_The_Computer();
        }
    }

    void Note_Reach() {
        if (std::any_of(game.News_Items.begin(), game.News_Items.end(), [](const List_Line& l) { return l.Text == "OH S#!*"; }))
            ++result.crashes;
        result.highest_index = std::max(result.highest_index, Index_Value(game));
        for (int s = 0; s < Stock_Count; ++s)
            for (double count : {game.Player_Stock[s].Shares, game.Player_Short[s].Shares, game.Computer_Stock[s].Shares,
                                 game.Computer_Short[s].Shares, game.Computer_Option[s].Contracts})
                result.largest_count = std::max(result.largest_count, count);
        for (int k = 0; k < game.Player_Option_Count; ++k)
            result.largest_count = std::max(result.largest_count, game.Player_Option[k].Quantity);
        for (const double v : {game.Cash_On_Hand.Value(), game.Net_Worth.Value(), game.C_Portfolio.Cash.Value(),
                               game.C_Portfolio.Net_Worth.Value()}) {
            result.lowest_money = std::min(result.lowest_money, v);
            result.highest_money = std::max(result.highest_money, v);
        }
    }

    // See Run_Long_Game: the computer's gains are taken away before it can reach the goal.
    void Hold_Back_The_Computer() {
        if (game.C_Portfolio.Net_Worth.Value() < 1e9) return;
        for (int s = 0; s < Stock_Count; ++s) {
            game.Computer_Stock[s].Shares = 0;
            game.Computer_Short[s].Shares = 0;
            game.Computer_Option[s].Contracts = 0;
        }
        game.C_Portfolio.Cash.Set(Starting_Cash);
        Value_Computer_Portfolio(game);
    }

    // And the player's, whose stock, options or shorts (after a crash) would reach the goal: before
    // each turn, when the most the turn could bring passes $50 billion (prices 2.5 times higher,
    // every short bought back for nothing, options at twice the premium of such a price or of the
    // highest strike).
    void Hold_Back_The_Player() {
        double most = game.Cash_On_Hand.Value();
        for (int s = 0; s < Stock_Count; ++s)
            most += 2.5 * Stock_Price(game, s) * game.Player_Stock[s].Shares +
                    static_cast<double>(game.Player_Short[s].Avg_Price) * game.Player_Short[s].Shares;
        for (int k = 0; k < game.Player_Option_Count; ++k) {
            const Option_Position& o = game.Player_Option[k];
            most += o.Quantity * Contract_Shares * 2 * (2.5 * Stock_Price(game, o.Stock) + 207);
        }
        if (most < 5e10) return;
        for (Holding& h : game.Player_Stock) h.Shares = 0;
        for (Holding& h : game.Player_Short) h.Shares = 0;
        game.Player_Option_Count = 0;
        game.Player_Option = {};
        Set_Player_Cash(game, Starting_Cash);
        game.Net_Worth = game.Cash_On_Hand;
        game.Net_Worth.Group();
    }

    void Checked(const std::string& what, const Game& before) { watch.After_Command(what, before, game); }

    void Trade() {
        static const char* const quantities[] = {"1", "25", "1000", "100000", "0.5", "5000", "99999999999"};
        const Game before = game;
        const int s = Below(Stock_Count);
        std::string q = quantities[Below(7)];
        const std::string text = q;
        switch (Below(5)) {
        case 0: Buy_Shares(game, s, Read_Quantity(q)); break;
        case 1: Sell_Shares(game, s, Read_Quantity(q)); break;
        case 2:
        case 3: {
            const Short_Mode mode = Below(2) ? Short_Mode::Sell_Short : Short_Mode::Buy_Back;
            Trade_Short(game, s, mode, Read_Quantity(text));
            break;
        }
        default: {
            Option_Form form;
            form.Stock = s;
            form.Calls = Below(2) == 0;
            form.Buy = Below(3) != 0;
            Choose_Strike_And_Expiry(game, form);
            for (int spins = Below(3); spins > 0; --spins) Spin_Exp(form, -1);
            if (!form.Buy && game.Player_Option_Count > 0)
                static_cast<void>(Prefill_From_Grid(game, form, Below(game.Player_Option_Count)));
            form.Number = Read_Quantity(text);
            Trade_Option(game, form, screens);
        }
        }
        Checked("buy", before);  // a trade: the exchange limits are checked too
    }

    // Amounts that keep the player below the goal, and the ones the 17-character test refuses.
    void Cheat() {
        static const char* const cash[] = {"0", "1", "5000", "99999", "2500.75", "1e300", "abc", "1000000000000000"};
        const Game before = game;
        screens.input_answer = Below(3) == 0 ? std::to_string(Below(13) - 6) : cash[Below(8)];
        switch (Below(3)) {
        case 0: Set_Your_Cash(game, screens); break;
        case 1: Set_Computer_Cash(game, screens); break;
        default: Set_Market_Trend(game, screens); break;
        }
        screens.input_answer.reset();
        Checked("cheat", before);
    }

    // Saved at this turn and loaded at once: the same game goes on. The watch checks the game
    // the load made of the file, as it checks a save command by loading the file itself.
    void Save_And_Load() {
        if (game.History && game.History->Points.size() >= saves.full_record_points &&
            full_record_moves++ % saves.full_record_share != 0) {
            ++result.saves_left_out;
            return;
        }
        screens.file_answer = file;
        Save_As(game, screens);
        const Game saved = game;
        const bool loaded = Load_Game(game, screens);
        screens.file_answer.reset();
        if (!loaded) {
            watch.broken.push_back("turn " + game.Turn_Number.Text() + ": the saved game did not load");
            return;
        }
        ++result.saves;
        watch.After_Save_And_Load("save " + file, saved, game);
        Checked("load " + file, saved);
    }
};
}  // namespace

Soak_Result Run_Long_Game(std::uint32_t seed, long long turns, const std::string& data_dir, Long_Game_Saves saves) {
    return Long_Game(seed, data_dir, saves).Play(turns);
}
