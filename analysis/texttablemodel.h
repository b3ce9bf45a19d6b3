#pragma once
// A table of text (TextTable) as a model, for the analysis and comparison windows. Through
// sorted() a view sorts it by any column: a cell that reads as a number sorts as that
// number ("+2" after "-1", "10" after "9").

#include "analysistable.h"

#include <QAbstractTableModel>

class QSortFilterProxyModel;

class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int SortRole = Qt::UserRole;
    // Pixels: a longer name is cut short in its column, and shown whole as a tooltip.
    static constexpr int NameColumnWidth = 180;

    explicit TextTableModel(QObject* parent = nullptr);

    // With names, the table takes them in a column after the subject's number. A table of
    // the same shape as the one shown changes its cells only, so that a view keeps its
    // selection and column widths (another status method changes one column).
    void setTable(const TextTable& table, const SubjectNames& names = {});
    const TextTable& table() const { return shown; }
    bool hasNames() const { return named; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A proxy over the model that sorts by SortRole.
    static QSortFilterProxyModel* sorted(TextTableModel* model);

private:
    TextTable shown;
    bool named = false;
};
