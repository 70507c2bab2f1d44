#include "cli/driver.h"

#include <istream>
#include <map>
#include <ostream>
#include <set>
#include <sstream>

#include "cli/console_screens.h"
#include "cli/history_json.h"
#include "cli/statistics_json.h"
#include "cli/state_json.h"
#include "engine/flows/challenge.h"
#include "engine/flows/cheats.h"
#include "engine/flows/statistics.h"
#include "engine/storage/file_messages.h"
#include "engine/model/game.h"
#include "engine/flows/new_game.h"
#include "engine/model/numbers.h"
#include "engine/model/random.h"
#include "engine/flows/game_files.h"
#include "engine/flows/player_input.h"
#include "engine/flows/startup.h"
#include "engine/flows/turn.h"
#include "engine/guide/guide_book.h"
#include "engine/guide/guide_notes.h"
#include "engine/storage/file_messages.h"
#include "engine/scoring/new_game_setup.h"
#include "engine/trading/option_trades.h"
#include "engine/trading/portfolio.h"
#include "engine/trading/short_trades.h"
#include "engine/trading/stock_trades.h"

namespace {

struct Console {
    Game game;
    Random rnd;
    Console_Screens screens;
    std::ostream& out;
    Console_Observer* observer = nullptr;

    bool quit = false;  // Quit in the end-of-game window

    Guide_Book guide;
    // The guide's notes due after the last command that played anything, once each.
    std::vector<Guide_Note> notes;
    bool notes_begun = false;  // the command being run has begun its own list

    Console(std::uint32_t seed, std::ostream& o) : rnd(seed), screens(o), out(o) {}

    void Error(const std::string& why) { out << "error: " << why << "\n"; }
    void Due(const std::vector<Guide_Note>& due) {
        if (!notes_begun) notes.clear();
        notes_begun = true;
        for (const Guide_Note& note : due) {
            bool listed = false;
            for (const Guide_Note& other : notes) listed = listed || other.Key == note.Key;
            if (!listed) notes.push_back(note);
        }
    }

    Input_Result Play(const Player_Input& input) {
        const Guide_Before before = Before_Input(game);
        const Input_Result result = Play_Input(game, rnd, screens, input);
        Due(Notes_Due(game, before, input, result));
        return result;
    }
    void Answer(bool ok) { out << (ok ? "ok" : "refused") << "\n"; }
    // A refusal with its reason on a line of its own after it.
    void Answer(const Trade_Result& result) {
        Answer(result == Trade_Result::Done);
        if (!result.Reason().empty()) out << "reason: " << result.Reason() << "\n";
    }

    static bool Whole_Number(const std::string& text, long long& value) {
        if (text.empty() || text.size() > 12) return false;
        for (char ch : text)
            if (ch < '0' || ch > '9') return false;
        value = std::stoll(text);
        return true;
    }

    // The `key=value` words of `new`; false, with the error printed, for a bad one.
    bool Setup_Keys(std::istringstream& args, std::map<std::string, int>& keys) {
        static const std::map<std::string, std::pair<int, int>> ranges = {
            {"goal", {0, 3}}, {"handicap", {0, 3}}, {"short", {0, 1}}, {"options", {0, 1}},
            {"timelimit", {0, 1}}, {"surprise", {0, 1}}, {"frequency", {1, 10}}, {"power", {1, 10}},
            {"earnings", {1, 10}}};
        std::string word;
        auto fail = [&](const std::string& why) {
            Error(why);
            return false;
        };
        while (args >> word) {
            auto eq = word.find('=');
            long long v = 0;
            if (eq == std::string::npos) return fail("expected key=value: " + word);
            std::string key = word.substr(0, eq);
            auto range = ranges.find(key);
            if (range == ranges.end()) return fail("unknown key: " + key);
            if (keys.count(key)) return fail("repeated key: " + key);
            if (!Whole_Number(word.substr(eq + 1), v) || v < range->second.first || v > range->second.second)
                return fail("out of range: " + word);
            keys[key] = static_cast<int>(v);
        }
        return true;
    }

