#pragma once
// The check of one typed choice before it goes into the grid.

#include "globals.h"

#include <QString>

// True when `choice` may be written into the cell of the subject whose number is
// `subject`; otherwise the reason has been shown and the entry stays open.
// An empty text passes (it clears the cell); so do 0, negative numbers and
// fractions, which the save passes over.
bool ValidateChoice(const QString& choice, const QString& subject, Global::Long groupSize);
