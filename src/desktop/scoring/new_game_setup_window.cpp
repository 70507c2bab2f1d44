#include "desktop/scoring/new_game_setup_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "engine/model/challenge_record.h"
#include "engine/model/screens.h"
#include "engine/scoring/new_game_setup.h"
#include "desktop/parts/accessible_text.h"
#include "engine/trading/stock_trades.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/help_button.h"
#include "desktop/parts/refusal.h"

// A news slider with its value beside it, in a place that shows "Random" instead when the
// settings are drawn at Go; the place is as large either way, so the window keeps its size.
static QStackedWidget* News_Slider(QWidget* parent, QSlider*& slider) {
    auto* place = new QStackedWidget(parent);
    auto* shown = new QWidget(place);
    auto* row = new QHBoxLayout(shown);
    row->setContentsMargins(0, 0, 0, 0);
    slider = new QSlider(Qt::Horizontal, shown);
    slider->setRange(1, 10);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    slider->setMinimumWidth(160);
    auto* value = new QLabel(shown);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance("10") + 4);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QObject::connect(slider, &QSlider::valueChanged, value, [value](int v) {
        Show_Figure(value, QCoreApplication::translate("New_Game_Setup_Window", "Setting"), QString::number(v));
    });
    Show_Figure(value, QCoreApplication::translate("New_Game_Setup_Window", "Setting"), QString::number(slider->value()));
    Explain(value, QCoreApplication::translate("New_Game_Setup_Window", "The slider's setting, from 1 to 10."));
    row->addWidget(slider, 1);
    row->addWidget(value);
    place->addWidget(shown);
    place->addWidget(new QLabel(QCoreApplication::translate("New_Game_Setup_Window", "Random"), place));
    return place;
}

