#pragma once
// The symbol list of the chart and research screens, with its up-down arrows beside it.
#include "core/game.h"

class QComboBox;
class QHBoxLayout;
class QToolButton;
class QWidget;

struct Symbol_Picker {
    QComboBox* list;
    QToolButton* arrows[2];  // previous entry, next entry
    QHBoxLayout* row;        // the list and the arrows, for the window's layout
};

// The 42 symbols (and "Index" after them when asked), locked while a key is down; the arrows
// step through the list and stop at its ends.
Symbol_Picker Make_Symbol_Picker(QWidget* owner, const Game& game, bool with_index);
