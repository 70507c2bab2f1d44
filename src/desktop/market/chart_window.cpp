#include "desktop/market/chart_window.h"

#include <algorithm>
#include <cmath>

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QValueAxis>

#include "engine/model/screens.h"
#include "engine/market/chart_series.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/help_button.h"
#include "desktop/parts/refusal.h"
#include "desktop/parts/symbol_picker.h"

namespace {
// The lines are drawn 40 and 20 twips wide: two points and one.
constexpr double Price_Width = 2.0;
constexpr double Average_Width = 1.0;

// The chart asks for room to show 100 turns well, and makes do with less on a small screen.
class Chart_View : public QChartView {
public:
    using QChartView::QChartView;
    QSize sizeHint() const override { return {640, 380}; }
};

QLineSeries* Make_Series(const std::vector<double>& values, const QString& name) {
    auto* series = new QLineSeries;
    series->setName(name);
    for (std::size_t c = 0; c < values.size(); ++c) series->append(static_cast<double>(c + 1), values[c]);
    return series;
}
}  // namespace

Chart_Window::Chart_Window(Game_Session& session, QWidget* parent)
    : Game_Dialog(session, parent), screens(session.Windows()) {
    setWindowTitle(tr("Chart Stocks"));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* pick = new QVBoxLayout;
    auto* prompt = new QLabel(tr("Select Stock To Chart:"), this);
    pick->addWidget(prompt);
    // The first symbol stays chosen, as after every new game; it is computed on opening.
    Symbol_Picker picker = Make_Symbol_Picker(this, game, true);
    Symbol = picker.list;
    prompt->setBuddy(Symbol);  // a screen reader says the prompt with the list
    pick->addLayout(picker.row);
    top->addLayout(pick);
    top->addSpacing(24);

    auto* average = new QGridLayout;
    Days = new QSpinBox(this);
    Days->setRange(1, History_Length);
    Days->setValue(10);
    average->addWidget(Days, 0, 0);
    average->addWidget(new QLabel(tr("Turn Moving Average"), this), 0, 1);
    Show_Average = new QCheckBox(tr("Show"), this);
    average->addWidget(Show_Average, 1, 0, 1, 2);
    top->addLayout(average);
    top->addStretch();
    layout->addLayout(top);

    MSChart = new Chart_View(this);
    MSChart->setRenderHint(QPainter::Antialiasing);
    MSChart->setFocusPolicy(Qt::NoFocus);
    MSChart->chart()->legend()->hide();
    MSChart->setMinimumSize(400, 220);
    layout->addWidget(MSChart, 1);

    auto* buttons = new QHBoxLayout;
    auto button = [&](QPushButton*& b, const QString& text) {
        b = new QPushButton(text, this);
        buttons->addWidget(b);
    };
    button(Buy_Stock_Button, tr("&Buy Stock"));
    button(Sell_Stock_Button, tr("&Sell Stock"));
    button(Short_Stock_Button, tr("S&hort Sell"));
    button(Calls_Button, tr("&Calls"));
    button(Puts_Button, tr("&Puts"));
    button(Fundamentals_Button, tr("&Earnings"));
    buttons->addStretch();
    layout->addLayout(buttons);
    QPushButton* Chart_Help = Make_Help_Button(this);
    Done = new QPushButton(tr("&Done"), this);
    auto* bottom = new QDialogButtonBox(this);
    bottom->addButton(Done, QDialogButtonBox::RejectRole);
    bottom->addButton(Chart_Help, QDialogButtonBox::HelpRole);
    layout->addWidget(bottom);
    Set_Escape_Button(Done);
    Let_Close_Box_Hide();
    // The chart's own theme follows the palette; it is drawn anew when that changes.
    On_Palette_Change(this, [this] {
        if (!MSChart->chart()->series().isEmpty()) Symbol_Click();
    });

    // The names by which tests find the controls.
    const std::pair<QObject*, const char*> names[] = {
        {Days, "days"}, {Show_Average, "show_average"}, {MSChart, "chart"}, {Buy_Stock_Button, "buy"},
        {Sell_Stock_Button, "sell"}, {Short_Stock_Button, "short"}, {Calls_Button, "calls"}, {Puts_Button, "puts"},
        {Fundamentals_Button, "earnings"}, {Done, "done"},
    };
    for (const auto& [control, name] : names) control->setObjectName(name);
    Explain(Days, tr("Turns in the moving average"), tr("How many turns the moving average takes together, from 1 to 100."));
    Explain(Show_Average, tr("Draw the moving average over the price: the mean price of the turns chosen beside it."));
    MSChart->setAccessibleName(tr("Price chart"));
    MSChart->setAccessibleDescription(tr("The price at the end of each of the last 100 turns."));
    MSChart->viewport()->setAccessibleName(MSChart->accessibleName());
    const std::pair<QPushButton*, const char*> tips[] = {
        {Buy_Stock_Button, QT_TR_NOOP("Buy shares of this stock.")},
        {Sell_Stock_Button, QT_TR_NOOP("Sell shares of this stock you own.")},
        {Short_Stock_Button, QT_TR_NOOP("Sell short this stock, or buy back a short sale of it.")},
        {Calls_Button, QT_TR_NOOP("Trade calls on this stock.")}, {Puts_Button, QT_TR_NOOP("Trade puts on this stock.")},
        {Fundamentals_Button, QT_TR_NOOP("This company's earnings and when it next reports.")},
        {Done, QT_TR_NOOP("Close the chart (Escape).")},
    };
    for (const auto& [button, tip] : tips) Explain(button, tr(tip));

    connect(Symbol, &QComboBox::currentIndexChanged, this, [this] { Symbol_Click(); });
    connect(Days, &QSpinBox::valueChanged, this, [this] { Symbol_Click(); });
    connect(Show_Average, &QCheckBox::clicked, this, [this] { Symbol_Click(); });
    connect(Buy_Stock_Button, &QPushButton::clicked, this, [this] { Hand_Over(&Chart_Window::Open_Buy); });
    connect(Sell_Stock_Button, &QPushButton::clicked, this, [this] { Hand_Over(&Chart_Window::Open_Sell); });
    connect(Short_Stock_Button, &QPushButton::clicked, this, [this] { Hand_Over(&Chart_Window::Open_Short); });
    connect(Calls_Button, &QPushButton::clicked, this, [this] { Hand_Over(&Chart_Window::Open_Calls); });
    connect(Puts_Button, &QPushButton::clicked, this, [this] { Hand_Over(&Chart_Window::Open_Puts); });
    connect(Fundamentals_Button, &QPushButton::clicked, this,
            [this] { Hand_Over(&Chart_Window::Open_Fundamentals); });
    connect(Done, &QPushButton::clicked, this, &QDialog::hide);
    connect(Chart_Help, &QPushButton::clicked, this,
            [this] { Run_Help(this->session, this, Help_Owner::Chart); });
}

