#pragma once
// One pupil's answer given at the shared computer, checked and stored at once, as if
// keyed into the grid and saved.

#include <QString>
#include <vector>

class ChoiceGrid;

struct KioskAnswer {
    int pupil = 0;             // the subject answering
    std::vector<int> positive; // the classmates chosen, in the order picked
    std::vector<int> negative; // empty: nobody
};

// Why the answer cannot be stored; empty when it can.
QString kioskProblem(const KioskAnswer& answer, int groupSize, int maxChoices);

// Replaces the pupil's stored answers of the study's criteria (the study in the
// globals, stored) with these, all in one transaction, and then the pupil's row of the
// grid for the criterion in view. False when nothing was stored; the user was told.
bool storeKioskAnswer(const KioskAnswer& answer, ChoiceGrid& grid);
