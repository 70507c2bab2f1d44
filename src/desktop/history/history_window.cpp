#include "desktop/history/history_window.h"

#include <algorithm>
#include <cmath>

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include "engine/model/numbers.h"
#include "engine/model/screens.h"
#include "desktop/main/game_session.h"
#include "engine/history/history.h"
#include "engine/scoring/scoring.h"
#include "desktop/history/journal_filter.h"
#include "desktop/history/journal_model.h"
#include "engine/storage/file_messages.h"
#include "engine/storage/journal_export.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/window_place.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The most points a line of the chart holds, about the chart's width in pixels.
constexpr std::size_t Points_Drawn = 500;
// Marks closer than this many drawn points to the last one would only blot each other out.
constexpr Long Marks_Apart = 8;

}  // namespace


// --- the window ----------------------------------------------------------------------------

History_Window::History_Window(Game_Session& session, QWidget* parent)
    : QDialog(parent), game(session.State()), screens(session.Windows()) {
    setWindowTitle("History");
    auto* layout = new QVBoxLayout(this);
    summary = new QLabel(this);
    summary->setWordWrap(true);
    summary->hide();
    layout->addWidget(summary);
    tabs = new QTabWidget(this);
    layout->addWidget(tabs, 1);

    auto* worth_tab = new QWidget(tabs);
    auto* worth_layout = new QVBoxLayout(worth_tab);
    view = new QChartView(worth_tab);
    view->setFocusPolicy(Qt::NoFocus);  // a picture: Tab goes on to the controls beside it
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(520, 320);
    worth_layout->addWidget(view, 1);
    log_box = new QCheckBox("&Logarithmic scale", worth_tab);
    log_box->setChecked(true);
    worth_layout->addWidget(log_box);
    tabs->addTab(worth_tab, "&Net Worth");

    auto* journal_tab = new QWidget(tabs);
    auto* journal_layout = new QVBoxLayout(journal_tab);
    auto* filters = new QHBoxLayout;
    auto* who_label = new QLabel("&Who:", journal_tab);
    who_box = new QComboBox(journal_tab);
    who_box->addItems({"Both", "You", "Computer"});
    who_label->setBuddy(who_box);
    filters->addWidget(who_label);
    filters->addWidget(who_box);
    auto* symbol_label = new QLabel("&Stock:", journal_tab);
    symbol_box = new QComboBox(journal_tab);
    symbol_box->addItem("All");
    for (const std::string& s : game.Symbol) symbol_box->addItem(Q(s));
    symbol_label->setBuddy(symbol_box);
    filters->addWidget(symbol_label);
    filters->addWidget(symbol_box);
    filters->addStretch();
    auto* export_button = new QPushButton("&Export CSV...", journal_tab);
    filters->addWidget(export_button);
    journal_layout->addLayout(filters);
    model = new Journal_Model(game, this);
    filter = new Journal_Filter(this);
    filter->setSourceModel(model);
    filter->setSortRole(Qt::UserRole);
    table = new QTableView(journal_tab);
    table->setModel(filter);
    model->Paint_On(table);
    table->setSortingEnabled(true);
    table->sortByColumn(Journal_Model::Turn, Qt::AscendingOrder);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table for the next control; the arrow keys move within it.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    // Room for the longest text each column holds: a turn, "Computer", "Buy Back", a symbol, and
    // the figures of a long game.
    const int digit = table->fontMetrics().horizontalAdvance('0');
    const int widths[Journal_Model::Columns] = {7, 10, 10, 7, 12, 9, 13, 15};
    for (int c = 0; c < Journal_Model::Columns; ++c) table->setColumnWidth(c, widths[c] * digit);
    journal_layout->addWidget(table, 1);
    tabs->addTab(journal_tab, "&Journal");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    connect(log_box, &QCheckBox::toggled, this, [this] { Redraw(); });
    connect(who_box, &QComboBox::currentIndexChanged, this,
            [this](int i) { filter->Set_Who(i == 0 ? QString() : who_box->itemText(i)); });
    connect(symbol_box, &QComboBox::currentIndexChanged, this,
            [this](int i) { filter->Set_Symbol(i == 0 ? QString() : symbol_box->itemText(i)); });
    connect(export_button, &QPushButton::clicked, this, [this] { Export(); });
    Follow();
}

void History_Window::changeEvent(QEvent* event) {
    // The chart's theme and the gain colours follow the palette.
    if (event->type() == QEvent::PaletteChange) {
        Redraw();
        table->viewport()->update();
    }
    QDialog::changeEvent(event);
}

