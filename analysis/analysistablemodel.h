#pragma once
// The per-subject table of an analysis as a model for the analysis window's view.

#include "analysistable.h"

#include <QAbstractTableModel>

class AnalysisTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit AnalysisTableModel(QObject* parent = nullptr);

    void setAnalysis(const SociometricAnalysis& analysis, StatusMethod method);
    void setMethod(StatusMethod method);
    // The pupils' names in a column after the subject's number; none hides the column.
    void setNames(const QStringList& names);
    StatusMethod method() const { return shownMethod; }
    const TextTable& table() const { return shown; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    SociometricAnalysis analysis;
    StatusMethod shownMethod = StatusMethod::CoieDodgeCoppotelli;
    QStringList names;
    TextTable shown;
};
