#include "statements.h"

namespace Statements {

namespace {
QString n(qint64 v)
{
    return QString::number(v);
}
} // namespace

Statement deleteAllAnswers(Long record)
{
    return {QStringLiteral("Delete * From SOCIDATA Where HEADER = ") + n(record),
            QStringLiteral("DELETE FROM SOCIDATA WHERE HEADER = ?"),
            {record}};
}

Statement deleteAnswersOfType(Long record, Long answerType)
{
    return {QStringLiteral("Delete * From SOCIDATA Where HEADER = ") + n(record) +
                QStringLiteral(" And ANSWERTYPE = ") + n(answerType),
            QStringLiteral("DELETE FROM SOCIDATA WHERE HEADER = ? AND ANSWERTYPE = ?"),
            {record, answerType}};
}

Statement selectPositions(Long record, int sociogramType)
{
    return {QStringLiteral("Select * From POSITION where HEADER = ") + n(record) +
                QStringLiteral(" and SOCIOGRAM = ") + n(sociogramType),
            QStringLiteral("SELECT HEADER, SOCIOGRAM, LABEL, X, Y FROM POSITION "
                           "WHERE HEADER = ? AND SOCIOGRAM = ? ORDER BY rowid"),
            {record, sociogramType}};
}

Statement deleteStudy(Long record)
{
    return {QStringLiteral("Delete * from SOCIOMETRY where RECORD =") + n(record),
            QStringLiteral("DELETE FROM SOCIOMETRY WHERE RECORD = ?"),
            {record}};
}

Statement deleteStudyAnswers(Long record)
{
    return {QStringLiteral("Delete * from SOCIDATA where HEADER =") + n(record),
            QStringLiteral("DELETE FROM SOCIDATA WHERE HEADER = ?"),
            {record}};
}

Statement deleteStudyPositions(Long record)
{
    return {QStringLiteral("Delete * from POSITION where HEADER =") + n(record),
            QStringLiteral("DELETE FROM POSITION WHERE HEADER = ?"),
            {record}};
}

Statement deletePositions(Long record, int sociogramType)
{
    return {QStringLiteral("Delete * From POSITION where HEADER = ") + n(record) +
                QStringLiteral(" and SOCIOGRAM = ") + n(sociogramType),
            QStringLiteral("DELETE FROM POSITION WHERE HEADER = ? AND SOCIOGRAM = ?"),
            {record, sociogramType}};
}

} // namespace Statements
