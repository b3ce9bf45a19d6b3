#pragma once
// The statements the program gives the study database: the SQL and the values
// bound to it.

#include <QString>
#include <QVariantList>
#include <cstdint>

struct Statement {
    QString sql;        // what SQLite runs
    QVariantList binds; // values bound to the SQL's placeholders, in order
};

namespace Statements {

using Long = std::int32_t;

// 1. All answers of a study (criterion type 1 or 2) before the grid is written back.
Statement deleteAllAnswers(Long record);
// 2. One criterion's answers of a Both study.
Statement deleteAnswersOfType(Long record, Long answerType);
// One subject's answers of one criterion, before the subject answers again.
Statement deleteSubjectAnswers(Long record, Long individual, Long answerType);
// 3. The saved positions of one layout.
Statement selectPositions(Long record, int sociogramType);
// 4. to 6. Deleting a study, in this order.
Statement deleteStudy(Long record);
Statement deleteStudyAnswers(Long record);
Statement deleteStudyPositions(Long record);
// 7. The saved positions of one layout, before they are written again.
Statement deletePositions(Long record, int sociogramType);

} // namespace Statements
