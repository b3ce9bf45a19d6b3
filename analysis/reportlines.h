#pragma once
// The lines of text the class report prints beside its picture and under its table,
// made from what the analysis, the groups and the comparison already computed.

#include "analysistable.h"
#include "comparison.h"
#include "groups.h"
#include "sociometry.h"

#include <QStringList>

namespace ReportLines {

// The group's figures a meeting reads ("Positive density: 0.130"), the cliques last;
// the chance limits and spreads stay in the analysis window.
QStringList figures(const SociometricAnalysis& analysis, StatusMethod method,
                    const ChoiceSet& choices, const SubjectNames& names);

// The analysis table as the report prints it: the number, the choices given and
// received of each kind, the mutual pairs and, for a study of both criteria, the status
// group; the standard scores stay in the analysis window.
TextTable table(const SociometricAnalysis& analysis, StatusMethod method);

// "Group 1: 3 Anna, 7, 12" for each group made.
QStringList groups(const Groups::Partition& partition, const SubjectNames& names);

// The stability of the ties and every pupil whose status group changed.
QStringList changes(const SurveyComparison& comparison, StatusMethod method,
                    const SubjectNames& names);

// Under the table: the method with its citation and what may surprise in its results.
QStringList methodNotes(StatusMethod method);

} // namespace ReportLines

// The published source of a status method.
QString statusMethodCitation(StatusMethod method);
