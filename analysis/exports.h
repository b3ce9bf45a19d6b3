#pragma once
// The choices and the figures of a study written out for other programs: the
// choices as an edge list or in the survey shape the import reads, the sociogram as
// a GraphML graph, and the analysis table.

#include "choiceset.h"
#include "sociometry.h"

#include <QString>

// "Chooser,Chosen,Slot,Criterion", one line per choice, positive choices first.
QString choicesEdgeListCsv(const ChoiceSet& choices);

// One line per subject: its number and then the chosen numbers in slot order, an
// empty field for an empty slot. importChoicesCsv reads it back.
QString choicesSurveyCsv(const ChoiceSet& choices, Criterion criterion);

// A directed graph: nodes "1" to "n", one edge per choice with the data "sign"
// (+1 positive, -1 negative) and "slot".
QString choicesGraphMl(const ChoiceSet& choices);

// The per-subject table with the status groups of the chosen method; a figure that
// cannot be computed is written as "undefined".
QString analysisTableCsv(const SociometricAnalysis& analysis, StatusMethod method);

// How the analysis writes a figure: three decimals, or "undefined".
QString figureText(const std::optional<double>& value, int decimals = 3);

// Writes the whole text as UTF-8, replacing the file only once it is complete.
bool writeTextFile(const QString& path, const QString& text, QString* error = nullptr);
