#include "desktop/challenge/statistics_window.h"

#include <algorithm>

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"
#include "desktop/history/history_inks.h"
#include "desktop/parts/grid_look.h"
#include "desktop/parts/help_button.h"
#include "engine/flows/statistics.h"
#include "engine/model/numbers.h"
#include "engine/scoring/new_game_setup.h"
#include "engine/storage/file_messages.h"

namespace {

QString Figure(double v) { return QString::fromStdString(Add_Commas(Number_Text(v))); }
// A best of a level that has no game won without cheats yet.
QString Best(double v, bool multiple = false) {
    if (v == 0) return "-";
    return multiple ? QString::number(v, 'f', 2) : Figure(v);
}

void Put(QTableWidget* grid, int row, int column, const QString& text, Cell kind) {
    Put_Cell(grid, row, column, text.toStdString(), kind);
}

// A read-only grid of the game's look, columns as wide as their titles or `widest`.
void Lay_Out(QTableWidget* grid, const QStringList& titles, const QList<QString>& widest) {
    grid->setColumnCount(static_cast<int>(titles.size()));
    grid->setHorizontalHeaderLabels(titles);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    for (int c = 0; c < titles.size(); ++c)
        grid->setColumnWidth(c, std::max(Column_Width(grid, titles[c], 0), grid->fontMetrics().horizontalAdvance(widest[c]) + 16));
}

// How a challenge ended ("won", "lost", "left"), and whether cheats were on.
QString Outcome_Text(const std::string& outcome, bool cheated) {
    const QString ended = Engine_Text(outcome);
    return cheated ? Statistics_Window::tr("%1, CHEATER!").arg(ended) : ended;
}

// The widest a row's end can be, in the language in use: its column is made as wide.
QString Widest_Outcome(const QWidget* grid) {
    QString widest;
    for (const char* outcome : {"won", "lost", "left"}) {
        const QString text = Outcome_Text(outcome, true);
        if (grid->fontMetrics().horizontalAdvance(text) > grid->fontMetrics().horizontalAdvance(widest)) widest = text;
    }
    return widest;
}

int Columns_Width(const QTableWidget* grid) {
    int width = grid->verticalHeader()->isHidden() ? 0 : grid->verticalHeader()->sizeHint().width();
    for (int c = 0; c < grid->columnCount(); ++c) width += grid->columnWidth(c);
    return width + 2 * grid->frameWidth();
}

}  // namespace

