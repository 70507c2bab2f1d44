#include "engine/market/research.h"

#include "engine/model/numbers.h"

Research_View Research_Company(const Game& game, int stock) {
    const Earnings_Record& record = game.Earnings[stock];
    Research_View view;
    view.Earnings_Due = Number_Text(record.Report_Turn);
    for (int q = 0; q < 4; ++q) {
        view.EPS[q] = Number_Text(Round2(record.EPS[q]).Value());
        view.EPS_Colour[q] = Sign_Colour(record.EPS[q].Value());
    }
    return view;
}
