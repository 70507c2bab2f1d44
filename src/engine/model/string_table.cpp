#include "engine/model/string_table.h"

#include <unordered_map>

namespace {
int Id(String_Id kind, int entry) { return static_cast<int>(kind) + entry; }

const std::unordered_map<int, std::string>& Table() {
    static const std::unordered_map<int, std::string> table = [] {
        std::unordered_map<int, std::string> t;
        const char* symbols[] = {"AAPL", "ADBE", "AET", "AHP", "ALL", "AMD", "AMGN", "ATT", "AXP", "BA", "BUD",
                                 "CAT", "CLX", "DIS", "DJ", "DOW", "DUK", "EK", "F", "GTW", "HD", "HNZ",
                                 "INTC", "JNJ", "JPM", "KO", "LU", "MCD", "MER", "MMM", "MO", "MOT", "MSFT",
                                 "NSM", "PFE", "QCOM", "RBK", "S", "TGT", "WFC", "XON", "XRX"};
        for (int s = 0; s < Stock_Count; ++s) t[Id(String_Id::Symbol, s)] = symbols[s];
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
        for (int n = 0; n < World_News_Count; ++n) t[Id(String_Id::World_News, n)] = world[n];
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
        for (int n = 0; n < Company_News_Count; ++n) {
            t[Id(String_Id::Company_News, n)] = company[n];
            t[Id(String_Id::Company_News_Effect, n)] = effects[n];
        }
        auto grid = [&t](String_Id titles_id, String_Id widths_id, std::initializer_list<const char*> titles,
                         std::initializer_list<const char*> widths) {
            int i = 0;
            for (const char* s : titles) t[Id(titles_id, i++)] = s;
            i = 0;
            for (const char* s : widths) t[Id(widths_id, i++)] = s;
        };
        grid(String_Id::Stock_Grid_Titles, String_Id::Stock_Grid_Widths, {"Symbol", "Shares Owned", "Purchased At", "Currently At", "Change (%)"},
             {"960", "1600", "1500", "1500", "1000"});
        grid(String_Id::Computer_Grid_Titles, String_Id::Computer_Grid_Widths, {"Symbol", "Quantity", "Purchased At", "Currently At", "Change (%)"},
             {"960", "1600", "1500", "1500", "1000"});
        grid(String_Id::Option_Grid_Titles, String_Id::Option_Grid_Widths,
             {"Symbol", "Type", "Strike", "Quantity", "Purchased At", "Currentlly At", "Expires", "Change (%)"},
             {"960", "450", "550", "800", "1100", "1000", "700", "1000"});
        grid(String_Id::Winners_Grid_Titles, String_Id::Winners_Grid_Widths, {"Name", "Handicap", "Net Worth", "Opp. Net Worth", "Score"},
             {"1700", "850", "1500", "1500", "950"});
        return t;
    }();
    return table;
}
}  // namespace

std::string String_Table(String_Id kind, int entry) {
    auto it = Table().find(Id(kind, entry));
    return it == Table().end() ? std::string() : it->second;
}
