#include "linesteps.h"

#include "changedraw.h"
#include "choicegrid.h"
#include "emphasis.h"
#include "globals.h"
#include "groupcolours.h"
#include "labelset.h"
#include "namebands.h"
#include "numbers.h"
#include "paint.h"
#include "socioprint.h"
#include "statussteps.h"
#include "studyanswers.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <iterator>

namespace {

using Step = std::optional<Failure>;

// A cell or field text as the Long a subject number is kept in.
Step readSubject(const QString& text, long long& subject)
{
    const std::optional<std::int32_t> n = Numbers::toLong(Numbers::leadingValue(text));
    if (!n)
        return runtimeFailure(ErrorNumber::Overflow);
    subject = *n;
    return std::nullopt;
}

// A stored field read as text: a field without a value cannot be.
Step readField(const QVariant& field, long long& value)
{
    if (field.isNull())
        return runtimeFailure(ErrorNumber::InvalidUseOfNull);
    return readSubject(field.toString(), value);
}

// Only the criterion not in view is drawn from the file: the grid holds the other.
// Gives whether a stored answer of this type is drawn, and with which marker.
std::optional<ChoiceKind> storedMarkerKind(long long answerType)
{
    if (Global::CurrentCriterion == Codes::AnswerType::Positive &&
        answerType == Codes::AnswerType::Negative)
        return ChoiceKind::Negative;
    if (Global::CurrentCriterion == Codes::AnswerType::Negative &&
        answerType == Codes::AnswerType::Positive)
        return ChoiceKind::Positive;
    return std::nullopt;
}

Step storedChoice(const AnswerRow& row, std::optional<Choice>& choice)
{
    long long type = 0;
    if (Step f = readField(row.answerType, type))
        return f;
    const std::optional<ChoiceKind> kind = storedMarkerKind(type);
    if (!kind)
        return std::nullopt;
    long long individual = 0, chosen = 0;
    if (Step f = readField(row.individual, individual))
        return f;
    if (Step f = readField(row.answer, chosen))
        return f;
    // INDIVIDUAL is the grid row; the least Long has no row above it and stays outside
    // the table.
    const long long chooser = std::max<long long>(individual - 1, INT_MIN);
    choice = Choice{int(chooser), int(chosen), *kind};
    return std::nullopt;
}

const PositionTable& positions()
{
    return Global::LabelPos;
}

} // namespace

void forEachChoice(Trap& trap, ChoiceGrid& grid, const std::function<Step(const Choice&)>& use,
                   bool otherCriterion)
{
    const ChoiceKind kind = Global::CurrentCriterion == Codes::AnswerType::Positive
                                ? ChoiceKind::Positive
                                : ChoiceKind::Negative;
    for (int r = ChoiceGrid::FixedRows; r < grid.Rows(); ++r) {
        grid.setCol(0);
        grid.setRow(r);
        long long chooser = 0;
        if (!trap.step([&] { return readSubject(grid.Text(), chooser); }))
            continue;
        for (int c = 1; c < grid.Cols(); ++c) {
            grid.setCol(c);
            const QString cell = grid.Text();
            if (cell.isEmpty())
                continue;
            trap.step([&]() -> Step {
                long long chosen = 0;
                if (Step f = readSubject(cell, chosen))
                    return f;
                return use(Choice{int(chooser), int(chosen), kind, c});
            });
        }
    }
    if (!otherCriterion)
        return;
    const OtherCriterion other = readOtherCriterion(trap, UnsavedStudy::ReadFile);
    for (const AnswerRow& row : other.stored)
        trap.step([&]() -> Step {
            std::optional<Choice> choice;
            if (Step f = storedChoice(row, choice))
                return f;
            return choice ? use(*choice) : std::nullopt;
        });
}

