#pragma once
// The symbol list of the chart and research screens, with its up-down arrows beside it.
#include "engine/model/game.h"

class QComboBox;
class QHBoxLayout;
class QWidget;

struct Symbol_Picker {
    QComboBox* list;
    QHBoxLayout* row;  // the list and the arrows, for the window's layout
};

// The 42 symbols (and "Index" after them when asked), which the arrow keys and a typed symbol
// move as in every list; the arrows ("previous" and "next") step through it and stop at its ends.
Symbol_Picker Make_Symbol_Picker(QWidget* owner, const Game& game, bool with_index);