New_Game_Setup_Window::New_Game_Setup_Window(Game_Session& session, QWidget* parent)
    : Game_Dialog(session, parent) {
    setWindowTitle(tr("New Game Setup"));
    // Two columns, so that the window fits a small screen: the game on the left, the news on
    // the right.
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    layout->addLayout(columns);

    Frame3 = new QGroupBox(tr("Game Length:"), this);
    auto* length = new QFormLayout(Frame3);
    Play_To = new QComboBox(Frame3);
    for (int i = 0; i < 4; ++i) Play_To->addItem(Engine_Text(Play_To_Texts[i]), Play_To_Digits[i]);
    length->addRow(tr("Play To:"), Play_To);
    left->addWidget(Frame3);

    Frame1 = new QGroupBox(tr("Difficulty Options:"), this);
    auto* difficulty = new QVBoxLayout(Frame1);
    Short = new QCheckBox(tr("Allow computer to sell stocks short."), Frame1);
    Short->setObjectName("computer_short");
    Options = new QCheckBox(tr("Allow computer to trade options"), Frame1);
    Time_Limit = new QCheckBox(tr("%1 second per turn time limit").arg(Turn_Seconds), Frame1);
    difficulty->addWidget(Short);
    difficulty->addWidget(Options);
    difficulty->addWidget(Time_Limit);
    auto* handicap_row = new QFormLayout;
    Handicap = new QComboBox(Frame1);
    for (int i = 0; i < 4; ++i) Handicap->addItem(Engine_Text(Handicap_Texts[i]), Handicap_Cash[i]);
    handicap_row->addRow(tr("Handicap:"), Handicap);
    Level_Indicator = new QLabel(Frame1);
    QFont level_font = Level_Indicator->font();
    level_font.setBold(true);
    level_font.setPointSizeF(level_font.pointSizeF() * 1.4);
    Level_Indicator->setFont(level_font);
    // As wide as the longest level, which a click may bring while the window is open.
    int widest = 0;
    for (int level = 0; level < 4; ++level)
        widest = std::max(widest, QFontMetrics(level_font).horizontalAdvance(Engine_Text(Level_Caption(level))));
    Level_Indicator->setMinimumWidth(widest);
    handicap_row->addRow(tr("Resulting Difficulty Level:"), Level_Indicator);
    difficulty->addLayout(handicap_row);
    left->addWidget(Frame1);
    left->addStretch();

    Frame2 = new QGroupBox(tr("News Settings:"), this);
    auto* news = new QVBoxLayout(Frame2);
    const QString slider_texts[3] = {tr("Frequency of news events:"), tr("News effects on the market:"), tr("Earnings effects:")};
    QSlider** sliders[3] = {&Frequency_Slider, &Power_Slider, &Earnings_Slider};
    for (int i = 0; i < 3; ++i) {
        slider_labels[i] = new QLabel(slider_texts[i], Frame2);
        news->addWidget(slider_labels[i]);
        slider_places[i] = News_Slider(Frame2, *sliders[i]);
        (*sliders[i])->setAccessibleName(QString(slider_texts[i]).remove(':'));
        news->addWidget(slider_places[i]);
    }
    Suprise = new QCheckBox(tr("Random News Settings"), Frame2);
    Suprise->setObjectName("random_news");
    news->addWidget(Suprise);
    news->addStretch();
    columns->addWidget(Frame2);

    // A challenge: the code given by a friend deals its own market with its own settings.
    auto* challenge = new QGroupBox(tr("Challenge:"), this);
    auto* challenge_rows = new QGridLayout(challenge);
    auto* code_label = new QLabel(tr("Challenge &code:"), challenge);
    Code_Box = new QLineEdit(challenge);
    Code_Box->setObjectName("challenge_code");
    Code_Box->setPlaceholderText(tr("empty: an ordinary game"));
    Code_Box->setMaxLength(64);
    Code_Box->setMinimumWidth(std::max(Code_Box->fontMetrics().horizontalAdvance("MMMM-MMMM-MMMM"),
                                       Code_Box->fontMetrics().horizontalAdvance(Code_Box->placeholderText())) + 24);
    code_label->setBuddy(Code_Box);
    Explain(Code_Box, tr("A challenge code deals the market, news and computer of that code with its settings, the same "
                         "for everyone who plays it. Leave it empty for an ordinary game."));
    challenge_rows->addWidget(code_label, 0, 0);
    challenge_rows->addWidget(Code_Box, 0, 1);
    Last_Code = new QLabel(challenge);
    Last_Code->setObjectName("last_challenge");
    Last_Code->setTextInteractionFlags(Qt::TextSelectableByMouse);
    challenge_rows->addWidget(Last_Code, 0, 2);
    challenge_rows->setColumnStretch(2, 1);
    Code_Line = new QLabel(challenge);
    Code_Line->setObjectName("challenge_line");
    Code_Line->setWordWrap(true);
    Code_Line->setMinimumHeight(Code_Line->fontMetrics().lineSpacing());
    challenge_rows->addWidget(Code_Line, 1, 0, 1, 3);
    layout->addWidget(challenge);

    Wait_Label = new QLabel(this);
    Wait_Label->setMinimumHeight(Wait_Label->fontMetrics().height());
    Status = new QProgressBar(this);
    Status->setRange(0, 100);
    Status->setValue(0);
    Explain(Status, tr("Market being built"), tr("How far the new market's past has been built; the game starts when the bar is full."));
    Explain(Level_Indicator, tr("The level the difficulty options make: the more of them on, the higher the level. Each level keeps its own winners."));
    Play_To->setAccessibleName(tr("Play to"));
    Handicap->setAccessibleName(tr("Handicap"));
    layout->addWidget(Wait_Label);
    layout->addWidget(Status);

    auto* New_Game_Help = Make_Help_Button(this);
    OKButton = new QPushButton(tr("&Go!"), this);
    OKButton->setObjectName("go");
    OKButton->setDefault(true);
    Explain(OKButton, tr("Start the game with these settings (Enter)."));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OKButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(New_Game_Help, QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    // Only Go leaves the window: Escape does nothing here.
    Keep_Fixed_Size();

    Tell_What_Each_Makes_Harder();

    connect(Short, &QCheckBox::clicked, this, &New_Game_Setup_Window::Difficulty_Changed);
    connect(Options, &QCheckBox::clicked, this, &New_Game_Setup_Window::Difficulty_Changed);
    connect(Time_Limit, &QCheckBox::clicked, this, &New_Game_Setup_Window::Difficulty_Changed);
    connect(Suprise, &QCheckBox::clicked, this, &New_Game_Setup_Window::Random_News_Changed);
    connect(New_Game_Help, &QPushButton::clicked, this,
            [this] { Run_Help(this->session, this, Help_Owner::New_Game); });
    connect(OKButton, &QPushButton::clicked, this, &New_Game_Setup_Window::Go_Clicked);
    connect(Code_Box, &QLineEdit::textEdited, this, &New_Game_Setup_Window::Code_Edited);
    Show_Settings(game.Setup);
}

void New_Game_Setup_Window::Tell_What_Each_Makes_Harder() {
    const QString computer_cash = QString::fromStdString(Money_Text(Starting_Cash));
    Explain(Play_To, tr("The net worth that wins. A higher goal makes a longer game, with more turns for the computer "
                        "to get there first."));
    Explain(Handicap, tr("Cash you start with beyond the computer's %1: a head start, so None is the hardest. It does "
                         "not change the difficulty level; the winners circle shows it beside your score.")
                          .arg(computer_cash));
    // Each tip one whole text, the closing sentence on the level included, for the translator.
    Explain(Short, tr("The computer may sell short too, so it gains when prices fall as well as when they rise: a "
                      "harder opponent. It counts towards the difficulty level, under which a win enters the "
                      "winners circle."));
    Explain(Options, tr("The computer may buy calls and puts too, which can multiply its gains: a harder opponent. "
                        "It counts towards the difficulty level, under which a win enters the winners circle."));
    Explain(Time_Limit, tr("Each turn ends by itself after %1 seconds, traded or not: less time to look and think. "
                           "It counts towards the difficulty level, under which a win enters the winners circle.")
                            .arg(Turn_Seconds));
    Explain(Frequency_Slider, tr("How often news comes out. More news makes prices jump more often, so the market is "
                                 "harder to foresee."));
    Explain(Power_Slider, tr("How far each news event moves prices and trends. Stronger news means larger sudden "
                             "gains and losses."));
    Explain(Earnings_Slider, tr("How far an earnings report moves its company's price. Stronger effects make "
                                "holding a stock through its report riskier."));
    Explain(Suprise, tr("The three news settings are drawn at random when you press Go!, so you play without knowing "
                        "how wild the news will be."));
}

void New_Game_Setup_Window::Show_Settings(const Settings& setup) {
    Play_To->setCurrentIndex(setup.Play_To & 3);
    Handicap->setCurrentIndex(setup.Handicap & 3);
    Short->setChecked(setup.Short == 1);
    Options->setChecked(setup.Options == 1);
    Time_Limit->setChecked(setup.Time_Limit == 1);
    Suprise->setChecked(setup.Suprise == 1);
    Frequency_Slider->setValue(setup.Frequency_Slider);
    Power_Slider->setValue(setup.Power_Slider);
    Earnings_Slider->setValue(setup.Earnings_Slider);
    Random_News_Changed();
    // The level shows what the last click left, even after a loaded game changed the boxes.
    Show_Level(level_shown);
}

void New_Game_Setup_Window::Code_Edited() {
    const Code_Reading reading = Read_Code(Code_Box->text().toStdString());
    if (reading.Code) {
        if (!own) own = Chosen();
        Settings shown = Code_Settings(*reading.Code, game.Setup);
        Show_Settings(shown);
        Show_Level(Difficulty_Options_On(shown));
        Code_Line->setText(tr("Go! deals the challenge %1 with its own settings, shown above.")
                               .arg(QString::fromStdString(Code_Text(*reading.Code))));
    } else {
        if (own) {
            Show_Settings(*own);
            own.reset();
        }
        Code_Line->setText(tr("A friend's code deals the same market, news and computer as theirs."));
    }
    Paint(Code_Line, Gain_Ink(Colour::Black));
    for (QWidget* settings : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2), static_cast<QWidget*>(Frame3)})
        settings->setEnabled(!own);
}

