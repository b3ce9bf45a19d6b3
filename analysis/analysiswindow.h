#pragma once
// The analysis window: the per-subject table, the group figures and, for a study
// with both criteria, the status groups of the chosen method; its buttons write the
// table, the choices and the graph to files.

#include "choiceset.h"
#include "filedialogs.h"
#include "sociometry.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class TextTableModel;

class AnalysisWindow : public QDialog {
    Q_OBJECT
public:
    explicit AnalysisWindow(QWidget* parent = nullptr);

    void setChoices(const ChoiceSet& choices);
    void setMethod(StatusMethod method);
    StatusMethod method() const;

    const SociometricAnalysis& analysis() const { return current; }
    const ChoiceSet& choices() const { return shownChoices; }

public Q_SLOTS:
    void exportTableCsv();
    void exportChoicesCsv();
    void exportGraphMl();

protected:
    void changeEvent(QEvent* event) override;

private:
    void makeMethodChoice();
    void makeTables();
    void makeLabels();
    void layOut();
    void connectControls();
    void showTable();
    void refreshFigures();
    void showNames();
    // The study's class list, read each time: it may change while the window is open.
    SubjectNames classNames() const;
    // What an export carries: the class list when "With names" is ticked, else nothing.
    SubjectNames namesToExport();

    ChoiceSet shownChoices;
    SociometricAnalysis current;
    TextTableModel* model = nullptr;
    QTableView* subjects = nullptr;
    QTableWidget* figures = nullptr;
    QComboBox* methods = nullptr;
    QLabel* methodLabel = nullptr;
    QLabel* cliques = nullptr;    // under the table: who all chose one another
    QLabel* leftOut = nullptr;    // the entries the figures leave out
    QLabel* methodNote = nullptr; // how the method's results may surprise a reader
    QPushButton* exportTable = nullptr;
    QPushButton* exportChoices = nullptr;
    QPushButton* exportGraph = nullptr;
    QCheckBox* withNames = nullptr;
    QPushButton* closeButton = nullptr;
};

// Shows the analysis of the choices, in the open analysis window when there is one.
void showAnalysis(const ChoiceSet& choices, QWidget* parent);