    void New(std::istringstream& args) {
        std::map<std::string, int> keys;
        if (!Setup_Keys(args, keys)) return;
        screens.pending_setup = keys;
        Start_New_Game(game, rnd, screens);
        screens.pending_setup.clear();
        Due(Notes_Due(game));
    }

    // `challenge new [key=value ...]`, `challenge CODE`, and `challenge` alone.
    void Challenge(const std::string& rest) {
        std::istringstream args(rest);
        std::string first;
        args >> first;
        if (first.empty()) {
            if (!game.Challenge) return Error("not a challenge");
            out << "code " << Code_Text(game.Challenge->Code) << "\n";
            return;
        }
        if (first == "new") {
            std::map<std::string, int> keys;
            if (!Setup_Keys(args, keys)) return;
            // The settings a New Game would open the setup window with, and the keys.
            Settings setup = game.Setup;
            setup.Play_To = setup.Handicap = 0;
            const Challenge_Code code = New_Challenge_Code(rnd, Console_Screens::With_Keys(setup, keys));
            out << "code " << Code_Text(code) << "\n";
            Start_Challenge(game, rnd, screens, code);
            return;
        }
        const Code_Reading reading = Read_Code(rest);
        if (!reading.Code) return Error("bad code");
        Start_Challenge(game, rnd, screens, *reading.Code);
    }

    // `result FILE`: Game > Export Result..., FILE as the file dialog returns it.
    void Result(const std::string& file) {
        if (file.empty()) return Error("expected a file name");
        if (!Challenge_To_Export(game)) return Error("not a challenge");
        if (Export_Result(game, file)) return Answer(true);
        Report_File_Failure(screens, File_Task::Write);
    }

    void Stats(const std::string& rest) {
        if (!rest.empty()) return Error("stats takes no arguments");
        const File_Result<Statistics> statistics = Current_Statistics(game);
        if (!statistics) return Report_File_Failure(screens, File_Task::Statistics);
        out << Statistics_Json(*statistics) << "\n";
    }

    void End(std::istringstream& args) {
        std::string word, extra;
        long long n = 1;
        if (args >> word && (!Whole_Number(word, n) || n < 1)) return Error("expected a whole number of turns");
        if (args >> extra) return Error("too many arguments");
        if (!game.Has_Game) return Error("no game");
        for (long long k = 0; k < n; ++k) {
            const Turn_Result result = Play(Player_Input::End_Turn()).Turn;
            if (result == Turn_Result::Not_Played) break;  // the calendar's last turn
            if (observer) observer->After_Turn(game);
            if (result == Turn_Result::Quit) {
                quit = true;
                break;
            }
        }
    }

    void Alerts(std::istringstream& args) {
        std::optional<bool> news, world;
        std::string word;
        while (args >> word) {
            if ((word == "news=0" || word == "news=1") && !news) news = word.back() == '1';
            else if ((word == "world=0" || word == "world=1") && !world) world = word.back() == '1';
            else return Error("expected news=B world=B");
        }
        Play(Player_Input::Set_Alerts(news, world));
    }

    void Cheat(const std::string& rest) {
        std::string item = rest.substr(0, rest.find(' '));
        std::string value = rest.size() > item.size() ? rest.substr(item.size() + 1) : "";
        Player_Input input;
        if (item == "on") input.What = Player_Input::Kind::Enable_Cheats;
        else if (item == "cash") input = Player_Input::Set_Cheat(Cheat::Your_Cash, value);
        else if (item == "computer-cash") input = Player_Input::Set_Cheat(Cheat::Computer_Cash, value);
        else if (item == "trend") input = Player_Input::Set_Cheat(Cheat::Market_Trend, value);
        else return Error("unknown cheat: " + item);
        if (item == "on" && !value.empty()) return Error("cheat on takes no value");
        if (!game.Has_Game) return Error("no game");
        Answer(Play(input).Trade);
    }

