#include "importchoices.h"

#include "choicegrid.h"
#include "csvimport.h"
#include "filedialogs.h"
#include "messages.h"

namespace {

bool rowHoldsChoices(const ChoiceGrid& grid, int row)
{
    for (int col = ChoiceGrid::FixedCols; col < grid.Cols(); ++col) {
        if (!grid.TextMatrix(row, col).trimmed().isEmpty())
            return true;
    }
    return false;
}

// "3", "3 and 7", "3, 7 and 9"
QString subjectList(const QList<int>& subjects)
{
    QStringList numbers;
    for (int s : subjects)
        numbers.append(QString::number(s));
    if (numbers.size() < 2)
        return numbers.join(QString());
    const QString last = numbers.takeLast();
    return numbers.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// Asks before choices already keyed are lost: the file replaces the whole grid, so
// the rows of subjects it does not name become empty, and the question says whose.
bool mayReplace(const ChoiceGrid& grid, const ImportedChoices& choices)
{
    bool holdsChoices = false;
    QList<int> emptied;
    for (int subject = 1; subject <= choices.groupSize(); ++subject) {
        const int row = subject + ChoiceGrid::FixedRows - 1;
        if (!rowHoldsChoices(grid, row))
            continue;
        holdsChoices = true;
        if (!choices.named(subject))
            emptied.append(subject);
    }
    if (!holdsChoices)
        return true;
    QString question = QStringLiteral("Replace the choices in the grid with those of the file?");
    if (!emptied.isEmpty())
        question =
            QStringLiteral("The file does not name %1 %2, whose choices in the grid will "
                           "be emptied.\n\n")
                .arg(emptied.size() == 1 ? QStringLiteral("subject") : QStringLiteral("subjects"),
                     subjectList(emptied)) +
            question;
    return MsgBox(question, Buttons::YesNo, Icon::Question) == Answer::Yes;
}

} // namespace

FileNameAsker& importFileName()
{
    static FileNameAsker ask;
    return ask;
}

bool ImportChoices(ChoiceGrid& grid, QWidget* parent)
{
    const QString path = askOpenFile(
        parent, QStringLiteral("Import Choices"),
        QStringLiteral("Comma-separated files (*.csv *.txt);;All files (*)"), importFileName());
    if (path.isEmpty())
        return false;
    return ImportChoicesFrom(path, grid);
}

std::optional<QString> readPickedFile(const QString& path)
{
    QString error;
    std::optional<QString> text = readTextFile(path, &error);
    if (!text)
        MsgBox(QStringLiteral("The file %1 could not be read: %2").arg(path, error), Buttons::Ok,
               Icon::Exclamation);
    return text;
}

bool ImportChoicesFrom(const QString& path, ChoiceGrid& grid)
{
    const std::optional<QString> text = readPickedFile(path);
    if (!text)
        return false;
    const int groupSize = grid.Rows() - ChoiceGrid::FixedRows;
    const int maxChoices = grid.Cols() - ChoiceGrid::FixedCols;
    const ImportResult result = importChoicesCsv(*text, groupSize, maxChoices);
    if (!result.ok()) {
        MsgBox(problemListing(QStringLiteral("The choices were not imported:"), result.problems),
               Buttons::Ok, Icon::Exclamation);
        return false;
    }
    if (!mayReplace(grid, *result.choices))
        return false;
    return applyImportedChoices(*result.choices, grid);
}
