#include "desktop/trading/trade_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "engine/model/numbers.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/clickable_label.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/help_button.h"
#include "desktop/parts/list_keys.h"
#include "desktop/parts/number_keys.h"
#include "desktop/parts/refusal.h"

Trade_Window::Trade_Window(Game_Session& session, const QString& title, const QString& prompt,
                           QWidget* parent)
    : Game_Dialog(session, parent), screens(session.Windows()) {
    setWindowTitle(title);
    setMouseTracking(true);
    grid = new QGridLayout(this);
    list_prompt = new QLabel(prompt, this);
    grid->addWidget(list_prompt, 0, 0);
    symbol = new QComboBox(this);
    symbol->setObjectName("symbol");
    Explain(symbol, tr("Stock"), tr("The stock to trade: the arrows or the first letters of its symbol choose another."));
    for (const std::string& s : game.Symbol) symbol->addItem(QString::fromStdString(s));
    // The first symbol stays chosen, as after every new game; it is computed on opening.
    list_keys = new List_Keys(symbol);
    list_prompt->setBuddy(symbol);  // a screen reader says the prompt with the list
    grid->addWidget(symbol, 0, 1);
    connect(symbol, &QComboBox::currentIndexChanged, this, [this] {
        Show_Reason({});
        Symbol_Click();
    });
}

void Trade_Window::Add_Quantity(int row, const QString& prompt, const QString& text, bool recompute_on_key_up) {
    quantity_prompt = new QLabel(prompt, this);
    grid->addWidget(quantity_prompt, row, 0);
    quantity = new QLineEdit(text, this);
    quantity->setObjectName("quantity");
    quantity->setAccessibleName(QString(prompt).remove('?').remove(':'));
    std::function<void()> on_key_up;
    if (recompute_on_key_up) on_key_up = [this] { Symbol_Click(); };
    auto* keys = new Number_Keys(quantity, screens, on_key_up);
    keys->Lock_While_Held(list_keys);
    grid->addWidget(quantity, row, 1);
}

void Trade_Window::Add_Cash_After(int row) {
    cash_after = new QLabel(this);
    cash_after->setObjectName("cash_after");
    Explain(cash_after, tr("The cash the trade would leave you; empty while it would be refused."));
    // Room for the largest amount, so the window does not change size.
    cash_after->setMinimumWidth(cash_after->fontMetrics().horizontalAdvance(Engine_Text("Cash after: $-000,000,000,000,000")));
    cash_after->setMinimumHeight(cash_after->fontMetrics().height());
    grid->addWidget(cash_after, row, 1);
    reason = new QLabel(this);
    reason->setObjectName("reason");
    reason->setWordWrap(true);
    // Two lines' room, kept when empty, so that a refusal does not make the window grow.
    reason->setMinimumHeight(2 * reason->fontMetrics().lineSpacing());
    reason->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Paint(reason, Gain_Ink(Colour::Red));
    grid->addWidget(reason, row + 1, 0, 1, -1);
    connect(quantity, &QLineEdit::textChanged, this, [this] {
        Show_Reason({});
        Show_Cash_After();
    });
}

void Trade_Window::Show_Reason(const std::string& text) {
    if (reason) reason->setText(Engine_Text(text));
}

void Trade_Window::Add_Price() {
    price = new QLabel(this);
    price->setObjectName("price");
    Explain(price, tr("The stock's price this turn, a share."));
    grid->addWidget(price, 0, 2);
}

void Trade_Window::Show_Price(const QString& text) {
    if (price) price->setText(text);
}

void Trade_Window::Show_Cash_After() {
    if (cash_after) cash_after->setText(Engine_Text(Cash_After()));
}

void Trade_Window::Copies_Into_Box(Clickable_Label* label, std::function<std::optional<double>()> number) {
    copying_labels.push_back(label);
    Explain(label, tr("Click to put this number in the box."));
    connect(label, &Clickable_Label::Hovered, this, [this] {
        for (Clickable_Label* l : copying_labels) l->Light(true);
    });
    connect(label, &Clickable_Label::Clicked, this, [this, number = std::move(number)] {
        if (const std::optional<double> n = number()) Set_Quantity(Number_Text(*n));
    });
}

void Trade_Window::Add_Buttons(int row, const QString& trade_caption, Help_Owner help) {
    auto* trade = new QPushButton(trade_caption, this);
    trade->setObjectName("trade");
    auto* done = new QPushButton(tr("&Done"), this);
    done->setObjectName("done");
    QPushButton* help_button = Make_Help_Button(this);
    // Placed as the platform places accept, reject and help.
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(trade, QDialogButtonBox::AcceptRole);
    buttons->addButton(done, QDialogButtonBox::RejectRole);
    buttons->addButton(help_button, QDialogButtonBox::HelpRole);
    trade->setDefault(true);
    Explain(trade, tr("Make the trade in the box (Enter). A trade never ends the turn."));
    Explain(done, tr("Close this window (Escape)."));
    grid->addWidget(buttons, row, 0, 1, 2);
    Set_Escape_Button(done);
    Keep_Fixed_Size();

    connect(trade, &QPushButton::clicked, this, [this] { Trade(); });
    connect(done, &QPushButton::clicked, this, &QDialog::hide);
    connect(help_button, &QPushButton::clicked, this, [this, help] { Run_Help(this->session, this, help); });
}

int Trade_Window::Stock() const { return symbol->currentIndex(); }

void Trade_Window::Choose(int stock) {
    const QSignalBlocker blocker(symbol);
    symbol->setCurrentIndex(stock);
}

void Trade_Window::Select_First() {
    Choose(0);
    Symbol_Click();
}

void Trade_Window::Set_Quantity(const std::string& text) { quantity->setText(QString::fromStdString(text)); }

std::string Trade_Window::Quantity() const { return quantity->text().toStdString(); }

Typed_Quantity Trade_Window::Typed() const { return Read_Quantity(Quantity()); }

void Trade_Window::Show_Modal() {
    if (Stock() >= 0) Symbol_Click();
    Run_Modal();
}

void Trade_Window::Run_Modal() {
    quantity->setFocus(Qt::OtherFocusReason);
    quantity->selectAll();
    exec();
}

void Trade_Window::Settle(Trade_Result result, const std::function<void()>& recompute) {
    quantity->selectAll();
    if (result == Trade_Result::Refused) {
        Refuse(screens, quantity);
        Show_Reason(result.Reason());
        return;
    }
    recompute();
    emit Trade_Done();
}

void Trade_Window::mouseMoveEvent(QMouseEvent* event) {
    for (Clickable_Label* l : copying_labels) l->Light(false);
    Game_Dialog::mouseMoveEvent(event);
}
