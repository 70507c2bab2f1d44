#include "desktop/history/history_window.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineF>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

#include "engine/model/numbers.h"
#include "engine/model/screens.h"
#include "desktop/main/game_session.h"
#include "engine/history/history.h"
#include "engine/scoring/scoring.h"
#include "desktop/history/history_inks.h"
#include "desktop/history/journal_filter.h"
#include "desktop/history/journal_model.h"
#include "engine/storage/file_messages.h"
#include "engine/storage/history_section.h"
#include "engine/storage/journal_export.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/window_place.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The most points a line of the chart holds, about the chart's width in pixels.
constexpr std::size_t Points_Drawn = 500;
// Marks closer than this many drawn points to the last one would only blot each other out.
constexpr Long Marks_Apart = 8;
constexpr qreal Mark_Size = 10;
// The room between the plot's edges and the points nearest them, a share of what each axis
// spans: half a mark and its border at the chart's least size (a plot of about 350 by 150
// pixels), so that no mark is cut.
constexpr double Mark_Room_Across = 0.025;
constexpr double Mark_Room_Up = 0.05;
// At least this much room on the logarithmic axis, in powers of ten.
constexpr double Least_Log_Room = 0.15;
// About as many labelled steps as each axis has room for.
constexpr double Turn_Steps = 8;
constexpr double Money_Steps = 6;
// Beyond this many powers of ten, the logarithmic axis labels every other one.
constexpr double Most_Decades_Labelled = 10;
// The tool tip gives the figure of a line or a mark this many pixels from the mouse, or closer.
constexpr double Near_Pixels = 6;

// The round step (1, 2 or 5 times a power of ten) nearest above `at_least`; at least 1.
double Round_Step(double at_least) {
    if (!(at_least > 1)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(at_least)));
    for (double times : {1.0, 2.0, 5.0})
        if (times * power >= at_least) return times * power;
    return 10 * power;
}

double Distance_To_Segment(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF along = b - a;
    const double length = QPointF::dotProduct(along, along);
    const double share = length > 0 ? std::clamp(QPointF::dotProduct(p - a, along) / length, 0.0, 1.0) : 0.0;
    return QLineF(p, a + share * along).length();
}

// Labels the axis at every multiple of `step` from `first` to its end, as `text` writes them;
// written again only when they change, which is seldom: a turn moves the axis' ends only.
template <class Text>
void Label_Steps(QCategoryAxis* axis, double first, double step, Text text) {
    QStringList labels;
    QList<double> values;
    for (double k = std::ceil(first / step); k * step <= axis->max() && labels.size() < 50; ++k) {
        if (k * step <= axis->min()) continue;
        values << k * step;
        labels << QString::fromStdString(text(k * step));
    }
    axis->setStartValue(axis->min());
    if (labels == axis->categoriesLabels()) return;
    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    for (qsizetype i = 0; i < labels.size(); ++i) axis->append(labels[i], values[i]);
}

// The first point at or after turn `x` (the points run by turn).
int First_From(const QXYSeries* s, double x) {
    int low = 0, high = s->count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (s->at(middle).x() < x) low = middle + 1;
        else high = middle;
    }
    return low;
}

}  // namespace


// --- the window ----------------------------------------------------------------------------

