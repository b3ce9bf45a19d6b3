#include "importchoices.h"

#include "choicegrid.h"
#include "csvimport.h"
#include "filedialogs.h"
#include "messages.h"

#include <QCoreApplication>
#include <algorithm>

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
    return numbers.join(QStringLiteral(", ")) + QCoreApplication::translate("Import", " and ") +
           last;
}

} // namespace

std::optional<bool> askKeepOtherRows(const std::vector<ImportTarget>& targets)
{
    bool holdsChoices = false;
    QList<int> others;
    for (const ImportTarget& t : targets) {
        for (int subject = 1; subject <= t.choices->groupSize(); ++subject) {
            const int row = subject + ChoiceGrid::FixedRows - 1;
            if (!rowHoldsChoices(*t.grid, row))
                continue;
            holdsChoices = true;
            if (!t.choices->named(subject) && !others.contains(subject))
                others.append(subject);
        }
    }
    if (!holdsChoices)
        return false;
    if (others.isEmpty()) {
        const QString replace = QCoreApplication::translate(
            "ImportChoices", "Replace the choices in the grid with those of the file?");
        if (MsgBox(replace, Buttons::YesNo, Icon::Question) == Answer::Yes)
            return false;
        return std::nullopt;
    }
    std::sort(others.begin(), others.end());
    const QString whom =
        others.size() == 1
            ? QCoreApplication::translate("ImportChoices", "subject %1").arg(others.front())
            : QCoreApplication::translate("ImportChoices", "subjects %1").arg(subjectList(others));
    const QString question =
        QCoreApplication::translate("ImportChoices",
                                    "The file does not name %1, whose choices are in the grid."
                                    "\n\nKeep their choices? Yes keeps them and takes the rows "
                                    "of the file, No empties them, Cancel imports nothing.")
            .arg(whom);
    switch (MsgBox(question, Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes:
        return true;
    case Answer::No:
        return false;
    default:
        return std::nullopt;
    }
}

FileNameAsker& importFileName()
{
    static FileNameAsker ask;
    return ask;
}

bool ImportChoices(ChoiceGrid& grid, QWidget* parent)
{
    const QString path = askOpenFile(
        parent, QCoreApplication::translate("Import", "Import Choices"),
        QCoreApplication::translate("Import", "Comma-separated files (*.csv *.txt);;All files (*)"),
        importFileName());
    if (path.isEmpty())
        return false;
    return ImportChoicesFrom(path, grid);
}

std::optional<QString> readPickedFile(const QString& path)
{
    QString error;
    std::optional<QString> text = readTextFile(path, &error);
    if (!text)
        MsgBox(QCoreApplication::translate("Import", "The file %1 could not be read: %2")
                   .arg(path, error),
               Buttons::Ok, Icon::Exclamation);
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
        MsgBox(
            problemListing(QCoreApplication::translate("Import", "The choices were not imported:"),
                           result.problems),
            Buttons::Ok, Icon::Exclamation);
        return false;
    }
    const std::optional<bool> keep = askKeepOtherRows({{&grid, &*result.choices}});
    if (!keep)
        return false;
    return applyImportedChoices(*result.choices, grid, *keep);
}
