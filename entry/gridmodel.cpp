#include "gridmodel.h"

#include <QCoreApplication>

#include "choicegrid.h"

#include <algorithm>

GridModel::GridModel(ChoiceGrid& g, QObject* parent) : QAbstractTableModel(parent), grid(g)
{
    shownRows = std::max(grid.Rows() - ChoiceGrid::FixedRows, 0);
    shownCols = std::max(grid.Cols() - ChoiceGrid::FixedCols, 0);
    connect(&grid, &ChoiceGrid::cellChanged, this, &GridModel::showCell);
    connect(&grid, &ChoiceGrid::shapeChanged, this, &GridModel::showShape);
}

void GridModel::setNames(SubjectNames given)
{
    names = std::move(given);
    if (shownRows > 0)
        Q_EMIT headerDataChanged(Qt::Vertical, 0, shownRows - 1);
}

void GridModel::showCell(int r, int c)
{
    if (r < ChoiceGrid::FixedRows || c < ChoiceGrid::FixedCols) {
        if (r < ChoiceGrid::FixedRows && c >= ChoiceGrid::FixedCols)
            Q_EMIT headerDataChanged(Qt::Horizontal, c - 1, c - 1);
        else if (c < ChoiceGrid::FixedCols && r >= ChoiceGrid::FixedRows)
            Q_EMIT headerDataChanged(Qt::Vertical, r - 2, r - 2);
        return;
    }
    const QModelIndex i = index(r - 2, c - 1);
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole});
}

void GridModel::showShape()
{
    beginResetModel();
    shownRows = std::max(grid.Rows() - ChoiceGrid::FixedRows, 0);
    shownCols = std::max(grid.Cols() - ChoiceGrid::FixedCols, 0);
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownCols;
}

Qt::Alignment GridModel::alignmentOf(int code) const
{
    // Codes of the grid: 0 left top, 1 left centre, 2 left bottom, 3 centre top,
    // 4 centre centre, 5 centre bottom, 6 right top, 7 right centre, 8 right bottom.
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    const int c = std::clamp(code, 0, 8);
    return horizontal[c / 3] | vertical[c % 3];
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int r = gridRow(index);
    const int c = gridCol(index);
    switch (role) {
    case Qt::DisplayRole:
        return grid.TextMatrix(r, c);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(grid.ColAlignment(c)));
    default:
        return {};
    }
}

QString GridModel::shownHeader(const QString& text)
{
    // The grid holds its header words in English, as every other cell holds digits.
    return QCoreApplication::translate("DataState", text.toUtf8().constData());
}

void GridModel::retranslate()
{
    if (shownCols > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, shownCols - 1);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= shownCols)
            return {};
        const int c = section + 1;
        if (role == Qt::DisplayRole)
            return shownHeader(grid.TextMatrix(0, c)) + u'\n' + grid.TextMatrix(1, c);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(alignmentOf(grid.FixedAlignment(c)));
        return {};
    }
    if (section < 0 || section >= shownRows)
        return {};
    const auto at = static_cast<std::size_t>(section) + 1;
    const QString name = at < names.size() ? names[at] : QString();
    if (role == Qt::DisplayRole && !name.isEmpty()) {
        const QString text = grid.TextMatrix(section + 2, 0) + QStringLiteral("  ") + name;
        return elide ? elide(text) : text;
    }
    if (role == Qt::DisplayRole)
        return grid.TextMatrix(section + 2, 0);
    if (role == Qt::ToolTipRole && !name.isEmpty())
        return name;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignmentOf(grid.FixedAlignment(0)));
    return {};
}

QModelIndex GridModel::indexOfCell(int r, int c) const
{
    return index(r - 2, c - 1);
}

void GridModel::setElide(Elide e)
{
    elide = std::move(e);
    if (shownRows > 0)
        Q_EMIT headerDataChanged(Qt::Vertical, 0, shownRows - 1);
}

QString GridModel::cornerText() const
{
    return shownHeader(grid.TextMatrix(0, 0)) + u'\n' + shownHeader(grid.TextMatrix(1, 0));
}
