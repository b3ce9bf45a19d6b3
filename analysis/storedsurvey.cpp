#include "storedsurvey.h"

#include "fieldvalue.h"
#include "trappedopen.h"

#include <QCoreApplication>
#include <optional>

namespace {

using Step = std::optional<Failure>;

bool inRange(std::int32_t v, int low, int high)
{
    return v >= low && v <= high;
}

// The study a stored row describes, or nothing when a field cannot be one of a study.
std::optional<StoredStudy> studyFrom(const StudyRow& row)
{
    StoredStudy s;
    std::int32_t size = 0;
    std::int32_t choices = 0;
    std::int32_t type = 0;
    if (FieldValue::exactWholeLong(row.record, s.record) ||
        FieldValue::wholeLong(row.groupSize, size) || FieldValue::wholeLong(row.choices, choices) ||
        FieldValue::wholeLong(row.criterionType, type))
        return std::nullopt;
    if (!inRange(size, Codes::MinGroupSize, Codes::MaxGroupSize) ||
        !inRange(choices, Codes::MinChoices, Codes::MaxChoices) ||
        !inRange(type, Codes::CriterionType::Positive, Codes::CriterionType::Both))
        return std::nullopt;
    s.name = row.name.isNull() ? QString() : row.name.toString();
    s.groupSize = size;
    s.maxChoices = choices;
    s.criterionType = type;
    return s;
}

} // namespace

bool shareCriterion(int criterionType, int otherType)
{
    // The codes are bits: Positive 1, Negative 2, Both 3.
    return (criterionType & otherType) != 0;
}

std::vector<StoredStudy> comparableStudies(Trap& trap, int groupSize, int criterionType,
                                           std::int32_t openRecord)
{
    std::vector<StoredStudy> found;
    std::optional<Store> store = openTrapped(trap);
    if (!store)
        return found;
    trap.step([&]() -> Step {
        found.clear();
        Result<std::vector<StudyEntry>> entries = store->studiesByRecord();
        if (!entries)
            return entries.failure();
        for (const StudyEntry& entry : entries.value()) {
            std::int32_t record = 0;
            if (FieldValue::exactWholeLong(entry.record, record) || record == openRecord)
                continue;
            Result<std::optional<StudyRow>> row = store->seekStudy(record);
            if (!row)
                return row.failure();
            const std::optional<StoredStudy> study =
                row.value() ? studyFrom(*row.value()) : std::nullopt;
            if (!study || study->groupSize != groupSize ||
                !shareCriterion(criterionType, study->criterionType))
                continue;
            Result<std::vector<AnswerRow>> answers = store->answersOf(record);
            if (!answers)
                return answers.failure();
            if (!answers.value().empty())
                found.push_back(*study);
        }
        return std::nullopt;
    });
    store->close();
    return found;
}

StoredSurvey readStoredSurvey(Trap& trap, std::int32_t record)
{
    StoredSurvey survey;
    std::optional<Store> store = openTrapped(trap);
    if (!store)
        return survey;
    std::optional<StudyRow> row;
    std::vector<AnswerRow> answers;
    const bool read = trap.step([&]() -> Step {
        Result<std::optional<StudyRow>> found = store->seekStudy(record);
        if (!found)
            return found.failure();
        row = found.value();
        if (!row)
            return std::nullopt;
        Result<std::vector<AnswerRow>> stored = store->answersOf(record);
        if (!stored)
            return stored.failure();
        answers = std::move(stored.value());
        return std::nullopt;
    });
    store->close();
    if (!read)
        return survey;
    if (!row) {
        survey.state = SurveyRead::Gone;
        return survey;
    }
    const std::optional<StoredStudy> study = studyFrom(*row);
    if (!study)
        return survey;
    survey.state = SurveyRead::Read;
    survey.study = *study;
    ChoiceSet& set = survey.choices;
    set = emptyChoiceSet(study->groupSize, study->maxChoices, study->criterionType);
    for (Criterion c : {Criterion::Positive, Criterion::Negative})
        if (set.has(c))
            set.of(c) = choicesFromAnswers(answers, c, set.groupSize, set.maxChoices, &set.skipped);
    return survey;
}

QString studyGoneText(const QString& name)
{
    return QCoreApplication::translate("CompareWindow",
                                       "The study \"%1\" is no longer in the study file.")
        .arg(name);
}
