#include "importchoices.h"

#include "choicegrid.h"
#include "csvimport.h"
#include "messages.h"

#include <QFileDialog>

namespace {

bool gridHoldsChoices(const ChoiceGrid& grid)
{
    for (int row = ChoiceGrid::FixedRows; row < grid.Rows(); ++row) {
        for (int col = ChoiceGrid::FixedCols; col < grid.Cols(); ++col) {
            if (!grid.TextMatrix(row, col).trimmed().isEmpty())
                return true;
        }
    }
    return false;
}

QString problemMessage(const std::vector<ImportProblem>& problems)
{
    QStringList lines{QStringLiteral("The choices were not imported:")};
    const int listed = std::min<int>(static_cast<int>(problems.size()), ProblemsListed);
    for (int i = 0; i < listed; ++i)
        lines.append(problems[static_cast<std::size_t>(i)].text());
    if (static_cast<int>(problems.size()) > listed)
        lines.append(QStringLiteral("... and %1 more.").arg(problems.size() - listed));
    return lines.join(u'\n');
}

} // namespace

OpenFileName& importFileName()
{
    static OpenFileName ask = [](QWidget* parent, const QString& caption, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    };
    return ask;
}

bool ImportChoices(ChoiceGrid& grid, QWidget* parent)
{
    const QString path =
        importFileName()(parent, QStringLiteral("Import Choices"),
                         QStringLiteral("Comma-separated files (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return false;
    return ImportChoicesFrom(path, grid);
}

bool ImportChoicesFrom(const QString& path, ChoiceGrid& grid)
{
    QString error;
    const std::optional<QString> text = readTextFile(path, &error);
    if (!text) {
        MsgBox(QStringLiteral("The file %1 could not be read: %2").arg(path, error), Buttons::Ok,
               Icon::Exclamation);
        return false;
    }
    const int groupSize = grid.Rows() - ChoiceGrid::FixedRows;
    const int maxChoices = grid.Cols() - ChoiceGrid::FixedCols;
    const ImportResult result = importChoicesCsv(*text, groupSize, maxChoices);
    if (!result.ok()) {
        MsgBox(problemMessage(result.problems), Buttons::Ok, Icon::Exclamation);
        return false;
    }
    if (gridHoldsChoices(grid) &&
        MsgBox(QStringLiteral("Replace the choices in the grid with those of the file?"),
               Buttons::YesNo, Icon::Question) != Answer::Yes)
        return false;
    return applyImportedChoices(*result.choices, grid);
}
