#pragma once
// Settings > Configure Bullquest...: the theme, how gains and losses are shown, the guide, the
// refusal's beep and the language. Each choice is in force at once, in every window, while the
// window is open; OK keeps the choices in the data folder's Settings.txt, Cancel (or Escape)
// brings back those in force when it opened.
//
// A Settings.txt that cannot be read or is damaged is kept as it is: the game plays with the
// defaults, and the first time the player keeps a change the game says that it could not store
// it. What the player chose then holds until the program ends.
#include <string>

#include "engine/guide/guide_book.h"
#include "engine/storage/player_settings.h"
#include "desktop/parts/game_dialog.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class Qt_Screens;

class Settings_Window : public Game_Dialog {
    Q_OBJECT
public:
    Settings_Window(Game_Session& session, Qt_Screens& screens, QWidget* parent = nullptr);

    // The settings of the data folder put in force.
    void Start_Up(const std::string& data_dir);
    void Run();

    const Player_Settings& In_Force() const { return settings; }
    bool Guide_On() const { return session.Guide().On; }

private:
    Player_Settings Chosen() const;
    void Show(const Player_Settings& shown, bool guide_on);
    void Put_In_Force(const Player_Settings& chosen);
    void Keep();
    void Go_Back();
    void Tell_Once(bool stored);

    Qt_Screens& screens;
    std::string data_dir;
    Player_Settings settings;  // as kept, or as read at start-up
    bool told = false;

    QComboBox* Theme_List = nullptr;
    QCheckBox* Arrows_Box = nullptr;
    QCheckBox* Safe_Colours_Box = nullptr;
    QCheckBox* Guide_Box = nullptr;
    QCheckBox* Sound_Box = nullptr;
    QComboBox* Language_List = nullptr;
    QPushButton* OK_Button = nullptr;
    QPushButton* Cancel_Button = nullptr;
};
