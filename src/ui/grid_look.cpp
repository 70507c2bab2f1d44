#include "ui/grid_look.h"

#include <algorithm>

#include <QHeaderView>
#include <QTableWidget>

#include "core/numbers.h"
#include "ui/resources/string_table.h"

constexpr int Twips_Per_Pixel = 15;

int Lay_Out_Grid(QTableWidget* grid, int first_title, int first_width, int columns, int first_number,
                 const QString& widest_number) {
    grid->setColumnCount(columns);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    int width = 0;
    for (int c = 0; c < columns; ++c) {
        grid->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromStdString(String_Table(first_title + c))));
        int pixels = static_cast<int>(Leading_Number(String_Table(first_width + c))) / Twips_Per_Pixel;
        pixels = std::max(pixels, grid->horizontalHeader()->sectionSizeHint(c));
        if (first_number >= 0 && c >= first_number)
            pixels = std::max(pixels, grid->fontMetrics().horizontalAdvance(widest_number) + 12);
        grid->setColumnWidth(c, pixels);
        width += pixels;
    }
    return width;
}
