#pragma once
// The analysis as tables of text: the per-subject table (shown by the analysis window
// and written by "Export Table...") and the group figures, each figure that cannot
// be computed shown as the word "undefined".

#include "sociometry.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

struct TextTable {
    QStringList header;
    std::vector<QStringList> rows;
};

TextTable subjectTable(const SociometricAnalysis& analysis, StatusMethod method);

// Figure name and value, in the order a reader wants them.
using FigureList = std::vector<std::pair<QString, QString>>;
FigureList groupFigures(const SociometricAnalysis& analysis, StatusMethod method);

class AnalysisTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit AnalysisTableModel(QObject* parent = nullptr);

    void setAnalysis(const SociometricAnalysis& analysis, StatusMethod method);
    void setMethod(StatusMethod method);
    StatusMethod method() const { return shownMethod; }
    const TextTable& table() const { return shown; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    SociometricAnalysis analysis;
    StatusMethod shownMethod = StatusMethod::CoieDodgeCoppotelli;
    TextTable shown;
};
