#pragma once
// Choices of a test class for the analysis: lists by chooser, and the status study whose
// figures were worked out by hand.

#include "choiceset.h"

// Choices given as chooser -> chosen lists in slot order.
using Rows = std::vector<std::pair<int, std::vector<int>>>;

inline std::vector<Choice> choicesOf(const Rows& rows, ChoiceKind kind = ChoiceKind::Positive)
{
    std::vector<Choice> out;
    for (const auto& [chooser, chosen] : rows) {
        int slot = 0;
        for (int c : chosen)
            out.push_back({chooser, c, kind, ++slot});
    }
    return out;
}

// Six subjects, each choosing the next and subject 6 choosing 1.
inline const Rows Ring{{1, {2}}, {2, {3}}, {3, {4}}, {4, {5}}, {5, {6}}, {6, {1}}};

// Ten subjects, three choices, both criteria. Received counts:
//   subject      1  2  3  4  5  6  7  8  9 10
//   positive LM  5  0  4  0  2  1  1  1  1  0
//   negative LL  0  5  4  0  0  1  1  1  1  2
// Worked out by hand (sample deviations): zLM of subject 1 is 2.040, SP 1.970;
// the status groups by Coie-Dodge-Coppotelli are 1 popular, 2 rejected,
// 3 controversial, 4 neglected, 5 and 10 unclassified (SP +-0.788), 6-9 average.
// By Newcomb-Bukowski (p = 1/6 for each list over 9 choosers: high from 4; impact
// p = 1/3: low up to 0) 1 popular, 2 rejected, 3 controversial, 4 neglected and the
// rest average. Mutual: 6-7 positive; 7-8 and 9-10 negative.
inline const Rows StatusPositive{{2, {1, 3}}, {4, {1, 3}}, {6, {1, 5, 7}}, {7, {3, 6}},
                                 {8, {1, 5}}, {9, {3, 8}}, {10, {1, 9}}};
inline const Rows StatusNegative{{1, {2, 3, 10}}, {4, {2, 3}},  {5, {2, 3, 6}}, {7, {2, 8}},
                                 {8, {3, 7}},     {9, {2, 10}}, {10, {9}}};

inline ChoiceSet statusStudy()
{
    ChoiceSet set = emptyChoiceSet(10, 3, Codes::CriterionType::Both);
    set.positive = choicesOf(StatusPositive);
    set.negative = choicesOf(StatusNegative, ChoiceKind::Negative);
    return set;
}
