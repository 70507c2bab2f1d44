#pragma once
// The "Quotes" tab: three frames of 14 stocks and the index row below them.
#include <array>

#include <QWidget>

#include "engine/model/game.h"

class QFrame;
class QLabel;

class Quotes_Board : public QWidget {
    Q_OBJECT
public:
    explicit Quotes_Board(const Game& game, QWidget* parent = nullptr);

    // Shows the prices and changes the game holds.
    void Repaint();
    // The symbol under the mouse shows on yellow; every other one plain.
    bool Is_Highlighted(int stock) const;
    // The hover rules, also used by the main window for moves over itself.
    void Hover_Symbol(int stock);
    void Unhover();

signals:
    void Symbol_Clicked(int stock);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Paint_Symbol(int stock, bool yellow);

    // Tests find the labels by name: symbol_N, price_N (the index's is price_42), change_N,
    // index_change, and the frames frame_0 to frame_2.
    std::array<QLabel*, Stock_Count> Symbol{};
    std::array<QLabel*, Stock_Count + 1> Price{};  // 42 is the index
    std::array<QLabel*, Stock_Count> Change{};
    QLabel* DJIA_Symbol = nullptr;
    QLabel* DJIA_Change = nullptr;
    std::array<QFrame*, 3> Quotes_Frame{};
    int Hover_Index = 0;

    const Game& game;
};
