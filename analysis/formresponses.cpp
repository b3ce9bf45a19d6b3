#include "formresponses.h"

#include "codes.h"
#include "numbers.h"

#include <QCoreApplication>
#include <map>
#include <set>

namespace {

// The context of this file's texts in the catalogues.
struct FormResponsesText {
    Q_DECLARE_TR_FUNCTIONS(FormResponsesText)
};

bool holdsControlCode(const QString& field)
{
    return std::any_of(field.begin(), field.end(), [](QChar c) {
        return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
    });
}

bool headingHas(const QString& heading, std::initializer_list<const char*> words)
{
    const QString h = heading.toLower();
    return std::any_of(words.begin(), words.end(),
                       [&](const char* w) { return h.contains(QLatin1String(w)); });
}

bool isIgnoredHeading(const QString& heading)
{
    return headingHas(heading, {"timestamp", "time stamp", "date", "mail", "score", "submitted",
                                "start time", "completion"});
}

bool isRespondentHeading(const QString& heading)
{
    const QString h = heading.trimmed().toLower();
    return headingHas(h, {"your", "respondent", "who are you"}) || h == u"name" || h == u"number" ||
           h == u"pupil" || h == u"student" || h == u"subject";
}

bool isNegativeHeading(const QString& heading)
{
    return headingHas(heading, {"not ", "n't", "negative", "least", "avoid", "rather not"});
}

// The pupils of the class list by the key of their names.
using NameIndex = std::map<QString, std::vector<int>>;

NameIndex indexNames(const std::vector<QString>& names)
{
    NameIndex index;
    for (std::size_t s = 1; s < names.size(); ++s)
        if (!names[s].trimmed().isEmpty())
            index[nameKey(names[s])].push_back(static_cast<int>(s));
    return index;
}

bool meansNobody(const QString& field)
{
    static const QStringList words{QStringLiteral("nobody"), QStringLiteral("no one"),
                                   QStringLiteral("noone"), QStringLiteral("none"),
                                   QStringLiteral("-")};
    const QString key = nameKey(field);
    // The word the pupils' own screen offers in the language in use ("Niemand"), which the
    // ballots ask them to write.
    return words.contains(key) ||
           key == nameKey(QCoreApplication::translate("KioskWindow", "Nobody"));
}

class ResponseReader {
public:
    ResponseReader(const std::vector<FormRole>& r, const FormStudy& s)
        : roles(r), study(s), names(indexNames(s.names))
    {
    }

    FormResponses read(const FormSheet& sheet)
    {
        out.problems = sheet.problems;
        const bool positive = hasRole(FormRole::Positive);
        const bool negative = hasRole(FormRole::Negative);
        if (positive)
            out.positive.emplace(study.groupSize, study.maxChoices);
        if (negative)
            out.negative.emplace(study.groupSize, study.maxChoices);
        if (!hasRole(FormRole::Respondent))
            problem(1, 1, FormResponsesText::tr("No column is marked as the respondent."));
        else if (!positive && !negative)
            problem(1, 1, FormResponsesText::tr("No column is marked as holding choices."));
        else
            for (const Csv::Record& row : sheet.rows)
                readRow(row);
        return std::move(out);
    }

private:
    struct Pick {
        int subject;
        int column;
    };

    bool hasRole(FormRole role) const
    {
        return std::find(roles.begin(), roles.end(), role) != roles.end();
    }

    void problem(int line, int column, const QString& sentence)
    {
        out.problems.push_back({line, column, sentence});
        refused = true;
    }

    // "5 Anna Kowalska" with a class list, "5" without.
    QString shown(int subject) const { return numberAndName(study.names, subject); }

