#include "desktop/messages/commissions_window.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/model/numbers.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/help_button.h"

static QString Grouped(double limit) { return QString::fromStdString(Add_Commas(Number_Text(limit))); }

static QGroupBox* Text_Frame(const QString& caption, const QString& text, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(frame);
    auto* label = new QLabel(text, frame);
    label->setWordWrap(true);
    layout->addWidget(label);
    return frame;
}

Commissions_Window::Commissions_Window(Game_Session& session, QWidget* parent) : Game_Dialog(session, parent) {
    setWindowTitle(tr("Statement Of Commissions And Fees"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text_Frame(tr("Exchange Limitations:"),
                                 tr("There are only %1 shares of stock for each company. Your holdings plus "
                                    "the computers holdings in any one company may not exceede that limit. You may "
                                    "only buy %2 option contracts (calls and puts) on any given stock. You may only "
                                    "sell short %3 shares of stock.")
                                     .arg(Grouped(Stock_Limit), Grouped(Option_Contract_Limit), Grouped(Short_Limit)),
                                 this));
    layout->addWidget(Text_Frame(tr("Commissions:"), tr("No commissions baby!!"), this));
    layout->addWidget(Text_Frame(tr("Margins for Short Selling:"),
                                 tr("You have to put up 50% of the price of the stock, but there are no margin calls!"),
                                 this));
    // The statement's help button has never led anywhere.
    auto* Commissions_Help = Make_Help_Button(this);
    Done_Button = new QPushButton(tr("&Ouch!"), this);
    Done_Button->setDefault(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Done_Button, QDialogButtonBox::AcceptRole);
    buttons->addButton(Commissions_Help, QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    Set_Escape_Button(Done_Button);
    Explain(Done_Button, tr("Close the statement (Enter or Escape)."));
    Read_Message(this);
    // Wrapped text: the height follows from the width, or the longest frame is clipped.
    Keep_Fixed_Size(440);
    connect(Done_Button, &QPushButton::clicked, this, &QDialog::accept);
}

void Commissions_Window::Run() { exec(); }
