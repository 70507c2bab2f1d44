#include "desktop/parts/engine_text.h"

#include <optional>
#include <unordered_set>
#include <vector>

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

namespace {

const char* const Context = "Engine";

// Translated to the name of its own language: tells whether any engine text is translated at
// all, so that English needs no pattern matching.
const char* const Language_Marker = QT_TRANSLATE_NOOP("Engine", "English");

// Texts the engine shows as they stand.
const char* const Exact_Texts[] = {
    // World and market news.
    QT_TRANSLATE_NOOP("Engine", "Federal Reserve lowers interest rates - Bears get eaten."),
    QT_TRANSLATE_NOOP("Engine", "House passes economic reform bill. Senators pass it without even reading it."),
    QT_TRANSLATE_NOOP("Engine", "US declares war on OPEC over 1% change in the price of oil."),
    QT_TRANSLATE_NOOP("Engine", "Latest Retail Sales figures impress Wall Street."),
    QT_TRANSLATE_NOOP("Engine", "Construction Spending rises to a new all time high."),
    QT_TRANSLATE_NOOP("Engine", "Unemployment rises slightly, easing fears of wage inflation."),
    QT_TRANSLATE_NOOP("Engine", "Industrial Production slid last quarter, lowering fears of inflation."),
    QT_TRANSLATE_NOOP("Engine", "Consumer Confidence Index hits new all time high."),
    QT_TRANSLATE_NOOP("Engine", "Federal Reserve raises interest  rates - Bulls run for cover."),
    QT_TRANSLATE_NOOP("Engine", "Producer Price Index comes in higher than estimates. Higher inflation feared."),
    QT_TRANSLATE_NOOP("Engine", "New Republican controlled Congress cuts spending in half and education by 99%."),
    QT_TRANSLATE_NOOP("Engine", "Slump in New Home Sales increases concern over continued economic weakness."),
    QT_TRANSLATE_NOOP("Engine", "Latest New Housing Starts figures don't give any hope to Bulls."),
    QT_TRANSLATE_NOOP("Engine", "Average Hourly Earnings go through the roof! Wage inflation feared."),
    QT_TRANSLATE_NOOP("Engine", "The Employment Cost Indes rose last quarter, many see higher interest rates in sight."),
    QT_TRANSLATE_NOOP("Engine", "Personal Savings Rate figures show Americans continue to spend more than save."),
    QT_TRANSLATE_NOOP("Engine", "OH S#!*"),
    QT_TRANSLATE_NOOP("Engine", "CRASH!"),
    // The grids' column titles.
    QT_TRANSLATE_NOOP("Engine", "Symbol"),
    QT_TRANSLATE_NOOP("Engine", "Shares Owned"),
    QT_TRANSLATE_NOOP("Engine", "Purchased At"),
    QT_TRANSLATE_NOOP("Engine", "Currently At"),
    QT_TRANSLATE_NOOP("Engine", "Change (%)"),
    QT_TRANSLATE_NOOP("Engine", "Quantity"),
    QT_TRANSLATE_NOOP("Engine", "Type"),
    QT_TRANSLATE_NOOP("Engine", "Strike"),
    QT_TRANSLATE_NOOP("Engine", "Currentlly At"),
    QT_TRANSLATE_NOOP("Engine", "Expires"),
    QT_TRANSLATE_NOOP("Engine", "Name"),
    QT_TRANSLATE_NOOP("Engine", "Handicap"),
    QT_TRANSLATE_NOOP("Engine", "Net Worth"),
    QT_TRANSLATE_NOOP("Engine", "Opp. Net Worth"),
    QT_TRANSLATE_NOOP("Engine", "Score"),
    QT_TRANSLATE_NOOP("Engine", "Call"),
    QT_TRANSLATE_NOOP("Engine", "Put"),
    // Failed files and other messages.
    QT_TRANSLATE_NOOP("Engine", "Error: The game is not able to load properly."),
    QT_TRANSLATE_NOOP("Engine", "Error: Either the file does not exist or it is damadged."),
    QT_TRANSLATE_NOOP("Engine", "Error: Cannot write to file."),
    QT_TRANSLATE_NOOP("Engine", "Error: The statistics file is damaged, or cannot be read or written; it is kept as it was."),
    QT_TRANSLATE_NOOP("Engine", "Error: The settings file is damaged, or cannot be read or written; it is kept as it was, and your settings hold until you close the game."),
    QT_TRANSLATE_NOOP("Engine", "Too many options positions"),
    // The help topics' names, as the help lists and the guide's links show them.
    QT_TRANSLATE_NOOP("Engine", "Table of Contents"),
    QT_TRANSLATE_NOOP("Engine", "Main Screen"),
    QT_TRANSLATE_NOOP("Engine", "Buying Stocks"),
    QT_TRANSLATE_NOOP("Engine", "Your Portfolio"),
    QT_TRANSLATE_NOOP("Engine", "Selling Stocks"),
    QT_TRANSLATE_NOOP("Engine", "The Computer Opponent"),
    QT_TRANSLATE_NOOP("Engine", "The Stock Chart Screen"),
    QT_TRANSLATE_NOOP("Engine", "Profiting from Company Earnings"),
    QT_TRANSLATE_NOOP("Engine", "Understanding News Events"),
    QT_TRANSLATE_NOOP("Engine", "Scoring"),
    QT_TRANSLATE_NOOP("Engine", "Difficulty Settings"),
    QT_TRANSLATE_NOOP("Engine", "Game Length Settings"),
    QT_TRANSLATE_NOOP("Engine", "News Event Settings"),
    QT_TRANSLATE_NOOP("Engine", "Using Moving Averages"),
    QT_TRANSLATE_NOOP("Engine", "Using Momentum"),
    QT_TRANSLATE_NOOP("Engine", "The Guide"),
    QT_TRANSLATE_NOOP("Engine", "Configuring Bullquest"),
    QT_TRANSLATE_NOOP("Engine", "Starting a New Game"),
    QT_TRANSLATE_NOOP("Engine", "Introducing: Vuzedad Erover"),
    QT_TRANSLATE_NOOP("Engine", "Definitions"),
    QT_TRANSLATE_NOOP("Engine", "Working with Options"),
    QT_TRANSLATE_NOOP("Engine", "Example Options Trading Scenario"),
    QT_TRANSLATE_NOOP("Engine", "Shorting Stocks Intro"),
    QT_TRANSLATE_NOOP("Engine", "What can short selling do for me?"),
    QT_TRANSLATE_NOOP("Engine", "What exactly is short selling?"),
    QT_TRANSLATE_NOOP("Engine", "How does short selling work in Bullquest?"),
    QT_TRANSLATE_NOOP("Engine", "Challenges"),
    QT_TRANSLATE_NOOP("Engine", "Statistics"),
    // Alerts, confirmations and the cheats' input box.
    QT_TRANSLATE_NOOP("Engine", "News Alert"),
    QT_TRANSLATE_NOOP("Engine", "ALERT! There is recent news concerning the following:"),
    QT_TRANSLATE_NOOP("Engine", "World/Markets"),
    QT_TRANSLATE_NOOP("Engine", "Crash and burn!"),
    QT_TRANSLATE_NOOP("Engine", "Option Expiration Warning!"),
    QT_TRANSLATE_NOOP("Engine", "ALERT! The following option(s) are due to expire next turn."),
    QT_TRANSLATE_NOOP("Engine", "Enable Cheats..."),
    QT_TRANSLATE_NOOP("Engine", "Start New Game..."),
    QT_TRANSLATE_NOOP("Engine", "Clear High Scores..."),
    QT_TRANSLATE_NOOP("Engine", "Reset Statistics..."),
    QT_TRANSLATE_NOOP("Engine", "Exit Program..."),
    QT_TRANSLATE_NOOP("Engine", "Change Cash"),
    QT_TRANSLATE_NOOP("Engine", "Enter the amount of user cash (must be greater than zero and less than 1 trillion):"),
    QT_TRANSLATE_NOOP("Engine", "Enter the amount of computer cash (must be greater than zero and less than 1 trillion):"),
    QT_TRANSLATE_NOOP("Engine", "Enter the market trend (must be between -6 and 6):"),
    // The end of a game.
    QT_TRANSLATE_NOOP("Engine", "YOU WIN!"),
    QT_TRANSLATE_NOOP("Engine", "COMPUTER WINS!"),
    QT_TRANSLATE_NOOP("Engine", "Sorry, you didn't make the winners circle."),
    QT_TRANSLATE_NOOP("Engine", "Better luck next time."),
    QT_TRANSLATE_NOOP("Engine", "You made it into the winners circle!"),
    QT_TRANSLATE_NOOP("Engine", "Please enter your name:"),
    // The setup window's lists.
    QT_TRANSLATE_NOOP("Engine", "$100 Million"),
    QT_TRANSLATE_NOOP("Engine", "$1 Billion"),
    QT_TRANSLATE_NOOP("Engine", "$10 Billion"),
    QT_TRANSLATE_NOOP("Engine", "$100 Billion"),
    QT_TRANSLATE_NOOP("Engine", "None"),
    QT_TRANSLATE_NOOP("Engine", "Beginer"),
    QT_TRANSLATE_NOOP("Engine", "Intermediate"),
    QT_TRANSLATE_NOOP("Engine", "Advanced"),
    QT_TRANSLATE_NOOP("Engine", "Abnormal"),
    // The trade windows.
    QT_TRANSLATE_NOOP("Engine", "Most You Can Buy:"),
    QT_TRANSLATE_NOOP("Engine", "Most You Can Sell:"),
    QT_TRANSLATE_NOOP("Engine", "no contracts"),
    QT_TRANSLATE_NOOP("Engine", "Type how many shares to buy."),
    QT_TRANSLATE_NOOP("Engine", "Type how many shares to sell."),
    QT_TRANSLATE_NOOP("Engine", "Type how many shares to sell short."),
    QT_TRANSLATE_NOOP("Engine", "Type how many shares to buy back."),
    QT_TRANSLATE_NOOP("Engine", "Type how many contracts to buy."),
    QT_TRANSLATE_NOOP("Engine", "Type how many contracts to sell."),
    // The journal: who traded and what.
    QT_TRANSLATE_NOOP("Engine", "You"),
    QT_TRANSLATE_NOOP("Engine", "Computer"),
    QT_TRANSLATE_NOOP("Engine", "Buy"),
    QT_TRANSLATE_NOOP("Engine", "Sell"),
    QT_TRANSLATE_NOOP("Engine", "Short"),
    QT_TRANSLATE_NOOP("Engine", "Buy Back"),
    QT_TRANSLATE_NOOP("Engine", "Buy Call"),
    QT_TRANSLATE_NOOP("Engine", "Buy Put"),
    QT_TRANSLATE_NOOP("Engine", "Sell Call"),
    QT_TRANSLATE_NOOP("Engine", "Sell Put"),
    QT_TRANSLATE_NOOP("Engine", "Lapse"),
    QT_TRANSLATE_NOOP("Engine", "Tax"),
    QT_TRANSLATE_NOOP("Engine", "Cheat"),
    // Challenge codes and the ends the statistics count.
    QT_TRANSLATE_NOOP("Engine", "A challenge code has 12 letters and digits, in three groups of four."),
    QT_TRANSLATE_NOOP("Engine", "A challenge code holds only letters and digits, and never 0, 1, I, L or O."),
    QT_TRANSLATE_NOOP("Engine", "That challenge code is mistyped: please check it letter by letter."),
    QT_TRANSLATE_NOOP("Engine", "in play"),
    QT_TRANSLATE_NOOP("Engine", "won"),
    QT_TRANSLATE_NOOP("Engine", "lost"),
    QT_TRANSLATE_NOOP("Engine", "left"),
    // Phrases of the guide's notes.
    QT_TRANSLATE_NOOP("Engine", "which you hold"),
    QT_TRANSLATE_NOOP("Engine", "which you have sold short"),
    QT_TRANSLATE_NOOP("Engine", "on which you hold options"),
    QT_TRANSLATE_NOOP("Engine", "A better report than the last lifts the price and its trend"),
    QT_TRANSLATE_NOOP("Engine", "A report no better than the last lowers the price and its trend"),
    QT_TRANSLATE_NOOP("Engine", "your options on it hold twice the contracts at half the strike"),
    QT_TRANSLATE_NOOP("Engine", "You realised no gains, so you paid nothing."),
    QT_TRANSLATE_NOOP("Engine", "call"),
    QT_TRANSLATE_NOOP("Engine", "put"),
    QT_TRANSLATE_NOOP("Engine", "no shares"),
};

// Where a pattern applies: to a whole text, only to a piece of another, or only to a piece
// every piece of which is itself a registered text (the lists a note joins with "and").
enum class Reach { Anywhere, Within, Joining };

struct Pattern_Text {
    const char* source;
    Reach reach = Reach::Anywhere;
};

// Texts the engine builds around figures, symbols and phrases, each its own sentence for the
// translator. The first that matches is taken, so a pattern comes before any more general one
// that would match its texts too.
const Pattern_Text Pattern_Texts[] = {
    // Company news and earnings reports.
    {QT_TRANSLATE_NOOP("Engine", "%1 announces restructuting including massive layoffs.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 recent acquisition fails to help company revenues.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 earnings may skyrocket due to recent aquisition.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 announces new internet strategy.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 management shakeup leaves chairman and CEO unemployed.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 gets downgraded by analists.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 gets upgraded by analists.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 gets fined by SEC for accounting irregularities.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 restates last quarter earnings upwards.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 restates last quarter earnings downwards.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 guides analists earnings predictions for next quarter lower.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 guides analists earnings predictions for next quarter higher.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 expects shortfall due to some extrodinary tax profit margin ratio interest asset thingamajig.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 announces huge increase in marketing expenditures.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 reports earnings of %2 per share vs. %3 in the previous period.")},
    // The option expiry alert's lines.
    {QT_TRANSLATE_NOOP("Engine", "%1  %2,   Strike: %3,   Quantity: %4")},
    // The trade windows' captions.
    {QT_TRANSLATE_NOOP("Engine", "You Have %1 Shares Of %2")},
    {QT_TRANSLATE_NOOP("Engine", "You've Shorted %1 Shares Of %2")},
    {QT_TRANSLATE_NOOP("Engine", "The Most You Can Buy Back Is %1")},
    {QT_TRANSLATE_NOOP("Engine", "The Most You Can Buy Is %1")},
    {QT_TRANSLATE_NOOP("Engine", "The Most You Can Short Is %1")},
    {QT_TRANSLATE_NOOP("Engine", "Current Price Of %1: %2")},
    {QT_TRANSLATE_NOOP("Engine", "Cash after: $%1")},
    // Why a trade is refused.
    {QT_TRANSLATE_NOOP("Engine", "Your cash covers at most %1 shares at %2 (a deposit of %3 a share).")},
    {QT_TRANSLATE_NOOP("Engine", "Your cash covers at most %1 share at %2 (a deposit of %3 a share).")},
    {QT_TRANSLATE_NOOP("Engine", "Your cash does not cover one share at %1 (a deposit of %2 a share).")},
    {QT_TRANSLATE_NOOP("Engine", "Your cash covers at most %1 contracts at %2 a share (%3 a contract).")},
    {QT_TRANSLATE_NOOP("Engine", "Your cash covers at most %1 contract at %2 a share (%3 a contract).")},
    {QT_TRANSLATE_NOOP("Engine", "Your cash does not cover one contract at %1 a share (%2 a contract).")},
    {QT_TRANSLATE_NOOP("Engine", "Your cash covers at most %1 shares at %2.")},
    {QT_TRANSLATE_NOOP("Engine", "Your cash covers at most %1 share at %2.")},
    {QT_TRANSLATE_NOOP("Engine", "Your cash does not cover one share at %1.")},
    {QT_TRANSLATE_NOOP("Engine", "The exchange allows no more shares of %1 to be sold short.")},
    {QT_TRANSLATE_NOOP("Engine", "The exchange allows %1 more shares of %2 to be sold short.")},
    {QT_TRANSLATE_NOOP("Engine", "The exchange allows no more shares of %1.")},
    {QT_TRANSLATE_NOOP("Engine", "The exchange allows %1 more shares of %2.")},
    {QT_TRANSLATE_NOOP("Engine", "You hold %1 of these contracts.")},
    {QT_TRANSLATE_NOOP("Engine", "You hold %1 of %2.")},
    {QT_TRANSLATE_NOOP("Engine", "You have sold %1 of %2 short.")},
    {QT_TRANSLATE_NOOP("Engine", "You may hold %1 contracts on %2, calls and puts together; you hold %3.")},
    {QT_TRANSLATE_NOOP("Engine", "You hold %1 option positions, the most there may be: close one first.")},
    {QT_TRANSLATE_NOOP("Engine", "You hold no %1 calls at strike %2 expiring in turn %3.")},
    {QT_TRANSLATE_NOOP("Engine", "You hold no %1 puts at strike %2 expiring in turn %3.")},
    {QT_TRANSLATE_NOOP("Engine", "The strike box offers %1 to %2 in steps of %3.")},
    {QT_TRANSLATE_NOOP("Engine", "The expiry box offers turns %1, %2 and %3.")},
    {QT_TRANSLATE_NOOP("Engine", "A split took this option's strike to %1, below the %2 the strike box holds: it can only lapse, in turn %3.")},
    {QT_TRANSLATE_NOOP("Engine", "The strike box cannot hold this option's strike of %1 or the expiry box its turn: it can only lapse, in turn %2.")},
    // The quantity boxes' tips: the most, then why.
    {QT_TRANSLATE_NOOP("Engine", "The most you can buy: %1.\n%2")},
    {QT_TRANSLATE_NOOP("Engine", "The most you can sell: %1.\n%2")},
    {QT_TRANSLATE_NOOP("Engine", "The most you can buy back: %1.\n%2")},
    {QT_TRANSLATE_NOOP("Engine", "The most you can sell short: %1.\n%2")},
    {QT_TRANSLATE_NOOP("Engine", "%1 It allows %2 shares of a company to be held, yours and the computer's together."), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "%1 It allows %2 shares of a company to be sold short, yours and the computer's together."), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "%1 A buy-back is never refused for cash: it may leave your cash below zero."), Reach::Within},
    // The options window's outlook on the contracts typed.
    {QT_TRANSLATE_NOOP("Engine", "%1 costs %2 in all, worth %3 if the premium doubles, %4 if it falls to nothing; it lapses in turn %5.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 cost %2 in all, worth %3 if the premium doubles, %4 if it falls to nothing; they lapse in turn %5.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 brings %2 in all, worth %3 if the premium doubles, %4 if it falls to nothing; it lapses in turn %5.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 bring %2 in all, worth %3 if the premium doubles, %4 if it falls to nothing; they lapse in turn %5.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 share"), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "%1 shares"), Reach::Within},
    // The account of a game that ended.
    {QT_TRANSLATE_NOOP("Engine", "Turns played: %1")},
    {QT_TRANSLATE_NOOP("Engine", "Best trade: %1 %2 %3 in turn %4: %5")},
    {QT_TRANSLATE_NOOP("Engine", "Worst trade: %1 %2 %3 in turn %4: %5")},
    {QT_TRANSLATE_NOOP("Engine", "Your net worth: %1; bought and held, the market index would have made it %2.")},
    // The guide's notes.
    {QT_TRANSLATE_NOOP("Engine", "Turn 1 of a new game. Each END TURN moves the market on by one turn: news and earnings reports "
                                 "come out, every price moves, and then the computer makes its trades. Buy, sell and sell short "
                                 "between turns; a trade never ends the turn. You win when your net worth (your cash and what your "
                                 "stocks, short sales and options are worth) reaches the goal of %1 before the computer's does. %2")},
    {QT_TRANSLATE_NOOP("Engine", "You have no handicap: you and the computer both begin with %1."), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "Your handicap of %1 is a head start: you begin with %2 against the computer's %3."), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "News about %1, %2: \"%3\" Company news moves a price and its trend at once; %4.")},
    {QT_TRANSLATE_NOOP("Engine", "%1, %2, reported earnings of %3 a share against %4 the period before. %5; %6. Its next report is "
                                 "due at turn %7; the research window lists the companies about to report.")},
    {QT_TRANSLATE_NOOP("Engine", "%1 also split this turn and stands at %2"), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "%1 went from %2 to %3 this turn, its own move included"), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "%1 split 2 for 1: %2. The price halved from %3 to %4: twice the shares at half the price are "
                                 "worth just the same, so nothing was lost. A stock splits whenever a turn finds its price above %5.")},
    // The parts of a split, joined: before the parts, which would take the whole list.
    {QT_TRANSLATE_NOOP("Engine", "%1, %2 and %3"), Reach::Joining},
    {QT_TRANSLATE_NOOP("Engine", "%1 and %2"), Reach::Joining},
    {QT_TRANSLATE_NOOP("Engine", "your %1 shares are now %2 at %3"), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "the %1 shares you sold short are now %2, at half the price you sold them at"), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "The market crashed: every price was knocked down to between %1 and %2, and the index fell from "
                                 "%3 to %4. Your net worth went from %5 to %6. Every stock's trend is at its lowest now, so prices "
                                 "go on falling for a while, and short sales gain as they fall. A crash may come at any turn while "
                                 "the index is above %7.")},
    {QT_TRANSLATE_NOOP("Engine", "Turn %1: taxes. Every %2 turns you pay %3% of the gains you realised (by selling, buying back "
                                 "and selling options) since the last notice; what you still hold is not taxed. %4")},
    {QT_TRANSLATE_NOOP("Engine", "Your %1 of gains cost you %2, taken from your cash."), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "Yours came to %1, a loss, so nothing was taxed: the loss carries over and is set against your "
                                 "gains until the next notice, at turn %2."), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "You sold %1 %2 short at %3 and put up half the price, %4, as a deposit. Each dollar %2 rises "
                                 "costs you half a dollar a share (%5 on these %1) and each dollar it falls gains as much; should "
                                 "it rise to twice %3, the deposit is gone. Buying back is never refused for lack of cash: your "
                                 "cash may go below zero.")},
    {QT_TRANSLATE_NOOP("Engine", "You bought %1 of a %2 on %3 at a strike of %4, expiring at turn %5. A contract is %6 shares, so "
                                 "at a premium of %7 a share it cost %8. %9. An option is never exercised: each turn it is worth "
                                 "its premium of the moment times %6 a contract, and the premium follows the price and shrinks as "
                                 "turn %5 nears. Sell it back before then for what it is worth; held to the end of turn %5, it "
                                 "lapses worthless.")},
    {QT_TRANSLATE_NOOP("Engine", "You bought %1 of a %2 on %3 at a strike of %4, expiring at turn %5. A contract is %6 shares, so "
                                 "at a premium of %7 a share they cost %8. %9. An option is never exercised: each turn it is worth "
                                 "its premium of the moment times %6 a contract, and the premium follows the price and shrinks as "
                                 "turn %5 nears. Sell it back before then for what it is worth; held to the end of turn %5, it "
                                 "lapses worthless.")},
    {QT_TRANSLATE_NOOP("Engine", "A call gains as %1 rises above %2"), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "A put gains as %1 falls below %2"), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "%1 contract"), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "%1 contracts"), Reach::Within},
    {QT_TRANSLATE_NOOP("Engine", "Your %1 on %2 at a strike of %3 (%4, worth %5 now) lapses at your next END TURN, at the end of "
                                 "turn %6. Sell it before you end this turn, or it lapses worthless: nothing is paid for a lapsed "
                                 "option.")},
    {QT_TRANSLATE_NOOP("Engine", "After buying back %1 %2 at %3 your cash is %4. A buy-back is never refused for cash, so the cash "
                                 "can fall below zero; it counts against your net worth, and no purchase or short sale goes "
                                 "through until sales bring it back above zero.")},
    {QT_TRANSLATE_NOOP("Engine", "The computer has pulled ahead: its net worth is %1 against your %2. It trades on momentum, buying "
                                 "what has risen over the last few turns and selling what has fallen; its portfolio window shows "
                                 "what it holds.")},
    {QT_TRANSLATE_NOOP("Engine", "Your net worth, %1, is within %2% of the %3 goal: reach it before the computer does and you win. "
                                 "The computer stands at %4.")},
};

