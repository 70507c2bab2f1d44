#pragma once
// The look shared by the game's read-only grids.
#include <QString>

class QTableWidget;

// The width of a column with this title and this designed width (in twips, 15 to a pixel):
// the designed width, or more where this font needs room for the whole title.
int Column_Width(const QTableWidget* grid, const QString& title, int twips);

// Titles and widths from the string table (widths in twips, 15 to a pixel). The designed
// width is a floor: a column grows to fit its title in this font, and a column from
// `first_number` on to fit `widest_number`. Rows are as tall as a line of text; the grid
// takes no selection and no focus. Returns the columns' total width in pixels.
int Lay_Out_Grid(QTableWidget* grid, int first_title, int first_width, int columns, int first_number = -1,
                 const QString& widest_number = {});
