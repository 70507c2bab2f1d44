#include "desktop/main/settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/storage/file_messages.h"
#include "desktop/main/qt_screens.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/change_look.h"
#include "desktop/parts/help_button.h"
#include "desktop/parts/theme.h"

Settings_Window::Settings_Window(Game_Session& session, Qt_Screens& screens, QWidget* parent)
    : Game_Dialog(session, parent), screens(screens) {
    setWindowTitle(tr("Configure Bullquest"));
    auto* layout = new QVBoxLayout(this);

    auto* look = new QGroupBox(tr("Look"), this);
    auto* look_form = new QFormLayout(look);
    Theme_List = new QComboBox(look);
    Theme_List->addItems({tr("Follow the desktop"), tr("Light"), tr("Dark")});
    auto* theme_label = new QLabel(tr("&Theme:"), look);
    theme_label->setBuddy(Theme_List);
    look_form->addRow(theme_label, Theme_List);
    Arrows_Box = new QCheckBox(tr("Show &arrows with changes"), look);
    Explain(Arrows_Box, tr("%1 beside a gain and %2 beside a loss, wherever a change is shown").arg(Gain_Arrow, Loss_Arrow));
    look_form->addRow(Arrows_Box);
    Safe_Colours_Box = new QCheckBox(tr("&Colour-blind-safe colours"), look);
    Explain(Safe_Colours_Box, tr("Gains in blue and losses in orange, which stay apart for colour-blind eyes"));
    look_form->addRow(Safe_Colours_Box);
    layout->addWidget(look);

    auto* play = new QGroupBox(tr("Playing"), this);
    auto* play_layout = new QVBoxLayout(play);
    Guide_Box = new QCheckBox(tr("Show the &guide's notes"), play);
    Explain(Guide_Box, tr("Short notes that explain the game as it goes, each shown once"));
    Sound_Box = new QCheckBox(tr("&Beep when something is refused"), play);
    Explain(Sound_Box, tr("The field that refused flashes either way"));
    play_layout->addWidget(Guide_Box);
    play_layout->addWidget(Sound_Box);
    layout->addWidget(play);

    auto* language = new QGroupBox(tr("Language"), this);
    auto* language_form = new QFormLayout(language);
    Language_List = new QComboBox(language);
    // Each language is named in itself, whatever the language in use.
    Language_List->addItems({tr("Follow the desktop"), "English", "Deutsch"});
    auto* language_label = new QLabel(tr("&Language:"), language);
    language_label->setBuddy(Language_List);
    language_form->addRow(language_label, Language_List);
    auto* next_start = new QLabel(tr("A change of language applies at the next start."), language);
    next_start->setWordWrap(true);
    language_form->addRow(next_start);
    layout->addWidget(language);

    Explain(Theme_List, tr("The colours of every window: the desktop's own, or always light or always dark."));
    Explain(Language_List, tr("The language of the windows, menus and messages; the help stays in English."));
    auto* help = Make_Help_Button(this);
    OK_Button = new QPushButton(tr("OK"), this);
    OK_Button->setDefault(true);
    Cancel_Button = new QPushButton(tr("Cancel"), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OK_Button, QDialogButtonBox::AcceptRole);
    buttons->addButton(Cancel_Button, QDialogButtonBox::RejectRole);
    buttons->addButton(help, QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    Explain(OK_Button, tr("Keep these settings for every game you play."));
    Explain(Cancel_Button, tr("Bring back the settings you had when the window opened."));
    Set_Escape_Button(Cancel_Button);
    Let_Close_Box_Hide();
    Keep_Fixed_Size(380);

    const std::pair<QObject*, const char*> names[] = {
        {Theme_List, "theme"},         {Arrows_Box, "change_arrows"}, {Safe_Colours_Box, "safe_colours"},
        {Guide_Box, "guide"},          {Sound_Box, "refusal_sound"},  {Language_List, "language"},
        {OK_Button, "ok"},             {Cancel_Button, "cancel"},     {help, "settings_help"},
    };
    for (const auto& [control, name] : names) control->setObjectName(name);

    // Each choice shows at once; nothing is stored before OK.
    connect(Theme_List, &QComboBox::currentIndexChanged, this, [this] { Put_In_Force(Chosen()); });
    for (QCheckBox* box : {Arrows_Box, Safe_Colours_Box, Sound_Box})
        connect(box, &QCheckBox::toggled, this, [this] { Put_In_Force(Chosen()); });
    connect(OK_Button, &QPushButton::clicked, this, [this] { Keep(); });
    connect(Cancel_Button, &QPushButton::clicked, this, [this] { Go_Back(); });
    connect(help, &QPushButton::clicked, this, [this] { Run_Help(this->session, this, Help_Owner::Settings); });
}

void Settings_Window::Start_Up(const std::string& folder) {
    data_dir = folder;
    // Unreadable or damaged: the defaults, and the file as it is.
    const File_Result<Player_Settings> read = Read_Player_Settings(folder);
    settings = read ? *read : Player_Settings{};
    Put_In_Force(settings);
}

void Settings_Window::Run() {
    // What another copy of the game kept meanwhile counts; a file that cannot be read leaves
    // what this one holds.
    if (const File_Result<Player_Settings> read = Read_Player_Settings(data_dir)) {
        settings = *read;
    }
    Put_In_Force(settings);
    Show(settings, session.Guide().On);
    exec();
}

Player_Settings Settings_Window::Chosen() const {
    Player_Settings chosen = settings;
    chosen.Theme = static_cast<Theme_Choice>(Theme_List->currentIndex());
    chosen.Change_Arrows = Arrows_Box->isChecked();
    chosen.Safe_Colours = Safe_Colours_Box->isChecked();
    chosen.Refusal_Sound = Sound_Box->isChecked();
    chosen.Language = static_cast<Language_Choice>(Language_List->currentIndex());
    return chosen;
}

void Settings_Window::Show(const Player_Settings& shown, bool guide_on) {
    // Shown without being put in force again, choice by choice.
    const QSignalBlocker blocks[] = {QSignalBlocker(Theme_List), QSignalBlocker(Arrows_Box),
                                     QSignalBlocker(Safe_Colours_Box), QSignalBlocker(Sound_Box)};
    Theme_List->setCurrentIndex(static_cast<int>(shown.Theme));
    Arrows_Box->setChecked(shown.Change_Arrows);
    Safe_Colours_Box->setChecked(shown.Safe_Colours);
    Guide_Box->setChecked(guide_on);
    Sound_Box->setChecked(shown.Refusal_Sound);
    Language_List->setCurrentIndex(static_cast<int>(shown.Language));
}

void Settings_Window::Put_In_Force(const Player_Settings& chosen) {
    Use_Theme(chosen.Theme);
    Use_Change_Look({chosen.Change_Arrows, chosen.Safe_Colours});
    screens.Sound_Refusals(chosen.Refusal_Sound);
}

void Settings_Window::Keep() {
    const Player_Settings chosen = Chosen();
    const bool guide_on = Guide_Box->isChecked();
    hide();
    bool stored = static_cast<bool>(Change_Player_Settings(data_dir, settings, [&](Player_Settings& s) { s = chosen; }));
    // The guide is the session's, as its menu has it; a failure to keep that is told there.
    if (guide_on != session.Guide().On && !session.Turn_Guide(guide_on)) told = true;
    // What another copy kept meanwhile, of the settings not changed here, is in force now too.
    Put_In_Force(settings);
    Tell_Once(stored);
}

void Settings_Window::Go_Back() {
    hide();
    Put_In_Force(settings);
}

void Settings_Window::Tell_Once(bool stored) {
    if (stored || told) return;
    told = true;
    Report_File_Failure(screens, File_Task::Settings);
}
