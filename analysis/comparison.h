#pragma once
// Two surveys of one class side by side: what each pupil received in each, the status
// groups, the mutual pairs kept, gained and lost, the class figures and the ties of every
// criterion both surveys asked. Subjects are matched by number; the later survey is the
// one open in the data window, so a "new" tie is one made only in it.

#include "analysistable.h"
#include "choiceset.h"
#include "sociometry.h"
#include "subjectnames.h"
#include "tiechange.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The figures of one subject under one criterion both surveys asked.
struct ReceivedChange {
    int earlier = 0;
    int later = 0;
    int change() const { return later - earlier; }
};

struct MutualChange {
    int kept = 0;   // partners chosen back in both surveys
    int gained = 0; // only in the later
    int lost = 0;   // only in the earlier
};

// The ties of one criterion: |kept| / (|kept| + |new| + |gone|), the share of the ties
// of either survey found in both; empty when neither survey made a choice.
struct TieStability {
    Criterion criterion = Criterion::Positive;
    int kept = 0;
    int added = 0;
    int gone = 0;
    std::optional<double> share() const;
};

struct SurveyComparison {
    int groupSize = 0;
    std::vector<Criterion> shared; // criteria both surveys asked, positive first
    SociometricAnalysis earlier;
    SociometricAnalysis later;
    TieChanges ties; // criterion (positive first), chooser, chosen
    std::vector<TieStability> stability;

    bool compares(Criterion c) const;
};

// The pair of surveys compared; `later` is the study open in the data window.
SurveyComparison compareSurveys(const ChoiceSet& earlier, const ChoiceSet& later);

// Every tie of the criteria both sets ask, as kept, new or gone, in the order of
// SurveyComparison::ties.
TieChanges tieChanges(const ChoiceSet& earlier, const ChoiceSet& later);

// "kept", "new" or "gone": the words of the tie-change file.
QString tieChangeName(TieChange change);

// Per subject of `c`: received counts and mutual pairs (subject s at s - 1).
std::vector<ReceivedChange> receivedChanges(const SurveyComparison& c, Criterion criterion);
std::vector<MutualChange> mutualChanges(const SurveyComparison& c, Criterion criterion);

// The per-subject table: the subject, for each shared criterion the counts received in
// each survey and the change ("+2", "-1", "0"), the status groups of the method when a
// survey has them (empty for a survey of one criterion) with "changed" where they
// differ, and for each shared criterion the mutual pairs kept, gained and lost.
TextTable comparisonTable(const SurveyComparison& c, StatusMethod method);

// The analysis window's figures of both surveys, figure by figure ("" where a survey
// has no such figure).
struct FigurePair {
    QString name;
    QString earlier;
    QString later;
};
std::vector<FigurePair> comparisonFigures(const SurveyComparison& c, StatusMethod method);
// One sentence per shared criterion: its tie stability with the ties kept, new and gone.
QString stabilityText(const SurveyComparison& c);

// CSV text of the per-subject table, and of the ties ("Chooser,Chosen,Criterion,Change",
// the change "kept", "new" or "gone"). Numbers only, unless names are given, as the analysis
// exports them.
QString comparisonTableCsv(const SurveyComparison& c, StatusMethod method,
                           const SubjectNames& names = {});
QString tieChangesCsv(const TieChanges& ties, const SubjectNames& names = {});

// One line per entry a survey left out, as the analysis window lists them.
QString skippedEntriesText(const std::vector<SkippedEntry>& skipped,
                           const SubjectNames& names = {});

// What a window says under its figures about the entries it left out: nothing when
// there are none, else a heading and the first `shown` of them by subject, slot and
// value (the rest counted).
QString leftOutText(const std::vector<SkippedEntry>& skipped, const SubjectNames& names = {},
                    int shown = 8);