Statistics_Window::Statistics_Window(Game_Session& session, QWidget* parent) : Game_Dialog(session, parent) {
    setWindowTitle(tr("Statistics"));
    auto* layout = new QVBoxLayout(this);

    // One row a level, the hardest first as in the winners circle.
    Levels = new QTableWidget(4, 6, this);
    Levels->setObjectName("levels");
    Lay_Out(Levels, {tr("Finished"), tr("Won"), tr("Lost"), tr("Best Score"), tr("Best Multiple"), tr("Fewest Turns")},
            {"00,000", "00,000", "00,000", "000,000,000", "000,000.00", "000,000"});
    QStringList level_names;
    for (int level = 0; level < 4; ++level) level_names << Engine_Text(Level_Caption(3 - level));
    Levels->setVerticalHeaderLabels(level_names);
    Explain(Levels, tr("Difficulty levels"), tr("Your games at each difficulty level, counted at the end of each game."));
    Explain_Columns(Levels, {tr("Games that ended at this level, won or lost."), tr("Games you won."),
                             tr("Games the computer won."), tr("The best score of a game won without cheats."),
                             tr("Your net worth as a multiple of the computer's, at your best win."),
                             tr("The fewest turns a win took.")});
    Levels->setSelectionMode(QAbstractItemView::NoSelection);
    Levels->setFocusPolicy(Qt::NoFocus);
    Levels->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Levels->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int height = Levels->horizontalHeader()->sizeHint().height() + 2 * Levels->frameWidth();
    for (int r = 0; r < 4; ++r) height += Levels->rowHeight(r);
    Levels->setFixedSize(Columns_Width(Levels), height);
    layout->addWidget(Levels);

    Turns = new QLabel(this);
    Turns->setObjectName("turns");
    layout->addWidget(Turns);
    Damaged = new QLabel(tr("Statistics.txt is damaged or cannot be read: it is kept as it is, and nothing is added to it. "
                            "Repair or delete it, or press Reset to start a new record."),
                         this);
    Damaged->setObjectName("damaged");
    Damaged->setWordWrap(true);
    Paint(Damaged, Gain_Ink(Colour::Red));
    Damaged->hide();
    layout->addWidget(Damaged);

    auto* last = new QHBoxLayout;
    auto* table_side = new QVBoxLayout;
    auto* results_label = new QLabel(tr("The &last challenges:"), this);
    table_side->addWidget(results_label);
    Results = new QTableWidget(0, 5, this);
    Results->setObjectName("results");
    Lay_Out(Results, {tr("Code"), tr("Date"), tr("Outcome"), tr("Score"), tr("Turns")},
            {"MMMM-MMMM-MMMM", "0000-00-00", Widest_Outcome(Results), "000,000", "000,000"});
    Results->verticalHeader()->hide();
    Explain(Results, tr("The last challenges"), tr("The last 100 challenges you played, the newest first."));
    Explain_Columns(Results, {tr("The challenge's code: type it in Game > Challenge to play it again."), tr("The day it ended."),
                              tr("Won, lost, or left for another game."), tr("The score of a finished challenge."),
                              tr("The turns it lasted.")});
    Results->setSelectionBehavior(QAbstractItemView::SelectRows);
    Results->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the next control; the arrow keys move within it.
    Results->setTabKeyNavigation(false);
    Results->setMinimumWidth(Columns_Width(Results) + Results->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    Results->setMinimumHeight(8 * Results->verticalHeader()->defaultSectionSize());
    results_label->setBuddy(Results);
    table_side->addWidget(Results, 1);
    last->addLayout(table_side);
    Scores = new QChartView(this);
    Scores->setObjectName("scores");
    Scores->setFocusPolicy(Qt::NoFocus);  // a picture: Tab goes on to the controls beside it
    Scores->setRenderHint(QPainter::Antialiasing);
    Explain(Scores, tr("Scores chart"), tr("The scores of the last challenges, the oldest on the left."));
    Scores->viewport()->setAccessibleName(Scores->accessibleName());
    Scores->setMinimumSize(340, 240);
    last->addWidget(Scores, 1);
    layout->addLayout(last, 1);

    auto* reset = new QPushButton(tr("&Reset"), this);
    reset->setObjectName("reset");
    Explain(reset, tr("Clear every figure of this window, after asking."));
    reset->setAutoDefault(false);
    auto* close = new QPushButton(tr("&Close"), this);
    Explain(close, tr("Close this window."));
    close->setDefault(true);
    auto* help = Make_Help_Button(this);
    help->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(close, QDialogButtonBox::AcceptRole);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);
    buttons->addButton(help, QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    Set_Escape_Button(close);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(reset, &QPushButton::clicked, this, [this] { Reset_Clicked(); });
    connect(help, &QPushButton::clicked, this, [this] { Run_Help(this->session, this, Help_Owner::Statistics); });
    Fill(shown);
}

void Statistics_Window::Run() {
    Read();
    exec();
}

void Statistics_Window::Read() {
    const File_Result<Statistics> read = Current_Statistics(game);
    Damaged->setVisible(!read);
    if (!read) {
        // Told once; the window says it for as long as the file stays so.
        if (!damage_told) Report_File_Failure(session.Windows(), File_Task::Statistics);
        damage_told = true;
        Fill(Statistics{});
        return;
    }
    damage_told = false;
    Fill(*read);
}

void Statistics_Window::Fill(const Statistics& statistics) {
    shown = statistics;
    for (int level = 0; level < 4; ++level) {
        const Level_Statistics& l = statistics.Levels[static_cast<std::size_t>(level)];
        using enum Cell;
        Put(Levels, level, 0, Figure(Finished_Games(l)), Number);
        Put(Levels, level, 1, Figure(l.Won), Number);
        Put(Levels, level, 2, Figure(l.Lost), Number);
        Put(Levels, level, 3, Best(l.Best_Score), Number);
        Put(Levels, level, 4, Best(l.Best_Multiple, true), Number);
        Put(Levels, level, 5, Best(l.Fewest_Turns), Number);
    }
    Turns->setText(tr("Turns played in all: %1").arg(Figure(statistics.Turns_Played)));
    // The newest first.
    const int count = static_cast<int>(statistics.Results.size());
    Results->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        const Challenge_Result& r = statistics.Results[static_cast<std::size_t>(count - 1 - row)];
        using enum Cell;
        Put(Results, row, 0, QString::fromStdString(r.Code), Text);
        Put(Results, row, 1, QString::fromStdString(r.Date), Text);
        Put(Results, row, 2, Outcome_Text(r.Outcome, r.Cheated), Text);
        Put(Results, row, 3, Figure(r.Score), Number);
        Put(Results, row, 4, Figure(r.Turns), Number);
    }
    Draw_Scores();
}

