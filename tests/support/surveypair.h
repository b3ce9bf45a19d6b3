#pragma once
// Two surveys of a class of six, both criteria, with every kind of change between them.
//   positive, earlier: 1>2 1>3 2>1 3>4 4>3 5>1        later: 1>2 1>4 2>1 3>5 4>3 5>1 5>6 6>5
//   ties: kept 1>2 2>1 4>3 5>1, new 1>4 3>5 5>6 6>5, gone 1>3 3>4 (stability 4/10)
//   mutual: 1-2 kept, 3-4 lost, 5-6 gained; received 2 1 2 1 0 0 -> 2 1 1 1 2 1
//   negative, earlier: 2>6 3>6                         later: 3>6 4>2 (stability 1/3)

#include "statusstudy.h"

inline const Rows EarlierPositive{{1, {2, 3}}, {2, {1}}, {3, {4}}, {4, {3}}, {5, {1}}};
inline const Rows LaterPositive{{1, {2, 4}}, {2, {1}}, {3, {5}}, {4, {3}}, {5, {1, 6}}, {6, {5}}};
inline const Rows EarlierNegative{{2, {6}}, {3, {6}}};
inline const Rows LaterNegative{{3, {6}}, {4, {2}}};

inline ChoiceSet survey(const Rows& positive, const Rows& negative,
                        int type = Codes::CriterionType::Both, int groupSize = 6)
{
    ChoiceSet set = emptyChoiceSet(groupSize, 3, type);
    if (set.has(Criterion::Positive))
        set.positive = choicesOf(positive);
    if (set.has(Criterion::Negative))
        set.negative = choicesOf(negative, ChoiceKind::Negative);
    return set;
}

// The status study with the criteria swapped: each pupil's liked-most and liked-least
// counts trade places, so popular 1 and rejected 2 of the status study trade groups.
inline ChoiceSet swappedStatusStudy()
{
    ChoiceSet set = emptyChoiceSet(10, 3, Codes::CriterionType::Both);
    set.positive = choicesOf(StatusNegative);
    set.negative = choicesOf(StatusPositive, ChoiceKind::Negative);
    return set;
}