PrimitiveList choicePrimitives(Trap& trap, ChoiceGrid& grid, QSizeF labelSize,
                               const LineStyle& style, const LabelSet* labels)
{
    PrimitiveList list;
    if (!style.colour) {
        forEachChoice(
            trap, grid,
            [&](const Choice& choice) -> Step {
                if (!appendChoice(list, choice, positions(), labelSize))
                    return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
                return std::nullopt;
            },
            style.otherCriterion);
        return list;
    }
    // Mutual pairs are known only once every choice has been read.
    std::vector<Choice> choices;
    forEachChoice(
        trap, grid,
        [&](const Choice& choice) -> Step {
            PrimitiveList probe;
            if (!appendChoice(probe, choice, positions(), labelSize))
                return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
            choices.push_back(choice);
            return std::nullopt;
        },
        style.otherCriterion);
    std::vector<QRectF> squares;
    if (labels)
        for (int i = 1; i <= LabelSet::MaxIndex; ++i)
            if (const SubjectLabel* l = labels->get(i); l && l->Visible)
                squares.emplace_back(l->Left, l->Top, l->Width, l->Height);
    return emphasisedChoiceLines(choices, positions(), labelSize, squares);
}

PrimitiveList changePrimitives(Trap& trap, const TieChanges& ties, QSizeF labelSize,
                               const LineStyle& style)
{
    const ChoiceKind inView = Global::CurrentCriterion == Codes::AnswerType::Negative
                                  ? ChoiceKind::Negative
                                  : ChoiceKind::Positive;
    const bool both = Global::CriterionType == Codes::CriterionType::Both && style.otherCriterion;
    TieChanges shown;
    std::copy_if(ties.begin(), ties.end(), std::back_inserter(shown),
                 [&](const ChangedTie& tie) { return both || tie.choice.kind == inView; });
    ChangePicture picture = changedTiePrimitives(shown, positions(), labelSize);
    if (picture.refused > 0)
        trap.step([] { return Step(runtimeFailure(ErrorNumber::SubscriptOutOfRange)); });
    return std::move(picture.shapes);
}

PrimitiveList drawChangeLines(const TieChanges& ties, QSizeF labelSize, qreal W, qreal H,
                              const LineStyle& style, const std::vector<MovedRing>& moved)
{
    Trap trap(QStringLiteral("DataForm:LineDraw"));
    PrimitiveList list = changePrimitives(trap, ties, labelSize, style);
    PrimitiveList shape = guidePrimitives(trap, W, H, RingOrder::Outward, moved);
    list.insert(list.end(), shape.begin(), shape.end());
    return list;
}

PrimitiveList guidePrimitives(Trap& trap, qreal W, qreal H, RingOrder order,
                              const std::vector<MovedRing>& moved)
{
    GuideShape guide = guideShape(Global::SociogramType, Global::MaxReceived, W, H, order, moved);
    if (guide.errorNumber != 0)
        trap.step([&] { return Step(runtimeFailure(guide.errorNumber)); });
    return std::move(guide.shapes);
}

PrimitiveList drawChoiceLines(ChoiceGrid& grid, QSizeF labelSize, qreal W, qreal H,
                              const LineStyle& style, const LabelSet* labels,
                              const std::vector<MovedRing>& moved)
{
    Trap trap(QStringLiteral("DataForm:LineDraw"));
    PrimitiveList list = choicePrimitives(trap, grid, labelSize, style, labels);
    PrimitiveList shape = guidePrimitives(trap, W, H, RingOrder::Outward, moved);
    list.insert(list.end(), shape.begin(), shape.end());
    return list;
}

namespace {

// Every label is drawn the side of label 1, as the window shows them.
qreal labelSide(const LabelSet& labels)
{
    const SubjectLabel* first = labels.get(1);
    return first ? first->Width : labels.Template().Width;
}

} // namespace

PrimitiveList labelPrimitives(const LabelSet& labels, int count, const QList<int>& groups)
{
    PrimitiveList list;
    const qreal side = labelSide(labels);
    for (int i = 1; i <= count; ++i) {
        const SubjectLabel* label = labels.get(i);
        if (!label)
            continue;
        list.push_back(labelPrimitive(QPointF(label->Left, label->Top), side, label->Caption));
        if (i < groups.size() && groups[i] >= 0)
            list.back().fill = groupColour(groups[i]);
    }
    return list;
}