History_Window::History_Window(Game_Session& session, QWidget* parent)
    : QDialog(parent), game(session.State()), screens(session.Windows()) {
    setWindowTitle(tr("History"));
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
    view->viewport()->setMouseTracking(true);
    view->viewport()->installEventFilter(this);
    worth_layout->addWidget(view, 1);
    view->setAccessibleName(tr("Net worth chart"));
    view->setAccessibleDescription(tr("Your net worth and the computer's at every turn, the market index bought and held, "
                                      "the goal, and marks at crashes and tax notices."));
    view->viewport()->setAccessibleName(view->accessibleName());
    log_box = new QCheckBox(tr("&Logarithmic scale"), worth_tab);
    log_box->setChecked(true);
    Explain(log_box, tr("Draw the net worths on a scale where each step up is ten times as much, so that small and "
                        "large sums both show."));
    worth_layout->addWidget(log_box);
    tabs->addTab(worth_tab, tr("&Net Worth"));
    tabs->setTabToolTip(0, tr("Your net worth against the computer's, turn by turn."));

    auto* journal_tab = new QWidget(tabs);
    auto* journal_layout = new QVBoxLayout(journal_tab);
    auto* filters = new QHBoxLayout;
    auto* who_label = new QLabel(tr("&Who:"), journal_tab);
    who_box = new QComboBox(journal_tab);
    // Shown in the desktop's language, each holding the name the record gives the trader.
    who_box->addItem(tr("Both"));
    for (Trader who : {Trader::You, Trader::Computer}) who_box->addItem(Engine_Text(Trader_Name(who)), Trader_Name(who));
    who_label->setBuddy(who_box);
    filters->addWidget(who_label);
    filters->addWidget(who_box);
    auto* symbol_label = new QLabel(tr("&Stock:"), journal_tab);
    symbol_box = new QComboBox(journal_tab);
    symbol_box->addItem(tr("All"));
    for (const std::string& s : game.Symbol) symbol_box->addItem(Q(s), Q(s));
    symbol_label->setBuddy(symbol_box);
    filters->addWidget(symbol_label);
    filters->addWidget(symbol_box);
    filters->addStretch();
    auto* export_button = new QPushButton(tr("&Export CSV..."), journal_tab);
    Explain(who_box, tr("Who"), tr("Show the trades of both players, or of one."));
    Explain(symbol_box, tr("Stock"), tr("Show the trades of every stock, or of one."));
    Explain(export_button, tr("Save the whole journal as a file a spreadsheet opens."));
    filters->addWidget(export_button);
    journal_layout->addLayout(filters);
    model = new Journal_Model(game, this);
    filter = new Journal_Filter(this);
    filter->setSourceModel(model);
    filter->setSortRole(Journal_Model::Sort_Role);
    table = new QTableView(journal_tab);
    table->setModel(filter);
    model->Paint_On(table);
    table->setSortingEnabled(true);
    Explain(table, tr("Journal"), tr("Every trade, one a row; click a column's title to sort by it."));
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
    // Wider where the desktop's language writes the traders or the trades longer.
    const auto room_for = [&](int column, const std::vector<std::string>& words) {
        int widest = table->columnWidth(column);
        for (const std::string& word : words)
            widest = std::max(widest, table->fontMetrics().horizontalAdvance(Engine_Text(word)) + digit);
        table->setColumnWidth(column, widest);
    };
    room_for(Journal_Model::Who, {Trader_Name(Trader::You), Trader_Name(Trader::Computer)});
    room_for(Journal_Model::What, Journal_Kind_Names());
    journal_layout->addWidget(table, 1);
    tabs->addTab(journal_tab, tr("&Journal"));
    tabs->setTabToolTip(1, tr("Every trade of this game, yours and the computer's."));
    tabs->setAccessibleName(tr("History"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    Explain(buttons->button(QDialogButtonBox::Close), tr("Close the history (Escape); it follows the game while open."));

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    connect(log_box, &QCheckBox::toggled, this, [this] { Redraw(); });
    connect(who_box, &QComboBox::currentIndexChanged, this,
            [this](int i) { filter->Set_Who(who_box->itemData(i).toString()); });
    connect(symbol_box, &QComboBox::currentIndexChanged, this,
            [this](int i) { filter->Set_Symbol(symbol_box->itemData(i).toString()); });
    connect(export_button, &QPushButton::clicked, this, [this] { Export(); });
    QScrollBar* rows_bar = table->verticalScrollBar();
    connect(rows_bar, &QScrollBar::valueChanged, this,
            [this, rows_bar](int at) { journal_at_end = at >= rows_bar->maximum(); });
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

bool History_Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view->viewport()) {
        if (event->type() == QEvent::MouseMove) Show_Value_Near(static_cast<QMouseEvent*>(event)->position());
        else if (event->type() == QEvent::Leave) QToolTip::hideText();
    }
    return QDialog::eventFilter(watched, event);
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
        if (!line.empty()) lines << Engine_Text(line);
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
    Clear_Chart(chart, palette());
    chart->setTitle(tr("Net Worth"));
    // The game's figures whatever the desktop's language: $1,000,000.
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    // Each legend mark drawn as its series is: a line in its pen, dashed or dotted, a mark in its shape.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    you = new QLineSeries;
    you->setName(tr("You"));
    computer = new QLineSeries;
    computer->setName(tr("Computer"));
    index = new QLineSeries;
    index->setName(tr("The market index, bought and held"));
    goal = new QLineSeries;
    goal->setName(tr("Goal"));
    crashes = new QScatterSeries;
    crashes->setName(tr("Crash"));
    taxes = new QScatterSeries;
    taxes->setName(tr("Tax notice"));
    for (QScatterSeries* marks : {crashes, taxes}) marks->setMarkerSize(Mark_Size);
    crashes->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    taxes->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{you, computer, index, goal, crashes, taxes})
        chart->addSeries(s);
    // The players in the game's gain and loss colours, readable on the chart's own ground.
    const History_Inks ink = Chart_Inks(palette(), chart->backgroundBrush());
    you->setPen(QPen(ink.you, 2));
    computer->setPen(QPen(ink.computer, 2));
    index->setPen(QPen(ink.index, 1.5, Qt::DashLine));
    goal->setPen(QPen(ink.goal, 1, Qt::DotLine));
    crashes->setColor(ink.crash);
    taxes->setColor(ink.tax);
    for (QScatterSeries* marks : {crashes, taxes}) marks->setBorderColor(marks->color());
    for (QLineSeries* line : {you, computer, index}) line->setBrush(line->pen().color());  // its dot of one turn

    for (QLegendMarker* mark : chart->legend()->markers()) {
        if (const auto* marks = qobject_cast<const QScatterSeries*>(mark->series())) {
            mark->setBrush(marks->color());
            mark->setPen(QPen(marks->borderColor()));
        } else if (const auto* line = qobject_cast<const QXYSeries*>(mark->series())) {
            mark->setPen(line->pen());
        }
    }

    turns = new QCategoryAxis;
    turns->setTitleText(tr("Turn"));
    turns->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart->addAxis(turns, Qt::AlignBottom);
    QAbstractAxis* worth = nullptr;
    money = nullptr;
    if (log_box->isChecked()) {
        auto* log_axis = new QLogValueAxis;
        log_axis->setLabelFormat("$%.0f");
        worth = log_axis;
    } else {
        // Labelled by the game's own writing of money: -$5,000 and not $-5,000.
        money = new QCategoryAxis;
        money->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        worth = money;
    }
    worth->setTitleText(tr("Net Worth"));
    chart->addAxis(worth, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(turns);
        s->attachAxis(worth);
    }
    // Nothing drawn yet: the first point sets the least, the goal the most.
    lowest = Money_Bound;
    highest = 1;
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
    // A line of one turn is no line: its turn is drawn as a dot until the next one comes.
    for (QXYSeries* s : lines) s->setPointsVisible(s->count() == 1);

    // The axes follow the game; the goal spans the turns shown.
    const double first_turn = now && !now->Points.empty() ? now->Points.front().Turn : 1;
    const double last_turn = now && !now->Points.empty() ? now->Points.back().Turn : 1;
    const double goal_worth = std::pow(10.0, Goal_Digits(game.Setup) - 1);
    Set_Ranges(first_turn, std::max(last_turn, first_turn + 1), std::max(highest, goal_worth));
    goal->replace({QPointF(turns->min(), goal_worth), QPointF(turns->max(), goal_worth)});
}

