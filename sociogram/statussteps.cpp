#include "statussteps.h"

#include "globals.h"
#include "labelset.h"
#include "studychoices.h"

#include <algorithm>

namespace {

StatusMark markOf(StatusGroup group)
{
    switch (group) {
    case StatusGroup::Popular:
        return StatusMark::Popular;
    case StatusGroup::Rejected:
        return StatusMark::Rejected;
    case StatusGroup::Neglected:
        return StatusMark::Neglected;
    case StatusGroup::Controversial:
        return StatusMark::Controversial;
    default:
        // Average and unclassified subjects are the picture's background: unmarked.
        return StatusMark::None;
    }
}

} // namespace

std::vector<StatusMark> statusMarks(const SociometricAnalysis& analysis, StatusMethod method)
{
    std::vector<StatusMark> marks{StatusMark::None}; // by subject number, entry 0 unused
    if (analysis.group.classified) {
        // Chosen by nobody is told apart from rejected: a pupil nobody chose is left out
        // whatever else the method finds, and a rejected one carries both marks.
        for (const SubjectFigures& s : analysis.subjects) {
            const StatusMark mark = markOf(s.status(method));
            marks.push_back(!s.isolate                     ? mark
                            : mark == StatusMark::Rejected ? StatusMark::RejectedIsolate
                            : mark == StatusMark::Popular || mark == StatusMark::Controversial
                                ? mark
                                : StatusMark::Isolate);
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
        marks.push_back(most > 0 && received(s) == most ? StatusMark::MostChosen
                        : s.isolate                     ? StatusMark::Isolate
                                                        : StatusMark::None);
    return marks;
}

std::vector<StatusMark> statusLegend(int criterionType)
{
    switch (criterionType) {
    case Codes::CriterionType::Both:
        return {StatusMark::Popular, StatusMark::Rejected,        StatusMark::Neglected,
                StatusMark::Isolate, StatusMark::RejectedIsolate, StatusMark::Controversial};
    case Codes::CriterionType::Positive:
        return {StatusMark::MostChosen, StatusMark::Isolate};
    default:
        // Nobody is an isolate where no positive choice could be received.
        return {StatusMark::MostChosen};
    }
}

std::vector<StatusMark> drawnLegend(int criterionType, const std::vector<StatusMark>& marks)
{
    std::vector<StatusMark> drawn;
    for (StatusMark mark : statusLegend(criterionType))
        if (std::find(marks.begin(), marks.end(), mark) != marks.end())
            drawn.push_back(mark);
    return drawn;
}

std::vector<StatusMark> currentStatusMarks(StatusMethod method)
{
    return statusMarks(analyseChoices(currentStudyChoices().choices), method);
}

PrimitiveList statusPrimitives(const LabelSet& labels, const std::vector<StatusMark>& marks)
{
    PrimitiveList list;
    for (std::size_t i = 1; i < marks.size(); ++i) {
        const SubjectLabel* l = labels.get(int(i));
        if (!l || !l->Visible)
            continue;
        const PrimitiveList mark =
            statusMarkPrimitives(QRectF(l->Left, l->Top, l->Width, l->Height), marks[i]);
        list.insert(list.end(), mark.begin(), mark.end());
    }
    return list;
}