    // `buy`, `sell`, `short`, `cover` SYM Q: Q is the quantity box's text exactly as typed.
    void Stock_Trade(const std::string& verb, const std::string& rest) {
        std::string symbol = rest.substr(0, rest.find(' '));
        std::string quantity = rest.size() > symbol.size() ? rest.substr(symbol.size() + 1) : "";
        const int stock = Find_Symbol(game, symbol);
        if (stock < 0) return Error("unknown symbol: " + symbol);
        if (quantity.find_first_not_of("0123456789. ") != std::string::npos)
            return Error("the quantity box takes digits, \".\" and blanks only");
        if (!game.Has_Game) return Error("no game");
        const Typed_Quantity typed = Read_Quantity(quantity);
        using Kind = Player_Input::Kind;
        const Kind kind = verb == "buy" ? Kind::Buy : verb == "sell" ? Kind::Sell : verb == "short" ? Kind::Sell_Short : Kind::Buy_Back;
        Answer(Play(Player_Input::Trade(kind, stock, typed)).Trade);
    }

    // `option buy|sell call|put SYM STRIKE EXPIRES Q`: the strike and expiry as the spin
    // controls can set them, Q typed in the quantity box.
    void Option_Trade(const std::string& rest) {
        std::istringstream args(rest);
        std::string side, kind, symbol, strike, expires;
        args >> side >> kind >> symbol >> strike >> expires;
        std::string quantity;
        std::getline(args >> std::ws, quantity);
        if (side != "buy" && side != "sell") return Error("expected buy or sell");
        if (kind != "call" && kind != "put") return Error("expected call or put");
        const int stock = Find_Symbol(game, symbol);
        if (stock < 0) return Error("unknown symbol: " + symbol);
        long long strike_value = 0, expires_value = 0;
        if (!Whole_Number(strike, strike_value) || !Whole_Number(expires, expires_value))
            return Error("expected a whole strike and expiry");
        if (quantity.find_first_not_of("0123456789. ") != std::string::npos)
            return Error("the quantity box takes digits, \".\" and blanks only");
        if (!game.Has_Game) return Error("no game");
        Option_Form form;
        form.Stock = stock;
        form.Calls = kind == "call";
        form.Buy = side == "buy";
        Choose_Strike_And_Expiry(game, form);
        // Beyond an int no spin control reaches either.
        if (strike_value > Highest_Strike || !Strike_Allowed(static_cast<int>(strike_value)))
            return Answer(Trade_Result::Refused_Because(Strikes_Offered()));
        if (expires_value > Last_Turn + Option_Life || !Expiry_Allowed(form, static_cast<int>(expires_value)))
            return Answer(Trade_Result::Refused_Because(Expiries_Offered(form)));
        form.Strike = static_cast<int>(strike_value);
        form.Expires = static_cast<int>(expires_value);
        form.Number = Read_Quantity(quantity);
        Answer(Play(Player_Input::Option_Trade(form)).Trade);
    }

    // `close stock N` / `close option N`: the double-click on data row N (from 1) of the grid,
    // then the trade button of the window it opened, with what the double-click filled in.
    void Close(std::istringstream& args) {
        std::string grid, row, extra;
        args >> grid >> row;
        if (grid != "stock" && grid != "option") return Error("expected stock or option");
        long long n = 0;
        if (!Whole_Number(row, n) || args >> extra) return Error("expected a row number");
        if (!game.Has_Game) return Error("no game");
        const int index = static_cast<int>(n) - 1;
        if (grid == "stock") {
            const std::optional<Stock_Grid_Close> close = Close_From_Stock_Grid(game, index);
            if (!close) return Error("no row " + row);
            const Typed_Quantity quantity = Read_Quantity(close->Quantity);
            const auto kind = close->Buy_Back ? Player_Input::Kind::Buy_Back : Player_Input::Kind::Sell;
            return Answer(Play(Player_Input::Trade(kind, close->Stock, quantity)).Trade);
        }
        Option_Form form;
        const Grid_Close close = Prefill_From_Grid(game, form, index);
        if (close == Grid_Close::No_Row) return Error("no row " + row);
        if (close == Grid_Close::Refused) return Answer(Trade_Result::Refused_Because(Grid_Refusal(game, index)));
        Answer(Play(Player_Input::Option_Trade(form)).Trade);
    }

