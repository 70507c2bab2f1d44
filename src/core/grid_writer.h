#pragma once
#include <cstddef>
#include <vector>

#include "core/game.h"

// Rewrites a grid row by row into the rows of the last turn, whose storage it keeps: the
// grids are rebuilt every turn, and mostly with the same number of rows.
class Grid_Writer {
public:
    explicit Grid_Writer(std::vector<Grid_Row>& grid) : grid(grid) {}
    Grid_Writer(const Grid_Writer&) = delete;
    Grid_Writer& operator=(const Grid_Writer&) = delete;
    ~Grid_Writer() { grid.resize(used); }

    // The next row with `cells` cells, holding last turn's texts until they are written.
    Grid_Row& Next(std::size_t cells) {
        if (used == grid.size()) grid.emplace_back();
        Grid_Row& row = grid[used++];
        if (row.size() != cells) row.resize(cells);
        return row;
    }

    std::size_t Rows() const { return used; }

private:
    std::vector<Grid_Row>& grid;
    std::size_t used = 0;
};