    // The subject a piece of a field names, or nothing after saying why it names none.
    std::optional<int> subjectOf(const QString& piece, int line, int column)
    {
        const QString text = piece.trimmed();
        if (Numbers::wholeValue(text)) {
            QString why;
            const std::optional<int> subject = subjectField(text, study.groupSize, why);
            if (!subject)
                problem(line, column, why);
            return subject;
        }
        if (names.empty()) {
            problem(line, column,
                    FormResponsesText::tr(
                        "\"%1\" is not a number, and without a class list only numbers are "
                        "matched.")
                        .arg(text));
            return std::nullopt;
        }
        const auto found = names.find(nameKey(text));
        if (found == names.end()) {
            problem(line, column,
                    FormResponsesText::tr("\"%1\" is not a name of the class list.").arg(text));
            return std::nullopt;
        }
        if (found->second.size() > 1) {
            QStringList who;
            for (int s : found->second)
                who << shown(s);
            problem(line, column,
                    FormResponsesText::tr("\"%1\" fits more than one pupil: %2.")
                        .arg(text, who.join(u", ")));
            return std::nullopt;
        }
        return found->second.front();
    }

    // A whole field that is one name or number is one pick, even with a comma in it;
    // otherwise a multi-select answer, split at its semicolons or else its commas.
    QStringList piecesOf(const QString& field) const
    {
        const QString text = field.trimmed();
        if (text.isEmpty() || meansNobody(text))
            return {};
        if (!text.contains(u';') && (Numbers::wholeValue(text) || names.count(nameKey(text))))
            return {text};
        QStringList pieces = text.split(text.contains(u';') ? u';' : u',', Qt::SkipEmptyParts);
        pieces.removeIf([](const QString& p) { return p.trimmed().isEmpty() || meansNobody(p); });
        return pieces;
    }

    std::vector<Pick> picksOf(const Csv::Record& row, FormRole role)
    {
        std::vector<Pick> picks;
        for (int c = 0; c < static_cast<int>(roles.size()) && c < row.fields.size(); ++c) {
            if (roles[static_cast<std::size_t>(c)] != role)
                continue;
            for (const QString& piece : piecesOf(row.fields[c]))
                if (const std::optional<int> s = subjectOf(piece, row.line, c + 1))
                    picks.push_back({*s, c + 1});
        }
        return picks;
    }

    void checkPicks(const std::vector<Pick>& picks, std::optional<int> respondent, int line)
    {
        std::set<int> seen;
        int counted = 0;
        for (const Pick& p : picks) {
            if (respondent && p.subject == *respondent)
                problem(
                    line, p.column,
                    FormResponsesText::tr("%1 cannot choose themselves.").arg(shown(p.subject)));
            else if (!seen.insert(p.subject).second)
                problem(line, p.column,
                        FormResponsesText::tr("%1 is chosen twice.").arg(shown(p.subject)));
            else if (++counted == study.maxChoices + 1)
                problem(line, p.column,
                        FormResponsesText::tr("More choices are given than the study allows (%1).")
                            .arg(study.maxChoices));
        }
    }

    std::optional<int> respondentOf(const Csv::Record& row)
    {
        const auto at = std::find(roles.begin(), roles.end(), FormRole::Respondent);
        const int column = static_cast<int>(at - roles.begin());
        const QString field = column < row.fields.size() ? row.fields[column] : QString();
        if (field.trimmed().isEmpty()) {
            problem(row.line, column + 1,
                    FormResponsesText::tr("The row does not say who answers."));
            return std::nullopt;
        }
        return subjectOf(field, row.line, column + 1);
    }

    // A respondent who sent the form twice changed their mind: the later row counts.
    void dropEarlierRow(int respondent, int line, int column)
    {
        const auto [earlier, first] = lineOf.try_emplace(respondent, line);
        if (first)
            return;
        out.problems.push_back(
            {line, column,
             FormResponsesText::tr(
                 "%1 answers a second time; the first row is line %2, and this later row is "
                 "the one offered.")
                 .arg(shown(respondent))
                 .arg(earlier->second)});
        if (taken.erase(respondent) > 0) {
            --out.rowsTaken;
            ++out.rowsLeftOut;
        }
        earlier->second = line;
        for (auto* choices : {&out.positive, &out.negative})
            if (*choices)
                for (int slot = 1; slot <= study.maxChoices; ++slot)
                    (*choices)->set(respondent, slot, 0);
    }

