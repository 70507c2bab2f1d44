#pragma once
// How every window shows a gain or a loss. By default its colour alone says which: the game's
// red and blue (colours.h). The player may add an arrow beside it, ▲ for a gain and ▼ for a
// loss, and may swap red and blue for an orange and a blue that stay apart for the common
// colour-blindnesses, readable against their ground in light and dark palettes alike.
//
// The look is one for the whole program, as the palette is: a view of the game, never part of
// its texts or its files. A change of look repaints every change on screen at once.
#include <functional>

#include <QColor>
#include <QPalette>
#include <QString>

#include "engine/model/types.h"

class QLabel;
class QObject;

struct Change_Look {
    bool Arrows = false;
    bool Safe_Colours = false;
    bool operator==(const Change_Look&) const = default;
};

Change_Look Current_Change_Look();
// Shows every change on screen anew in this look.
void Use_Change_Look(const Change_Look& look);
// `repaint` runs after every change of look, for as long as `owner` lives.
void On_Change_Look(QObject* owner, std::function<void()> repaint);

inline const QString Gain_Arrow = QStringLiteral("\u25B2");
inline const QString Loss_Arrow = QStringLiteral("\u25BC");

// The text as shown: with arrows on, a gain's or a loss's arrow and a space before it; a text
// of no change, or with arrows off, as it is.
QString Change_Text(const QString& text, Colour sign);
// The colour of a gain, a loss or none, against the `background` role of the palette.
QColor Change_Colour(Colour sign, const QPalette& palette, QPalette::ColorRole background = QPalette::Window);

// A label that shows a change: its text and colour now, and again after every change of
// look or palette.
void Show_Change(QLabel* label, const QString& text, Colour sign);
