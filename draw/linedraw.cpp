#include "linedraw.h"

#include "choicegrid.h"
#include "globals.h"
#include "numbers.h"
#include "store.h"
#include "trappedopen.h"

#include <QVariant>
#include <cmath>
#include <limits>

namespace {

const QString LineDrawLabel = QStringLiteral("DataForm:LineDraw");

constexpr int PositiveAnswer = 1;
constexpr int NegativeAnswer = 2;
constexpr int BothCriteria = 3;

bool isSubject(long long n)
{
    return n >= 0 && n <= Global::MaxSubjects;
}

QPoint leftTopOf(long long subject)
{
    const auto& pos = Global::LabelPos[static_cast<std::size_t>(subject)];
    return {pos[0], pos[1]};
}

QPointF centreOf(long long subject, QSizeF labelSize)
{
    const QPoint lt = leftTopOf(subject);
    return {lt.x() + labelSize.width() / 2, lt.y() + labelSize.height() / 2};
}

// A cell or field text as the Long a subject number is kept in.
std::optional<Failure> readSubject(const QString& text, long long& subject)
{
    const std::optional<std::int32_t> n = Numbers::toLong(Numbers::leadingValue(text));
    if (!n)
        return runtimeFailure(ErrorNumber::Overflow);
    subject = *n;
    return std::nullopt;
}

// A stored field read as text: a field without a value cannot be.
std::optional<Failure> readField(const QVariant& field, long long& value)
{
    if (field.isNull())
        return runtimeFailure(ErrorNumber::InvalidUseOfNull);
    return readSubject(field.toString(), value);
}

Primitive circle(QPointF centre, qreal radius, const QColor& colour)
{
    Primitive p;
    p.kind = Primitive::Kind::Circle;
    p.p1 = centre;
    p.radius = radius;
    p.pen = colour;
    return p;
}

void appendGridChoices(Trap& trap, ChoiceGrid& grid, QSizeF labelSize, PrimitiveList& list)
{
    const bool positive = Global::CurrentCriterion == PositiveAnswer;
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
            trap.step([&]() -> std::optional<Failure> {
                long long chosen = 0;
                if (auto f = readSubject(cell, chosen))
                    return f;
                return LineParts::appendChoice(list, chooser, chosen, positive, labelSize);
            });
        }
    }
}

// Only the criterion not in view is drawn from the file: the grid holds the other.
// Gives whether a stored answer of this type is drawn, and with which marker.
std::optional<bool> storedMarkerIsPositive(long long answerType)
{
    if (Global::CurrentCriterion == PositiveAnswer && answerType == NegativeAnswer)
        return false;
    if (Global::CurrentCriterion == NegativeAnswer && answerType == PositiveAnswer)
        return true;
    return std::nullopt;
}

std::optional<Failure> appendStoredChoice(const AnswerRow& row, QSizeF labelSize,
                                          PrimitiveList& list)
{
    long long type = 0;
    if (auto f = readField(row.answerType, type))
        return f;
    const std::optional<bool> positive = storedMarkerIsPositive(type);
    if (!positive)
        return std::nullopt;
    long long individual = 0;
    long long chosen = 0;
    if (auto f = readField(row.individual, individual))
        return f;
    if (auto f = readField(row.answer, chosen))
        return f;
    return LineParts::appendChoice(list, individual - 1, chosen, *positive, labelSize);
}

void appendStoredChoices(Trap& trap, QSizeF labelSize, PrimitiveList& list)
{
    for (const AnswerRow& row : storedAnswersTrapped(trap))
        trap.step([&] { return appendStoredChoice(row, labelSize, list); });
}

} // namespace

