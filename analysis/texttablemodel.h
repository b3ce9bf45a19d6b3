#pragma once
// A table of text (TextTable) as a model a view can sort by any column: a cell that
// reads as a number sorts as that number ("+2" after "-1", "10" after "9").

#include "analysistable.h"

#include <QAbstractTableModel>

class QSortFilterProxyModel;

class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int SortRole = Qt::UserRole;

    explicit TextTableModel(QObject* parent = nullptr);

    // With names, the table takes them in a column after the subject's number.
    void setTable(const TextTable& table, const QStringList& names = {});
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
