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

PrimitiveList choiceLines(const PictureValues& v)
{
    if (v.changes)
        return changedTiePrimitives(v.ties, v.positions, v.labelSize).shapes;
    if (v.colour)
        return emphasisedChoiceLines(v.choices, v.positions, v.labelSize,
                                     v.labels ? labelSquares(*v.labels) : std::vector<QRectF>{});
    PrimitiveList list;
    for (const Choice& choice : v.choices)
        appendChoice(list, choice, v.positions, v.labelSize);
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
        return list;
    const LabelSet& labels = *v.labels;
    const PrimitiveList names =
        namePrimitives(labels, LabelSet::MaxIndex, v.names.mid(1), v.area);
    list.insert(list.end(), names.begin(), names.end());
    const PrimitiveList shown = labelPrimitives(labels, LabelSet::MaxIndex, v.groups);
    list.insert(list.end(), shown.begin(), shown.end());
    const PrimitiveList marks = statusPrimitives(labels, v.marks);
    list.insert(list.end(), marks.begin(), marks.end());
    return list;
}
