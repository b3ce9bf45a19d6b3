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
#include "picturebuild.h"
#include "socioprint.h"
#include "statussteps.h"
#include "studyanswers.h"

#include <QCoreApplication>
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

std::vector<Choice> drawnChoices(Trap& trap, ChoiceGrid& grid, bool otherCriterion)
{
    std::vector<Choice> choices;
    forEachChoice(
        trap, grid,
        [&](const Choice& choice) -> Step {
            PrimitiveList probe;
            if (!appendChoice(probe, choice, positions(), QSizeF()))
                return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
            choices.push_back(choice);
            return std::nullopt;
        },
        otherCriterion);
    return choices;
}

TieChanges drawnTies(Trap& trap, const TieChanges& ties, const LineStyle& style)
{
    const ChoiceKind inView = Global::CurrentCriterion == Codes::AnswerType::Negative
                                  ? ChoiceKind::Negative
                                  : ChoiceKind::Positive;
    const bool both = Global::CriterionType == Codes::CriterionType::Both && style.otherCriterion;
    TieChanges shown;
    int refused = 0;
    for (const ChangedTie& tie : ties) {
        if (!both && tie.choice.kind != inView)
            continue;
        PrimitiveList probe;
        if (appendChoice(probe, tie.choice, positions(), QSizeF()))
            shown.push_back(tie);
        else
            ++refused;
    }
    if (refused > 0)
        trap.step([] { return Step(runtimeFailure(ErrorNumber::SubscriptOutOfRange)); });
    return shown;
}

void reportGuide(Trap& trap, qreal W, qreal H, const std::vector<Layout::RingRadius>& moved)
{
    const GuideShape guide =
        guideShape(Global::SociogramType, Global::MaxReceived, W, H, RingOrder::Outward, moved);
    if (guide.errorNumber != 0)
        trap.step([&] { return Step(runtimeFailure(guide.errorNumber)); });
}

PictureValues readPicture(Trap& trap, const PictureSource& source)
{
    PictureValues v;
    v.sociogramType = int(Global::SociogramType);
    v.maxReceived = Global::MaxReceived;
    v.area = source.area;
    v.moved = source.moved;
    v.positions = positions();
    v.labels = source.labels;
    v.labelSize = source.labelSize;
    v.colour = source.style.colour;
    v.routed = source.style.routed;
    v.arranged = source.style.arranged;
    v.changes = source.ties != nullptr;
    if (source.ties)
        v.ties = drawnTies(trap, *source.ties, source.style);
    else if (source.grid)
        v.choices = drawnChoices(trap, *source.grid, source.style.otherCriterion);
    reportGuide(trap, source.area.width(), source.area.height(), source.moved);
    return v;
}

PrimitiveList drawChoiceLines(ChoiceGrid& grid, QSizeF labelSize, qreal W, qreal H,
                              const LineStyle& style, const LabelSet* labels,
                              const std::vector<Layout::RingRadius>& moved)
{
    Trap trap(QStringLiteral("DataForm:LineDraw"));
    return pictureLines(
        readPicture(trap, {&grid, nullptr, labels, labelSize, QSizeF(W, H), style, moved}));
}

PrimitiveList drawChangeLines(const TieChanges& ties, QSizeF labelSize, qreal W, qreal H,
                              const LineStyle& style, const std::vector<Layout::RingRadius>& moved)
{
    Trap trap(QStringLiteral("DataForm:LineDraw"));
    return pictureLines(
        readPicture(trap, {nullptr, &ties, nullptr, labelSize, QSizeF(W, H), style, moved}));
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
        if (i < groups.size() && groups[i] >= 0) {
            list.back().fill = groupColour(groups[i]);
            list.back().text = groupCaption(label->Caption, groups[i]);
        }
    }
    return list;
}

PrimitiveList namePrimitives(const LabelSet& labels, int count, const SubjectNames& names,
                             QSizeF area, const std::vector<qreal>& markReach, bool inward)
{
    const qreal side = labelSide(labels);
    std::vector<NameSpot> spots;
    for (int i = 1; i <= count; ++i) {
        const SubjectLabel* label = labels.get(i);
        const QString name = nameOf(names, i).simplified();
        const qreal reach = std::size_t(i) < markReach.size() ? markReach[std::size_t(i)] : 0;
        if (label && !name.isEmpty())
            spots.push_back(
                {QRectF(label->Left, label->Top, side, side), name, nameWidth(name), reach});
    }
    return placedNames(spots, area, inward);
}

PrimitiveList namePrimitives(const PictureValues& v, const std::vector<qreal>& markReach)
{
    if (!v.labels)
        return {};
    const bool onFrame = v.sociogramType == Codes::SociogramType::Circle ||
                         v.sociogramType == Codes::SociogramType::Square;
    return namePrimitives(*v.labels, LabelSet::MaxIndex, v.names, v.area, markReach,
                          v.routed && onFrame);
}

bool SocioPrint(QPaintDevice& device, const PrimitiveList& page, qreal W, qreal H,
                const PictureOptions& options)
{
    Trap trap(QStringLiteral("DataForm:SocioPrint"));
    QPainter painter;
    if (!trap.step([&]() -> Step {
            if (painter.begin(&device))
                return std::nullopt;
            return Failure{Codes::ErrorNumber::PrinterError,
                           QCoreApplication::translate("ErrorReport", "Printer error")};
        }))
        return false;
    if (W <= 0 || H <= 0)
        trap.step([] { return Step(runtimeFailure(ErrorNumber::DivisionByZero)); });
    if (options.includeTitle || options.includeKey)
        paintPictureOnPage(painter, device, page, QSizeF(W, H), options);
    else
        paintPage(painter, device, page, W, H);
    painter.end();
    return true;
}
