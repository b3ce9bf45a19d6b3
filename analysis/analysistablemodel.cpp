#include "analysistablemodel.h"

AnalysisTableModel::AnalysisTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void AnalysisTableModel::setAnalysis(const SociometricAnalysis& a, StatusMethod m)
{
    beginResetModel();
    analysis = a;
    shownMethod = m;
    shown = withNames(subjectTable(analysis, shownMethod), names);
    endResetModel();
}

void AnalysisTableModel::setNames(const QStringList& list)
{
    beginResetModel();
    names = list;
    shown = withNames(subjectTable(analysis, shownMethod), names);
    endResetModel();
}

void AnalysisTableModel::setMethod(StatusMethod m)
{
    if (m == shownMethod)
        return;
    shownMethod = m;
    shown = withNames(subjectTable(analysis, shownMethod), names);
    if (!shown.header.isEmpty()) {
        const int last = static_cast<int>(shown.header.size()) - 1;
        Q_EMIT headerDataChanged(Qt::Horizontal, last, last);
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, last), index(rowCount() - 1, last));
    }
}

int AnalysisTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown.rows.size());
}

int AnalysisTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown.header.size());
}

QVariant AnalysisTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const QString& text = shown.rows[static_cast<std::size_t>(index.row())][index.column()];
    if (role == Qt::DisplayRole)
        return text;
    // A long name is cut short in its column.
    if (role == Qt::ToolTipRole && !names.isEmpty() && index.column() == 1 && !text.isEmpty())
        return text;
    if (role == Qt::TextAlignmentRole) {
        bool numeric = false;
        text.toDouble(&numeric);
        return numeric ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant AnalysisTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount())
            return {};
        // Two short lines keep the whole table in view ("Positive\nreceived").
        QString caption = shown.header[section];
        const qsizetype space = caption.indexOf(u' ');
        if (space > 0)
            caption[space] = u'\n';
        return caption;
    }
    return QVariant(section + 1);
}
