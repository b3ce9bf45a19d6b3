#pragma once
// The choice grid of the data window, as plain data: two fixed header rows and one
// fixed column, cell texts by row and column, per-column width and alignment, and a
// current cell that code can move. Row s + 1 is subject s; column c is choice slot c.
// Layouts and the drawing read it without any window.

#include <QObject>
#include <QString>
#include <vector>

class ChoiceGrid : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static constexpr int FixedRows = 2;
    static constexpr int FixedCols = 1;
    static constexpr int AlignLeftCenter = 1; // grid alignment code 1

    int Rows() const { return rows; }
    int Cols() const { return cols; }
    // Changing the shape keeps the texts of the cells that remain.
    void setShape(int rows, int cols);

    bool contains(int row, int col) const;
    QString TextMatrix(int row, int col) const; // empty outside the grid
    // Returns false (and changes nothing) for a cell outside the grid.
    bool setTextMatrix(int row, int col, const QString& text);

    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    int ColAlignment(int col) const;
    void setColAlignment(int col, int code);
    int FixedAlignment(int col) const;
    void setFixedAlignment(int col, int code);

    // The current cell. Moving it never counts as a user's click.
    int Row() const { return row; }
    int Col() const { return col; }
    void setRow(int r);
    void setCol(int c);
    QString Text() const { return TextMatrix(row, col); }

    // Empties every choice cell; header rows and the subject column stay.
    void clearChoices();

Q_SIGNALS:
    // After a cell's text changed.
    void cellChanged(int row, int col);
    // After the shape changed.
    void shapeChanged();

private:
    int index(int r, int c) const { return r * cols + c; }

    int rows = 0;
    int cols = 0;
    int row = 0;
    int col = 0;
    std::vector<QString> cells;
    std::vector<int> widths;
    std::vector<int> alignments;
    std::vector<int> fixedAlignments;
};

// The one grid of the data window.
ChoiceGrid& DataGrid();