const QRegularExpression Small_Letter("\\p{Ll}");

// How deep pieces within pieces are translated: a note quotes a news line, whose symbol is
// the deepest piece there is.
constexpr int Deepest_Piece = 3;

// A placeholder %1..%9 at `at` of `text`: its number, else 0.
int Placeholder_At(const QString& text, qsizetype at) {
    if (text[at] != '%' || at + 1 >= text.size()) return 0;
    const QChar digit = text[at + 1];
    return digit >= '1' && digit <= '9' ? digit.digitValue() : 0;
}

struct Pattern {
    QString source;
    Reach reach;
    QRegularExpression regex;
    QString head, tail;  // the literal text before the first placeholder and after the last
    QHash<int, int> group_of;  // placeholder -> its capture group
};

Pattern Compile(const Pattern_Text& text) {
    Pattern p{QString::fromUtf8(text.source), text.reach, {}, {}, {}, {}};
    QString regex, literal;
    bool after_piece = false;  // only blanks since the last placeholder
    int groups = 0;
    for (qsizetype at = 0; at < p.source.size(); ++at) {
        const int n = Placeholder_At(p.source, at);
        if (n == 0) {
            literal += p.source[at];
            if (p.source[at] != ' ') after_piece = false;
            continue;
        }
        if (p.group_of.isEmpty()) p.head = literal;
        regex += QRegularExpression::escape(literal);
        if (p.group_of.contains(n)) {
            regex += QString("\\g{%1}").arg(p.group_of[n]);
        } else {
            // A piece right after another, blanks between, is one word: a figure or a symbol
            // ("Sell Call 5 MSFT"); any other is the shortest that lets the rest match.
            regex += after_piece ? "(\\S+)" : "(.+?)";
            p.group_of[n] = ++groups;
        }
        literal.clear();
        after_piece = true;
        ++at;
    }
    regex += QRegularExpression::escape(literal);
    p.tail = literal;
    p.regex = QRegularExpression(QRegularExpression::anchoredPattern(regex), QRegularExpression::DotMatchesEverythingOption);
    return p;
}

