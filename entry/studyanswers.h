#pragma once
// The choices a sociogram or an analysis of the study in the data window is made of:
// the grid holds the criterion in view, unsaved changes included; for a study of
// criterion type Both the other criterion comes from the stored answers. Both the
// drawing and the analysis read the stored part here.

#include "errorreport.h"
#include "store.h"

#include <vector>

struct OtherCriterion {
    std::vector<AnswerRow> stored; // every stored answer of the study, in index order
    bool unread = false;           // the file could not be read and the user went on
};

enum class UnsavedStudy { ReadFile, SkipFile };

// Nothing for a study of one criterion. A study never saved has no stored answers;
// SkipFile does not even open the file for it. Failures go to `trap`.
OtherCriterion readOtherCriterion(Trap& trap, UnsavedStudy unsaved);