PrimitiveList namePrimitives(const LabelSet& labels, int count, const QStringList& names,
                             QSizeF area)
{
    const qreal side = labelSide(labels);
    std::vector<NameSpot> spots;
    for (int i = 1; i <= count && i <= names.size(); ++i) {
        const SubjectLabel* label = labels.get(i);
        const QString name = names[i - 1].simplified();
        if (label && !name.isEmpty())
            spots.push_back({QRectF(label->Left, label->Top, side, side), name, nameWidth(name)});
    }
    return placedNames(spots, area);
}

namespace {

Failure missingLabel(int i)
{
    return {Codes::ErrorNumber::MissingLabel,
            QStringLiteral("Control array element '%1' doesn't exist").arg(i)};
}

// One red square per subject of the grid, at the labels' positions on the window; the
// printed side of every label is that of label 1.
PrimitiveList printedLabels(Trap& trap, const ChoiceGrid& grid, const LabelSet& labels,
                            const QList<int>& groups)
{
    qreal side = labels.Template().Width;
    trap.step([&]() -> Step {
        const SubjectLabel* first = labels.get(1);
        if (!first)
            return missingLabel(1);
        side = first->Width;
        return std::nullopt;
    });
    PrimitiveList list;
    const int subjects = grid.Rows() - ChoiceGrid::FixedRows;
    for (int i = 1; i <= subjects; ++i)
        trap.step([&]() -> Step {
            const SubjectLabel* label = labels.get(i);
            if (!label)
                return missingLabel(i);
            list.push_back(labelPrimitive(QPointF(label->Left, label->Top), side, label->Caption));
            if (i < groups.size() && groups[i] >= 0)
                list.back().fill = groupColour(groups[i]);
            return std::nullopt;
        });
    return list;
}

} // namespace

PrimitiveList printedPage(Trap& trap, ChoiceGrid& grid, const LabelSet& labels, qreal W, qreal H,
                          const LineStyle& style, const PrintExtras& extras,
                          const std::vector<MovedRing>& moved)
{
    const SubjectLabel& model = labels.Template();
    const QSizeF labelSize(model.Width, model.Height);
    PrimitiveList page = extras.changes.empty()
                             ? choicePrimitives(trap, grid, labelSize, style, &labels)
                             : changePrimitives(trap, extras.changes, labelSize, style);
    const PrimitiveList guide = guidePrimitives(trap, W, H, RingOrder::Inward, moved);
    page.insert(page.end(), guide.begin(), guide.end());
    // Names under the labels, as on the window.
    const PrimitiveList names =
        namePrimitives(labels, grid.Rows() - ChoiceGrid::FixedRows, extras.names, QSizeF(W, H));
    page.insert(page.end(), names.begin(), names.end());
    const PrimitiveList shown = printedLabels(trap, grid, labels, extras.groups);
    page.insert(page.end(), shown.begin(), shown.end());
    const PrimitiveList marks = statusPrimitives(labels, extras.marks);
    page.insert(page.end(), marks.begin(), marks.end());
    return page;
}

bool SocioPrint(QPaintDevice& device, ChoiceGrid& grid, const LabelSet& labels, qreal W, qreal H,
                const LineStyle& style, const PrintExtras& extras,
                const std::vector<MovedRing>& moved)
{
    Trap trap(QStringLiteral("DataForm:SocioPrint"));
    QPainter painter;
    if (!trap.step([&]() -> Step {
            if (painter.begin(&device))
                return std::nullopt;
            return Failure{Codes::ErrorNumber::PrinterError, QStringLiteral("Printer error")};
        }))
        return false;
    if (W <= 0 || H <= 0)
        trap.step([] { return Step(runtimeFailure(ErrorNumber::DivisionByZero)); });
    const PrimitiveList page = printedPage(trap, grid, labels, W, H, style, extras, moved);
    if (extras.page.includeTitle || extras.page.includeKey)
        paintPictureOnPage(painter, device, page, QSizeF(W, H), extras.page);
    else
        paintPage(painter, device, page, W, H);
    painter.end();
    return true;
}
