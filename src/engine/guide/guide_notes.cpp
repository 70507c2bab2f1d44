#include "engine/guide/guide_notes.h"

#include <optional>

#include "engine/model/help_topics.h"
#include "engine/model/numbers.h"
#include "engine/scoring/new_game_setup.h"
#include "engine/scoring/scoring.h"
#include "engine/trading/options.h"
#include "engine/trading/player_cash.h"

namespace {

const std::vector<std::string> Keys = {
    "first_turn",     "held_news",       "held_earnings",  "held_split", "crash",          "taxes",
    "first_short",    "first_option",    "option_lapsing", "cash_below_zero", "computer_ahead", "near_goal",
};

using Maybe_Note = std::optional<Guide_Note>;

Guide_Note Note(const std::string& key, const std::string& topic, std::string text) {
    return {key, std::move(text), topic, Help_Context_Of(topic).value_or(1)};
}

// Figures as the main window writes them: whole dollars grouped, cents only where there are any.
std::string Count(double x) { return Add_Commas(Number_Text(x)); }
std::string Money(double x) {
    const double cents = Round(x, 2);
    std::string text = Add_Commas(Number_Text(cents < 0 ? -cents : cents));
    const std::size_t point = text.find('.');
    if (point != std::string::npos && text.size() - point == 2) text += '0';
    return (cents < 0 ? "-$" : "$") + text;
}
std::string Cents(double x) {
    std::string text = Money(x);
    if (text.find('.') == std::string::npos) text += ".00";
    return text;
}
std::string Turn_Text(double turn) { return Number_Text(turn); }
std::string Contracts(double n) { return Count(n) + (n == 1 ? " contract" : " contracts"); }

bool Has_Options_On(const Game& game, int stock) {
    for (int k = 0; k < game.Player_Option_Count; ++k)
        if (game.Player_Option[k].Stock == stock) return true;
    return false;
}

// How the player stands in a stock, for "MSFT, which you hold, ..."; nothing when not at all.
std::optional<std::string> Position_Words(const Game& game, int stock) {
    if (game.Player_Stock[stock].Shares > 0) return std::string("which you hold");
    if (game.Player_Short[stock].Shares > 0) return std::string("which you have sold short");
    if (Has_Options_On(game, stock)) return std::string("on which you hold options");
    return std::nullopt;
}

bool Split_This_Turn(const Game& game, int stock) {
    for (const Split_Record& split : game.Last_Turn_Record.Splits)
        if (split.Stock == stock) return true;
    return false;
}

// The stock's price over the turn, its own move included.
std::string Turn_Move(const Game& game, const Guide_Before& before, int stock) {
    const std::string now = Money(Stock_Price(game, stock));
    if (Split_This_Turn(game, stock)) return game.Symbol[stock] + " also split this turn and stands at " + now;
    return game.Symbol[stock] + " went from " + Money(before.Price[stock]) + " to " + now + " this turn, its own move included";
}

Maybe_Note First_Turn(const Game& game) {
    if (game.Turn_Number.Value() != 1) return std::nullopt;
    const int handicap = game.Setup.Handicap & 3;
    const std::string start = Money(Handicap_Cash[handicap]), computer = Money(Starting_Cash);
    const std::string head_start = handicap == 0
        ? "You have no handicap: you and the computer both begin with " + computer + "."
        : "Your handicap of " + std::string(Handicap_Texts[handicap]) + " is a head start: you begin with " + start +
              " against the computer's " + computer + ".";
    return Note("first_turn", "Main Screen",
                "Turn 1 of a new game. Each END TURN moves the market on by one turn: news and earnings reports "
                "come out, every price moves, and then the computer makes its trades. Buy, sell and sell short "
                "between turns; a trade never ends the turn. You win when your net worth (your cash and what your "
                "stocks, short sales and options are worth) reaches the goal of " +
                    std::string(Play_To_Texts[game.Setup.Play_To & 3]) + " before the computer's does. " + head_start);
}

Maybe_Note Held_News(const Game& game, const Guide_Before& before) {
    for (const List_Line& line : game.News_Items) {
        const int s = line.Item_Data;
        if (s < 0 || s >= Stock_Count) continue;
        const std::optional<std::string> position = Position_Words(game, s);
        if (!position) continue;
        return Note("held_news", "Understanding News Events",
                    "News about " + game.Symbol[s] + ", " + *position + ": \"" + line.Text +
                        "\" Company news moves a price and its trend at once; " + Turn_Move(game, before, s) + ".");
    }
    return std::nullopt;
}

Maybe_Note Held_Earnings(const Game& game, const Guide_Before& before) {
    for (const List_Line& line : game.Earnings_News) {
        const int s = line.Item_Data;
        if (s < 0 || s >= Stock_Count) continue;
        const std::optional<std::string> position = Position_Words(game, s);
        if (!position) continue;
        const Earnings_Record& e = game.Earnings[s];
        const bool better = e.EPS[0] > e.EPS[1];
        return Note("held_earnings", "Profiting from Company Earnings",
                    game.Symbol[s] + ", " + *position + ", reported earnings of " + Number_Text(e.EPS[0].Value()) +
                        " a share against " + Number_Text(e.EPS[1].Value()) + " the period before. " +
                        (better ? "A better report than the last lifts the price and its trend"
                                : "A report no better than the last lowers the price and its trend") +
                        "; " + Turn_Move(game, before, s) + ". Its next report is due at turn " +
                        Turn_Text(e.Report_Turn) + "; the research window lists the companies about to report.");
    }
    return std::nullopt;
}

Maybe_Note Held_Split(const Game& game) {
    for (const Split_Record& split : game.Last_Turn_Record.Splits) {
        std::vector<std::string> parts;
        if (split.Shares_Before > 0)
            parts.push_back("your " + Count(split.Shares_Before) + " shares are now " + Count(split.Shares_After) +
                            " at " + Money(split.Price_After));
        if (split.Short_Before > 0)
            parts.push_back("the " + Count(split.Short_Before) + " shares you sold short are now " +
                            Count(split.Short_After) + ", at half the price you sold them at");
        if (split.Option_Positions > 0)
            parts.push_back("your options on it hold twice the contracts at half the strike");
        if (parts.empty()) continue;
        std::string what = parts[0];
        for (std::size_t k = 1; k < parts.size(); ++k) what += (k + 1 == parts.size() ? " and " : ", ") + parts[k];
        return Note("held_split", "Understanding News Events",
                    game.Symbol[split.Stock] + " split 2 for 1: " + what + ". The price halved from " +
                        Money(split.Price_Before) + " to " + Money(split.Price_After) +
                        ": twice the shares at half the price are worth just the same, so nothing was lost. A stock "
                        "splits whenever a turn finds its price above " + Money(Split_Price) + ".");
    }
    return std::nullopt;
}

Maybe_Note Crash(const Game& game, const Guide_Before& before) {
    if (!game.Last_Turn_Record.Crash) return std::nullopt;
    return Note("crash", "Understanding News Events",
                "The market crashed: every price was knocked down to between " + Money(Crash_Lowest_Price) + " and " +
                    Money(Crash_Highest_Price) + ", and the index fell from " + Count(Int(before.Index)) + " to " +
                    Count(Int(Index_Value(game))) + ". Your net worth went from " + Money(before.Net_Worth) + " to " +
                    Money(game.Net_Worth.Value()) +
                    ". Every stock's trend is at its lowest now, so prices go on falling for a while, and short "
                    "sales gain as they fall. A crash may come at any turn while the index is above " +
                    Count(Crash_Index) + ".");
}

Maybe_Note Taxes(const Game& game) {
    const std::optional<Tax_Record>& taxes = game.Last_Turn_Record.Taxes;
    if (!taxes) return std::nullopt;
    const std::string rule = "Turn " + Turn_Text(game.Turn_Number.Value()) + ": taxes. Every " +
                             Count(Tax_Period) + " turns you pay " + Number_Text(Tax_Rate * 100) +
                             "% of the gains you realised (by selling, buying back and selling options) since the "
                             "last notice; what you still hold is not taxed. ";
    std::string yours;
    if (taxes->Gains > 0)
        yours = "Your " + Money(taxes->Gains) + " of gains cost you " + Money(taxes->Tax) + ", taken from your cash.";
    else if (taxes->Gains < 0)
        yours = "Yours came to " + Money(taxes->Gains) +
                ", a loss, so nothing was taxed: the loss carries over and is set against your gains until the next "
                "notice, at turn " + Turn_Text(game.Turn_Number.Value() + Tax_Period) + ".";
    else
        yours = "You realised no gains, so you paid nothing.";
    return Note("taxes", "Selling Stocks", rule + yours);
}

Maybe_Note First_Short(const Game& game, const Guide_Before& before, int s) {
    const double q = game.Player_Short[s].Shares - before.Short_Shares[s];
    const double deposit = before.Cash - Player_Cash(game);
    const std::string price = Money(Stock_Price(game, s)), symbol = game.Symbol[s];
    return Note("first_short", "How does short selling work in Bullquest?",
                "You sold " + Count(q) + " " + symbol + " short at " + price + " and put up half the price, " +
                    Money(deposit) + ", as a deposit. Each dollar " + symbol +
                    " rises costs you half a dollar a share (" + Money(q / 2) + " on these " + Count(q) +
                    ") and each dollar it falls gains as much; should it rise to twice " + price +
                    ", the deposit is gone. Buying back is never refused for lack of cash: your cash may go below "
                    "zero.");
}

Maybe_Note First_Option(const Game& game, const Guide_Before& before, const Option_Form& form) {
    const std::string kind = form.Calls ? "Call" : "Put";
    const std::string symbol = game.Symbol[form.Stock], strike = Money(form.Strike), expires = Turn_Text(form.Expires);
    const double premium = Option_Premium(game, kind, form.Stock, form.Strike, form.Expires);
    const double n = form.Number.Value;
    const std::string gains = form.Calls ? "A call gains as " + symbol + " rises above " + strike
                                         : "A put gains as " + symbol + " falls below " + strike;
    return Note("first_option", "Working with Options",
                "You bought " + Contracts(n) + " of a " + (form.Calls ? "call" : "put") + " on " + symbol +
                    " at a strike of " + strike + ", expiring at turn " + expires + ". A contract is " +
                    Count(Contract_Shares) + " shares, so at a premium of " + Cents(premium) + " a share " +
                    (n == 1 ? "it" : "they") + " cost " + Money(before.Cash - Player_Cash(game)) + ". " + gains +
                    ". An option is never exercised: each turn it is worth its premium of the moment times " +
                    Count(Contract_Shares) + " a contract, and the premium follows the price and shrinks as turn " +
                    expires + " nears. Sell it back before then for what it is worth; held to the end of turn " +
                    expires + ", it lapses worthless.");
}

Maybe_Note Option_Lapsing(const Game& game) {
    const double next = game.Turn_Number.Value() + 1;
    for (int k = 0; k < game.Player_Option_Count; ++k) {
        const Option_Position& o = game.Player_Option[k];
        if (o.Expires != next) continue;
        const double value = o.Quantity * Option_Premium(game, k) * Contract_Shares;
        return Note("option_lapsing", "Working with Options",
                    "Your " + std::string(o.Option_Type == "Call" ? "call" : "put") + " on " + game.Symbol[o.Stock] +
                        " at a strike of " + Money(o.Strike) + " (" + Contracts(o.Quantity) + ", worth " +
                        Money(value) + " now) lapses at your next END TURN, at the end of turn " + Turn_Text(next) +
                        ". Sell it before you end this turn, or it lapses worthless: nothing is paid for a lapsed "
                        "option.");
    }
    return std::nullopt;
}

Maybe_Note Cash_Below_Zero(const Game& game, const Guide_Before& before, int s) {
    const double cash = Player_Cash(game);
    if (cash >= 0) return std::nullopt;
    const double q = before.Short_Shares[s] - game.Player_Short[s].Shares;
    return Note("cash_below_zero", "How does short selling work in Bullquest?",
                "After buying back " + Count(q) + " " + game.Symbol[s] + " at " + Money(Stock_Price(game, s)) +
                    " your cash is " + Money(cash) +
                    ". A buy-back is never refused for cash, so the cash can fall below zero; it counts against your "
                    "net worth, and no purchase or short sale goes through until sales bring it back above zero.");
}

Maybe_Note Computer_Ahead(const Game& game, const Guide_Before& before) {
    const double computer = game.C_Portfolio.Net_Worth.Value(), yours = game.Net_Worth.Value();
    if (!(before.Computer_Worth <= before.Net_Worth && computer > yours)) return std::nullopt;
    return Note("computer_ahead", "The Computer Opponent",
                "The computer has pulled ahead: its net worth is " + Money(computer) + " against your " +
                    Money(yours) +
                    ". It trades on momentum, buying what has risen over the last few turns and selling what has "
                    "fallen; its portfolio window shows what it holds.");
}

Maybe_Note Near_Goal(const Game& game) {
    const double goal = Goal_Worth(game.Setup), yours = game.Net_Worth.Value();
    if (!(yours >= goal * Near_Goal_Share && !Goal_Reached(yours, Goal_Digits(game.Setup)))) return std::nullopt;
    return Note("near_goal", "Scoring",
                "Your net worth, " + Money(yours) + ", is within " + Number_Text(Round((1 - Near_Goal_Share) * 100, 1)) +
                    "% of the " + std::string(Play_To_Texts[game.Setup.Play_To & 3]) +
                    " goal: reach it before the computer does and you win. The computer stands at " +
                    Money(game.C_Portfolio.Net_Worth.Value()) + ".");
}

void Add(std::vector<Guide_Note>& notes, Maybe_Note note) {
    if (note) notes.push_back(std::move(*note));
}

}  // namespace