void Statistics_Window::Draw_Scores() {
    QChart* chart = Scores->chart();
    Clear_Chart(chart, palette());
    chart->setTitle(tr("Scores of the last challenges"));
    auto* line = new QLineSeries;
    line->setName(tr("Score"));
    auto* won = new QScatterSeries;
    won->setName(tr("Won"));
    auto* not_won = new QScatterSeries;
    not_won->setName(tr("Lost or left"));
    double top = 100;
    // The oldest on the left, numbered as they were played.
    for (std::size_t k = 0; k < shown.Results.size(); ++k) {
        const Challenge_Result& r = shown.Results[k];
        const double x = static_cast<double>(k + 1);
        line->append(x, r.Score);
        (r.Outcome == "won" ? won : not_won)->append(x, r.Score);
        top = std::max(top, r.Score);
    }
    for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{line, won, not_won}) chart->addSeries(s);
    // Wins in the game's gain blue, the rest in its loss red, as the History chart draws the
    // players: readable on the chart's own ground.
    const History_Inks ink = Chart_Inks(palette(), chart->backgroundBrush());
    line->setPen(QPen(ink.index, 1.5));
    won->setColor(ink.you);
    not_won->setColor(ink.computer);
    for (QScatterSeries* marks : {won, not_won}) {
        marks->setMarkerSize(8);
        marks->setBorderColor(marks->color());
    }
    auto* games = new QValueAxis;
    games->setTitleText(tr("Challenge"));
    games->setLabelFormat("%d");
    // Half a game of room on each side, so that the first and last marks show whole.
    games->setRange(0.5, std::max<double>(2, static_cast<double>(shown.Results.size())) + 0.5);
    games->setTickType(QValueAxis::TicksDynamic);
    games->setTickAnchor(1);
    games->setTickInterval(shown.Results.size() > 20 ? 10 : shown.Results.size() > 10 ? 2 : 1);
    auto* score = new QValueAxis;
    score->setTitleText(tr("Score"));
    score->setLabelFormat("%.0f");
    score->setRange(0, top * 1.1);
    score->applyNiceNumbers();
    chart->addAxis(games, Qt::AlignBottom);
    chart->addAxis(score, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(games);
        s->attachAxis(score);
    }
}

void Statistics_Window::changeEvent(QEvent* event) {
    // The chart's theme and its colours follow the palette.
    if (event->type() == QEvent::PaletteChange && Scores) Draw_Scores();
    Game_Dialog::changeEvent(event);
}

void Statistics_Window::Reset_Clicked() {
    if (!session.Reset_Statistics()) return;
    Read();
}
