#include "picturebuild.h"

#include "emphasis.h"
#include "labelset.h"
#include "linesteps.h"
#include "statussteps.h"

namespace {

std::vector<QRectF> labelSquares(const LabelSet& labels)
{
    std::vector<QRectF> squares;
    for (int i = 1; i <= LabelSet::MaxIndex; ++i)
        if (const SubjectLabel* l = labels.get(i); l && l->Visible)
            squares.emplace_back(l->Left, l->Top, l->Width, l->Height);
    return squares;
}

std::vector<Choice> drawnChoices(const PictureValues& v)
{
    if (!v.changes)
        return v.choices;
    std::vector<Choice> choices;
    for (const ChangedTie& tie : v.ties)
        choices.push_back(tie.choice);
    return choices;
}

PrimitiveList choiceLines(const PictureValues& v)
{
    Layout::LineRoutes routes;
    if (v.routed && v.labels)
        routes = Layout::routeLines(v.sociogramType,
                                    labelLeftTops(v.positions, v.labels->highestIndex()),
                                    drawnChoices(v), v.area, v.labelSize);
    if (v.changes)
        return changedTiePrimitives(v.ties, v.positions, v.labelSize, &routes).shapes;
    if (v.colour)
        return emphasisedChoiceLines(v.choices, v.positions, v.labelSize,
                                     v.labels ? labelSquares(*v.labels) : std::vector<QRectF>{},
                                     &routes);
    // Lines round labels put their markers over every line, so that none hides one; the
    // designed picture stays as it always was drawn, each marker after its line.
    PrimitiveList drawn;
    for (const Choice& choice : v.choices)
        appendChoice(drawn, choice, v.positions, v.labelSize, &routes);
    if (!v.routed)
        return drawn;
    PrimitiveList list;
    for (int marker : {0, 1})
        for (std::size_t i = std::size_t(marker); i < drawn.size(); i += 2)
            list.push_back(drawn[i]);
    return list;
}

} // namespace

PrimitiveList pictureLines(const PictureValues& v)
{
    PrimitiveList list = choiceLines(v);
    const GuideShape guide = guideShape(v.sociogramType, v.maxReceived, v.area.width(),
                                        v.area.height(), RingOrder::Outward, v.moved);
    list.insert(list.end(), guide.shapes.begin(), guide.shapes.end());
    return list;
}

PrimitiveList wholePicture(const PictureValues& v)
{
    PrimitiveList list = pictureLines(v);
    if (!v.labels)
        return framedPicture(std::move(list), v.area, v.around);
    const LabelSet& labels = *v.labels;
    // A layout just drawn keeps its marks whole, as it always showed them.
    const std::vector<qreal> markReach = drawnMarkReach(labels, v.marks, v.arranged);
    const PrimitiveList names = namePrimitives(v, markReach);
    list.insert(list.end(), names.begin(), names.end());
    const PrimitiveList shown = labelPrimitives(labels, LabelSet::MaxIndex, v.groups);
    list.insert(list.end(), shown.begin(), shown.end());
    const PrimitiveList marks = statusPrimitives(labels, v.marks, markReach);
    list.insert(list.end(), marks.begin(), marks.end());
    return framedPicture(std::move(list), v.area, v.around);
}
