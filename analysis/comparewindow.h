#pragma once
// The comparison window: the open study against an earlier survey of the class, per
// subject and for the class, with the changes of the ties; its buttons write the table
// and the tie changes to files and draw the changes on the sociogram.

#include "comparison.h"
#include "storedsurvey.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QSplitter;
class QTableView;
class QTableWidget;
class TextTableModel;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    explicit CompareWindow(QWidget* parent = nullptr);

    // `earlier` is the stored survey; `later` the choices of the study in the data
    // window, named `laterName`.
    void setSurveys(const StoredStudy& earlier, const ChoiceSet& earlierChoices,
                    const QString& laterName, const ChoiceSet& laterChoices);

    const StoredStudy& earlierStudy() const { return earlier; }
    const SurveyComparison& comparison() const { return current; }

public Q_SLOTS:
    void exportSubjectsCsv();
    void exportTieChangesCsv();
    // Reads both surveys again and draws their ties on the sociogram.
    void showOnSociogram();
    // Reads the earlier survey from the file and the open study from the data window
    // again; false (after saying why) when the earlier one is gone or cannot be read.
    bool refresh();

protected:
    void changeEvent(QEvent* event) override;

private:
    void makeSubjectTable();
    void makeFigureTable();
    void makeButtons();
    void layOut();
    void connectControls();
    void retranslate();
    // The names of the surveys, the entries left out, the table and the figures.
    void showSurveys();
    void showTable();
    // Sizes the columns to their words; gives back the width the table needs.
    int fitColumns();
    void showFigures();
    // The study's class list, read each time: it may change while the window is open.
    SubjectNames classNames() const;
    // The status method chosen for the run, read in one place.
    StatusMethod statusMethod() const;
    // What an export carries: the class list when "With names" is ticked, else nothing.
    SubjectNames namesToExport();

    StoredStudy earlier;
    SurveyComparison current;
    TextTableModel* model = nullptr;
    QTableView* subjects = nullptr;
    QTableWidget* figures = nullptr;
    QSplitter* splitter = nullptr;
    QLabel* studies = nullptr;
    QLabel* stability = nullptr;
    QLabel* skipped = nullptr;
    QPushButton* exportCsv = nullptr;
    QPushButton* sociogram = nullptr;
    QCheckBox* withNames = nullptr;
    QLabel* note = nullptr;
    QAction* subjectsItem = nullptr;
    QAction* tiesItem = nullptr;
    QPushButton* closeButton = nullptr;
    QString laterName;
};

// Shows the comparison, in the open comparison window when there is one.
// The open comparison window, or none.
CompareWindow* openCompareWindow();

CompareWindow* showComparison(const StoredSurvey& earlier, const QString& laterName,
                              const ChoiceSet& later, QWidget* parent);

// The data window's Compare With command: lists the stored studies the open one can be
// compared with, lets the user pick one and shows the comparison. When none can be
// offered, one sentence says why.
void compareWithStoredStudy(QWidget* parent);
