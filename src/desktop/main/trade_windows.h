#pragma once
// The main window's trade, chart and research windows, each made on first use and kept. The
// chart and research screens hand their stock on to the others.
#include <functional>

#include <QObject>

#include "engine/model/game.h"

class Buy_Window;
class Chart_Window;
class Fundamentals_Window;
class Options_Window;
class Game_Session;
class Sell_Window;
class Short_Window;

class Trade_Windows {
public:
    // A trade done in any of them repaints `owner`, their parent.
    Trade_Windows(Game_Session& session, QWidget* owner, std::function<void()> repaint);

    Buy_Window* Buy();
    Sell_Window* Sell();
    Short_Window* Short();
    Options_Window* Options();
    Chart_Window* Chart();
    Fundamentals_Window* Fundamentals();

    // A timed turn: the windows, open or not, show the new market.
    void Follow_Market();
    // A new game or a load: every window on its first stock, the chart blank.
    void Restart();
    // The program is ending: the windows made so far close.
    void Close_All();

private:
    template <typename W>
    W* Make(W*& window);
    // Hand-overs are queued, so the screen's own modal loop has returned before the next
    // window opens its loop.
    template <typename W>
    void Hand_Overs(W* from);
    template <typename W, typename F>
    void Queue(W* from, void (W::*signal)(int), F open);

    Game_Session& session;
    QWidget* owner;
    std::function<void()> repaint;
    Buy_Window* buy = nullptr;
    Sell_Window* sell = nullptr;
    Short_Window* short_window = nullptr;
    Options_Window* options = nullptr;
    Chart_Window* chart = nullptr;
    Fundamentals_Window* fundamentals = nullptr;
};
