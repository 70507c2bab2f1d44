#include "desktop/messages/help_viewer_window.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>

#include "engine/model/help_topics.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/help_style.h"
#include "desktop/parts/window_place.h"

// The document is compiled into a static library; nothing else references it, so the linker
// keeps it only if someone asks for it by name.
static void Load_Help_Resource() { Q_INIT_RESOURCE(help); }

static const QString Anchor_Prefix = QStringLiteral("topic-");

Help_Viewer_Window::Help_Viewer_Window(QWidget* parent) : QWidget(parent, Qt::Window) {
    Load_Help_Resource();
    setWindowTitle(tr("Bullquest Help"));

    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    forward = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
    QAction* home = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Contents"));
    Explain(back, tr("The topic you read before this one (Alt+Left)."));
    Explain(forward, tr("The topic you went back from (Alt+Right)."));
    Explain(home, tr("The first page: how to play, and every topic."));
    if (const QString note = English_Only_Note(); !note.isEmpty()) {
        auto* gap = new QWidget(tools);
        gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        tools->addWidget(gap);
        auto* english_only = new QLabel(note, tools);
        english_only->setObjectName("english_only");
        english_only->setContentsMargins(8, 0, 8, 0);
        tools->addWidget(english_only);
    }
    back->setEnabled(false);
    forward->setEnabled(false);
    // Escape closes the viewer, as it closes every other window of the game.
    auto* close_key = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close_key, &QShortcut::activated, this, &QWidget::close);

    contents = new QListWidget;
    for (const auto& topic : Help_Topic_Table()) {
        auto* item = new QListWidgetItem(Engine_Text(topic.Name), contents);
        item->setData(Qt::UserRole, topic.Context);
    }
    Explain(contents, tr("Help topics"), tr("Every topic of the help; click one to read it."));
    browser = new QTextBrowser;
    Explain(browser, tr("Help text"), tr("The topic you are reading; its links lead to other topics."));
    browser->setOpenExternalLinks(true);
    // The document's headings and shaded boxes are coloured for the palette it is shown in.
    auto style = [this] {
        browser->document()->setDefaultStyleSheet(Help_Style_Sheet(browser->palette()));
        if (!browser->source().isEmpty()) browser->reload();
    };
    style();
    On_Palette_Change(browser, style);

    auto* split = new QSplitter;
    split->addWidget(contents);
    split->addWidget(browser);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 640});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    layout->addWidget(split);

    connect(back, &QAction::triggered, browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { browser->setSource(Topic_Url(1)); });
    connect(browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this, &Help_Viewer_Window::Mark_Contents);
    connect(contents, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        browser->setSource(Topic_Url(item->data(Qt::UserRole).toInt()));
    });
}

QString Help_Viewer_Window::English_Only_Note() {
    const char* const note = QT_TR_NOOP("The help is in English only.");
    const QString said = tr(note);
    // English, or a language without this line yet: nothing to say.
    return said == QLatin1String(note) ? QString() : said;
}

QUrl Help_Viewer_Window::Document_Url() { return QUrl(QStringLiteral("qrc:/help/help.html")); }

QUrl Help_Viewer_Window::Topic_Url(int context) {
    QUrl url = Document_Url();
    url.setFragment(Anchor_Prefix + QString::number(context));
    return url;
}

int Help_Viewer_Window::Context_Of(const QUrl& url) {
    const QString fragment = url.fragment();
    if (!fragment.startsWith(Anchor_Prefix)) return -1;
    bool ok = false;
    const int context = fragment.mid(Anchor_Prefix.size()).toInt(&ok);
    return ok ? context : -1;
}

void Help_Viewer_Window::Show_Topic(int context) {
    bool known = false;
    for (const auto& topic : Help_Topic_Table()) known = known || topic.Context == context;
    browser->setSource(Topic_Url(known ? context : 1));

    // Opened from a modal game window the viewer must be modal itself, or that window would
    // keep it from taking any input; opened from the main window it may stay open beside it.
    // At the first start the main window is not on screen yet: the viewer follows it.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (owner && !owner->isVisible() && !isVisible() && !waited) {
        waited = true;
        QTimer::singleShot(0, this, [this, context] { Show_Topic(context); });
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    if (!isVisible()) Open_Centred();
    show();
    raise();
    activateWindow();
}

void Help_Viewer_Window::Open_Centred() {
    // Its own size where the screen allows, centred on the main window (or on the screen
    // before the main window is shown).
    Open_Centred_On_Owner(this, placed ? size() : QSize(900, 640));
    placed = true;
}

void Help_Viewer_Window::Mark_Contents(const QUrl& url) {
    const int context = Context_Of(url);
    for (int row = 0; row < contents->count(); ++row) {
        QListWidgetItem* item = contents->item(row);
        if (item->data(Qt::UserRole).toInt() == context) {
            contents->setCurrentItem(item);
            return;
        }
    }
}
