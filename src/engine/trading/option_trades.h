#pragma once
// The Options window's rules over Game. The window holds an Option_Form (what its controls
// show); these functions set the form up, quote it and trade it. Strike and expiry move only
// through their spin limits; a purchase or sale that is refused returns Trade_Result::Refused
// and the caller beeps.
#include <string>

#include "engine/model/game.h"
#include "engine/model/screens.h"
#include "engine/trading/trade_result.h"
#include "engine/trading/typed_quantity.h"

struct Option_Form {
    int Stock = 0;
    bool Calls = true;
    bool Buy = true;
    int Strike = Lowest_Strike;
    int Expires = 0;
    int Exp_Min = 0, Exp_Max = 0;  // the three expiry turns offered
    Typed_Quantity Number = Read_Quantity("0");
    bool operator==(const Option_Form&) const = default;
};

struct Option_View {
    std::string Stock_Price;
    std::string Premium;
    std::string Max;
    std::string Label6;
    double Price = 0;
    double Premium_Per_Share = 0;
    double Most = 0;  // what a click on the two "Most" labels copies into the box
};

// First expiry turn offered: the next multiple of 10 after the turn.
int First_Expiry(const Game& game);
bool Strike_Allowed(int strike);
bool Expiry_Allowed(const Option_Form& form, int expires);
// The stock selection: the strike nearest the price (down for a call, up for a put) and the
// farthest of the three expiry turns offered.
void Choose_Strike_And_Expiry(const Game& game, Option_Form& form);
// The most contracts of the form's key a purchase (the cash, the limit per stock) or a sale (the
// position held) allows; every option trade is checked against it.
double Most_Contracts(const Game& game, const Option_Form& form);
// Premium and maximum: the captions of the current form.
Option_View Option_Quote(const Game& game, const Option_Form& form);
// One spin click: +1 or -1 step within the limits; false when already at the limit.
bool Spin_Strike(Option_Form& form, int direction);
bool Spin_Exp(Option_Form& form, int direction);
// Buy or sell Number contracts of the form's key. "Too many options positions" goes to
// screens.
Trade_Result Trade_Option(Game& game, const Option_Form& form, Screens& screens);
// What the strike and expiry boxes offer, as a refusal's reason says it.
std::string Strikes_Offered();
std::string Expiries_Offered(const Option_Form& form);
enum class Grid_Close { No_Row, Refused, Ready };
// The option grid's data row (0 = first position): the form set up for closing it. The strike
// and expiry boxes hold only values within their spin limits, so a position they cannot name (a
// strike a split took below 10) is refused and the form left as it was: putting it into the
// boxes would name, and sell, another position.
Grid_Close Prefill_From_Grid(const Game& game, Option_Form& form, int row);
// Why the grid's row cannot be closed from the window.
std::string Grid_Refusal(const Game& game, int row);
