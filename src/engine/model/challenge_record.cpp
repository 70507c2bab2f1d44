#include "engine/model/challenge_record.h"

#include <bit>
#include <cstring>

#include "engine/model/numbers.h"

namespace {
// A fast mix of 64-bit words: a busy turn is digested in well under a microsecond.
class Digest {
public:
    void Add(std::uint64_t v) {
        h_ = (h_ ^ v) * 0x9E3779B97F4A7C15ull;
        h_ ^= h_ >> 29;
    }
    void Add(double v) { Add(std::bit_cast<std::uint64_t>(v == 0 ? 0.0 : v)); }
    void Add(int v) { Add(static_cast<std::uint64_t>(static_cast<std::int64_t>(v))); }
    void Add(bool v) { Add(std::uint64_t{v}); }
    void Add(const std::string& text) {
        Add(static_cast<std::uint64_t>(text.size()));
        for (const char c : text) Add(static_cast<std::uint64_t>(static_cast<unsigned char>(c)));
    }
    void Add(const Holding& h) {
        Add(h.Shares);
        if (h.Shares != 0) Add(static_cast<int>(h.Avg_Price));  // the average counts only while held
    }
    std::uint32_t Value() const { return static_cast<std::uint32_t>(h_ ^ (h_ >> 32)); }

private:
    std::uint64_t h_ = 0xCBF29CE484222325ull;
};
}  // namespace

std::uint32_t State_Digest(const Game& g, std::uint64_t draws) {
    Digest d;
    d.Add(draws);
    d.Add(g.Turn_Number.Value());
    d.Add(g.Cash_On_Hand.Value());
    d.Add(g.Net_Worth.Value());
    d.Add(g.Player_Capital_Gains);
    d.Add(g.Computer_Capital_Gains);
    d.Add(g.C_Portfolio.Cash.Value());
    d.Add(g.C_Portfolio.Cash_View.Value() <= 0);  // the rescue reads only its sign
    d.Add(g.C_Portfolio.Net_Worth.Value());
    d.Add(static_cast<int>(g.Market_Trend));
    d.Add(g.Cheats_Enabled);
    d.Add(Index_Value(g));
    const Settings& s = g.Setup;
    for (int v : {s.Play_To, s.Handicap, s.Time_Limit, s.Options, s.Short, s.Suprise, s.Frequency_Slider,
                  s.Power_Slider, s.Earnings_Slider, s.News_Alert, s.World_Alert})
        d.Add(v);
    for (int k = 0; k < Stock_Count; ++k) {
        d.Add(Stock_Price(g, k));
        d.Add(static_cast<int>(g.Stock_Trend[k]));
        d.Add(static_cast<int>(g.Index_Weight[k]));
        d.Add(static_cast<int>(g.Earnings[k].Report_Turn));
        for (const Currency eps : g.Earnings[k].EPS) d.Add(static_cast<std::uint64_t>(eps.units));
        d.Add(g.Player_Stock[k]);
        d.Add(g.Player_Short[k]);
        d.Add(g.Computer_Stock[k]);
        d.Add(g.Computer_Short[k]);
        const Computer_Option_Position& o = g.Computer_Option[k];
        d.Add(o.Contracts);
        if (o.Contracts != 0) {
            d.Add(o.Option_Type);
            d.Add(static_cast<int>(o.Strike));
            d.Add(static_cast<int>(o.Expires));
            d.Add(o.Premium);
        }
    }
    d.Add(static_cast<int>(g.Player_Option_Count));
    for (int k = 0; k < g.Player_Option_Count; ++k) {
        const Option_Position& o = g.Player_Option[k];
        d.Add(o.Option_Type);
        d.Add(static_cast<int>(o.Stock));
        d.Add(static_cast<int>(o.Strike));
        d.Add(static_cast<int>(o.Expires));
        d.Add(static_cast<double>(o.Purchase_Price));
        d.Add(o.Quantity);
    }
    return d.Value();
}

Challenge_Claim Claim_Of(const Game& game, Challenge_End end, double net_worth, double computer, double score) {
    return {end, game.Turn_Number.Value(), Int(net_worth), Int(computer), score, game.Cheats_Enabled};
}

const char* End_Name(Challenge_End end) {
    switch (end) {
        case Challenge_End::In_Play: return "in play";
        case Challenge_End::Won: return "won";
        case Challenge_End::Lost: return "lost";
        case Challenge_End::Left: return "left";
    }
    return "";
}
