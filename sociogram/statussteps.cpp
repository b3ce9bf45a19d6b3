#include "statussteps.h"

#include "globals.h"
#include "labelset.h"
#include "studychoices.h"

#include <algorithm>

std::vector<Status> statusMarks(const SociometricAnalysis& analysis, StatusMethod method)
{
    std::vector<Status> marks{Status::None}; // by subject number, entry 0 unused
    if (analysis.group.classified) {
        // Chosen by nobody is told apart from rejected: a pupil nobody chose is left out
        // whatever else the method finds, and a rejected one carries both marks.
        for (const SubjectFigures& s : analysis.subjects) {
            // Average and unclassified subjects are the picture's background: unmarked.
            const Status group = s.status(method);
            const Status mark =
                group == Status::Average || group == Status::Unclassified ? Status::None : group;
            marks.push_back(!s.isolate                 ? mark
                            : mark == Status::Rejected ? Status::RejectedIsolate
                            : mark == Status::Popular || mark == Status::Controversial
                                ? mark
                                : Status::Isolate);
        }
        return marks;
    }
    // One criterion: only one of the two counts can be above 0.
    const auto received = [](const SubjectFigures& s) {
        return s.positiveReceived + s.negativeReceived;
    };
    int most = 0;
    for (const SubjectFigures& s : analysis.subjects)
        most = std::max(most, received(s));
    for (const SubjectFigures& s : analysis.subjects)
        marks.push_back(most > 0 && received(s) == most ? Status::MostChosen
                        : s.isolate                     ? Status::Isolate
                                                        : Status::None);
    return marks;
}

std::vector<Status> statusLegend(int criterionType)
{
    switch (criterionType) {
    case Codes::CriterionType::Both:
        return {Status::Popular, Status::Rejected,        Status::Neglected,
                Status::Isolate, Status::RejectedIsolate, Status::Controversial};
    case Codes::CriterionType::Positive:
        return {Status::MostChosen, Status::Isolate};
    default:
        // Nobody is an isolate where no positive choice could be received.
        return {Status::MostChosen};
    }
}

std::vector<Status> drawnLegend(int criterionType, const std::vector<Status>& marks)
{
    std::vector<Status> drawn;
    for (Status mark : statusLegend(criterionType))
        if (std::find(marks.begin(), marks.end(), mark) != marks.end())
            drawn.push_back(mark);
    return drawn;
}

std::vector<Status> currentStatusMarks(StatusMethod method)
{
    return statusMarks(analyseChoices(currentStudyChoices().choices), method);
}

std::vector<qreal> drawnMarkReach(const LabelSet& labels, const std::vector<Status>& marks,
                                  bool fitted)
{
    // Every shown label is a neighbour to keep clear of, marked or not.
    std::vector<QRectF> squares(std::max(marks.size(), std::size_t(labels.highestIndex()) + 1));
    for (std::size_t i = 1; i < squares.size(); ++i)
        if (const SubjectLabel* l = labels.get(int(i)); l && l->Visible)
            squares[i] = QRectF(l->Left, l->Top, l->Width, l->Height);
    if (fitted)
        return fittedMarkReach(squares, marks);
    std::vector<qreal> reach(marks.size(), 0);
    for (std::size_t i = 1; i < marks.size(); ++i)
        reach[i] = squares[i].isNull() ? 0 : statusMarkReach(marks[i]);
    return reach;
}

PrimitiveList statusPrimitives(const LabelSet& labels, const std::vector<Status>& marks,
                               const std::vector<qreal>& reach)
{
    PrimitiveList list;
    for (std::size_t i = 1; i < marks.size(); ++i) {
        const SubjectLabel* l = labels.get(int(i));
        if (!l || !l->Visible)
            continue;
        const qreal upTo = i < reach.size() ? reach[i] : Unfitted; // whole where none is given
        const PrimitiveList mark =
            statusMarkPrimitives(QRectF(l->Left, l->Top, l->Width, l->Height), marks[i], upTo);
        list.insert(list.end(), mark.begin(), mark.end());
    }
    return list;
}
