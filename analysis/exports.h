#pragma once
// The choices and the figures of a study written out for other programs: the
// choices as an edge list, the sociogram as a GraphML graph, and the analysis table.

#include "choiceset.h"
#include "sociometry.h"
#include "subjectnames.h"

#include <QString>

// Each export carries numbers only, unless it is given the pupils' names: a file shared for
// research then holds no name the user did not ask for.

// "Chooser,Chosen,Slot,Criterion", one line per choice, positive choices first; with
// names, "Chooser name,Chosen name" follow.
QString choicesEdgeListCsv(const ChoiceSet& choices, const SubjectNames& names = {});

// A directed graph: nodes "1" to "n", one edge per choice with the data "sign"
// (+1 positive, -1 negative) and "slot"; with names, each named node has the data "name".
QString choicesGraphMl(const ChoiceSet& choices, const SubjectNames& names = {});

// The per-subject table with the status groups of the chosen method; a figure that
// cannot be computed is written as "undefined". With names, as withNames gives it.
QString analysisTableCsv(const SociometricAnalysis& analysis, StatusMethod method,
                         const SubjectNames& names = {});
