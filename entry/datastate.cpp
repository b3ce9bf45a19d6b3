#include "datastate.h"

#include "classlist.h"
#include "errorreport.h"
#include "fieldvalue.h"
#include "messages.h"
#include "numbers.h"
#include "statements.h"
#include "store.h"
#include "trappedopen.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace {

using Global::Long;
using Step = std::optional<Failure>;

const QString HeaderUnreadText = QStringLiteral(QT_TRANSLATE_NOOP(
    "Messages", "This study's details could not be read from the file, so the grid is not saved "
                "over it. The file keeps the answers it had."));
const QString NotSavedText = QStringLiteral(QT_TRANSLATE_NOOP(
    "Messages", "The changes could not be saved, so the file keeps the answers it had before. "
                "The grid still holds every answer you typed."));

namespace CriterionType = Codes::CriterionType;

// A stored header whose sizes cannot be a study's: the grid would be shaped from
// them, so they are refused and the study keeps the sizes it had.
Failure sizeOutOfRange(const QString& field, Long value, Long low, Long high)
{
    return {ErrorNumber::InvalidPropertyValue,
            QCoreApplication::translate("DataState",
                                        "The study's %1 in the file (%2) is outside %3 to %4.")
                .arg(field)
                .arg(value)
                .arg(low)
                .arg(high)};
}

Step textField(const QVariant& field, QString& out)
{
    if (!field.isValid() || field.isNull())
        return runtimeFailure(ErrorNumber::InvalidUseOfNull);
    out = field.toString();
    return std::nullopt;
}

Step sizeField(const QVariant& field, const QString& name, Long low, Long high, Long& out)
{
    Long v = 0;
    if (Step f = FieldValue::wholeLong(field, v))
        return f;
    if (v < low || v > high)
        return sizeOutOfRange(name, v, low, high);
    out = v;
    return std::nullopt;
}

// One stored answer into its cell; rows of the other answer type are passed over.
Step showAnswer(ChoiceGrid& grid, const AnswerRow& row, Long questionType)
{
    Long type = 0;
    if (Step f = FieldValue::wholeLong(row.answerType, type))
        return f;
    if (type != questionType)
        return std::nullopt;
    Long individual = 0;
    Long choice = 0;
    double answer = 0;
    if (Step f = FieldValue::wholeLong(row.individual, individual))
        return f;
    if (Step f = FieldValue::wholeLong(row.choice, choice))
        return f;
    if (Step f = FieldValue::number(row.answer, answer))
        return f;
    // The header rows and the subject column are not answers: a row pointing there
    // would overwrite the grid's own texts.
    if (individual < ChoiceGrid::FixedRows || choice < ChoiceGrid::FixedCols ||
        !grid.contains(individual, choice))
        return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
    grid.setTextMatrix(individual, choice, Numbers::decimalText(answer));
    return std::nullopt;
}

StudyHeader headerFromGlobals()
{
    StudyHeader h;
    h.name = Global::RefName;
    h.groupSize = Global::GroupSize;
    h.choices = Global::MaxChoices;
    h.question = Global::Question;
    h.criterionType = Global::CriterionType;
    return h;
}

bool appendAnswers(Trap& trap, Store& store, const ChoiceGrid& grid, Long record, Long answerType)
{
    for (int r = ChoiceGrid::FixedRows; r < grid.Rows(); ++r) {
        for (int c = ChoiceGrid::FixedCols; c < grid.Cols(); ++c) {
            const double value = Numbers::leadingValue(grid.TextMatrix(r, c));
            if (!(value > 0) || !std::isfinite(value))
                continue;
            const bool added = trap.step(
                [&] { return store.appendAnswer(record, c, r, value, answerType).failure(); });
            if (!added)
                return false;
        }
    }
    return true;
}

struct OtherAnswers {
    const ChoiceGrid* grid;
    Long type;
};

