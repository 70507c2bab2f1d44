#pragma once
// What the trade windows share: a label that acts as a button turns yellow under the mouse
// and back over the window; the quantity box has the focus when a window opens; the line
// under it tells what the trade would leave in cash; the row of buttons.
#include <string>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

void Set_Hover(QLabel* label, bool hovered);
// The focus on the box, its whole text selected: a digit typed replaces it.
void Focus_Quantity(QLineEdit* box);
// After a trade or a refusal the box's text is selected, so the next quantity replaces it.
void Select_Quantity(QLineEdit* box);
// The "Cash after" line, room kept for the largest amount so the window does not change size.
QLabel* Make_Cash_After(QWidget* window);
// The engine's caption, or an empty line while the trade would be refused.
void Show_Cash_After(QLabel* line, const std::string& caption);
// The trade button, Done and Help, placed as the platform places accept, reject and help.
QDialogButtonBox* Trade_Buttons(QWidget* window, QPushButton* trade, QPushButton* done, QPushButton* help);
