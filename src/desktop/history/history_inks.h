#pragma once
// The History chart's colours, chosen against the chart's own ground (its theme's background,
// plain or running from one colour to another) rather than the window's: the player's line in
// the game's gain blue, the computer's in its loss red, the crash marks in amber, apart from
// both; the index, the goal and the tax marks in the plain colour.
#include <QBrush>
#include <QColor>
#include <QPalette>

struct History_Inks {
    QColor you, computer, index, goal, crash, tax;
};

// What a line or a mark needs against its ground to be made out; text needs more.
inline constexpr double Line_Contrast = 3.0;

History_Inks Chart_Inks(const QPalette& palette, const QBrush& chart_ground);

class QChart;
// The chart emptied of its series and axes, to be drawn anew in the theme of `palette`.
void Clear_Chart(QChart* chart, const QPalette& palette);
