#pragma once
// The "News" tab: headlines, earnings reports, the quick quote and the alert preferences.
#include <QWidget>

#include "engine/model/game.h"
#include "engine/market/news.h"
#include "desktop/main/game_session.h"

class QCheckBox;
class QLabel;
class QListWidget;

class News_Tab : public QWidget {
    Q_OBJECT
public:
    explicit News_Tab(Game_Session& session, QWidget* parent = nullptr);

    void Repaint();
    // A new game or a load: the lists are filled again from the start.
    void Restart();
    // A turn begins: the quick quote empties.
    void Clear_Quick_Quote();

private:
    QListWidget* News_Items = nullptr;
    QListWidget* Earnings_News = nullptr;
    QLabel* News_Symbol = nullptr;
    QLabel* News_Price = nullptr;
    QLabel* News_Change = nullptr;
    QCheckBox* News_Alert = nullptr;
    QCheckBox* World_Alert = nullptr;

    void Paint_Quick_Quote();

    Game_Session& session;
    const Game& game;
    Quick_Quote_View shown_quote;  // what the last click on a news line showed, until a turn begins
};
