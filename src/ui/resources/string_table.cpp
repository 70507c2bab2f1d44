#include "ui/resources/string_table.h"

#include <unordered_map>

namespace {
const std::unordered_map<int, std::string>& Table() {
    static const std::unordered_map<int, std::string> table = [] {
        std::unordered_map<int, std::string> t;
        const char* symbols[] = {"AAPL", "ADBE", "AET", "AHP", "ALL", "AMD", "AMGN", "ATT", "AXP", "BA", "BUD",
                                 "CAT", "CLX", "DIS", "DJ", "DOW", "DUK", "EK", "F", "GTW", "HD", "HNZ",
                                 "INTC", "JNJ", "JPM", "KO", "LU", "MCD", "MER", "MMM", "MO", "MOT", "MSFT",
                                 "NSM", "PFE", "QCOM", "RBK", "S", "TGT", "WFC", "XON", "XRX"};
        for (int s = 0; s < 42; ++s) t[101 + s] = symbols[s];
        const char* world[] = {
            "Federal Reserve lowers interest rates - Bears get eaten.",
            "House passes economic reform bill. Senators pass it without even reading it.",
            "US declares war on OPEC over 1% change in the price of oil.",
            "Latest Retail Sales figures impress Wall Street.",
            "Construction Spending rises to a new all time high.",
            "Unemployment rises slightly, easing fears of wage inflation.",
            "Industrial Production slid last quarter, lowering fears of inflation.",
            "Consumer Confidence Index hits new all time high.",
            "Federal Reserve raises interest  rates - Bulls run for cover.",
            "Producer Price Index comes in higher than estimates. Higher inflation feared.",
            "New Republican controlled Congress cuts spending in half and education by 99%.",
            "Slump in New Home Sales increases concern over continued economic weakness.",
            "Latest New Housing Starts figures don't give any hope to Bulls.",
            "Average Hourly Earnings go through the roof! Wage inflation feared.",
            "The Employment Cost Indes rose last quarter, many see higher interest rates in sight.",
            "Personal Savings Rate figures show Americans continue to spend more than save."};
        for (int n = 0; n < 16; ++n) t[200 + n] = world[n];
        const char* company[] = {
            "announces restructuting including massive layoffs.",
            "recent acquisition fails to help company revenues.",
            "earnings may skyrocket due to recent aquisition.",
            "announces new internet strategy.",
            "management shakeup leaves chairman and CEO unemployed.",
            "gets downgraded by analists.",
            "gets upgraded by analists.",
            "gets fined by SEC for accounting irregularities.",
            "restates last quarter earnings upwards.",
            "restates last quarter earnings downwards.",
            "guides analists earnings predictions for next quarter lower.",
            "guides analists earnings predictions for next quarter higher.",
            "expects shortfall due to some extrodinary tax profit margin ratio interest asset thingamajig.",
            "announces huge increase in marketing expenditures."};
        const char* effects[] = {"0", "-1", "1", "0", "0", "-1", "1", "-1", "1", "-1", "-1", "1", "-1", "0"};
        for (int n = 0; n < 14; ++n) {
            t[300 + n] = company[n];
            t[400 + n] = effects[n];
        }
        auto grid = [&t](int title_id, int width_id, std::initializer_list<const char*> titles,
                         std::initializer_list<const char*> widths) {
            int i = 0;
            for (const char* s : titles) t[title_id + i++] = s;
            i = 0;
            for (const char* s : widths) t[width_id + i++] = s;
        };
        grid(500, 600, {"Symbol", "Shares Owned", "Purchased At", "Currently At", "Change (%)"},
             {"960", "1600", "1500", "1500", "1000"});
        grid(700, 800, {"Symbol", "Quantity", "Purchased At", "Currently At", "Change (%)"},
             {"960", "1600", "1500", "1500", "1000"});
        grid(900, 1000,
             {"Symbol", "Type", "Strike", "Quantity", "Purchased At", "Currentlly At", "Expires", "Change (%)"},
             {"960", "450", "550", "800", "1100", "1000", "700", "1000"});
        grid(1100, 1200, {"Name", "Handicap", "Net Worth", "Opp. Net Worth", "Score"},
             {"1700", "850", "1500", "1500", "950"});
        return t;
    }();
    return table;
}
}  // namespace

std::string String_Table(int id) {
    auto it = Table().find(id);
    return it == Table().end() ? std::string() : it->second;
}
