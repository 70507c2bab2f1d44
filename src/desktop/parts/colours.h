#pragma once
// Every colour the game paints, chosen against the background it is painted on. Every text
// stands out from its background by at least Readable_Contrast, under any palette. The game's
// own colours (red and blue for losses and gains, black for none, yellow under the mouse, the
// four level colours) are painted exactly wherever they are readable; where one is not (the
// yellow and the red on a light window, any of them on a dark one) the nearest shade of its hue
// that is takes its place. Under a dark palette plain text takes the palette's text colour. A
// painted widget follows a change of palette by itself.
#include <functional>

#include <QColor>
#include <QPalette>

#include "engine/model/types.h"

class QRandomGenerator;
class QTableWidgetItem;
class QWidget;

// The least contrast ratio text must have against its background to count as readable.
inline constexpr double Readable_Contrast = 4.5;

// Dark when the palette's window colour is 50% light or darker.
bool Is_Dark(const QPalette& palette);
// The contrast ratio of two colours as the web's accessibility guidelines define it, 1 to 21.
double Contrast_Ratio(const QColor& a, const QColor& b);

// A text colour and, where the text has one of its own, its background.
struct Ink {
    QColor text;
    QColor background;  // invalid: the surroundings show through
};
// Decides a widget's ink from the palette around it.
using Ink_Rule = std::function<Ink(const QPalette& around)>;

// The one rule for a readable colour: `wanted` itself when it stands out from `ground` by the
// contrast asked, or else the shade of the same hue and saturation whose lightness is nearest to
// its own that does; black or white, whichever stands out more, when no shade does.
QColor Nearest_Readable(const QColor& wanted, const QColor& ground, double contrast = Readable_Contrast);
// A game colour, readable on the `background` role of the palette it is painted in.
QColor Game_Colour(const QColor& exact, const QPalette& palette, QPalette::ColorRole background);
// The colour `share` (0..1) of the way from one to the other.
QColor Blend(const QColor& from, const QColor& to, double share);

// The colours of the game, each against the `background` role of the palette it is painted in.
QColor Gain_Colour(Colour colour, const QPalette& palette, QPalette::ColorRole background = QPalette::Window);
QColor Plain_Colour(const QPalette& palette, QPalette::ColorRole background = QPalette::Window);
QColor Hover_Colour(const QPalette& palette);
QColor Difficulty_Colour(int options_on, const QPalette& palette);
// The game-over result's colour of the moment: a colour drawn at random, or the nearest shade of
// its hue readable on the window.
QColor Random_Colour(QRandomGenerator& random, const QPalette& palette);
// The shadow under the game-over result.
QColor Shadow_Colour(const QPalette& palette);
// The moving average's line, on a chart background that runs between the two colours.
QColor Average_Line_Colour(const QPalette& palette, const QColor& chart_light, const QColor& chart_dark);
// A field that refused what the player asked of it, for a moment.
QColor Refusal_Colour(const QPalette& palette, QPalette::ColorRole background = QPalette::Base);

// Inks for Paint.
Ink_Rule Gain_Ink(Colour colour);
Ink_Rule Hover_Ink(bool hovered);
Ink_Rule Difficulty_Ink(int options_on);
// The game-over result: a new random colour at each painting.
Ink_Rule Random_Ink();
// A quotes-board symbol under the mouse: on a yellow ground, in a text colour readable on it.
Ink_Rule Highlight_Ink(bool highlighted);

// Paints the widget's text (and background) by the rule now and at every later change of
// palette; a second call replaces the rule.
void Paint(QWidget* widget, Ink_Rule rule);
// Runs `repaint` at every change of the widget's palette, for what Paint cannot reach (grid
// cells, charts, documents).
void On_Palette_Change(QWidget* widget, std::function<void()> repaint);
// A grid cell that shows a gain or loss, in a grid of this palette.
void Paint_Cell(QTableWidgetItem* item, Colour colour, const QPalette& grid_palette);

// The colours of the game's picture (the About and start windows), which paints its own sky.
struct Picture_Colours {
    QColor sky_top, sky_bottom, grid, line, title, title_shadow;
};
Picture_Colours Picture_Palette();
