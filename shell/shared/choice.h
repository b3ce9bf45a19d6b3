#pragma once
// "A chose B", as every part of the program passes it on: the grid and the stored
// answers, the drawing, Tidy and the groups. Subjects are numbered from 1 to the group
// size, and an array kept per subject is indexed by that number, entry 0 left unused
// (the labels' entry 0 is the template), so that no part counts from another base.

#include "codes.h"

#include <vector>

enum class ChoiceKind {
    Positive = Codes::AnswerType::Positive,
    Negative = Codes::AnswerType::Negative
};

struct Choice {
    int chooser = 0;
    int chosen = 0;
    ChoiceKind kind = ChoiceKind::Positive;
    int slot = 0; // the chooser's answer it was, from 1; 0 when nobody asked
    bool positive() const { return kind == ChoiceKind::Positive; }
    friend bool operator==(const Choice&, const Choice&) = default;
};

// An array with an entry for each of subjects 1..n, entry 0 unused.
template <typename T> std::vector<T> perSubject(int n, const T& value = T())
{
    return std::vector<T>(static_cast<std::size_t>(n < 0 ? 0 : n) + 1, value);
}
