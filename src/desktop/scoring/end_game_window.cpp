#include "desktop/scoring/end_game_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "desktop/history/history_window.h"
#include "engine/scoring/scoring.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"

End_Game_Window::End_Game_Window(Game_Session& session, QWidget* parent)
    : Game_Dialog(session, parent), screens(session.Windows()) {
    setWindowTitle(tr("Game over!"));
    auto* layout = new QVBoxLayout(this);
    Ticker = new QLabel(tr("Computer Wins"), this);
    QFont big = Ticker->font();
    big.setBold(true);
    big.setPixelSize(44);
    Ticker->setFont(big);
    Ticker->setAlignment(Qt::AlignCenter);
    Ticker->setMinimumWidth(420);
    auto* shadow = new QGraphicsDropShadowEffect(Ticker);
    shadow->setOffset(3, 3);
    shadow->setBlurRadius(4);
    shadow->setColor(Shadow_Colour(palette()));
    Ticker->setGraphicsEffect(shadow);
    On_Palette_Change(this, [this, shadow] { shadow->setColor(Shadow_Colour(palette())); });
    layout->addWidget(Ticker);

    auto* score_row = new QHBoxLayout;
    auto* Label3 = new QLabel(tr("Score:"), this);
    Score = new QLabel("0", this);
    QFont score_font = Score->font();
    score_font.setBold(true);
    Score->setFont(score_font);
    score_row->addStretch();
    score_row->addWidget(Label3);
    score_row->addWidget(Score);
    score_row->addStretch();
    layout->addLayout(score_row);
    You_Made_It = new QLabel(tr("You made it to into winners circle!"), this);
    You_Made_It->setAlignment(Qt::AlignCenter);
    layout->addWidget(You_Made_It);
    Name_Prompt = new QLabel(tr("Please enter your name:"), this);
    layout->addWidget(Name_Prompt);
    Name_Text = new QLineEdit("Max Profit", this);
    Name_Text->setMaxLength(Name_Length);
    Explain(Score, tr("Your score: 100 for every whole time your net worth goes into the computer's; 0 when the computer wins."));
    Explain(Name_Text, tr("Your name"), tr("The name the winners circle shows beside your score."));
    layout->addWidget(Name_Text);

    New_Game = new QPushButton(tr("&New Game"), this);
    New_Game->setDefault(true);
    Exit = new QPushButton(tr("Quit"), this);
    auto* history_button = new QPushButton(tr("&History"), this);
    history_button->setAutoDefault(false);
    Explain(New_Game, tr("Start a new game."));
    Explain(Exit, tr("Leave Bullquest, after asking once more."));
    Explain(history_button, tr("The race of this game: both net worths turn by turn and every trade."));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(New_Game, QDialogButtonBox::AcceptRole);
    buttons->addButton(history_button, QDialogButtonBox::ActionRole);
    buttons->addButton(Exit, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    // Neither button is a Done: Escape does nothing here.
    Keep_Fixed_Size();

    Timer = new QTimer(this);
    Timer->setInterval(100);
    connect(Timer, &QTimer::timeout, this, &End_Game_Window::Recolour);
    connect(New_Game, &QPushButton::clicked, this, [this] {
        Paint(Ticker, Gain_Ink(Colour::Red));
        QCoreApplication::processEvents();
        choice = End_Choice::New_Game;
        accept();
    });
    connect(Exit, &QPushButton::clicked, this, &End_Game_Window::Quit_Clicked);
    // The race of the game just ended, with its account above the chart.
    connect(history_button, &QPushButton::clicked, this, [this] {
        if (!history) history = new History_Window(this->session, this);
        history->Open_With_Summary();
    });
}

void End_Game_Window::Recolour() { Paint(Ticker, Random_Ink()); }

void End_Game_Window::Quit_Clicked() {
    if (!screens.Ask_Confirmation("Exit Program...")) return;
    choice = End_Choice::Quit;
    accept();
}

End_Answer End_Game_Window::Run(const End_Of_Game_View& view) {
    Ticker->setText(Engine_Text(view.Ticker));
    Show_Figure(Score, tr("Score"), Engine_Text(view.Score));
    You_Made_It->setText(Engine_Text(view.You_Made_It));
    Name_Prompt->setText(Engine_Text(view.Name_Prompt));
    Name_Text->setText(QString::fromStdString(game.Name_Text));
    Name_Text->setEnabled(view.Name_Enabled);
    // As a trade box does: the name shown selected, so that the one typed replaces it.
    if (view.Name_Enabled) {
        Name_Text->setFocus(Qt::OtherFocusReason);
        Name_Text->selectAll();
    }
    Read_Message(this);
    choice = End_Choice::New_Game;
    Recolour();
    Timer->start();
    exec();
    Timer->stop();
    return {choice, Name_Text->text().toStdString()};
}
