#pragma once
// The choices of one study as plain data, whatever they were read from: the grid of
// the data window, the stored answers, or an imported file. Every choice in a set is
// sound: chooser and chosen are subjects of the group, nobody chooses themselves and no
// chooser names one subject twice under one criterion. Entries that fail these rules
// are kept apart as skipped entries so that a window can say what was left out.

#include "choice.h"
#include "codes.h"
#include "store.h"

#include <QString>
#include <vector>

class ChoiceGrid;

// A criterion's value is the answer type its stored answers carry, and the kind of
// the choices made under it.
using Criterion = ChoiceKind;

enum class SkipReason {
    NotASubject, // not a whole number from 1 to the group size
    SelfChoice,  // the chooser named themselves
    Repeated,    // the chooser named this subject already under the criterion
    OutsideGrid  // a stored answer whose chooser or slot has no cell
};

struct SkippedEntry {
    Criterion criterion = Criterion::Positive;
    int chooser = 0;
    int slot = 0;
    QString text; // the entry as it was found
    SkipReason reason = SkipReason::NotASubject;
};

struct ChoiceSet {
    int groupSize = 0;
    int maxChoices = 0;
    int criterionType = Codes::CriterionType::Positive;
    std::vector<Choice> positive;
    std::vector<Choice> negative;
    std::vector<SkippedEntry> skipped;

    bool has(Criterion c) const;
    bool isBoth() const { return criterionType == Codes::CriterionType::Both; }
    const std::vector<Choice>& of(Criterion c) const;
    std::vector<Choice>& of(Criterion c);
};

// An empty set for a study of this shape.
ChoiceSet emptyChoiceSet(int groupSize, int maxChoices, int criterionType);

// The choices held by a grid for one criterion. The chooser of row r is subject
// r - 1; a cell counts by its leading number, as the cell is saved and drawn, so
// "3x" names subject 3. Empty cells and cells reading 0 are no choice at all.
std::vector<Choice> choicesFromGrid(const ChoiceGrid& grid, Criterion criterion,
                                    std::vector<SkippedEntry>* skipped = nullptr);

// The stored answers of one criterion (INDIVIDUAL is the chooser's grid row, so
// chooser + 1; ANSWERTYPE 1 positive, 2 negative). Rows of the other criterion are
// passed over.
std::vector<Choice> choicesFromAnswers(const std::vector<AnswerRow>& rows, Criterion criterion,
                                       int groupSize, int maxChoices,
                                       std::vector<SkippedEntry>* skipped = nullptr);

// The choices of a study as the data window holds them: the criterion in view from
// the grid (which may hold changes not saved yet) and, for a Both study, the other
// criterion from the stored answers. The grid's shape gives the group size and the
// number of choices.
ChoiceSet studyChoices(const ChoiceGrid& grid, int criterionType, Criterion inView,
                       const std::vector<AnswerRow>& stored);

QString skipReasonText(SkipReason reason);
QString criterionName(Criterion c); // "Positive" or "Negative"
