#include "desktop/guide/guide_panel.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include "engine/model/help_topics.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/engine_text.h"
#include "desktop/main/game_session.h"

namespace {
// Enough notes for any game: twelve kinds, each once, and a reset or two.
constexpr int Most_Notes_Listed = 40;
// The panel's width in characters: the least, and what it opens at where the screen has room.
constexpr int Narrowest_Line = 18, Usual_Line = 34;

// The notes' place: it opens as wide as a usual line, and the player may narrow it to the least.
class Notes_Scroll : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        return {fontMetrics().horizontalAdvance(QString(Usual_Line, 'x')), QScrollArea::sizeHint().height()};
    }
};

QString Note_Html(const Guide_Note& note, const QString& turn) {
    return "<b>" + Guide_Panel::tr("Turn %1").arg(turn).toHtmlEscaped() + "</b><br>" + Engine_Text(note.Text).toHtmlEscaped() +
           "<br><a href=\"#" + QString::number(note.Help_Context) + "\">" +
           Guide_Panel::tr("Help: %1").arg(Engine_Text(note.Help_Topic)).toHtmlEscaped() + "</a>";
}
}  // namespace

Guide_Panel::Guide_Panel(Game_Session& session, QWidget* parent) : QDockWidget(tr("Guide"), parent), session(session) {
    setObjectName("guide");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* scroll = new Notes_Scroll(this);
    scroll->setObjectName("guide_notes");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* list = new QWidget(scroll);
    // The notes are painted on the window's colour, as the board's labels are.
    list->setBackgroundRole(QPalette::Window);
    scroll->viewport()->setBackgroundRole(QPalette::Window);
    notes_layout = new QVBoxLayout(list);
    state = new QLabel(list);
    state->setObjectName("guide_state");
    state->setWordWrap(true);
    notes_layout->addWidget(state);
    notes_layout->addStretch();
    scroll->setWidget(list);
    setWidget(scroll);
    // Narrow enough to fit beside the board on a small screen; wider where there is room.
    scroll->setMinimumWidth(fontMetrics().horizontalAdvance(QString(Narrowest_Line, 'x')));
    connect(&session, &Game_Session::Notes_Shown, this, [this](const std::vector<Guide_Note>& notes) {
        Add_Notes(notes, QString::fromStdString(this->session.State().Turn_Number.Text()));
    });
    connect(&session, &Game_Session::Guide_Turned, this, [this] { Show_State(); });
    Show_State();
    Keep_Focus_Away();
}

QMenu* Guide_Panel::Add_Menu(QMenu* help) {
    QMenu* menu = help->addMenu(tr("&Guide"));
    menu->setObjectName("guide_menu");
    reopen = menu->addAction(tr("&Show the Guide"));
    reopen->setObjectName("guide_show_menu");
    turn = menu->addAction(QString());
    turn->setObjectName("guide_turn_menu");
    reset = menu->addAction(tr("Show &all notes again"));
    reset->setObjectName("guide_reset_menu");
    menu->addSeparator();
    about = menu->addAction(tr("&Help on the Guide"));
    about->setObjectName("guide_help_menu");
    connect(reopen, &QAction::triggered, this, &Guide_Panel::Reopen);
    connect(turn, &QAction::triggered, this, [this] {
        const bool on = !session.Guide().On;
        session.Turn_Guide(on);
        if (!on) Clear();
        Show_State();
        // Turned on, the guide says at once what the game as it stands calls for.
        if (on) session.Show_Due_Notes();
    });
    connect(reset, &QAction::triggered, this, [this] {
        Clear();
        session.Reset_Guide();
        Show_State();
    });
    connect(about, &QAction::triggered, this,
            [this] { session.Windows().Show_Help(Help_Context_Of("The Guide").value_or(1)); });
    Show_State();
    return menu;
}

void Guide_Panel::Start() {
    setVisible(session.Guide().Panel_Open);
    Show_State();
}

void Guide_Panel::Reopen() {
    if (!session.Guide().Panel_Open) session.Keep_Guide_Panel(true);
    show();
    raise();
}

void Guide_Panel::closeEvent(QCloseEvent* event) {
    // Only the player's close comes here: the main window's own close hides its docks.
    QDockWidget::closeEvent(event);
    if (event->isAccepted() && session.Guide().Panel_Open) session.Keep_Guide_Panel(false);
}

QStringList Guide_Panel::Notes() const {
    QStringList texts;
    for (const QLabel* label : shown) {
        QString text = QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        texts << text.replace(QChar::LineSeparator, '\n').replace(QChar::ParagraphSeparator, '\n');
    }
    return texts;
}

void Guide_Panel::Add_Notes(const std::vector<Guide_Note>& notes, const QString& turn) {
    for (const Guide_Note& note : notes) {
        auto* label = new QLabel(Note_Html(note, turn), widget());
        label->setObjectName("guide_note");
        label->setWordWrap(true);
        label->setTextFormat(Qt::RichText);
        label->setFrameShape(QFrame::StyledPanel);
        label->setMargin(4);
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        label->setToolTip(tr("Click the link for the help topic that explains this"));
        connect(label, &QLabel::linkActivated, this,
                [this](const QString& link) { session.Windows().Show_Help(link.mid(1).toInt()); });
        // The newest on top, under the line that says what the panel is.
        notes_layout->insertWidget(1, label);
        shown.insert(shown.begin(), label);
    }
    while (static_cast<int>(shown.size()) > Most_Notes_Listed) {
        delete shown.back();
        shown.pop_back();
    }
    Show_State();
    Keep_Focus_Away();
}

void Guide_Panel::Clear() {
    for (QLabel* label : shown) delete label;
    shown.clear();
}

void Guide_Panel::Show_State() {
    const bool on = session.Guide().On;
    if (!on)
        state->setText(tr("The guide is off. Help > Guide > Turn the guide on brings its notes back."));
    else if (shown.empty())
        state->setText(tr("Notes on what happens in your game come here as you play: a first turn, a split, a crash, "
                          "your first short sale or option..."));
    else
        state->setText(tr("The newest note first:"));
    if (turn) turn->setText(on ? tr("&Turn the guide off") : tr("&Turn the guide on"));
}

void Guide_Panel::Keep_Focus_Away() {
    // The dock's own title buttons included: a click anywhere in the panel leaves the focus
    // where it was.
    setFocusPolicy(Qt::NoFocus);
    for (QWidget* w : findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
    if (auto* close = findChild<QWidget*>("qt_dockwidget_closebutton"))
        Explain(close, tr("Close the guide's panel; Help > Guide > Show the Guide opens it again."));
    if (auto* detach = findChild<QWidget*>("qt_dockwidget_floatbutton"))
        Explain(detach, tr("Take the panel off the main window into a window of its own, or put it back."));
}
