#include "desktop/scoring/winners_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/model/numbers.h"
#include "engine/flows/game_end.h"
#include "desktop/parts/grid_look.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/help_button.h"
#include "engine/model/string_table.h"
#include "desktop/parts/scroll_box.h"

Winners_Window::Winners_Window(Game_Session& session, QWidget* parent)
    : Game_Dialog(session, parent), screens(session.Windows()) {
    setWindowTitle(tr("The Winners Circle"));
    auto* outer = new QVBoxLayout(this);
    auto* circle = new QWidget;
    auto* layout = new QVBoxLayout(circle);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString captions[4] = {tr("Abnormal (ALL dificulty options enabled):"),
                                 tr("Advanced (any two difficulty options enabled):"),
                                 tr("Intermediate (any single difficulty option enabled):"),
                                 tr("Beginer  (no extra difficulty options enabled):")};
    // What a reader calls each grid.
    const QString grid_names[4] = {tr("Abnormal winners"), tr("Advanced winners"), tr("Intermediate winners"),
                                   tr("Beginer winners")};
    for (int level = 0; level < 4; ++level) {
        layout->addWidget(new QLabel(captions[level], circle));
        auto* grid = new QTableWidget(3, 5, circle);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Room for a worth in the hundreds of billions.
        const int width = Lay_Out_Grid(grid, String_Id::Winners_Grid_Titles, String_Id::Winners_Grid_Widths, 5, 2, "000,000,000,000");
        int height = grid->horizontalHeader()->sizeHint().height();
        for (int r = 0; r < 3; ++r) height += grid->rowHeight(r);
        grid->setFixedSize(width + 2 * grid->frameWidth(), height + 2 * grid->frameWidth());
        Explain(grid, grid_names[level], tr("The three best scores at this level, the best first."));
        Explain_Columns(grid, {tr("The winner's name."), tr("The head start the winner chose, in dollars."),
                               tr("The winner's net worth at the end."), tr("The computer's net worth at the end."),
                               tr("The score: 100 for every whole time the winner's net worth went into the computer's.")});
        Winners_List[level] = grid;
        layout->addWidget(grid);
    }
    // On a small screen the four grids scroll; the buttons stay in sight.
    outer->addWidget(new Scroll_Box(circle, this), 1);
    auto* High_Scores_Help = Make_Help_Button(this);
    auto* Clear_Scores = new QPushButton(tr("&Clear High Scores"), this);
    auto* OKButton = new QPushButton(tr("&WOW!"), this);
    OKButton->setDefault(true);
    Explain(OKButton, tr("Close the winners circle (Enter or Escape)."));
    Explain(Clear_Scores, tr("Empty all four levels of the winners circle."));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OKButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(Clear_Scores, QDialogButtonBox::ResetRole);
    buttons->addButton(High_Scores_Help, QDialogButtonBox::HelpRole);
    outer->addWidget(buttons);
    Set_Escape_Button(OKButton);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(Clear_Scores, &QPushButton::clicked, this, &Winners_Window::Clear_Clicked);
    connect(High_Scores_Help, &QPushButton::clicked, this,
            [this] { Run_Help(this->session, this, Help_Owner::Winners); });
    Fill_Grids();
}

void Winners_Window::Run() {
    Fill_Grids();
    exec();
}

void Winners_Window::Fill_Grids() {
    for (int level = 0; level < 4; ++level)
        for (int place = 0; place < 3; ++place) {
            const High_Score& record = game.High_Scores[level][place];
            // The handicap as the setup list names it ("None" in the language in use); the name as typed.
            const std::string cells[5] = {record.Player_Name, Engine_Text(record.Handicap_Text).toStdString(),
                                          Add_Commas(Number_Text(record.Final_Worth)),
                                          Add_Commas(Number_Text(record.Opp_Final_Worth)),
                                          Add_Commas(Number_Text(record.Final_Score))};
            using enum Cell;
            static const Column_Kinds kinds = {Text, Text, Number, Number, Number};
            for (int c = 0; c < 5; ++c) Put_Cell(Winners_List[level], place, c, cells[c], kinds[c]);
        }
}

void Winners_Window::Clear_Clicked() {
    session.Clear_High_Scores();
    Fill_Grids();
}