const std::vector<std::string>& Guide_Note_Keys() { return Keys; }

Guide_Before Before_Input(const Game& game) {
    Guide_Before before;
    before.Cash = Player_Cash(game);
    before.Net_Worth = game.Net_Worth.Value();
    before.Computer_Worth = game.C_Portfolio.Net_Worth.Value();
    before.Index = Index_Value(game);
    for (int s = 0; s < Stock_Count; ++s) {
        before.Price[s] = Stock_Price(game, s);
        before.Short_Shares[s] = game.Player_Short[s].Shares;
    }
    return before;
}

std::vector<Guide_Note> Notes_Due(const Game& game, const Guide_Before& before, const Player_Input& input,
                                  const Input_Result& result) {
    std::vector<Guide_Note> notes;
    if (!game.Has_Game) return notes;
    using Kind = Player_Input::Kind;
    const bool done = result.Trade == Trade_Result::Done;
    // A turn that ended the game has started a new one at turn 1: its record is the old game's.
    const bool turn = input.What == Kind::End_Turn && result.Turn == Turn_Result::Played && game.Turn_Number.Value() > 1;
    const bool stock = input.Stock >= 0 && input.Stock < Stock_Count;
    Add(notes, First_Turn(game));
    if (turn) {
        Add(notes, Held_News(game, before));
        Add(notes, Held_Earnings(game, before));
        Add(notes, Held_Split(game));
        Add(notes, Crash(game, before));
        Add(notes, Taxes(game));
    }
    if (done && stock && input.What == Kind::Sell_Short) Add(notes, First_Short(game, before, input.Stock));
    if (done && stock && input.What == Kind::Option && input.Option.Buy) Add(notes, First_Option(game, before, input.Option));
    Add(notes, Option_Lapsing(game));
    if (done && stock && input.What == Kind::Buy_Back) Add(notes, Cash_Below_Zero(game, before, input.Stock));
    if (turn) Add(notes, Computer_Ahead(game, before));
    Add(notes, Near_Goal(game));
    return notes;
}

std::vector<Guide_Note> Notes_Due(const Game& game) {
    std::vector<Guide_Note> notes;
    if (!game.Has_Game) return notes;
    Add(notes, First_Turn(game));
    Add(notes, Option_Lapsing(game));
    Add(notes, Near_Goal(game));
    return notes;
}
