#include "desktop/messages/help_window.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/model/screens.h"
#include "desktop/parts/accessible_text.h"

Help_Window::Help_Window(Game_Session& session, QWidget* parent)
    : Game_Dialog(session, parent), screens(session.Windows()) {
    setWindowTitle("Help");
    Help_List = new QListWidget;
    Display_Button = new QPushButton("&Display");
    CancelButton = new QPushButton("&Cancel");
    Display_Button->setDefault(true);
    Help_List->setObjectName("topics");
    Display_Button->setObjectName("display");
    CancelButton->setObjectName("cancel");
    Explain(Help_List, "Help topics", "The help topics about this window; double-click one to read it.");
    Explain(Display_Button, "Read the chosen topic in the help (Enter).");
    Explain(CancelButton, "Close this list (Escape).");

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(Display_Button, QDialogButtonBox::AcceptRole);
    buttons->addButton(CancelButton, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
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
    for (const auto& name : topics) Help_List->addItem(QString::fromStdString(name));
    exec();
    Help_List->clear();
}

void Help_Window::Display_Click() {
    std::optional<int> context;
    const auto selected = Help_List->selectedItems();
    if (!selected.isEmpty()) context = Help_Context_Of(selected.front()->text().toStdString());
    // Hidden before the viewer opens, so that the viewer does not take this list for the
    // window it was called from.
    hide();
    if (context) screens.Show_Help(*context);
}
