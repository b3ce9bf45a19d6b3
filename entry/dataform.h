#pragma once
// The data window: the choices of one study for the criterion in view, as a grid of
// subjects by choice slot, with the commands that save them, switch criterion and
// start a sociogram.

#include "busypointer.h"
#include "datastate.h"

#include <QMainWindow>
#include <functional>
#include <optional>

class GridModel;
class QAction;
class QLabel;
class QMenu;
class QTableView;

class DataForm : public QMainWindow {
    Q_OBJECT
public:
    DataForm();

    // The window's state: the grid, its changes and the criterion in view.
    DataState& dataState() { return state; }

    void Save_Click();
    void Clear_Click();
    void Quit_Click();
    void Crit_Click(DataState::CriterionItem item);
    void Plot_Click();
    void Sociogram_Click(int index);
    void openAnalysis();
    void compareWith();
    void openGroups();
    void importChoices();
    void printClassReport();
    void importFormResponses();
    // Starts a round at the shared computer; the study is saved first. The window of
    // the round, or nothing when none started.
    class KioskWindow* pupilsAnswerHere();
    // A user's click on a choice cell: opens the entry window on it.
    void Dgrid_Click();

    // Asks the save question when the grid holds unsaved changes; used before the
    // program ends. False when the user chose Cancel.
    static bool mayEnd();
    // Asks about unsaved changes and closes the window, leaving the study window; true
    // when no data window is open afterwards.
    static bool settle();
    // Closes the sociogram window and then the open data window, without a question
    // of its own.
    static void unloadWithSociogram();
    // Closes the window without a question, its changes with it: its study is being
    // deleted. The sociogram must have gone first.
    static void discard();

    // How the entry window is shown; tests answer it without a modal loop.
    using EntryRunner = std::function<void(class EntryForm& entry)>;
    static void setEntryRunner(EntryRunner runner);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void buildMenus();
    void nameMenus();
    // Every caption in the language in use.
    void retranslate();
    void buildGrid();
    void showState();
    void applyColumnWidths();
    // How wide the subject column must be for its names; 0 without a class list.
    int namesWidth(int minChoice) const;
    // `typed` is what the user began to type on the cell; the entry starts with it.
    void openEntryAt(const QModelIndex& index, const QString& typed = {});
    void moveToNextCell();
    void unloadWithStudyWindow();

    // Each part is named as it is here (Crit_0, Sociogram_2 for the arrays).
    DataState state;
    QLabel* DLabel0 = nullptr;
    QTableView* Dgrid = nullptr;

    QMenu* File = nullptr;
    QAction* Save = nullptr;
    QAction* Clear = nullptr;
    QAction* Import = nullptr;
    QAction* ImportForm = nullptr;
    QAction* PrintBallotsItem = nullptr;
    QAction* PupilsAnswer = nullptr;
    QAction* ClassListItem = nullptr;
    QAction* Quit = nullptr;
    QMenu* Criterion = nullptr;
    QAction* Crit[2] = {};
    QMenu* Plot = nullptr;
    QMenu* Type0 = nullptr;
    QAction* Sociogram[4] = {};
    QMenu* AnalysisMenu = nullptr;
    QAction* Analysis = nullptr; // "Study Analysis..."
    QAction* CompareItem = nullptr;
    QAction* GroupsItem = nullptr;
    QAction* ReportItem = nullptr;
    GridModel* model = nullptr;
    QLabel* corner = nullptr;
    bool unloading = false;
    std::optional<BusyPointer> busyPointer;
};

// Shows the data window for the study in the globals. A data window already open
// for another study is closed first (asking about its unsaved changes).
void showDataForm();
