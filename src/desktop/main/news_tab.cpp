#include "desktop/main/news_tab.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "engine/market/news.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/change_look.h"

// The lists only grow during a game, so a turn appends; a new game or a load starts again.
static void Fill(QListWidget* list, const std::vector<List_Line>& lines) {
    const int shown = list->count();
    const bool same_start = shown <= static_cast<int>(lines.size()) &&
                            (shown == 0 || list->item(shown - 1)->text() == Engine_Text(lines[shown - 1].Text));
    if (!same_start) list->clear();
    for (std::size_t i = list->count(); i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(Engine_Text(lines[i].Text), list);
        item->setData(Qt::UserRole, lines[i].Item_Data);
    }
    if (list->count() != shown) list->scrollToBottom();
}

News_Tab::News_Tab(Game_Session& session, QWidget* parent)
    : QWidget(parent), session(session), game(session.State()) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The Latest News Headlines:"), this));
    News_Items = new QListWidget(this);
    layout->addWidget(News_Items, 3);
    layout->addWidget(new QLabel(tr("The Latest Earnings Reports:"), this));
    Earnings_News = new QListWidget(this);
    layout->addWidget(Earnings_News, 2);
    // A few lines each at the least, so that the window fits a small screen; more where there is room.
    for (QListWidget* list : {News_Items, Earnings_News})
        list->setMinimumHeight(3 * list->fontMetrics().height() + 2 * list->frameWidth());

    auto* lower = new QHBoxLayout;
    auto* quote = new QGroupBox(tr("Quick Quote:"), this);
    auto* quote_form = new QFormLayout(quote);
    News_Symbol = new QLabel(quote);
    News_Price = new QLabel(quote);
    News_Change = new QLabel(quote);
    for (QLabel* label : {News_Symbol, News_Price, News_Change})
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("-100(-100%)  "));
    quote_form->addRow(tr("Symbol:"), News_Symbol);
    quote_form->addRow(tr("Price:"), News_Price);
    quote_form->addRow(tr("Change:"), News_Change);
    lower->addWidget(quote);
    auto* preferences = new QGroupBox(tr("News Preferences:"), this);
    auto* pref_layout = new QVBoxLayout(preferences);
    News_Alert = new QCheckBox(tr("Alert me to news concerning stocks I own."), preferences);
    World_Alert = new QCheckBox(tr("Alert me to world/market news."), preferences);
    pref_layout->addWidget(News_Alert);
    pref_layout->addWidget(World_Alert);
    pref_layout->addStretch();
    lower->addWidget(preferences, 1);
    layout->addLayout(lower);
    // The names by which tests find the controls.
    const std::pair<QObject*, const char*> names[] = {
        {News_Items, "news_items"},   {Earnings_News, "earnings_news"}, {News_Symbol, "news_symbol"},
        {News_Price, "news_price"},   {News_Change, "news_change"},     {News_Alert, "news_alert"},
        {World_Alert, "world_alert"},
    };
    for (const auto& [control, name] : names) control->setObjectName(name);
    Explain(News_Items, tr("News headlines"),
            tr("The news of every turn, the newest at the bottom. Click a line for a quick quote of the stock it concerns."));
    Explain(Earnings_News, tr("Earnings reports"),
            tr("The companies' earnings reports, the newest at the bottom. Click a line for a quick quote of that "
               "company's stock."));
    Explain(News_Symbol, tr("The stock of the news line you clicked; empty again when a turn ends."));
    Explain(News_Price, tr("That stock's price this turn, in dollars."));
    Explain(News_Change, tr("That stock's move at the last turn in dollars, and in brackets in percent."));
    Explain(News_Alert, tr("When a turn brings news about a stock you own, a window shows it before the turn goes on."));
    Explain(World_Alert, tr("When a turn brings news about the whole market, a window shows it before the turn goes on."));
    auto* hint = new QLabel(
        tr("Click on a news item to view a Quick Quote of the stock affected by that news (if any)"), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto clicked = [this](QListWidgetItem* item) {
        shown_quote = Quick_Quote(game, item->data(Qt::UserRole).toInt());
        Paint_Quick_Quote();
    };
    connect(News_Items, &QListWidget::itemClicked, this, clicked);
    connect(Earnings_News, &QListWidget::itemClicked, this, clicked);
    // From the keyboard: Enter on a line.
    connect(News_Items, &QListWidget::itemActivated, this, clicked);
    connect(Earnings_News, &QListWidget::itemActivated, this, clicked);
    connect(News_Alert, &QCheckBox::toggled, this, [this](bool on) { this->session.Set_Alerts(on, std::nullopt); });
    connect(World_Alert, &QCheckBox::toggled, this, [this](bool on) { this->session.Set_Alerts(std::nullopt, on); });
    Repaint();
}

void News_Tab::Paint_Quick_Quote() {
    Show_Figure(News_Symbol, tr("Quick quote symbol"), QString::fromStdString(shown_quote.Symbol));
    Show_Figure(News_Price, tr("Quick quote price"), QString::fromStdString(shown_quote.Price), tr("dollars"));
    // A change of its own ("CRASH!") is words; a move in figures stays as the game wrote it.
    const QString change = Engine_Text(shown_quote.Change);
    Show_Change(News_Change, change, shown_quote.Change_Colour);
    News_Change->setAccessibleName(tr("Quick quote change: %1").arg(change));
}

void News_Tab::Clear_Quick_Quote() {
    shown_quote = {};
    Paint_Quick_Quote();
}

void News_Tab::Restart() {
    News_Items->clear();
    Earnings_News->clear();
    Repaint();
}

void News_Tab::Repaint() {
    Fill(News_Items, game.News_Items);
    Fill(Earnings_News, game.Earnings_News);
    Paint_Quick_Quote();
    News_Alert->setChecked(game.Setup.News_Alert == 1);
    World_Alert->setChecked(game.Setup.World_Alert == 1);
}