void New_Game_Setup_Window::Difficulty_Changed() {
    level_shown = Difficulty_Options_On(Chosen());
    Show_Level(level_shown);
}

void New_Game_Setup_Window::Show_Level(int options_on) {
    Level_Indicator->setText(Engine_Text(Level_Caption(options_on)));
    Paint(Level_Indicator, Difficulty_Ink(options_on));
}

void New_Game_Setup_Window::Random_News_Changed() {
    bool random = Suprise->isChecked();
    for (QStackedWidget* place : slider_places) place->setCurrentIndex(random ? 1 : 0);
}

Settings New_Game_Setup_Window::Chosen() const {
    Settings setup = game.Setup;
    setup.Play_To = Play_To->currentIndex();
    setup.Handicap = Handicap->currentIndex();
    setup.Short = Short->isChecked() ? 1 : 0;
    setup.Options = Options->isChecked() ? 1 : 0;
    setup.Time_Limit = Time_Limit->isChecked() ? 1 : 0;
    setup.Suprise = Suprise->isChecked() ? 1 : 0;
    setup.Frequency_Slider = Frequency_Slider->value();
    setup.Power_Slider = Power_Slider->value();
    setup.Earnings_Slider = Earnings_Slider->value();
    return setup;
}

Settings New_Game_Setup_Window::Run() {
    Show_Settings(game.Setup);
    // An ordinary game unless a code is typed; the last challenge's code, to play it again.
    typed.reset();
    own.reset();
    Code_Box->clear();
    Code_Edited();
    Last_Code->setText(game.Last_Challenge ? tr("Last: %1").arg(QString::fromStdString(Code_Text(game.Last_Challenge->Code)))
                                           : QString());
    Wait_Label->clear();
    OKButton->setEnabled(true);
    // Not exec(): the window stays up after Go, showing the market build until it is done.
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    waiting = &loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec();
    waiting = nullptr;
    return Chosen();
}

void New_Game_Setup_Window::Go_Clicked() {
    typed.reset();
    if (!Code_Box->text().trimmed().isEmpty()) {
        const Code_Reading reading = Read_Code(Code_Box->text().toStdString());
        if (!reading.Code) {
            // Nothing starts: the player corrects the code, or empties the box.
            Refuse(session.Windows(), Code_Box);
            Code_Line->setText(Engine_Text(Code_Problem_Text(reading.Problem)));
            Paint(Code_Line, Gain_Ink(Colour::Red));
            return;
        }
        typed = reading.Code;
        Code_Box->setText(QString::fromStdString(Code_Text(*typed)));
    }
    Wait_Label->setText(tr("Please Wait..."));
    OKButton->setEnabled(false);
    if (waiting) waiting->quit();
}

void New_Game_Setup_Window::Set_Progress(int value) {
    Status->setValue(value);
    if (!isVisible()) return;
    // The build runs without returning to the event loop: paint the bar now.
    Status->repaint();
    Wait_Label->repaint();
    if (value < 100) return;
    // The build is over: the random news settings drawn at Go are now on the sliders.
    own.reset();
    Show_Settings(game.Setup);
    Wait_Label->clear();
    OKButton->setEnabled(true);
    hide();
}
