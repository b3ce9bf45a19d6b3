#pragma once
// A choice grid of the data window's shape for a test: filled with subjects 1 to n in
// column 0 and the given cells of each row, and read back as text.

#include "choicegrid.h"

#include <QStringList>
#include <vector>

// rows[s - 1] holds subject s's choice cells in slot order.
inline void fillGrid(ChoiceGrid& grid, int subjects, int slots,
                     const std::vector<QStringList>& rows = {})
{
    grid.setShape(0, 0);
    grid.setShape(subjects + ChoiceGrid::FixedRows, slots + 1);
    for (int s = 1; s <= subjects; ++s) {
        grid.setTextMatrix(s + 1, 0, QString::number(s));
        if (s <= int(rows.size()))
            for (int c = 0; c < rows[s - 1].size(); ++c)
                grid.setTextMatrix(s + 1, c + 1, rows[s - 1][c]);
    }
}

// The grid's choice cells, row by row, empty cells as ".".
inline QStringList choiceCells(const ChoiceGrid& grid)
{
    QStringList out;
    for (int r = ChoiceGrid::FixedRows; r < grid.Rows(); ++r) {
        QStringList row;
        for (int c = 1; c < grid.Cols(); ++c)
            row << (grid.TextMatrix(r, c).isEmpty() ? u"."_qs : grid.TextMatrix(r, c));
        out << row.join(u' ');
    }
    return out;
}