// The answers are replaced only together: any step passed over after a failure
// leaves the file as it was before the save began. `other` is the criterion of a Both
// study that is not in view, when an import filled it.
bool writeAnswers(Trap& trap, const ChoiceGrid& grid, Long answerType,
                  std::optional<OtherAnswers> other)
{
    Long record = 0;
    const StudyHeader header = headerFromGlobals();
    const bool written = writeInOneTransaction(trap, [&](Store& store) {
        const bool headerWritten = trap.step([&]() -> Step {
            Result<std::int32_t> r = store.writeStudy(Global::CurrentRecord, header);
            if (!r)
                return r.failure();
            record = r.value();
            return std::nullopt;
        });
        if (!headerWritten)
            return false;
        const Statement remove = (Global::CriterionType == CriterionType::Positive ||
                                  Global::CriterionType == CriterionType::Negative)
                                     ? Statements::deleteAllAnswers(record)
                                     : Statements::deleteAnswersOfType(record, answerType);
        if (!trap.step([&] { return store.execute(remove).failure(); }))
            return false;
        if (!appendAnswers(trap, store, grid, record, answerType))
            return false;
        if (!other)
            return true;
        const Statement removeOther = Statements::deleteAnswersOfType(record, other->type);
        return trap.step([&] { return store.execute(removeOther).failure(); }) &&
               appendAnswers(trap, store, *other->grid, record, other->type);
    });
    // A new study takes its number only once its row is really in the file.
    if (written) {
        // The names typed for the study before it had a number stay with it.
        if (Global::CurrentRecord == 0)
            ClassList::instance().moveTo(0, record);
        Global::CurrentRecord = record;
    }
    return written;
}

} // namespace

DataState::DataState(ChoiceGrid& g) : cells(g) {}

void DataState::busy(bool on)
{
    Q_EMIT busyChanged(on);
}

QString DataState::criterionText(Long criterion)
{
    return (criterion == PositiveAnswer
                ? QCoreApplication::translate("DataState", "Positive Criterion: ")
                : QCoreApplication::translate("DataState", "Negative Criterion: ")) +
           Global::Question;
}

void DataState::showCriterion(Long criterion)
{
    lineAboveGrid = criterionText(criterion);
}

void DataState::retranslate()
{
    showCriterion(Global::CurrentCriterion);
    Q_EMIT changed();
}

void DataState::FormLayout()
{
    heldOther.reset();
    LoadGrid();
    SetGrid();
    if (Global::CriterionType == CriterionType::Positive ||
        Global::CriterionType == CriterionType::Both) {
        LoadData(PositiveAnswer);
        if (Global::CriterionType == CriterionType::Both)
            critItemEnabled[int(CriterionItem::Negative)] = true;
        Global::CurrentCriterion = PositiveAnswer;
    } else {
        LoadData(NegativeAnswer);
        Global::CurrentCriterion = NegativeAnswer;
    }
    showCriterion(Global::CurrentCriterion);
    windowTitle = Global::RefName;
    Q_EMIT changed();
}

void DataState::LoadGrid()
{
    busy(true);
    Trap trap(QStringLiteral("DataForm:LoadGrid"));
    std::optional<Store> store = openTrapped(trap);
    std::optional<StudyRow> row;
    if (store) {
        trap.step([&]() -> Step {
            Result<std::optional<StudyRow>> found = store->seekStudy(Global::CurrentRecord);
            if (!found)
                return found.failure();
            row = found.value();
            return std::nullopt;
        });
        store->close();
    }
    if (row) {
        trap.step([&] { return textField(row->name, Global::RefName); });
        trap.step([&] {
            return sizeField(row->groupSize, QCoreApplication::translate("DataState", "group size"),
                             Codes::MinGroupSize, Codes::MaxGroupSize, Global::GroupSize);
        });
        trap.step([&] {
            return sizeField(row->choices,
                             QCoreApplication::translate("DataState", "number of choices"),
                             Codes::MinChoices, Codes::MaxChoices, Global::MaxChoices);
        });
        trap.step([&] { return textField(row->question, Global::Question); });
        trap.step([&] { return FieldValue::wholeLong(row->criterionType, Global::CriterionType); });
    }
    // A study that is stored but whose row could not be read (or read whole) must not
    // be written back with sizes and texts that are not its own.
    headerUnread = Global::CurrentRecord != 0 && trap.anyFailed();
    busy(false);
}

