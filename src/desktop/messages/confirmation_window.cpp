#include "desktop/messages/confirmation_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "desktop/parts/accessible_text.h"

Confirmation_Window::Confirmation_Window(Game_Session& session, QWidget* parent) : Game_Dialog(session, parent) {
    setWindowTitle(tr("Just Checking"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* Image1 = new QLabel(this);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(48, 48));
    auto* Confirm_Text = new QLabel(tr("Are you sure?"), this);
    top->addWidget(Image1);
    top->addWidget(Confirm_Text, 1);
    layout->addLayout(top);
    Yes = new QPushButton(tr("&Yes"), this);
    No = new QPushButton(tr("&Cancel"), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Yes, QDialogButtonBox::YesRole);
    buttons->addButton(No, QDialogButtonBox::NoRole);
    layout->addWidget(buttons);
    Set_Escape_Button(No);
    Explain(Yes, tr("Go ahead."));
    Explain(No, tr("Keep things as they are (Escape)."));
    Read_Message(this);
    // As wide as the caller's title, which comes with each question.
    Keep_Fixed_Size();
    connect(Yes, &QPushButton::clicked, this, [this] {
        confirmed = true;
        accept();
    });
    connect(No, &QPushButton::clicked, this, [this] {
        confirmed = false;
        done(QDialog::Rejected);
    });
}

bool Confirmation_Window::Run(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
    confirmed = false;
    No->setFocus();
    exec();
    return confirmed;
}
