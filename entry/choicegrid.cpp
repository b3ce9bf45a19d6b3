#include "choicegrid.h"

#include <algorithm>

void ChoiceGrid::setShape(int newRows, int newCols)
{
    newRows = std::max(newRows, 0);
    newCols = std::max(newCols, 0);
    std::vector<QString> kept(static_cast<size_t>(newRows) * newCols);
    for (int r = 0; r < std::min(rows, newRows); ++r)
        for (int c = 0; c < std::min(cols, newCols); ++c)
            kept[static_cast<size_t>(r) * newCols + c] = cells[index(r, c)];
    cells = std::move(kept);
    rows = newRows;
    cols = newCols;
    widths.resize(cols, 0);
    alignments.resize(cols, 0);
    fixedAlignments.resize(cols, 0);
    row = std::clamp(row, 0, std::max(rows - 1, 0));
    col = std::clamp(col, 0, std::max(cols - 1, 0));
    Q_EMIT shapeChanged();
}

bool ChoiceGrid::contains(int r, int c) const
{
    return r >= 0 && c >= 0 && r < rows && c < cols;
}

QString ChoiceGrid::TextMatrix(int r, int c) const
{
    return contains(r, c) ? cells[index(r, c)] : QString();
}

bool ChoiceGrid::setTextMatrix(int r, int c, const QString& text)
{
    if (!contains(r, c))
        return false;
    QString& cell = cells[index(r, c)];
    if (cell != text) {
        cell = text;
        Q_EMIT cellChanged(r, c);
    }
    return true;
}

int ChoiceGrid::ColWidth(int c) const
{
    return c >= 0 && c < cols ? widths[c] : 0;
}
void ChoiceGrid::setColWidth(int c, int twips)
{
    if (c >= 0 && c < cols)
        widths[c] = twips;
}
int ChoiceGrid::ColAlignment(int c) const
{
    return c >= 0 && c < cols ? alignments[c] : 0;
}
void ChoiceGrid::setColAlignment(int c, int code)
{
    if (c >= 0 && c < cols)
        alignments[c] = code;
}
int ChoiceGrid::FixedAlignment(int c) const
{
    return c >= 0 && c < cols ? fixedAlignments[c] : 0;
}
void ChoiceGrid::setFixedAlignment(int c, int code)
{
    if (c >= 0 && c < cols)
        fixedAlignments[c] = code;
}

void ChoiceGrid::setRow(int r)
{
    if (r >= 0 && r < rows)
        row = r;
}

void ChoiceGrid::setCol(int c)
{
    if (c >= 0 && c < cols)
        col = c;
}

void ChoiceGrid::clearChoices()
{
    for (int r = FixedRows; r < rows; ++r)
        for (int c = FixedCols; c < cols; ++c)
            setTextMatrix(r, c, QString());
}

ChoiceGrid& DataGrid()
{
    static ChoiceGrid grid;
    return grid;
}
