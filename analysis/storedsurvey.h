#pragma once
// The other survey of a comparison, read from the study file: the stored studies the
// open one can be compared with, and the choices of the one picked. Reading never
// writes; failures go to the caller's trap ("DataForm:Compare").

#include "choiceset.h"
#include "errorreport.h"

#include <QString>
#include <cstdint>
#include <vector>

struct StoredStudy {
    std::int32_t record = 0;
    QString name;
    int groupSize = 0;
    int maxChoices = 0;
    int criterionType = 0;
};

// Two criterion types ask a criterion in common: Both shares with either.
bool shareCriterion(int criterionType, int otherType);

// The stored studies, in record order, other than `openRecord`, of `groupSize` subjects,
// with a criterion in common with `criterionType` and stored answers. A row whose sizes
// or criterion cannot be a study's is not offered.
std::vector<StoredStudy> comparableStudies(Trap& trap, int groupSize, int criterionType,
                                           std::int32_t openRecord);

enum class SurveyRead {
    Read,
    Gone,  // no study of that record is left in the file
    Unread // the file could not be read, or the study's row is not a study's
};

struct StoredSurvey {
    SurveyRead state = SurveyRead::Unread;
    StoredStudy study;
    // Its criteria from the stored answers; entries that are not choices are kept in
    // `skipped` and passed over, as the analysis does.
    ChoiceSet choices;
};

StoredSurvey readStoredSurvey(Trap& trap, std::int32_t record);

// "The study "Class 4b" is no longer in the study file."
QString studyGoneText(const QString& name);