namespace {
// The lightest and darkest colour of the chart's background, plain or graded.
std::pair<QColor, QColor> Chart_Ground(const QChart* chart) {
    const QBrush brush = chart->backgroundBrush();
    if (const QGradient* gradient = brush.gradient(); gradient && !gradient->stops().isEmpty())
        return {gradient->stops().first().second, gradient->stops().last().second};
    return {brush.color(), brush.color()};
}

// Series and axes go together: every drawing makes both anew.
void Clear(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}
}  // namespace

void Chart_Window::Open() {
    Symbol_Click();
    Enable_Trades();
    exec();
}

void Chart_Window::Enable_Trades() {
    for (QPushButton* b : {Buy_Stock_Button, Sell_Stock_Button, Short_Stock_Button, Calls_Button, Puts_Button})
        b->setEnabled(game.Has_Game);
}


void Chart_Window::Open_For(int entry) {
    Symbol->setCurrentIndex(entry);
    Open();
}

void Chart_Window::Symbol_Click() {
    const int entry = Symbol->currentIndex();
    if (entry < 0) return;
    const std::vector<double> history = Chart_History(game, entry);
    QChart* chart = MSChart->chart();
    Clear(chart);
    const QChart::ChartTheme theme = Is_Dark(palette()) ? QChart::ChartThemeDark : QChart::ChartThemeLight;
    if (chart->theme() != theme) chart->setTheme(theme);
    auto* x = new QValueAxis;
    x->setTitleText(tr("Past 100 Turns"));
    x->setRange(1, History_Length);
    x->setLabelFormat("%d");
    auto* y = new QValueAxis;
    y->setTitleText(tr("Price ($)"));
    y->setLabelFormat("%d");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    const auto chart_ground = Chart_Ground(chart);
    std::vector<std::vector<double>> lines{history};
    if (Show_Average->isChecked()) lines.push_back(Moving_Average(history, Days->value()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QLineSeries* series = Make_Series(lines[i], i == 0 ? Symbol->currentText() : tr("Average"));
        QPen pen = series->pen();
        pen.setWidthF(i == 0 ? Price_Width : Average_Width);
        // The price in plain text colour, the average in the game's blue, both readable on the chart.
        pen.setColor(i == 0 ? Plain_Colour(palette())
                            : Average_Line_Colour(palette(), chart_ground.first, chart_ground.second));
        series->setPen(pen);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    double low = lines[0][0], high = low;
    for (const auto& line : lines)
        for (double v : line) low = std::min(low, v), high = std::max(high, v);
    y->setRange(low, high > low ? high : low + 1);
    y->applyNiceNumbers();
    // Whole-dollar labels: no more ticks than whole dollars in the range, or labels repeat (a
    // flat history, as before any game, showed 0 five times).
    const int dollars = static_cast<int>(std::lround(y->max() - y->min()));
    if (dollars + 1 < y->tickCount()) y->setTickCount(std::max(2, dollars + 1));
}

void Chart_Window::Reset() {
    Clear(MSChart->chart());
    // The first symbol, without drawing: the chart comes back at the next Symbol_Click.
    const QSignalBlocker blocker(Symbol);
    Symbol->setCurrentIndex(0);
}

void Chart_Window::Hand_Over(void (Chart_Window::*open)(int)) {
    const int entry = Symbol->currentIndex();
    if (entry < 0) return;
    if (entry == Index_Entry) {
        Refuse(screens, Symbol);
        return;
    }
    hide();
    emit(this->*open)(entry);
}
