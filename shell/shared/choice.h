#pragma once
// "A chose B", as every part of the program passes it on: the grid and the stored
// answers, the drawing, Tidy and the groups. Subjects are numbered from 1 to the group
// size, and an array kept per subject is indexed by that number, entry 0 left unused
// (the labels' entry 0 is the template), so that no part counts from another base.

#include "codes.h"

enum class ChoiceKind {
    Positive = Codes::AnswerType::Positive,
    Negative = Codes::AnswerType::Negative
};

struct Choice {
    int chooser = 0;
    int chosen = 0;
    ChoiceKind kind = ChoiceKind::Positive;
    int slot = 0; // which of the chooser's answers, from 1; 0 where nobody kept it
    bool positive() const { return kind == ChoiceKind::Positive; }
    friend bool operator==(const Choice&, const Choice&) = default;
};