void DataState::SetGrid()
{
    // Sizes that cannot be a study's would give a grid of no use (or of millions of
    // cells); the grid keeps its old shape instead.
    if (Global::MaxChoices < 0 || Global::MaxChoices > Codes::MaxChoices || Global::GroupSize < 0 ||
        Global::GroupSize > Codes::MaxGroupSize)
        return;
    const int cols = Global::MaxChoices + 1;
    cells.setShape(Global::GroupSize + 2, cols);
    const double w = double(GridWidth) / cols - 30;
    for (int c = 0; c < cols; ++c) {
        cells.setColWidth(c, int(Numbers::roundHalfEven(w)));
        cells.setColAlignment(c, ChoiceGrid::AlignLeftCenter);
        cells.setFixedAlignment(c, ChoiceGrid::AlignLeftCenter);
    }
    for (Long s = 1; s <= Global::GroupSize; ++s)
        cells.setTextMatrix(s + 1, 0, QString::number(s));
    for (Long c = 1; c <= Global::MaxChoices; ++c) {
        cells.setTextMatrix(1, c, QString::number(c));
        cells.setTextMatrix(0, c, QStringLiteral(QT_TRANSLATE_NOOP("DataState", "Choice")));
    }
    cells.setTextMatrix(0, 0, QStringLiteral(QT_TRANSLATE_NOOP("DataState", "Subject")));
    cells.setTextMatrix(1, 0, QStringLiteral(QT_TRANSLATE_NOOP("DataState", "Number")));
}

void DataState::ClearGrid()
{
    cells.clearChoices();
}

void DataState::LoadData(Long questionType)
{
    busy(true);
    Trap trap(QStringLiteral("DataForm:LoadData"));
    const std::vector<AnswerRow> rows = storedAnswersTrapped(trap);
    for (const AnswerRow& row : rows)
        trap.step([&] { return showAnswer(cells, row, questionType); });
    busy(false);
}

bool DataState::SaveChanges(Long answerType)
{
    if (headerUnread) {
        MsgBox(HeaderUnreadText, Buttons::Ok, Icon::Exclamation);
        return false;
    }
    busy(true);
    Trap trap(QStringLiteral("DataForm:SaveChanges"));
    std::optional<OtherAnswers> other;
    if (heldOther && answerType == answerTypeInView())
        other = OtherAnswers{heldOther.get(), otherAnswerType()};
    const bool saved = writeAnswers(trap, cells, answerType, other);
    if (saved && other)
        heldOther.reset();
    busy(false);
    if (!saved)
        MsgBox(NotSavedText, Buttons::Ok, Icon::Exclamation);
    // Once the file holds the grid there is nothing left to ask about, until the next
    // click on a cell.
    if (saved)
        GridChanged = false;
    return saved;
}

DataState::Long DataState::answerTypeInView() const
{
    if (Global::CriterionType == CriterionType::Positive)
        return PositiveAnswer;
    // A Both study tells its criterion by the menu item that is left to switch to.
    if (Global::CriterionType == CriterionType::Both)
        return critItemEnabled[int(CriterionItem::Positive)] ? NegativeAnswer : PositiveAnswer;
    // Any other type (a damaged header) opens on the negative answers, as a Negative
    // study does; saved as positive ones they would replace the positive answers.
    return NegativeAnswer;
}

bool DataState::saveInView()
{
    const bool saved = SaveChanges(answerTypeInView());
    if (saved)
        Q_EMIT savedOnRequest();
    return saved;
}

DataState::Long DataState::otherAnswerType() const
{
    return answerTypeInView() == PositiveAnswer ? NegativeAnswer : PositiveAnswer;
}

ChoiceGrid& DataState::otherCriterion()
{
    if (!heldOther) {
        heldOther = std::make_unique<ChoiceGrid>();
        heldOther->setShape(cells.Rows(), cells.Cols());
        busy(true);
        Trap trap(QStringLiteral("DataForm:LoadData"));
        const Long type = otherAnswerType();
        for (const AnswerRow& row : storedAnswersTrapped(trap))
            trap.step([&] { return showAnswer(*heldOther, row, type); });
        busy(false);
    }
    return *heldOther;
}