void History_Window::Place() {
    if (isVisible()) return;
    Open_Centred_On_Owner(this, placed ? size() : QSize(760, 520));
    placed = true;
}

void History_Window::Open() {
    Follow();
    Place();
    show();
    raise();
    activateWindow();
}

void History_Window::Open_With_Summary() {
    Follow();
    Show_Summary(true);
    Place();
    exec();
}

void History_Window::Show_Summary(bool shown_now) {
    const History_Summary s = Summarize(game);
    QStringList lines;
    for (const std::string& line : {s.Turns_Played, s.Best_Trade, s.Worst_Trade, s.Against_The_Index})
        if (!line.empty()) lines << Q(line);
    summary->setText(lines.join('\n'));
    summary->setVisible(shown_now && !lines.isEmpty());
}

double History_Window::Drawn(double value) const {
    // A logarithmic axis has no room for $1 or less: such a worth is drawn at $1. No money of
    // a game passes Money_Bound, either way; a figure that does (the index line of a rich
    // start, a record no game made) is drawn at the bound, so that the axis spans a finite range.
    const double low = log_box->isChecked() ? 1.0 : -Money_Bound;
    return std::isnan(value) ? low : std::clamp(value, low, Money_Bound);
}

void History_Window::Build_Chart() {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    const QChart::ChartTheme theme = Is_Dark(palette()) ? QChart::ChartThemeDark : QChart::ChartThemeLight;
    if (chart->theme() != theme) chart->setTheme(theme);
    chart->setTitle("Net Worth");
    you = new QLineSeries;
    you->setName("You");
    computer = new QLineSeries;
    computer->setName("Computer");
    index = new QLineSeries;
    index->setName("The market index, bought and held");
    goal = new QLineSeries;
    goal->setName("Goal");
    crashes = new QScatterSeries;
    crashes->setName("Crash");
    taxes = new QScatterSeries;
    taxes->setName("Tax notice");
    for (QScatterSeries* marks : {crashes, taxes}) marks->setMarkerSize(10);
    crashes->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    taxes->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{you, computer, index, goal, crashes, taxes})
        chart->addSeries(s);
    // The players in the game's gain and loss colours, readable on the chart's ground.
    const QPalette ground = palette();
    you->setPen(QPen(Gain_Colour(Colour::Blue, ground), 2));
    computer->setPen(QPen(Gain_Colour(Colour::Red, ground), 2));
    QPen dashed(Plain_Colour(ground), 1.5, Qt::DashLine);
    index->setPen(dashed);
    goal->setPen(QPen(Plain_Colour(ground), 1, Qt::DotLine));
    crashes->setColor(Gain_Colour(Colour::Red, ground));
    taxes->setColor(Plain_Colour(ground));
    for (QScatterSeries* marks : {crashes, taxes}) marks->setBorderColor(marks->color());

    turns = new QValueAxis;
    turns->setTitleText("Turn");
    turns->setLabelFormat("%d");
    chart->addAxis(turns, Qt::AlignBottom);
    QAbstractAxis* worth = nullptr;
    if (log_box->isChecked()) {
        auto* log_axis = new QLogValueAxis;
        log_axis->setBase(10);
        log_axis->setLabelFormat("$%.0f");
        worth = log_axis;
    } else {
        auto* linear = new QValueAxis;
        linear->setLabelFormat("$%.0f");
        worth = linear;
    }
    worth->setTitleText("Net Worth");
    chart->addAxis(worth, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(turns);
        s->attachAxis(worth);
    }
    for (QLineSeries* line : {you, computer, index})
        connect(line, &QLineSeries::hovered, this,
                [this, line](const QPointF& p, bool state) { Show_Value_Under(line, p, state); });
    lowest = highest = 1;
}

void History_Window::Redraw() {
    shown.reset();
    Append_Points();
}

