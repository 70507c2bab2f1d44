#include "desktop/parts/grid_look.h"

#include <algorithm>

#include <QHeaderView>
#include <QTableWidget>

#include "engine/model/numbers.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/change_look.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"
#include "engine/model/string_table.h"

constexpr int Twips_Per_Pixel = 15;
constexpr int Kind_Role = Qt::UserRole + 1;
constexpr int Plain_Text_Role = Qt::UserRole + 2;  // a change as the game wrote it, without an arrow

namespace {
void Paint_Change(QTableWidget* grid, QTableWidgetItem* item) {
    const QString plain = item->data(Plain_Text_Role).toString();
    if (plain.isEmpty()) return;
    const Colour sign = Sign_Colour(Leading_Number(plain.toStdString()));
    item->setText(Change_Text(plain, sign));
    item->setForeground(Change_Colour(sign, grid->palette(), QPalette::Base));
}
}  // namespace

int Column_Width(const QTableWidget* grid, const QString& title, int twips) {
    return std::max(twips / Twips_Per_Pixel, grid->fontMetrics().horizontalAdvance(title) + 16);
}

int Lay_Out_Grid(QTableWidget* grid, String_Id titles, String_Id widths, int columns, int first_number,
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
        const QString title = Engine_Text(String_Table(titles, c));
        grid->setHorizontalHeaderItem(c, new QTableWidgetItem(title));
        int pixels = Column_Width(grid, title, static_cast<int>(Leading_Number(String_Table(widths, c))));
        if (first_number >= 0 && c >= first_number)
            pixels = std::max(pixels, grid->fontMetrics().horizontalAdvance(widest_number) + 12);
        grid->setColumnWidth(c, pixels);
        width += pixels;
    }
    return width;
}

void Put_Cell(QTableWidget* grid, int row, int column, const std::string& text, Cell kind) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(kind == Cell::Text ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
    item->setData(Kind_Role, static_cast<int>(kind));
    // Read with its column ("Shares Owned: 300") where the titles stand above the cells.
    if (const QTableWidgetItem* title = grid->horizontalHeaderItem(column); title && !grid->horizontalHeader()->isHidden())
        item->setData(Qt::AccessibleTextRole, Cell_Phrase(title->text(), item->text()));
    if (kind == Cell::Change) {
        item->setData(Plain_Text_Role, item->text());
        Paint_Change(grid, item);
    }
    grid->setItem(row, column, item);
}

void Keep_Cells_Painted(QTableWidget* grid) {
    const auto repaint = [grid] {
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                if (QTableWidgetItem* item = grid->item(r, c); item && item->data(Kind_Role).toInt() == static_cast<int>(Cell::Change))
                    Paint_Change(grid, item);
    };
    On_Palette_Change(grid, repaint);
    On_Change_Look(grid, repaint);
}