    // `history` / `journal`: the record of the race, for bots that follow it.
    void Record(const std::string& verb, const std::string& rest) {
        if (!rest.empty()) return Error(verb + " takes no arguments");
        if (!game.Has_Game) return Error("no game");
        if (verb == "history") {
            out << History_Json(game) << "\n";
            return;
        }
        for (const std::string& line : Journal_Json(game)) out << line << "\n";
    }

    // `save FILE` / `load FILE`: FILE, the rest of the line, is what the file dialog returns.
    void File_Command(const std::string& verb, const std::string& file) {
        if (file.empty()) return Error("expected a file name");
        if (verb == "save" && !game.Has_Game) return Error("no game");
        screens.file_answer = file;
        const bool ok = verb == "save" ? Save_As(game, screens) : Load_Game(game, screens);
        screens.file_answer.reset();
        if (verb == "load") Due(Notes_Due(game));
        if (ok) Answer(true);  // a failure has printed its message box line
    }

    // `guide` prints the notes due after the last command that played, one a line, and marks
    // them seen; `guide on`, `guide off`, `guide reset` change the guide for good.
    void Guide(const std::string& rest) {
        if (rest.empty()) {
            for (const Guide_Note& note : Show_Notes(guide, notes).Notes) out << "note " << note.Key << ": " << note.Text << "\n";
            notes.clear();
            return;
        }
        File_Result<> stored;
        if (rest == "on" || rest == "off") stored = Turn_Guide(guide, rest == "on");
        else if (rest == "reset") stored = Reset_Guide(guide);
        else return Error("expected guide, guide on, guide off or guide reset");
        if (stored) Answer(true);
        else Report_File_Failure(screens, File_Task::Write);
    }

    // Returns false when the program is to end.
    bool Command(const std::string& line) {
        notes_begun = false;
        std::string verb = line.substr(0, line.find(' '));
        std::string rest = line.size() > verb.size() ? line.substr(verb.size() + 1) : "";
        std::istringstream args(rest);
        if (verb == "new") New(args);
        else if (verb == "end") End(args);
        else if (verb == "alerts") Alerts(args);
        else if (verb == "cheat") Cheat(rest);
        else if (verb == "name") screens.typed_name = rest;  // the end-of-game name box, as typed
        else if (verb == "buy" || verb == "sell" || verb == "short" || verb == "cover") Stock_Trade(verb, rest);
        else if (verb == "option") Option_Trade(rest);
        else if (verb == "guide") Guide(rest);
        else if (verb == "close") Close(args);
        else if (verb == "save" || verb == "load") File_Command(verb, rest);
        else if (verb == "challenge") Challenge(rest);
        else if (verb == "result") Result(rest);
        else if (verb == "stats") Stats(rest);
        else if (verb == "state") {
            if (!rest.empty()) Error("state takes no arguments");
            else out << State_Json(game) << "\n";
        } else if (verb == "history" || verb == "journal") {
            Record(verb, rest);
        } else if (verb == "quit") return false;
        else Error("unknown command: " + verb);
        return !quit;
    }
};

}  // namespace

int Run_Console(std::istream& in, std::ostream& out, std::uint32_t seed, const std::string& data_dir,
                Console_Observer* observer, const Console_Choices& choices) {
    Console console(seed, out);
    console.observer = observer;
    if (!Start_Up(console.game, console.screens, data_dir)) return 1;
    console.guide = Open_Guide_Book(console.game.Data_Dir);
    console.game.Keeps_Statistics = choices.keep_statistics;
    console.game.Today = choices.today;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (!observer) {
            if (!console.Command(line)) break;
            continue;
        }
        const Game before = console.game;
        bool go_on = console.Command(line);
        observer->After_Command(line, before, console.game);
        if (!go_on) break;
    }
    // The program ends, by `quit` or at the end of its input: the turns played are counted.
    Count_Turns_Played(console.game, console.screens);
    return 0;
}