void History_Window::Set_Ranges(double first_turn, double last_turn, double top) {
    // Ticks at round turns whatever the game's length, none before the first turn shown.
    const double turn_span = last_turn - first_turn;
    turns->setRange(first_turn - turn_span * Mark_Room_Across, last_turn + turn_span * Mark_Room_Across);
    Label_Steps(turns, first_turn, Round_Step(turn_span / Turn_Steps), [](double t) { return Number_Text(t); });
    // Every figure drawn lies within the money bound, so the room around it cannot overflow.
    if (auto* log_axis = qobject_cast<QLogValueAxis*>(view->chart()->axes(Qt::Vertical).value(0))) {
        // From the labelled power at or below the least figure drawn, so that a label sits under every line.
        const double least = std::clamp(lowest, 1.0, top);
        const double base = std::log10(top) - std::log10(least) > Most_Decades_Labelled ? 100 : 10;
        const double low = std::pow(base, std::floor(std::log10(least) / std::log10(base)));
        const double decades = std::log10(top) - std::log10(low);
        log_axis->setBase(base);
        const double room = std::pow(10.0, std::max(decades * Mark_Room_Up, Least_Log_Room));
        log_axis->setRange(low / room, top * room);
        return;
    }
    if (!money) return;
    const double low = std::min(0.0, lowest), span = top - low;
    money->setRange(low - span * Mark_Room_Up, top + span * Mark_Room_Up);
    Label_Steps(money, money->min(), Round_Step(span / Money_Steps), [](double v) { return Dollars(v); });
}

void History_Window::Follow() {
    Append_Points();
    Follow_Journal();
    if (summary->isVisible()) Show_Summary(true);
}

