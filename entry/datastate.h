#pragma once
// What the data window does, without the window: laying out the grid for the study,
// filling it with the stored answers of the criterion in view, saving it, and the
// rules of its commands (when to ask, what each answer does). The window only shows
// this state and passes the user's commands on.

#include "choicegrid.h"
#include "codes.h"
#include "globals.h"

#include <QObject>
#include <QString>
#include <memory>

class DataState : public QObject {
    Q_OBJECT
public:
    using Integer = Global::Integer;
    using Long = Global::Long;

    static constexpr int GridWidth = 7215; // twips
    static constexpr Long PositiveAnswer = Codes::AnswerType::Positive;
    static constexpr Long NegativeAnswer = Codes::AnswerType::Negative;

    // The items of the Criterion Type menu, in its order.
    enum class CriterionItem { Positive = 0, Negative = 1 };

    explicit DataState(ChoiceGrid& grid = DataGrid());

    // The grid of the criterion in view, which the window shows and the entry window fills.
    ChoiceGrid& grid() const { return cells; }

    // The grid may hold changes not yet saved: set by a click on a cell or an import,
    // cleared by a save that went through.
    bool gridChanged() const { return GridChanged; }
    void setGridChanged(bool changedNow);
    // Criterion Type > "&Positive" and "&Negative", by CriterionItem.
    bool critEnabled(int item) const { return critItemEnabled[item]; }
    const QString& criterionLine() const { return lineAboveGrid; }
    const QString& title() const { return windowTitle; }

    void FormLayout();
    // The criterion line in the language now in use.
    void retranslate();
    void LoadGrid();
    void SetGrid();
    void ClearGrid();
    void LoadData(Long questionType);
    // Writes the header and replaces the stored answers of the criterion in the grid,
    // all in one transaction. True when the new answers are in the file; otherwise the
    // file keeps what it had and the user has been told.
    bool SaveChanges(Long answerType);

    // The answer type the grid holds.
    Long answerTypeInView() const;

    // Commands of the window.
    void Save_Click();
    void Clear_Click();
    // True when the window may unload: nothing unsaved, or the user answered Yes
    // (and the save went through) or No.
    bool Quit_Click();
    void Crit_Click(CriterionItem item);
    void Plot_Click();
    // Before the analysis and the groups, which read the stored answers: the same offer
    // to save as Plot Sociogram, made only while something may be unsaved. Changes
    // the user chose not to save stay marked, so that Quit still asks about them.
    void offerSaveBeforeAnalysis();
    // A user's click on the grid's current cell; true when the entry window opens.
    bool gridClicked();

    static QString criterionText(Long criterion);

    // A Both study's criterion not in view, as stored, for an import that fills both
    // criteria at once. What is written to it is saved with the grid, or shown in the
    // grid when the criterion is switched to.
    ChoiceGrid& otherCriterion();

Q_SIGNALS:
    // Work on the file begins (true) or ends (false).
    void busyChanged(bool busy);
    // A save asked for by a question went through; the window lets its pending events
    // run before it goes on.
    void savedOnRequest();
    // The title, the criterion line or the menu items changed.
    void changed();

private:
    void busy(bool on);
    void showCriterion(Long criterion);
    void switchCriterion(CriterionItem item);
    bool saveInView();
    Long otherAnswerType() const;

    ChoiceGrid& cells;
    std::unique_ptr<ChoiceGrid> heldOther;
    bool GridChanged = false;
    bool critItemEnabled[2] = {false, false};
    // The study's stored header could not be read whole: the grid's shape and the
    // globals may not be the study's, so it is never saved over the file.
    bool headerUnread = false;
    QString lineAboveGrid;
    QString windowTitle;
};