void History_Window::Append_Points() {
    const Game_History* now = game.History.get();
    const std::size_t total = now ? now->Dropped_Points + now->Points.size() : 0;
    std::size_t add = total - seen;
    if (now != shown.get()) {
        Build_Chart();
        shown = game.History;
        // A turn in every `stride` is drawn, so that a line never holds many more points than
        // the chart has room for: a long game draws as fast as a short one.
        stride = 1;
        while (now && now->Points.size() / stride > Points_Drawn) stride *= 2;
        newest_between = false;
        add = now ? now->Points.size() : 0;
    }
    const auto lines = std::initializer_list<QXYSeries*>{you, computer, index};
    if (now && !now->Points.empty()) {
        // The turns that left the front of the record leave the chart too.
        const double first = static_cast<double>(now->Points.front().Turn);
        for (QXYSeries* s : std::initializer_list<QXYSeries*>{you, computer, index, crashes, taxes}) {
            int gone = 0;
            while (gone < s->count() && s->at(gone).x() < first) ++gone;
            if (gone > 0) s->removePoints(0, gone);
        }
    }
    if (now && add > 0) {
        // The newest turn is drawn even between two drawn turns; the next one takes its place.
        if (newest_between)
            for (QXYSeries* s : lines) s->removePoints(s->count() - 1, 1);
        const std::size_t first = now->Points.size() - add;
        QList<QPointF> mine, theirs, market;
        for (std::size_t k = first; k < now->Points.size(); ++k) {
            const History_Point& p = now->Points[k];
            const double line = Index_Line(*now, p.Index);
            for (double v : {p.Net_Worth, p.Computer_Net_Worth, line}) {
                lowest = std::min(lowest, Drawn(v));
                highest = std::max(highest, Drawn(v));
            }
            const Long apart = Marks_Apart * static_cast<Long>(stride);
            if (p.Crash && (crashes->count() == 0 || p.Turn - crashes->at(crashes->count() - 1).x() >= apart))
                crashes->append(p.Turn, Drawn(p.Net_Worth));
            if (p.Tax && (taxes->count() == 0 || p.Turn - taxes->at(taxes->count() - 1).x() >= apart))
                taxes->append(p.Turn, Drawn(p.Net_Worth));
            const bool on_stride = (now->Dropped_Points + k) % stride == 0;
            newest_between = !on_stride;
            if (!on_stride && k + 1 < now->Points.size()) continue;
            mine << QPointF(p.Turn, Drawn(p.Net_Worth));
            theirs << QPointF(p.Turn, Drawn(p.Computer_Net_Worth));
            market << QPointF(p.Turn, Drawn(line));
        }
        you->append(mine);
        computer->append(theirs);
        index->append(market);
        if (static_cast<std::size_t>(you->count()) > 2 * Points_Drawn) {
            Redraw();  // at twice the room: drawn again with a wider stride
            return;
        }
    }
    seen = total;

    // The axes follow the game; the goal spans the turns shown.
    const double first_turn = now && !now->Points.empty() ? now->Points.front().Turn : 1;
    const double last_turn = now && !now->Points.empty() ? now->Points.back().Turn : 1;
    turns->setRange(first_turn, std::max(last_turn, first_turn + 1));
    const double goal_worth = std::pow(10.0, Goal_Digits(game.Setup) - 1);
    goal->replace({QPointF(first_turn, goal_worth), QPointF(std::max(last_turn, first_turn + 1), goal_worth)});
    // Every figure drawn lies within the money bound, so the room above it cannot overflow.
    const double top = std::max(highest, goal_worth);
    QAbstractAxis* worth = view->chart()->axes(Qt::Vertical).value(0);
    if (auto* log_axis = qobject_cast<QLogValueAxis*>(worth)) log_axis->setRange(std::max(1.0, lowest), top * 2);
    else if (auto* linear = qobject_cast<QValueAxis*>(worth)) linear->setRange(std::min(0.0, lowest), top * 1.05);
}

void History_Window::Follow() {
    Append_Points();
    model->Follow();
    if (summary->isVisible()) Show_Summary(true);
}

void History_Window::Show_Value_Under(const QLineSeries* series, const QPointF& point, bool hovered) {
    if (!hovered || !game.History) {
        QToolTip::hideText();
        return;
    }
    // The true figure of the turn under the mouse, also where the axis drew it at $1.
    const auto& points = game.History->Points;
    const Long turn = static_cast<Long>(std::lround(point.x()));
    const auto at = std::lower_bound(points.begin(), points.end(), turn,
                                     [](const History_Point& p, Long t) { return p.Turn < t; });
    if (at == points.end()) return;
    double value = at->Net_Worth;
    if (series == computer) value = at->Computer_Net_Worth;
    if (series == index) value = Index_Line(*game.History, at->Index);
    QToolTip::showText(QCursor::pos(), "Turn " + QString::number(at->Turn) + ", " + series->name() + ": " + Q(Dollars(value)),
                       view);
}

void History_Window::Export() {
    // A player's document, not one of the game's own files: it starts among the documents.
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/journal.csv";
    const QString path = QFileDialog::getSaveFileName(this, "Export CSV", start, "Comma-separated values (*.csv)");
    if (path.isEmpty()) return;
    if (!Export_Journal(game, path.toStdString())) Report_File_Failure(screens, File_Task::Write);
}
