#include "engine/market/chart_series.h"

#include <algorithm>

#include "engine/model/numbers.h"

std::vector<double> Chart_History(const Game& game, int entry) {
    std::vector<double> history(History_Length);
    for (int c = 0; c < History_Length; ++c)
        history[c] = entry == Index_Entry ? game.Index_History[c] : game.Price_History[entry][c];
    return history;
}

int Clamp_Days(int days) { return std::clamp(days, 1, History_Length); }

std::vector<double> Moving_Average(const std::vector<double>& history, int days) {
    days = Clamp_Days(days);
    std::vector<double> average(history.size());
    double sum = 0;
    for (std::size_t c = 0; c < history.size(); ++c) {
        sum += history[c];
        if (c >= static_cast<std::size_t>(days)) sum -= history[c - days];
        const double count = std::min<double>(static_cast<double>(c + 1), days);
        average[c] = Int(sum / count);
    }
    return average;
}
