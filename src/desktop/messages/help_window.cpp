#include "desktop/messages/help_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/model/screens.h"
#include "desktop/messages/help_viewer_window.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/engine_text.h"

Help_Window::Help_Window(Game_Session& session, QWidget* parent)
    : Game_Dialog(session, parent), screens(session.Windows()) {
    setWindowTitle(tr("Help"));
    Help_List = new QListWidget;
    Display_Button = new QPushButton(tr("&Display"));
    CancelButton = new QPushButton(tr("&Cancel"));
    Display_Button->setDefault(true);
    Help_List->setObjectName("topics");
    Display_Button->setObjectName("display");
    CancelButton->setObjectName("cancel");
    Explain(Help_List, tr("Help topics"), tr("The help topics about this window; double-click one to read it."));
    Explain(Display_Button, tr("Read the chosen topic in the help (Enter)."));
    Explain(CancelButton, tr("Close this list (Escape)."));

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(Display_Button, QDialogButtonBox::AcceptRole);
    buttons->addButton(CancelButton, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    // The topics' names are translated, the document they open is not: said before it opens.
    if (const QString note = Help_Viewer_Window::English_Only_Note(); !note.isEmpty()) {
        auto* english_only = new QLabel(note, this);
        english_only->setObjectName("english_only");
        english_only->setWordWrap(true);
        layout->addWidget(english_only);
    }
    layout->addWidget(Help_List);
    layout->addWidget(buttons);
    Set_Escape_Button(CancelButton);
    resize(320, 240);

    connect(Display_Button, &QPushButton::clicked, this, &Help_Window::Display_Click);
    connect(Help_List, &QListWidget::itemDoubleClicked, this, &Help_Window::Display_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QWidget::hide);
}

void Help_Window::Run(const std::vector<std::string>& topics) {
    Help_List->clear();
    for (const auto& name : topics) {
        // Shown in the language in use, found again by the name the document knows it by.
        auto* item = new QListWidgetItem(Engine_Text(name), Help_List);
        item->setData(Qt::UserRole, QString::fromStdString(name));
    }
    exec();
    Help_List->clear();
}

void Help_Window::Display_Click() {
    std::optional<int> context;
    const auto selected = Help_List->selectedItems();
    if (!selected.isEmpty()) context = Help_Context_Of(selected.front()->data(Qt::UserRole).toString().toStdString());
    // Hidden before the viewer opens, so that the viewer does not take this list for the
    // window it was called from.
    hide();
    if (context) screens.Show_Help(*context);
}
