#include "desktop/challenge/challenge_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/help_button.h"
#include "desktop/parts/refusal.h"
#include "engine/model/challenge_record.h"
#include "engine/scoring/new_game_setup.h"

QString Challenge_Settings_Text(const Settings& setup) {
    QStringList options;
    if (setup.Short == 1) options << Challenge_Window::tr("the computer sells short");
    if (setup.Options == 1) options << Challenge_Window::tr("the computer trades options");
    if (setup.Time_Limit == 1) options << Challenge_Window::tr("%1 seconds a turn").arg(Turn_Seconds);
    const QString level = Engine_Text(Level_Caption(Difficulty_Options_On(setup))) +
                          (options.isEmpty() ? QString() : ": " + options.join(", "));
    const QString news = setup.Suprise == 1 ? Challenge_Window::tr("random news settings")
                                            : Challenge_Window::tr("news frequency %1, effects %2, earnings %3")
                                                  .arg(setup.Frequency_Slider)
                                                  .arg(setup.Power_Slider)
                                                  .arg(setup.Earnings_Slider);
    return Challenge_Window::tr("Play to %1, handicap %2\n%3\n%4")
        .arg(Engine_Text(Play_To_Texts[setup.Play_To & 3]), Engine_Text(Handicap_Texts[setup.Handicap & 3]), level, news);
}

Challenge_Window::Challenge_Window(Game_Session& session, QWidget* parent, std::function<bool()> keep_safe)
    : Game_Dialog(session, parent), keep_safe(std::move(keep_safe)) {
    setWindowTitle(tr("Challenge"));
    auto* layout = new QVBoxLayout(this);
    auto* about = new QLabel(tr("Everyone who plays the same challenge code gets the same market, news and computer, "
                                "turn for turn. Type a code you were given, or make a new one from the settings of the "
                                "game in play and pass it on."),
                             this);
    about->setWordWrap(true);
    about->setMinimumWidth(about->fontMetrics().averageCharWidth() * 56);
    layout->addWidget(about);

    auto* grid = new QGridLayout;
    auto* code_label = new QLabel(tr("&Code:"), this);
    Code_Box = new QLineEdit(this);
    Code_Box->setObjectName("code");
    Explain(Code_Box, tr("A challenge code: twelve letters and digits in three groups; case and blanks do not matter."));
    Code_Box->setPlaceholderText(tr("e.g. 7KQM-3XRT-9HWP"));
    // Room for a code typed with blanks between its characters, not for a novel.
    Code_Box->setMaxLength(64);
    Code_Box->setMinimumWidth(Code_Box->fontMetrics().horizontalAdvance("MMMM-MMMM-MMMM") + 24);
    code_label->setBuddy(Code_Box);
    auto* copy = new QPushButton(tr("C&opy"), this);
    copy->setObjectName("copy");
    Explain(copy, tr("Copy the code to the clipboard, to pass it on."));
    copy->setAutoDefault(false);
    grid->addWidget(code_label, 0, 0);
    grid->addWidget(Code_Box, 0, 1);
    grid->addWidget(copy, 0, 2);
    // What the code in the box deals, or why it was refused.
    Settings_Line = new QLabel(this);
    Settings_Line->setObjectName("settings");
    Settings_Line->setWordWrap(true);
    Settings_Line->setMinimumHeight(3 * Settings_Line->fontMetrics().lineSpacing());
    Settings_Line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(Settings_Line, 1, 1, 1, 2);
    layout->addLayout(grid);

    Copied = new QLabel(this);
    Copied->setObjectName("copied");
    Copied->setMinimumHeight(Copied->fontMetrics().lineSpacing());
    layout->addWidget(Copied);
    In_Play = new QLabel(this);
    In_Play->setObjectName("in_play");
    In_Play->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(In_Play);

    auto* new_code = new QPushButton(tr("&New Code"), this);
    new_code->setObjectName("new_code");
    Explain(new_code, tr("Make a new code from the settings of the game in play, and copy it to the clipboard."));
    new_code->setAutoDefault(false);
    Start_Button = new QPushButton(tr("&Start"), this);
    Start_Button->setObjectName("start");
    Explain(Start_Button, tr("Start the challenge of the code: a new game with its market and settings."));
    Start_Button->setDefault(true);
    auto* close = new QPushButton(tr("C&lose"), this);
    Explain(close, tr("Close this window; the game in play goes on."));
    close->setAutoDefault(false);
    auto* help = Make_Help_Button(this);
    help->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Start_Button, QDialogButtonBox::AcceptRole);
    buttons->addButton(new_code, QDialogButtonBox::ActionRole);
    buttons->addButton(close, QDialogButtonBox::RejectRole);
    buttons->addButton(help, QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    Set_Escape_Button(close);
    Keep_Fixed_Size();

    connect(Code_Box, &QLineEdit::textEdited, this, [this] { Code_Edited(); });
    connect(copy, &QPushButton::clicked, this, [this] { Copy_Clicked(); });
    connect(new_code, &QPushButton::clicked, this, [this] { New_Code_Clicked(); });
    connect(Start_Button, &QPushButton::clicked, this, [this] { Start_Clicked(); });
    connect(close, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    connect(help, &QPushButton::clicked, this, [this] { Run_Help(this->session, this, Help_Owner::Challenge); });
}

void Challenge_Window::Run() {
    // The code of the challenge in play, to pass on or to play again from its start.
    Code_Box->setText(game.Challenge ? QString::fromStdString(Code_Text(game.Challenge->Code)) : QString());
    Code_Edited();
    Show_In_Play();
    Code_Box->setFocus(Qt::OtherFocusReason);
    Code_Box->selectAll();
    exec();
}

void Challenge_Window::Show_In_Play() {
    In_Play->setText(game.Challenge ? tr("In play: the challenge %1.").arg(QString::fromStdString(Code_Text(game.Challenge->Code)))
                                    : tr("No challenge is in play."));
}

void Challenge_Window::Code_Edited() {
    Copied->clear();
    const Code_Reading reading = Read_Code(Code_Box->text().toStdString());
    Settings_Line->setText(reading.Code ? Challenge_Settings_Text(reading.Code->Setup) : QString());
    Paint(Settings_Line, Gain_Ink(Colour::Black));
}

void Challenge_Window::Refuse_Code(Code_Problem problem) {
    Refuse(session.Windows(), Code_Box);
    Copied->clear();
    Settings_Line->setText(Engine_Text(Code_Problem_Text(problem)));
    Paint(Settings_Line, Gain_Ink(Colour::Red));
}

void Challenge_Window::Copy(const Challenge_Code& code) {
    QApplication::clipboard()->setText(QString::fromStdString(Code_Text(code)));
    Copied->setText(tr("The code is on the clipboard."));
}

void Challenge_Window::New_Code_Clicked() {
    const Challenge_Code code = session.New_Challenge_Code();
    Code_Box->setText(QString::fromStdString(Code_Text(code)));
    Code_Edited();
    Copy(code);
}

void Challenge_Window::Copy_Clicked() {
    const Code_Reading reading = Read_Code(Code_Box->text().toStdString());
    if (!reading.Code) return Refuse_Code(reading.Problem);
    Copy(*reading.Code);
}

void Challenge_Window::Start_Clicked() {
    const Code_Reading reading = Read_Code(Code_Box->text().toStdString());
    if (!reading.Code) return Refuse_Code(reading.Problem);
    if (keep_safe && !keep_safe()) return;
    if (session.Start_Challenge(*reading.Code)) accept();
}