void History_Window::Follow_Journal() {
    // As a ledger does: while the player keeps the newest entry in view, each new one comes
    // into view; once they scroll away from it, or sort by another column, the rows they are
    // reading stay in place as entries come (and the oldest go).
    const QHeaderView* header = table->horizontalHeader();
    const bool by_turn = header->sortIndicatorSection() == Journal_Model::Turn;
    const bool newest_last = by_turn && header->sortIndicatorOrder() == Qt::AscendingOrder;
    const bool newest_first = by_turn && !newest_last;
    const QScrollBar* bar = table->verticalScrollBar();
    const bool at_newest = (newest_last && journal_at_end) || (newest_first && bar->value() == bar->minimum());
    const QPersistentModelIndex reading = at_newest ? QModelIndex() : filter->mapToSource(table->indexAt(QPoint(0, 0)));
    model->Follow();
    if (newest_last && at_newest) table->scrollToBottom();
    else if (reading.isValid()) table->scrollTo(filter->mapFromSource(reading), QAbstractItemView::PositionAtTop);
}

void History_Window::Show_Value_Near(const QPointF& mouse) {
    QChart* chart = view->chart();
    const QPointF at = chart->mapFromScene(view->mapToScene(mouse.toPoint()));
    const QRectF plot = chart->plotArea();
    const auto* points = game.History.get();
    if (!points || plot.width() <= 0 || !plot.adjusted(-Near_Pixels, -Near_Pixels, Near_Pixels, Near_Pixels).contains(at)) {
        QToolTip::hideText();
        return;
    }
    const double turns_a_pixel = (turns->max() - turns->min()) / plot.width();
    const double turn = turns->min() + (at.x() - plot.left()) * turns_a_pixel;
    const auto pixel = [&](QXYSeries* s, int i) { return chart->mapToPosition(s->at(i), s); };

    // The nearest mark within reach, else the nearest line: marks sit on the player's line.
    QXYSeries* hit = nullptr;
    int hit_point = 0;
    double nearest = Mark_Size / 2 + Near_Pixels;
    for (QScatterSeries* marks : {crashes, taxes}) {
        for (int i = First_From(marks, turn - nearest * turns_a_pixel);
             i < marks->count() && marks->at(i).x() <= turn + nearest * turns_a_pixel; ++i) {
            const double d = QLineF(pixel(marks, i), at).length();
            if (d <= nearest) std::tie(hit, hit_point, nearest) = std::tuple<QXYSeries*, int, double>(marks, i, d);
        }
    }
    if (!hit) {
        nearest = Near_Pixels;
        for (QLineSeries* line : {you, computer, index}) {
            const int n = line->count();
            for (int i = std::max(0, First_From(line, turn - nearest * turns_a_pixel) - 1);
                 i < n && line->at(i).x() <= turn + nearest * turns_a_pixel; ++i) {
                const QPointF a = pixel(line, i), b = i + 1 < n ? pixel(line, i + 1) : a;
                const double d = Distance_To_Segment(at, a, b);
                if (d > nearest) continue;
                const bool second = i + 1 < n && QLineF(at, b).length() < QLineF(at, a).length();
                std::tie(hit, hit_point, nearest) = std::tuple<QXYSeries*, int, double>(line, second ? i + 1 : i, d);
            }
        }
    }
    if (!hit) {
        QToolTip::hideText();
        return;
    }
    // The record's own figure of that turn, also where the axis drew it at $1 or at its bound.
    const Long shown_turn = static_cast<Long>(std::lround(hit->at(hit_point).x()));
    const auto& record = points->Points;
    const auto p = std::lower_bound(record.begin(), record.end(), shown_turn,
                                    [](const History_Point& h, Long t) { return h.Turn < t; });
    if (p == record.end() || p->Turn != shown_turn) {
        QToolTip::hideText();
        return;
    }
    // A mark says what came that turn; a line says its figure too.
    QString figure;
    if (hit == you) figure = Q(Dollars(p->Net_Worth));
    if (hit == computer) figure = Q(Dollars(p->Computer_Net_Worth));
    if (hit == index) figure = Q(Dollars(Index_Line(*points, p->Index)));
    const QString turn_shown = QString::number(p->Turn);
    const QString tip = figure.isEmpty() ? tr("Turn %1, %2").arg(turn_shown, hit->name())
                                         : tr("Turn %1, %2: %3").arg(turn_shown, hit->name(), figure);
    QToolTip::showText(view->viewport()->mapToGlobal(mouse.toPoint()), tip, view->viewport());
}

void History_Window::Export() {
    // A player's document, not one of the game's own files: it starts among the documents.
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/journal.csv";
    const QString path = QFileDialog::getSaveFileName(this, tr("Export CSV"), start, tr("Comma-separated values (*.csv)"));
    if (path.isEmpty()) return;
    if (!Export_Journal(game, path.toStdString())) Report_File_Failure(screens, File_Task::Write);
    else screens.Message_Box(tr("The journal was written to %1.").arg(QDir::toNativeSeparators(path)).toStdString());
}
