#pragma once
// "Show Stat&us": the status of every subject, from the analysis of the study's
// choices, as marks on the labels. A study of both criteria is classified by the
// method chosen in the analysis window; a study of one criterion marks its isolates
// and its most chosen subjects.

#include "sociometry.h"
#include "statusmarks.h"

#include <vector>

class LabelSet;

// The mark of subject s at s (entry 0 unused), by the status groups of `method` for a study of
// both criteria, or else the isolates and the subjects who received the most choices
// (none when nobody received any).
std::vector<Status> statusMarks(const SociometricAnalysis& analysis, StatusMethod method);
// The marks a study of this criterion type can show, in the order the key lists them.
std::vector<Status> statusLegend(int criterionType);
// Of those, the marks `marks` (by subject number) hold: the key lists only what is drawn.
std::vector<Status> drawnLegend(int criterionType, const std::vector<Status>& marks);
// The marks of the study the data window holds (the grid in view and, for a Both
// study, the stored answers), by `method`.
std::vector<Status> currentStatusMarks(StatusMethod method);
// How far each shown label's mark reaches as drawn (by subject number, 0 for none): its full
// reach, or with `fitted` less where a neighbouring label or its mark stands closer.
std::vector<qreal> drawnMarkReach(const LabelSet& labels, const std::vector<Status>& marks,
                                  bool fitted);
// The marks around the shown labels, to be painted over them, each reaching as far as `reach`.
PrimitiveList statusPrimitives(const LabelSet& labels, const std::vector<Status>& marks,
                               const std::vector<qreal>& reach);
