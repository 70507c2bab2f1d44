#pragma once
// What the Buy, Sell, Short and Options windows share: the symbol list on top, the quantity
// box, the labels that copy a number into the box, the line that tells the cash a trade would
// leave, and the row of the trade button, Done and Help. Each window adds its own rows between
// them and says how it recomputes and trades. Tests and the gallery find the controls by their
// object names, as a player finds them by their captions.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/help_topics.h"
#include "engine/trading/trade_result.h"
#include "engine/trading/typed_quantity.h"
#include "desktop/parts/game_dialog.h"

class Clickable_Label;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class Screens;

class Trade_Window : public Game_Dialog {
    Q_OBJECT
public:
    // Recomputes the window for the chosen stock, also after a timed turn while it is open;
    // nothing before a stock is chosen.
    virtual void Symbol_Click() = 0;
    // A new game or a load: the first stock, recomputed.
    void Select_First();

signals:
    // A trade went through: the main window shows the new cash and holdings.
    void Trade_Done();

protected:
    // The title, and the symbol list with its prompt on the first row.
    Trade_Window(Game_Session& session, const QString& title, const QString& prompt, QWidget* parent);

    // The quantity box with its prompt. With recompute_on_key_up every key released in the box
    // recomputes the window.
    void Add_Quantity(int row, const QString& prompt, const QString& text, bool recompute_on_key_up);
    // The line under the box: what pressing the trade button would leave in cash, empty while
    // the trade would be refused. Kept up to date as the box changes. Below it, on row + 1,
    // the reason of the last refusal, until the box or the stock changes.
    void Add_Cash_After(int row);
    // Beside the symbol list: the stock's price (and what else the window's trade needs of it).
    void Add_Price();
    void Show_Price(const QString& text);
    virtual std::string Cash_After() const { return {}; }
    void Show_Cash_After();
    // A click on the label puts its number (when it has one) into the box. All of a window's
    // copying labels light up together under the mouse.
    void Copies_Into_Box(Clickable_Label* label, std::function<std::optional<double>()> number);
    // The trade button (the default), Done (Escape) and Help with the window's topics; the
    // window keeps its size from here on.
    void Add_Buttons(int row, const QString& trade_caption, Help_Owner help);
    virtual void Trade() = 0;

    int Stock() const;
    // Chooses the stock without recomputing: the caller recomputes once.
    void Choose(int stock);
    void Set_Quantity(const std::string& text);
    std::string Quantity() const;
    // What the box holds, as the trades read it.
    Typed_Quantity Typed() const;
    // The window recomputed for its stock, the box in focus with its text selected, then modal.
    void Show_Modal();
    void Run_Modal();
    // Refused: the beep and the box flashing. Done: recompute, and tell the main window.
    // Either way the box's text is selected, so the next quantity replaces it.
    void Settle(Trade_Result result, const std::function<void()>& recompute);

    void mouseMoveEvent(QMouseEvent* event) override;

    Screens& screens;
    QGridLayout* grid;
    QComboBox* symbol;
    QLineEdit* quantity = nullptr;
    QLabel* cash_after = nullptr;
    QLabel* reason = nullptr;
    QLabel* price = nullptr;
    QLabel* list_prompt;
    QLabel* quantity_prompt = nullptr;

private:
    void Show_Reason(const std::string& text);
    class List_Keys* list_keys;
    std::vector<Clickable_Label*> copying_labels;
};
