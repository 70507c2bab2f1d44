#include "desktop/messages/alert_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "desktop/parts/accessible_text.h"

Alert_Window::Alert_Window(Game_Session& session, QWidget* parent) : Game_Dialog(session, parent) {
    setWindowTitle(tr("Options Expiration Warning!"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* Image1 = new QLabel(this);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    Alert_Text = new QLabel(tr("ALERT! The following option(s) are due to expire the next turn:"), this);
    Alert_Text->setWordWrap(true);
    top->addWidget(Image1);
    top->addWidget(Alert_Text, 1);
    layout->addLayout(top);
    Alert_List = new QListWidget(this);
    Alert_List->setMinimumSize(380, 160);
    Explain(Alert_List, tr("Options about to expire"), tr("The options that lapse at the end of the next turn unless you sell them."));
    layout->addWidget(Alert_List);
    Add_Answer_Button(layout, tr("OK"));
    Keep_Fixed_Size();
}

void Alert_Window::Run(const std::string& caption, const std::string& text, const std::vector<std::string>& lines) {
    setWindowTitle(QString::fromStdString(caption));
    Alert_Text->setText(QString::fromStdString(text));
    Alert_List->clear();
    for (const auto& line : lines) Alert_List->addItem(QString::fromStdString(line));
    Read_Message(this);
    exec();
}
