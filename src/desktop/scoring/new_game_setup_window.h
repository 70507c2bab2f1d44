#pragma once
// The window a new game starts in: goal, handicap, the three difficulty options and the
// news settings. Only Go leaves it.
#include <optional>

#include <QDialog>

#include "desktop/parts/game_dialog.h"
#include "engine/model/challenge_code.h"

class QCheckBox;
class QComboBox;
class QEventLoop;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QStackedWidget;
class Screens;

class New_Game_Setup_Window : public Game_Dialog {
    Q_OBJECT
public:
    New_Game_Setup_Window(Game_Session& session, QWidget* parent = nullptr);
    // Modal until Go; returns the settings chosen.
    Settings Run();
    // The market build after Go reports here (0..100).
    void Set_Progress(int value);
    // The code the "Challenge code" box held at Go; nothing for an ordinary game.
    std::optional<Challenge_Code> Typed_Code() const { return typed; }

private:
    void Show_Settings(const Settings& setup);
    // A code in the box shows its settings, which Go deals; without one the player's come back.
    void Code_Edited();
    // The boxes' tool tips: what each makes harder.
    void Tell_What_Each_Makes_Harder();
    // What the controls hold now.
    Settings Chosen() const;
    void Difficulty_Changed();
    void Show_Level(int options_on);
    void Random_News_Changed();
    void Go_Clicked();

    QEventLoop* waiting = nullptr;  // set while Run waits for Go
    int level_shown = 0;  // only a click on a difficulty option recomputes the level
    std::optional<Challenge_Code> typed;
    std::optional<Settings> own;  // the player's settings while a code's are shown

    QLineEdit* Code_Box;
    QLabel* Code_Line;  // what Go will deal, or why the code was refused
    QLabel* Last_Code;
    QGroupBox* Frame1;
    QGroupBox* Frame3;

    QComboBox* Play_To;
    QComboBox* Handicap;
    QCheckBox* Short;
    QCheckBox* Options;
    QCheckBox* Time_Limit;
    QLabel* Level_Indicator;
    QCheckBox* Suprise;
    QGroupBox* Frame2;
    QSlider* Frequency_Slider;
    QSlider* Power_Slider;
    QSlider* Earnings_Slider;
    QLabel* slider_labels[3];
    QStackedWidget* slider_places[3];  // the slider with its value, or "Random"
    QLabel* Wait_Label;
    QProgressBar* Status;
    QPushButton* OKButton;
};
