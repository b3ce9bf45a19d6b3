#include "csvimport.h"

#include <QCoreApplication>

#include "choicegrid.h"
#include "csv.h"
#include "numbers.h"

#include <cmath>
#include <map>
#include <set>

namespace {

class ImportReader {
public:
    ImportReader(int groupSize, int maxChoices)
        : size(groupSize), slots(maxChoices), choices(groupSize, maxChoices)
    {
    }

    ImportResult read(const QString& text)
    {
        QString body = text;
        if (body.startsWith(QChar(0xFEFF)))
            body.remove(0, 1);
        const Csv::Text csv = Csv::parse(body, Csv::detectSeparator(body));
        if (csv.unclosedQuoteLine > 0) {
            const int column =
                csv.records.empty() ? 1 : static_cast<int>(csv.records.back().fields.size());
            problem(csv.unclosedQuoteLine, column,
                    QCoreApplication::translate("Import", "A quoted field is not closed."));
        }
        bool first = true;
        for (const Csv::Record& record : csv.records) {
            if (record.blank())
                continue;
            const bool header = first && !Numbers::wholeValue(record.fields[0]).has_value();
            first = false;
            if (!header)
                readRow(record);
        }
        if (problems.empty() && rowsRead == 0)
            problem(1, 1,
                    QCoreApplication::translate("Import", "The text holds no rows of choices."));
        ImportResult result;
        result.problems = std::move(problems);
        if (result.problems.empty())
            result.choices = std::move(choices);
        return result;
    }

private:
    void problem(int line, int column, const QString& sentence)
    {
        problems.push_back({line, column, sentence});
    }

    // The subject a field names, or nothing after reporting why it names none.
    std::optional<int> subjectIn(const QString& field, int line, int column)
    {
        QString why;
        const std::optional<int> subject = subjectField(field, size, why);
        if (!subject)
            problem(line, column, why);
        return subject;
    }

    void readRow(const Csv::Record& record)
    {
        ++rowsRead;
        const int line = record.line;
        std::optional<int> chooser;
        if (record.fields[0].trimmed().isEmpty())
            problem(line, 1,
                    QCoreApplication::translate(
                        "Import", "The row does not begin with the chooser's number."));
        else
            chooser = subjectIn(record.fields[0], line, 1);
        if (chooser) {
            const auto earlier = firstLineOf.find(*chooser);
            if (earlier != firstLineOf.end())
                problem(line, 1,
                        QCoreApplication::translate(
                            "Import", "Subject %1 is given a second time; the first row is "
                                      "line %2.")
                            .arg(*chooser)
                            .arg(earlier->second));
            else
                firstLineOf[*chooser] = line;
            choices.markNamed(*chooser);
        }
        std::set<int> named;
        for (int slot = 1; slot < record.fields.size(); ++slot) {
            const QString& field = record.fields[slot];
            if (field.trimmed().isEmpty())
                continue;
            const int column = slot + 1;
            if (slot > slots) {
                problem(line, column,
                        QCoreApplication::translate(
                            "Import", "More choices are given than the study allows (%1).")
                            .arg(slots));
                break;
            }
            const std::optional<int> chosen = subjectIn(field, line, column);
            if (!chosen)
                continue;
            if (chooser && *chosen == *chooser) {
                problem(
                    line, column,
                    QCoreApplication::translate("Import", "Subject %1 cannot choose themselves.")
                        .arg(*chosen));
                continue;
            }
            if (!named.insert(*chosen).second) {
                problem(
                    line, column,
                    QCoreApplication::translate("Import", "Subject %1 is chosen twice in this row.")
                        .arg(*chosen));
                continue;
            }
            if (chooser)
                choices.set(*chooser, slot, *chosen);
        }
    }

    int size;
    int slots;
    ImportedChoices choices;
    std::vector<ImportProblem> problems;
    std::map<int, int> firstLineOf;
    int rowsRead = 0;
};

} // namespace

std::optional<int> subjectField(const QString& field, int groupSize, QString& why)
{
    const QString text = field.trimmed();
    const std::optional<double> value = Numbers::wholeValue(text);
    if (!value) {
        why = QCoreApplication::translate("Import", "\"%1\" is not a number.").arg(text);
        return std::nullopt;
    }
    if (*value != std::floor(*value) || *value < 1 || *value > groupSize) {
        why = QCoreApplication::translate("Import", "%1 is not a subject number from 1 to %2.")
                  .arg(text)
                  .arg(groupSize);
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

QString ImportProblem::text() const
{
    return QCoreApplication::translate("Import", "Line %1, column %2: %3")
        .arg(line)
        .arg(column)
        .arg(sentence);
}

ImportedChoices::ImportedChoices(int groupSize, int maxChoices)
    : size(std::max(groupSize, 0)), slots(std::max(maxChoices, 0)),
      cells(static_cast<std::size_t>(size) * static_cast<std::size_t>(slots), 0),
      rows(static_cast<std::size_t>(size), false)
{
}

int ImportedChoices::at(int subject, int slot) const
{
    if (subject < 1 || subject > size || slot < 1 || slot > slots)
        return 0;
    return cells[static_cast<std::size_t>((subject - 1) * slots + (slot - 1))];
}

void ImportedChoices::set(int subject, int slot, int chosen)
{
    if (subject < 1 || subject > size || slot < 1 || slot > slots)
        return;
    cells[static_cast<std::size_t>((subject - 1) * slots + (slot - 1))] = chosen;
}

void ImportedChoices::markNamed(int subject)
{
    if (subject >= 1 && subject <= size)
        rows[static_cast<std::size_t>(subject - 1)] = true;
}

bool ImportedChoices::named(int subject) const
{
    return subject >= 1 && subject <= size && rows[static_cast<std::size_t>(subject - 1)];
}

int ImportedChoices::filled() const
{
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), [](int c) { return c > 0; }));
}

ImportResult importChoicesCsv(const QString& text, int groupSize, int maxChoices)
{
    return ImportReader(groupSize, maxChoices).read(text);
}

QString problemListing(const QString& heading, const std::vector<ImportProblem>& problems)
{
    QStringList lines{heading};
    const int listed = std::min<int>(static_cast<int>(problems.size()), ProblemsListed);
    for (int i = 0; i < listed; ++i)
        lines.append(problems[static_cast<std::size_t>(i)].text());
    if (static_cast<int>(problems.size()) > listed)
        lines.append(QCoreApplication::translate("Import", "... and %1 more.")
                         .arg(problems.size() - listed));
    return lines.join(u'\n');
}

bool applyImportedChoices(const ImportedChoices& choices, ChoiceGrid& grid, bool keepOtherRows)
{
    if (grid.Rows() != choices.groupSize() + ChoiceGrid::FixedRows ||
        grid.Cols() != choices.maxChoices() + ChoiceGrid::FixedCols)
        return false;
    for (int subject = 1; subject <= choices.groupSize(); ++subject) {
        if (keepOtherRows && !choices.named(subject))
            continue;
        for (int slot = 1; slot <= choices.maxChoices(); ++slot) {
            const int chosen = choices.at(subject, slot);
            const QString text = chosen > 0 ? QString::number(chosen) : QString();
            if (grid.TextMatrix(subject + 1, slot) != text)
                grid.setTextMatrix(subject + 1, slot, text);
        }
    }
    return true;
}