    void readRow(const Csv::Record& row)
    {
        refused = false;
        const std::optional<int> respondent = respondentOf(row);
        const std::vector<Pick> positive = picksOf(row, FormRole::Positive);
        const std::vector<Pick> negative = picksOf(row, FormRole::Negative);
        checkPicks(positive, respondent, row.line);
        checkPicks(negative, respondent, row.line);
        if (respondent)
            dropEarlierRow(*respondent, row.line, respondentColumn());
        if (refused || !respondent) {
            ++out.rowsLeftOut;
            return;
        }
        ++out.rowsTaken;
        taken.insert(*respondent);
        fill(out.positive, *respondent, positive);
        fill(out.negative, *respondent, negative);
    }

    int respondentColumn() const
    {
        return static_cast<int>(std::find(roles.begin(), roles.end(), FormRole::Respondent) -
                                roles.begin()) +
               1;
    }

    static void fill(std::optional<ImportedChoices>& choices, int respondent,
                     const std::vector<Pick>& picks)
    {
        if (!choices)
            return;
        choices->markNamed(respondent);
        for (std::size_t i = 0; i < picks.size(); ++i)
            choices->set(respondent, static_cast<int>(i) + 1, picks[i].subject);
    }

    const std::vector<FormRole>& roles;
    const FormStudy& study;
    NameIndex names;
    FormResponses out;
    std::map<int, int> lineOf;
    std::set<int> taken;
    bool refused = false;
};

} // namespace

QString nameKey(const QString& name)
{
    QString key;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (!c.isMark())
            key.append(c);
    key = key.toCaseFolded().simplified();
    while (key.endsWith(u'.'))
        key.chop(1);
    return key.trimmed();
}

FormSheet readFormSheet(const QString& text)
{
    FormSheet sheet;
    const Csv::Text csv = Csv::parse(text, Csv::detectSeparator(text));
    bool headed = false;
    for (const Csv::Record& record : csv.records) {
        for (int c = 0; c < record.fields.size(); ++c)
            if (holdsControlCode(record.fields[c])) {
                sheet.problems.push_back(
                    {record.line, c + 1,
                     FormResponsesText::tr("The file is not text: it holds control characters.")});
                return sheet;
            }
        if (record.blank())
            continue;
        sheet.columns = std::max(sheet.columns, static_cast<int>(record.fields.size()));
        if (!headed)
            sheet.header = record.fields;
        else
            sheet.rows.push_back(record);
        headed = true;
    }
    if (csv.unclosedQuoteLine > 0)
        sheet.problems.push_back(
            {csv.unclosedQuoteLine, 1, FormResponsesText::tr("A quoted field is not closed.")});
    if (sheet.rows.empty())
        sheet.problems.push_back({1, 1, FormResponsesText::tr("The file holds no responses.")});
    return sheet;
}

std::vector<FormRole> guessFormRoles(const QStringList& header, int criterionType)
{
    std::vector<FormRole> roles(static_cast<std::size_t>(header.size()), FormRole::Ignored);
    std::vector<std::size_t> choices;
    std::optional<std::size_t> respondent;
    for (std::size_t c = 0; c < roles.size(); ++c) {
        const QString& h = header[static_cast<int>(c)];
        if (isIgnoredHeading(h))
            continue;
        if (!respondent && isRespondentHeading(h))
            respondent = c;
        else
            choices.push_back(c);
    }
    if (!respondent && !choices.empty()) {
        respondent = choices.front();
        choices.erase(choices.begin());
    }
    if (respondent)
        roles[*respondent] = FormRole::Respondent;
    const bool both = criterionType == Codes::CriterionType::Both;
    const bool anyNegative = std::any_of(choices.begin(), choices.end(), [&](std::size_t c) {
        return isNegativeHeading(header[static_cast<int>(c)]);
    });
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const std::size_t c = choices[i];
        bool negative = criterionType == Codes::CriterionType::Negative;
        if (both)
            negative = anyNegative ? isNegativeHeading(header[static_cast<int>(c)])
                                   : i >= (choices.size() + 1) / 2;
        roles[c] = negative ? FormRole::Negative : FormRole::Positive;
    }
    return roles;
}

FormResponses readFormResponses(const FormSheet& sheet, const std::vector<FormRole>& roles,
                                const FormStudy& study)
{
    if (!sheet.problems.empty()) {
        FormResponses none;
        none.problems = sheet.problems;
        return none;
    }
    return ResponseReader(roles, study).read(sheet);
}
