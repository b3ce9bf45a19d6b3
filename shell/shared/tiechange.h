#pragma once
// Two surveys of one class compared tie by tie: a choice made in both surveys is kept,
// one made only in the later is new, one made only in the earlier is gone. Subjects are
// matched by number. The comparison window lists them and the sociogram draws them.

#include "choice.h"

#include <vector>

enum class TieChange { Kept, New, Gone };

struct ChangedTie {
    Choice choice; // chooser, chosen and criterion; the slot is not compared and left 0
    TieChange change = TieChange::Kept;
    friend bool operator==(const ChangedTie&, const ChangedTie&) = default;
};

using TieChanges = std::vector<ChangedTie>;
