// The data window's commands: what each asks before it saves, switches or lets the
// window go, and what each answer does.
#include "datastate.h"

#include "messages.h"

#include <QCoreApplication>

namespace {

const QString SavedText =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Changes Saved As Requested"));
const QString QuitQuestion = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Save Changes?"));
const QString SwitchQuestion = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Save Changes"));
const QString PlotQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "You Must First Save Changes: Save Now?"));

} // namespace

void DataState::Save_Click()
{
    // Success is announced only when it happened.
    if (SaveChanges(answerTypeInView()))
        MsgBox(SavedText, Buttons::Ok, Icon::Information);
}

void DataState::Clear_Click()
{
    ClearGrid();
}

bool DataState::Quit_Click()
{
    if (!GridChanged)
        return true;
    switch (MsgBox(QuitQuestion, Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes:
        // A failed save keeps the window, and with it the typed answers.
        return saveInView();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void DataState::Crit_Click(CriterionItem item)
{
    const bool toNegative = item == CriterionItem::Negative;
    if (GridChanged) {
        const Answer a = MsgBox(SwitchQuestion, Buttons::YesNoCancel, Icon::Question);
        if (a == Answer::Cancel)
            return;
        if (a == Answer::Yes) {
            const Long held = toNegative ? PositiveAnswer : NegativeAnswer;
            const Long before = Global::CurrentCriterion;
            Global::CurrentCriterion = toNegative ? NegativeAnswer : PositiveAnswer;
            // Switching after a failed save would empty the grid of answers that are
            // nowhere else.
            if (!SaveChanges(held)) {
                Global::CurrentCriterion = before;
                return;
            }
        }
    }
    switchCriterion(item);
}

void DataState::switchCriterion(CriterionItem item)
{
    const int index = static_cast<int>(item);
    Global::CurrentCriterion = item == CriterionItem::Negative ? NegativeAnswer : PositiveAnswer;
    GridChanged = false;
    critItemEnabled[index] = false;
    critItemEnabled[1 - index] = true;
    ClearGrid();
    LoadData(Global::CurrentCriterion);
    if (heldOther) {
        // What an import gave the criterion now in view waits to be saved with it.
        for (int r = ChoiceGrid::FixedRows; r < cells.Rows(); ++r)
            for (int c = ChoiceGrid::FixedCols; c < cells.Cols(); ++c)
                cells.setTextMatrix(r, c, heldOther->TextMatrix(r, c));
        heldOther.reset();
        GridChanged = true;
    }
    showCriterion(Global::CurrentCriterion);
    Q_EMIT changed();
}

void DataState::Plot_Click()
{
    bool saved = true;
    if (Global::CurrentRecord == 0 || GridChanged) {
        if (MsgBox(PlotQuestion, Buttons::YesNo, Icon::Question) == Answer::Yes)
            saved = saveInView();
    }
    // After a failed save the changes are still unsaved, and Quit must ask about them.
    if (saved)
        GridChanged = false;
}

void DataState::offerSaveBeforeAnalysis()
{
    if (Global::CurrentRecord == 0 || GridChanged) {
        if (MsgBox(PlotQuestion, Buttons::YesNo, Icon::Question) == Answer::Yes)
            saveInView();
    }
}

bool DataState::gridClicked()
{
    if (cells.Row() == 0)
        return false;
    // Set before the entry opens: a cancelled entry still counts as a change.
    GridChanged = true;
    return true;
}

void DataState::setGridChanged(bool changedNow)
{
    if (changedNow == GridChanged)
        return;
    GridChanged = changedNow;
    Q_EMIT changed();
}
