#include "desktop/messages/tax_window.h"

#include <cmath>

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "desktop/parts/accessible_text.h"

Tax_Window::Tax_Window(Game_Session& session, QWidget* parent) : Game_Dialog(session, parent) {
    setWindowTitle(tr("Uncle Sam!"));
    auto* layout = new QVBoxLayout(this);
    auto* Frame1 = new QGroupBox(tr("Something To Brighten Your Day:"), this);
    auto* frame = new QVBoxLayout(Frame1);
    auto* Label1 = new QLabel(tr("The following %1% capital gains taxes were levied for this last %2 turns!!")
                                  .arg(std::lround(Tax_Rate * 100))
                                  .arg(Tax_Period),
                              Frame1);
    Label1->setWordWrap(true);
    frame->addWidget(Label1);
    auto* values = new QFormLayout;
    You = new QLabel("0", Frame1);
    Computer = new QLabel("0", Frame1);
    values->addRow(tr("You:"), You);
    values->addRow(tr("Computer:"), Computer);
    Explain(You, tr("The tax taken from your cash on the gains you made in these turns."));
    Explain(Computer, tr("The tax taken from the computer's cash on its gains."));
    frame->addLayout(values);
    layout->addWidget(Frame1);
    Add_Answer_Button(layout, tr("Oh My &God!"));
    Keep_Fixed_Size(360);
}

void Tax_Window::Run(const std::string& you, const std::string& computer) {
    Show_Figure(You, tr("Your tax"), QString::fromStdString(you));
    Show_Figure(Computer, tr("Computer's tax"), QString::fromStdString(computer));
    Read_Message(this);
    exec();
}
