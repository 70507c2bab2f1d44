// Works out, by trying every choice the rules allow, the most splits one stock can make:
//  1. in the 30 turns an option lives, from any price a game holds between turns (1..255), with
//     a company news item of -50..+50% every turn, one earnings report of -30..+30%, crashes, and
//     a stock and market trend of -6..6 each (the cheat's widest) at every move;
//  2. in the 100 days of a new game's pre-simulation (opening prices 20..140, stock trends -6..6,
//     market trends -3..3, 16-bit products), with the largest price times weight, which bounds
//     the pre-simulated index.
// The figures are the ones docs/reliability.md gives; the program fails when they outgrow the
// game's constants.
//     build/bullquest_split_bounds
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <utility>
#include <vector>

#include "engine/model/game.h"

namespace {

// The move of a price p0 (after news and report) to the next turn's price, for every trend pair.
struct Move {
    int splits = 0;
    std::vector<int> next;
};

int Most_Splits_In(int turns) {
    constexpr int Prices = 256, Before_Split = 1000;
    std::vector<Move> moves(Before_Split);
    for (int p0 = 1; p0 < Before_Split; ++p0) {
        double p = p0, lift = std::nearbyint(8.0 / p0);
        Move& m = moves[p0];
        while (p > 200) p /= 2, ++m.splits;
        if (p > 60) lift = -lift;
        if (p > 100) lift *= 30;
        std::set<int> next;
        for (int trend = -6; trend <= 6; ++trend)
            for (int market = -6; market <= 6; ++market)
                next.insert(static_cast<int>(std::floor(p + p * trend * 0.015 + p * market * 0.013 + lift)));
        m.next.assign(next.begin(), next.end());
    }
    auto news = [](double p, int percent) { return std::max(1.0, std::nearbyint(p + percent * p * 0.01)); };
    // most[price][report still to come]: the most splits in the turns left.
    std::vector<std::vector<int>> most(Prices, std::vector<int>(2, 0));
    for (int left = 1; left <= turns; ++left) {
        std::vector<std::vector<int>> after(Before_Split, std::vector<int>(2, 0));
        for (int p0 = 1; p0 < Before_Split; ++p0)
            for (int report = 0; report < 2; ++report) {
                int best = 0;
                for (int n : moves[p0].next) best = std::max(best, most.at(n)[report]);
                after[p0][report] = moves[p0].splits + best;
            }
        std::vector<std::vector<int>> now(Prices, std::vector<int>(2, 0));
        for (int price = 1; price < Prices; ++price)
            for (int report = 0; report < 2; ++report)
                for (int earnings = -30; earnings <= 30; ++earnings) {
                    if (earnings != 0 && report == 0) continue;
                    const double reported = earnings == 0 ? price : news(price, earnings);
                    const int still = earnings == 0 ? report : 0;
                    for (int item = -50; item <= 50; ++item) {
                        const double p0 = item == 0 ? reported : news(reported, item);
                        now[price][report] = std::max(now[price][report], after.at(static_cast<int>(p0))[still]);
                    }
                    // A crash sets every price to 10..20 before the move.
                    for (int crashed = 10; crashed <= 20; ++crashed)
                        now[price][report] = std::max(now[price][report], after[crashed][still]);
                }
        most = now;
    }
    int best = 0;
    for (const auto& m : most) best = std::max(best, m[1]);
    return best;
}

// Every (price, splits) a stock can reach in the pre-simulation; the largest price x weight.
std::pair<int, double> Pre_Simulation() {
    std::set<std::pair<int, int>> reach;
    for (int q = 20; q <= 140; ++q) reach.insert({q, 0});
    int splits = 0;
    double term = 0;
    for (int day = 0; day < 100; ++day) {
        std::set<std::pair<int, int>> next;
        for (auto [q, s] : reach) {
            if (q > 200) q = static_cast<int>(std::nearbyint(q / 2.0)), ++s;
            double lift = std::nearbyint(8.0 / q);
            if (q > 60) lift = -lift;
            if (q > 100) lift *= 30;
            for (int trend = -6; trend <= 6; ++trend)
                for (int market = -3; market <= 3; ++market) {
                    const auto tp = static_cast<Integer>(q * trend), mp = static_cast<Integer>(q * market);
                    const int n = static_cast<int>(std::floor(tp * 0.015 + q + mp * 0.013 + lift));
                    next.insert({n, s});
                    splits = std::max(splits, s);
                    term = std::max(term, std::ldexp(static_cast<double>(n), s));
                }
        }
        reach = next;
    }
    return {splits, term};
}

}  // namespace

int main() {
    const int option_life = Most_Splits_In(30);
    const auto [pre_splits, pre_term] = Pre_Simulation();
    std::printf("most splits in the 30 turns of an option: %d (the game assumes %d)\n", option_life, Option_Life_Splits);
    std::printf("pre-simulation: most splits %d, largest price x weight %.0f, index at most %.0f (a Long holds %d)\n",
                pre_splits, pre_term, Stock_Count * pre_term, 2147483647);
    return option_life <= Option_Life_Splits && Stock_Count * pre_term < 2147483647.0 ? 0 : 1;
}
