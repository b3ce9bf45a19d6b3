#pragma once
// The choices and the figures of a study written out for other programs: the
// choices as an edge list, the sociogram as a GraphML graph, and the analysis table.

#include "choiceset.h"
#include "sociometry.h"

#include <QString>

// "Chooser,Chosen,Slot,Criterion", one line per choice, positive choices first.
QString choicesEdgeListCsv(const ChoiceSet& choices);

// A directed graph: nodes "1" to "n", one edge per choice with the data "sign"
// (+1 positive, -1 negative) and "slot".
QString choicesGraphMl(const ChoiceSet& choices);

// The per-subject table with the status groups of the chosen method; a figure that
// cannot be computed is written as "undefined".
QString analysisTableCsv(const SociometricAnalysis& analysis, StatusMethod method);

// Writes the whole text as UTF-8, replacing the file only once it is complete.
bool writeTextFile(const QString& path, const QString& text, QString* error = nullptr);
