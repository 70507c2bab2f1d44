#include "desktop/main/start_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/messages/about_window.h"
#include "desktop/parts/accessible_text.h"

Start_Window::Start_Window(Game_Session& session, QWidget* parent) : Game_Dialog(session, parent) {
    setWindowTitle("Bullquest");
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(Bullquest_Picture(320, 160));
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    New = new QPushButton(tr("Start &New Game"), this);
    Load = new QPushButton(tr("&Load Saved Game"), this);
    Startup_Help = new QPushButton(tr("Launch Bullquest HELP!"), this);
    for (QPushButton* button : {New, Load, Startup_Help}) layout->addWidget(button);
    picture->setAccessibleName("Bullquest");
    Explain(New, tr("Choose the game's length and difficulty, then start playing."));
    Explain(Load, tr("Go on with a game you saved."));
    Explain(Startup_Help, tr("Open the game's help: how to play, and every window explained."));
    // The choice is the player's: Escape does nothing here.
    Keep_Fixed_Size();
    connect(New, &QPushButton::clicked, this, &Start_Window::New_Game_Chosen);
    connect(Load, &QPushButton::clicked, this, &Start_Window::Load_Game_Chosen);
    connect(Startup_Help, &QPushButton::clicked, this, &Start_Window::Help_Chosen);
}
