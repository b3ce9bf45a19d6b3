#include "statements.h"

namespace Statements {

Statement deleteAllAnswers(Long record)
{
    return {QStringLiteral("DELETE FROM SOCIDATA WHERE HEADER = ?"), {record}};
}

Statement deleteAnswersOfType(Long record, Long answerType)
{
    return {QStringLiteral("DELETE FROM SOCIDATA WHERE HEADER = ? AND ANSWERTYPE = ?"),
            {record, answerType}};
}

Statement deleteSubjectAnswers(Long record, Long individual, Long answerType)
{
    return {QStringLiteral(
                "DELETE FROM SOCIDATA WHERE HEADER = ? AND INDIVIDUAL = ? AND ANSWERTYPE = ?"),
            {record, individual, answerType}};
}

Statement selectPositions(Long record, int sociogramType)
{
    return {QStringLiteral("SELECT HEADER, SOCIOGRAM, LABEL, X, Y FROM POSITION "
                           "WHERE HEADER = ? AND SOCIOGRAM = ? ORDER BY rowid"),
            {record, sociogramType}};
}

Statement deleteStudy(Long record)
{
    return {QStringLiteral("DELETE FROM SOCIOMETRY WHERE RECORD = ?"), {record}};
}

Statement deleteStudyAnswers(Long record)
{
    return {QStringLiteral("DELETE FROM SOCIDATA WHERE HEADER = ?"), {record}};
}

Statement deleteStudyPositions(Long record)
{
    return {QStringLiteral("DELETE FROM POSITION WHERE HEADER = ?"), {record}};
}

Statement deletePositions(Long record, int sociogramType)
{
    return {QStringLiteral("DELETE FROM POSITION WHERE HEADER = ? AND SOCIOGRAM = ?"),
            {record, sociogramType}};
}

} // namespace Statements
