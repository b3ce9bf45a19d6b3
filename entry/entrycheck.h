#pragma once
// The check of one typed choice before it goes into the grid: only the number of
// another subject of the group, not chosen yet in the same row, may be written.

#include "globals.h"

#include <QString>
#include <vector>

// What the other choice cells of the row hold, by slot (entry 0 unused); an empty
// text is no choice.
using RowChoices = std::vector<QString>;

// The sentence that refuses `typed` in the cell of `subject`, slot `slot`, or an empty
// text when it may be written. An empty box passes: it clears the cell.
QString choiceRefusal(const QString& typed, Global::Long subject, int slot, const RowChoices& row,
                      Global::Long groupSize);

// The text the grid keeps for an accepted choice: the number as plain digits ("03"
// becomes "3"), or nothing for an empty box.
QString choiceText(const QString& typed);

// True when `typed` may be written; otherwise the refusal has been shown and the
// entry stays open.
bool ValidateChoice(const QString& typed, Global::Long subject, int slot, const RowChoices& row,
                    Global::Long groupSize);