const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> compiled;
        for (const Pattern_Text& text : Pattern_Texts) compiled.push_back(Compile(text));
        return compiled;
    }();
    return patterns;
}

const std::unordered_set<std::string>& Exact() {
    static const std::unordered_set<std::string> exact(std::begin(Exact_Texts), std::end(Exact_Texts));
    return exact;
}

QString Translated(const QString& source) {
    return QCoreApplication::translate(Context, source.toUtf8().constData());
}

// The translation's placeholders replaced by the pieces, in one pass, so that a piece holding
// a "%" stays as it is.
QString Filled(const QString& translation, const QHash<int, QString>& pieces) {
    QString out;
    for (qsizetype at = 0; at < translation.size(); ++at) {
        const int n = Placeholder_At(translation, at);
        if (n > 0 && pieces.contains(n)) {
            out += pieces[n];
            ++at;
        } else {
            out += translation[at];
        }
    }
    return out;
}

// `text` translated, with the sources used appended to `used`; nothing when it is no
// registered text. `depth` 0 is a whole text, more a piece of one.
std::optional<QString> Translate(const QString& text, int depth, QStringList& used) {
    if (Exact().count(text.toStdString())) {
        used << text;
        return Translated(text);
    }
    for (const Pattern& p : Patterns()) {
        if (depth == 0 && p.reach != Reach::Anywhere) continue;
        if (!text.startsWith(p.head) || !text.endsWith(p.tail)) continue;
        const QRegularExpressionMatch match = p.regex.match(text);
        if (!match.hasMatch()) continue;
        QStringList inner;
        QHash<int, QString> pieces;
        bool all_known = true, words_known = true;
        for (auto it = p.group_of.begin(); it != p.group_of.end(); ++it) {
            const QString piece = match.captured(it.value());
            std::optional<QString> translated;
            if (depth < Deepest_Piece) translated = Translate(piece, depth + 1, inner);
            all_known = all_known && translated;
            // Figures and symbols have no small letters; words the translation does not know
            // would leave half a sentence in English, so the whole text stays English instead.
            words_known = words_known && (translated || !piece.contains(Small_Letter));
            pieces[it.key()] = translated.value_or(piece);
        }
        if (!words_known || (p.reach == Reach::Joining && !all_known)) continue;
        used << p.source << inner;
        return Filled(Translated(p.source), pieces);
    }
    return std::nullopt;
}

bool Translating() { return QCoreApplication::translate(Context, Language_Marker) != QLatin1String(Language_Marker); }

}  // namespace

QString Engine_Text(const std::string& english) {
    const QString text = QString::fromStdString(english);
    if (english.empty() || !Translating()) return text;
    QStringList used;
    return Translate(text, 0, used).value_or(text);
}

QStringList Engine_Text_Sources(const std::string& english) {
    QStringList used;
    Translate(QString::fromStdString(english), 0, used);
    return used;
}

QStringList Registered_Engine_Texts() {
    QStringList all;
    for (const char* text : Exact_Texts) all << QString::fromUtf8(text);
    for (const Pattern_Text& text : Pattern_Texts) all << QString::fromUtf8(text.source);
    return all;
}
