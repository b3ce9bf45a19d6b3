#include "texttablemodel.h"

#include "analysistable.h"

#include <QCoreApplication>

#include <QSortFilterProxyModel>

TextTableModel::TextTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TextTableModel::setTable(const TextTable& table, const SubjectNames& names)
{
    TextTable next = withNames(table, names);
    if (next.header.size() == shown.header.size() && next.rows.size() == shown.rows.size()) {
        shown = std::move(next);
        named = !names.empty();
        if (columnCount() > 0) {
            Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
            if (rowCount() > 0)
                Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        }
        return;
    }
    beginResetModel();
    shown = std::move(next);
    named = !names.empty();
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown.rows.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown.header.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const QString& text = shown.rows[static_cast<std::size_t>(index.row())].value(index.column());
    bool numeric = false;
    const double value = text.toDouble(&numeric);
    switch (role) {
    case Qt::DisplayRole:
        // The words of a table (yes, no, the status groups) are its English source, as
        // the CSV files keep them; a name is shown as it is (it is in no catalogue).
        return named && index.column() == 1 ? text
                                            : shownNumber(QCoreApplication::translate(
                                                  "Analysis", text.toUtf8().constData()));
    case SortRole:
        return numeric ? QVariant(value) : QVariant(text);
    case Qt::ToolTipRole: // a long name is cut short in its column
        return named && index.column() == 1 && !text.isEmpty() ? QVariant(text) : QVariant();
    case Qt::TextAlignmentRole:
        return numeric ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount())
        return {};
    // A word a line keeps the many columns narrow: "Mutual", "positive", "kept".
    QString caption =
        QCoreApplication::translate("Analysis", shown.header[section].toUtf8().constData());
    return caption.replace(u' ', u'\n');
}

QSortFilterProxyModel* TextTableModel::sorted(TextTableModel* model)
{
    auto* proxy = new QSortFilterProxyModel(model);
    proxy->setSourceModel(model);
    proxy->setSortRole(SortRole);
    return proxy;
}
