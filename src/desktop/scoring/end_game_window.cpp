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
#include "desktop/parts/colours.h"

End_Game_Window::End_Game_Window(Game_Session& session, QWidget* parent)
    : Game_Dialog(session, parent), screens(session.Windows()) {
    setWindowTitle("Game over!");
    auto* layout = new QVBoxLayout(this);
    Ticker = new QLabel("Computer Wins", this);
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
    auto* Label3 = new QLabel("Score:", this);
    Score = new QLabel("0", this);
    QFont score_font = Score->font();
    score_font.setBold(true);
    Score->setFont(score_font);
    score_row->addStretch();
    score_row->addWidget(Label3);
    score_row->addWidget(Score);
    score_row->addStretch();
    layout->addLayout(score_row);
    You_Made_It = new QLabel("You made it to into winners circle!", this);
    You_Made_It->setAlignment(Qt::AlignCenter);
    layout->addWidget(You_Made_It);
    Name_Prompt = new QLabel("Please enter your name:", this);
    layout->addWidget(Name_Prompt);
    Name_Text = new QLineEdit("Max Profit", this);
    Name_Text->setMaxLength(Name_Length);
    layout->addWidget(Name_Text);

    New_Game = new QPushButton("&New Game", this);
    New_Game->setDefault(true);
    Exit = new QPushButton("Quit", this);
    auto* history_button = new QPushButton("&History", this);
    history_button->setAutoDefault(false);
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
    Ticker->setText(QString::fromStdString(view.Ticker));
    Score->setText(QString::fromStdString(view.Score));
    You_Made_It->setText(QString::fromStdString(view.You_Made_It));
    Name_Prompt->setText(QString::fromStdString(view.Name_Prompt));
    Name_Text->setText(QString::fromStdString(game.Name_Text));
    Name_Text->setEnabled(view.Name_Enabled);
    // As a trade box does: the name shown selected, so that the one typed replaces it.
    if (view.Name_Enabled) {
        Name_Text->setFocus(Qt::OtherFocusReason);
        Name_Text->selectAll();
    }
    choice = End_Choice::New_Game;
    Recolour();
    Timer->start();
    exec();
    Timer->stop();
    return {choice, Name_Text->text().toStdString()};
}
