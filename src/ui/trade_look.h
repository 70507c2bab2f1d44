#pragma once
// The look the trade windows share: a label that acts as a button turns yellow under the
// mouse and black again over the window.
class QLabel;

void Set_Hover(QLabel* label, bool hovered);
