#pragma once
// The look shared by the game's read-only grids.
#include <string>
#include <vector>

#include <QString>

#include "engine/model/constants.h"

class QTableWidget;

// What a column holds: texts sit on the left, numbers on the right, and a change in percent
// is also coloured by its sign, like every gain and loss of the game.
enum class Cell { Text, Number, Change };
using Column_Kinds = std::vector<Cell>;

// The width of a column with this title and this designed width (in twips, 15 to a pixel):
// the designed width, or more where this font needs room for the whole title.
int Column_Width(const QTableWidget* grid, const QString& title, int twips);

// Titles and widths from the string table (widths in twips, 15 to a pixel). The designed
// width is a floor: a column grows to fit its title in this font, and a column from
// `first_number` on to fit `widest_number`. Rows are as tall as a line of text; the grid
// takes no selection and no focus. Returns the columns' total width in pixels.
int Lay_Out_Grid(QTableWidget* grid, String_Id titles, String_Id widths, int columns, int first_number = -1,
                 const QString& widest_number = {});

// Writes one cell of a column of this kind.
void Put_Cell(QTableWidget* grid, int row, int column, const std::string& text, Cell kind);
// Keeps the grid's changes coloured for its palette, also after the palette changes.
void Keep_Cells_Painted(QTableWidget* grid);