QPointF SpotDraw(QPointF chooserCentre, QPointF chosenCentre, QPoint leftTopA, QPoint leftTopB)
{
    const qreal x1 = chooserCentre.x();
    const qreal y1 = chooserCentre.y();
    const qreal dx = std::abs(x1 - chosenCentre.x());
    const qreal dy = std::abs(y1 - chosenCentre.y());
    qreal mx = 0;
    qreal my = 0;
    if (leftTopB.x() <= leftTopA.x()) {
        mx = x1 - dx / 4;
        my = leftTopB.y() <= leftTopA.y() ? y1 - dy / 4 : y1 + dy / 4;
    } else {
        mx = x1 + dx / 4;
        my = leftTopB.y() >= leftTopA.y() ? y1 + dy / 4 : y1 - dy / 4;
    }
    return {mx, my};
}

namespace LineParts {

std::optional<Failure> appendChoice(PrimitiveList& list, long long chooser, long long chosen,
                                    bool positive, QSizeF labelSize)
{
    if (!isSubject(chooser) || !isSubject(chosen))
        return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
    const QPointF from = centreOf(chooser, labelSize);
    const QPointF to = centreOf(chosen, labelSize);

    Primitive line;
    line.kind = Primitive::Kind::Line;
    line.p1 = from;
    line.p2 = to;
    line.pen = DrawColour::Line;
    list.push_back(line);

    const QPointF spot = SpotDraw(from, to, leftTopOf(chooser), leftTopOf(chosen));
    Primitive marker;
    marker.pen = DrawColour::Marker;
    if (positive) {
        marker.kind = Primitive::Kind::Disc;
        marker.p1 = spot;
        marker.radius = DrawSize::DiscRadius;
        marker.fill = DrawColour::Marker;
    } else {
        const QPointF half(DrawSize::SquareHalfSide, DrawSize::SquareHalfSide);
        marker.kind = Primitive::Kind::SquareOutline;
        marker.p1 = spot - half;
        marker.p2 = spot + half;
    }
    list.push_back(marker);
    return std::nullopt;
}

PrimitiveList choices(Trap& trap, ChoiceGrid& grid, QSizeF labelSize)
{
    PrimitiveList list;
    appendGridChoices(trap, grid, labelSize, list);
    if (Global::CriterionType == BothCriteria)
        appendStoredChoices(trap, labelSize, list);
    return list;
}

PrimitiveList guide(Trap& trap, qreal W, qreal H, RingOrder order)
{
    PrimitiveList list;
    const QPointF centre(W / 2, H / 2);
    switch (Global::SociogramType) {
    case 0:
        list.push_back(circle(centre, DrawSize::CircleGuideRadius, DrawColour::Guide));
        break;
    case 2: {
        Primitive box;
        box.kind = Primitive::Kind::Rectangle;
        box.p1 = QPointF(W / 10, H / 10);
        box.p2 = QPointF(W * 9 / 10, H * 9 / 10);
        box.pen = DrawColour::Guide;
        list.push_back(box);
        break;
    }
    case 3: {
        const long long rings = static_cast<long long>(Global::MaxReceived) + 1;
        trap.step([&]() -> std::optional<Failure> {
            if (rings == 0)
                return runtimeFailure(ErrorNumber::DivisionByZero);
            if (rings > std::numeric_limits<std::int32_t>::max())
                return runtimeFailure(ErrorNumber::Overflow);
            const qreal step = (W / 2 - DrawSize::TargetRingInset) / rings;
            for (long long i = 1; i <= rings; ++i) {
                const long long k = order == RingOrder::Outward ? i : rings + 1 - i;
                list.push_back(circle(centre, k * step, DrawColour::Guide));
            }
            return std::nullopt;
        });
        break;
    }
    default: // the random layout has no guide
        break;
    }
    return list;
}

} // namespace LineParts

PrimitiveList LineDraw(ChoiceGrid& grid, qreal labelWidth, qreal labelHeight, qreal W, qreal H)
{
    Trap trap(LineDrawLabel);
    PrimitiveList list = LineParts::choices(trap, grid, QSizeF(labelWidth, labelHeight));
    PrimitiveList shape = LineParts::guide(trap, W, H);
    list.insert(list.end(), shape.begin(), shape.end());
    return list;
}
