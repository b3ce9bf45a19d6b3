#pragma once
// The choice grid as a table model for a view: the subject rows and choice columns
// are the model's cells; the two fixed header rows become the column headers and the
// fixed subject column the row headers.

#include "subjectnames.h"

#include <QAbstractTableModel>
#include <functional>

class ChoiceGrid;

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(ChoiceGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The grid cell (row, column) a model index shows, and back.
    static int gridRow(const QModelIndex& index) { return index.row() + 2; }
    static int gridCol(const QModelIndex& index) { return index.column() + 1; }
    QModelIndex indexOfCell(int gridRow, int gridCol) const;

    // Text of the top-left fixed cells, shown in the view's corner.
    QString cornerText() const;
    // The header words in the language in use; after a switch the headers are shown anew.
    static QString shownHeader(const QString& text);
    void retranslate();

    // Shortens a subject's number and name to the room the view has for it; the whole
    // name is the tooltip.
    using Elide = std::function<QString(const QString& text)>;
    void setElide(Elide elide);

    // The names beside the subjects' numbers; none without a class list.
    void setNames(SubjectNames names);

private:
    Qt::Alignment alignmentOf(int code) const;
    void showCell(int row, int col);
    void showShape();

    ChoiceGrid& grid;
    Elide elide;
    SubjectNames names;
    int shownRows = 0;
    int shownCols = 0;
};
