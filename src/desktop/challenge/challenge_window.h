#pragma once
// Game > Challenge...: a challenge started from a code typed or pasted, or a new code made from
// the settings of the game in play, shown and copied to the clipboard to pass on.
#include <functional>

#include "desktop/parts/game_dialog.h"
#include "engine/model/challenge_code.h"

class QLabel;
class QLineEdit;
class QPushButton;

class Challenge_Window : public Game_Dialog {
    Q_OBJECT
public:
    // `keep_safe` runs before the game in play is left, as File > New Game's question does;
    // false keeps the game and the window.
    Challenge_Window(Game_Session& session, QWidget* parent, std::function<bool()> keep_safe);
    // Modal until Close, or until a challenge started.
    void Run();

private:
    void Code_Edited();
    void New_Code_Clicked();
    void Copy_Clicked();
    void Start_Clicked();
    void Show_In_Play();
    void Copy(const Challenge_Code& code);
    // The beep, the box's flash and the reason in place of the settings; nothing else happens.
    void Refuse_Code(Code_Problem problem);

    std::function<bool()> keep_safe;
    QLineEdit* Code_Box = nullptr;
    QLabel* Settings_Line = nullptr;
    QLabel* Copied = nullptr;
    QLabel* In_Play = nullptr;
    QPushButton* Start_Button = nullptr;
};

// One line of what a code deals: goal, handicap, level and news, as the setup window names them.
QString Challenge_Settings_Text(const Settings& setup);
