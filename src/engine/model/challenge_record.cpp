#include "engine/model/challenge_record.h"

#include <array>
#include <bit>

#include "engine/model/numbers.h"

namespace {
// A fast sum of 64-bit words, added and rotated in four lanes so that no word waits for the one
// before, mixed only at the end: a busy turn is digested in a fraction of a microsecond. It is
// no seal (the check figure of a result file is the one against edits): it names the first input
// after which a replay stands elsewhere, and any such difference shows in every digest after.
class Digest {
public:
    // The four lanes take turns, moving along by one at each word; they stay in registers.
    void Add(std::uint64_t v) {
        const std::uint64_t next = std::rotl(a_ + v, 29);
        a_ = b_;
        b_ = c_;
        c_ = d_;
        d_ = next;
    }
    void Add(double v) { Add(std::bit_cast<std::uint64_t>(v + 0.0)); }  // -0 is 0
    void Add(int v) { Add(static_cast<std::uint64_t>(static_cast<std::int64_t>(v))); }
    void Add(bool v) { Add(std::uint64_t{v}); }
    std::uint32_t Value() const {
        std::uint64_t h = 0;
        for (const std::uint64_t lane : {a_, b_, c_, d_}) {
            h = (h ^ lane) * 0xBF58476D1CE4E5B9ull;
            h ^= h >> 31;
        }
        return static_cast<std::uint32_t>(h ^ (h >> 32));
    }

private:
    std::uint64_t a_ = 0xCBF29CE484222325ull, b_ = 0x84222325CBF29CE4ull, c_ = 0x6A09E667F3BCC909ull,
                  d_ = 0xBB67AE8584CAA73Bull;
};

// Four words folded into one, each turned by another amount, so that a change in any of them,
// or two of them swapped, changes the word.
std::uint64_t Fold(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t d) {
    return a ^ std::rotl(b, 16) ^ std::rotl(c, 32) ^ std::rotl(d, 48);
}
std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v + 0.0); }  // -0 is 0

// An option's type ("Call" or "Put": its first letter tells them apart), strike and expiry, and
// the stock, in one word.
std::uint64_t Option_Terms(const std::string& type, int stock, int strike, Long expires) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(expires)) << 32 |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(strike)) << 16 |
           static_cast<std::uint64_t>(static_cast<std::uint8_t>(stock)) << 8 |
           static_cast<std::uint64_t>(type.empty() ? 0 : static_cast<unsigned char>(type[0]));
}

// The average prices of the four positions in one stock, each only while it is held.
std::uint64_t Averages(const std::array<const Holding*, 4>& held) {
    std::uint64_t word = 0;
    for (const Holding* h : held) word = word << 16 | (h->Shares != 0 ? static_cast<std::uint16_t>(h->Avg_Price) : 0);
    return word;
}
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
        // The trend, the report turn and the weight (a power of two) in one word.
        d.Add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(g.Earnings[k].Report_Turn)) |
              static_cast<std::uint64_t>(static_cast<std::uint16_t>(g.Stock_Trend[k])) << 32 |
              static_cast<std::uint64_t>(std::countr_zero(static_cast<std::uint32_t>(g.Index_Weight[k]))) << 48);
        const std::array<Currency, 4>& eps = g.Earnings[k].EPS;
        d.Add(Fold(static_cast<std::uint64_t>(eps[0].units), static_cast<std::uint64_t>(eps[1].units),
                   static_cast<std::uint64_t>(eps[2].units), static_cast<std::uint64_t>(eps[3].units)));
        const std::array<const Holding*, 4> held = {&g.Player_Stock[k], &g.Player_Short[k], &g.Computer_Stock[k],
                                                    &g.Computer_Short[k]};
        d.Add(Fold(Bits(held[0]->Shares), Bits(held[1]->Shares), Bits(held[2]->Shares), Bits(held[3]->Shares)));
        d.Add(Averages(held));
        const Computer_Option_Position& o = g.Computer_Option[k];
        d.Add(o.Contracts);
        if (o.Contracts != 0) {
            d.Add(Option_Terms(o.Option_Type, k, o.Strike, o.Expires));
            d.Add(o.Premium);
        }
    }
    d.Add(static_cast<int>(g.Player_Option_Count));
    for (int k = 0; k < g.Player_Option_Count; ++k) {
        const Option_Position& o = g.Player_Option[k];
        d.Add(Option_Terms(o.Option_Type, o.Stock, o.Strike, o.Expires));
        d.Add(static_cast<std::uint64_t>(std::bit_cast<std::uint32_t>(o.Purchase_Price)));
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
