#include "classlistfile.h"

#include <QCoreApplication>

#include "csv.h"
#include "numbers.h"

#include <map>

namespace {

const char* const NotText =
    QT_TRANSLATE_NOOP("Import", "The file is not text: it holds control characters.");

bool startsWithNumber(const Csv::Record& record)
{
    return Numbers::wholeValue(record.fields[0]).has_value();
}

bool namesColumns(const Csv::Record& record)
{
    for (const QString& field : record.fields) {
        const QString word = field.trimmed().toLower();
        if (word == u"name" || word == u"names")
            return true;
    }
    return false;
}

// A field name such as "Smith, Anna" written without quotes is one name, not two.
QString nameFrom(QStringList fields, QChar separator)
{
    while (!fields.isEmpty() && fields.last().trimmed().isEmpty())
        fields.removeLast();
    return cleanName(fields.join(separator));
}

class ListReader {
public:
    explicit ListReader(int groupSize) : size(std::max(groupSize, 0)), names(std::size_t(size) + 1)
    {
    }

    ClassListRead read(const QString& text)
    {
        QString body = text;
        if (body.startsWith(QChar(0xFEFF)))
            body.remove(0, 1);
        separator = Csv::detectSeparator(body);
        if (!findControlCharacter(body)) {
            const Csv::Text csv = Csv::parse(body, separator);
            if (csv.unclosedQuoteLine > 0)
                problem(csv.unclosedQuoteLine, 1,
                        QCoreApplication::translate("Import", "A quoted field is not closed."));
            readRecords(csv.records);
        }
        ClassListRead result;
        result.problems = std::move(problems);
        if (result.problems.empty())
            result.names = names;
        return result;
    }

private:
    void problem(int line, int column, const QString& sentence)
    {
        problems.push_back({line, column, sentence});
    }

    // A spreadsheet or a picture chosen by mistake reads as text with control characters.
    bool findControlCharacter(const QString& body)
    {
        int line = 1;
        int column = 1;
        for (const QChar c : body) {
            if (c == u'\n') {
                ++line;
                column = 1;
            } else if (c == separator) {
                ++column;
            } else if (c.unicode() < 0x20 && c != u'\t' && c != u'\r') {
                // Only the C0 codes: the file reader has refused the C1 codes, which
                // a text handed over otherwise may hold as written.
                problem(line, column, QCoreApplication::translate("Import", NotText));
                return true;
            }
        }
        return false;
    }

    void readRecords(const std::vector<Csv::Record>& records)
    {
        std::vector<const Csv::Record*> filled;
        for (const Csv::Record& r : records)
            if (!r.blank())
                filled.push_back(&r);
        const bool numbered =
            !filled.empty() &&
            (startsWithNumber(*filled[0]) || (filled.size() > 1 && startsWithNumber(*filled[1])));
        const int headerLine = !filled.empty() && ((numbered && !startsWithNumber(*filled[0])) ||
                                                   namesColumns(*filled[0]))
                                   ? filled[0]->line
                                   : 0;
        for (const Csv::Record* r : filled)
            if (r->line != headerLine)
                ++rows;
        if (rows == 0) {
            problem(1, 1, QCoreApplication::translate("Import", "The file holds no names."));
            return;
        }
        if (numbered) {
            for (const Csv::Record* r : filled)
                if (r->line != headerLine)
                    readNumbered(*r);
        } else {
            readInOrder(records, headerLine);
        }
    }

    void readNumbered(const Csv::Record& record)
    {
        const int line = record.line;
        QString why;
        std::optional<int> subject;
        if (record.fields[0].trimmed().isEmpty())
            problem(line, 1,
                    QCoreApplication::translate(
                        "Import", "The row does not begin with the subject's number."));
        else if (!(subject = subjectField(record.fields[0], size, why)))
            problem(line, 1, why);
        if (subject) {
            const auto [earlier, first] = firstLineOf.try_emplace(*subject, line);
            if (!first)
                problem(line, 1,
                        QCoreApplication::translate(
                            "Import", "Subject %1 is given a second time; the first row is "
                                      "line %2.")
                            .arg(*subject)
                            .arg(earlier->second));
        }
        const QString name = nameFrom(record.fields.mid(1), separator);
        if (name.isEmpty())
            problem(line, 2, QCoreApplication::translate("Import", "The name is empty."));
        else if (subject)
            names[std::size_t(*subject)] = name;
    }

    // Line by line, each name the next subject's; an empty line would give the names
    // after it to the wrong pupils, so it is a problem, except at the end.
    void readInOrder(const std::vector<Csv::Record>& records, int headerLine)
    {
        int subject = 0;
        std::vector<int> emptyLines;
        for (const Csv::Record& r : records) {
            if (r.line == headerLine)
                continue;
            if (r.blank()) {
                emptyLines.push_back(r.line);
                continue;
            }
            for (int line : emptyLines)
                problem(line, 1,
                        QCoreApplication::translate(
                            "Import", "The line holds no name: without numbers, each line is "
                                      "the name of the next subject."));
            subject += static_cast<int>(emptyLines.size()) + 1;
            emptyLines.clear();
            if (subject > size && !tooMany) {
                tooMany = true;
                problem(r.line, 1,
                        QCoreApplication::translate(
                            "Import", "The list holds %1 names for the %2 subjects of the study.")
                            .arg(rows)
                            .arg(size));
            }
            if (subject <= size)
                names[std::size_t(subject)] = nameFrom(r.fields, separator);
        }
    }

    int size;
    SubjectNames names;
    QChar separator = u',';
    std::vector<ImportProblem> problems;
    std::map<int, int> firstLineOf;
    int rows = 0;
    bool tooMany = false;
};

} // namespace

ClassListRead readClassList(const QString& text, int groupSize)
{
    return ListReader(groupSize).read(text);
}

QString classListCsv(const SubjectNames& names)
{
    QString out = Csv::line({QStringLiteral("Number"), QStringLiteral("Name")});
    for (std::size_t s = 1; s < names.size(); ++s)
        if (!names[s].isEmpty())
            out += Csv::line({QString::number(s), names[s]});
    return out;
}

QString cleanName(const QString& name)
{
    // A Mac writes an accent as a mark after its letter: composed, "Chloé" typed on
    // either machine is the same name.
    return name.simplified().normalized(QString::NormalizationForm_C);
}
