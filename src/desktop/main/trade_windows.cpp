#include "desktop/main/trade_windows.h"

#include <type_traits>

#include "desktop/trading/buy_window.h"
#include "desktop/trading/options_window.h"
#include "desktop/trading/sell_window.h"
#include "desktop/trading/short_window.h"
#include "desktop/market/chart_window.h"
#include "desktop/market/fundamentals_window.h"

Trade_Windows::Trade_Windows(Game_Session& session, QWidget* owner, std::function<void()> repaint)
    : session(session), owner(owner), repaint(std::move(repaint)) {}

Buy_Window* Trade_Windows::Buy() { return Make(buy); }
Sell_Window* Trade_Windows::Sell() { return Make(sell); }
Short_Window* Trade_Windows::Short() { return Make(short_window); }
Options_Window* Trade_Windows::Options() { return Make(options); }
Chart_Window* Trade_Windows::Chart() { return Make(chart); }
Fundamentals_Window* Trade_Windows::Fundamentals() { return Make(fundamentals); }

template <typename W>
W* Trade_Windows::Make(W*& window) {
    if (!window) {
        window = new W(session, owner);
        if constexpr (std::is_base_of_v<Trade_Window, W>) QObject::connect(window, &W::Trade_Done, owner, repaint);
        if constexpr (std::is_same_v<W, Chart_Window>) {
            Hand_Overs(window);
            Queue(window, &Chart_Window::Open_Fundamentals, [this](int s) { Fundamentals()->Open_For(s); });
        }
        if constexpr (std::is_same_v<W, Fundamentals_Window>) {
            Hand_Overs(window);
            Queue(window, &Fundamentals_Window::Open_Chart, [this](int s) { Chart()->Open_For(s); });
        }
    }
    return window;
}

template <typename W>
void Trade_Windows::Hand_Overs(W* from) {
    Queue(from, &W::Open_Buy, [this](int s) { Buy()->Open_On(s); });
    Queue(from, &W::Open_Sell, [this](int s) { Sell()->Open_On(s); });
    Queue(from, &W::Open_Short, [this](int s) { Short()->Open_On(s); });
    Queue(from, &W::Open_Calls, [this](int s) { Options()->Open_On(s, true); });
    Queue(from, &W::Open_Puts, [this](int s) { Options()->Open_On(s, false); });
}

template <typename W, typename F>
void Trade_Windows::Queue(W* from, void (W::*signal)(int), F open) {
    QObject::connect(from, signal, owner, open, Qt::QueuedConnection);
}

void Trade_Windows::Follow_Market() {
    Chart()->Symbol_Click();
    Fundamentals()->Symbol_Click();
    Buy()->Symbol_Click();
    Sell()->Symbol_Click();
    Options()->Symbol_Click();
    Short()->Symbol_Click();
}

void Trade_Windows::Restart() {
    Fundamentals()->Select_First();
    Buy()->Select_First();
    Options()->Select_First();
    Sell()->Select_First();
    Chart()->Reset();
    Short()->Select_First();
}

void Trade_Windows::Close_All() {
    for (QWidget* w : std::initializer_list<QWidget*>{buy, sell, chart, options, fundamentals, short_window})
        if (w) w->close();
}
