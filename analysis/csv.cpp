#include "csv.h"

#include <array>

namespace Csv {

bool Record::blank() const
{
    for (const QString& f : fields) {
        if (!f.trimmed().isEmpty())
            return false;
    }
    return true;
}

QChar detectSeparator(const QString& text)
{
    const std::array<QChar, 3> candidates{u',', u';', u'\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
    for (QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && (c == u'\n' || c == u'\r')) {
            if (counts[0] + counts[1] + counts[2] > 0)
                break;
        } else if (!quoted) {
            for (std::size_t i = 0; i < candidates.size(); ++i)
                counts[i] += c == candidates[i] ? 1 : 0;
        }
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i) {
        if (counts[i] > counts[best])
            best = i;
    }
    return candidates[best];
}

namespace {

// One pass over the text, character by character, carrying the field and record
// being read.
class Parser {
public:
    Parser(const QString& text, QChar separator) : text(text), separator(separator)
    {
        record.line = 1;
    }

    Text run()
    {
        for (qsizetype i = 0; i < text.size(); ++i)
            i = quoted ? insideQuotes(i) : outsideQuotes(i);
        if (quoted)
            out.unclosedQuoteLine = quoteLine;
        if (!current.isEmpty() || !record.fields.isEmpty() || quoted)
            endRecord(line);
        return std::move(out);
    }

private:
    bool nextIs(qsizetype i, QChar c) const { return i + 1 < text.size() && text[i + 1] == c; }

    void endField()
    {
        record.fields.append(current);
        current.clear();
        fieldWasQuoted = false;
    }

    void endRecord(int nextLine)
    {
        endField();
        out.records.push_back(std::move(record));
        record = Record();
        record.line = nextLine;
    }

    // Returns the index of the last character taken.
    qsizetype insideQuotes(qsizetype i)
    {
        const QChar c = text[i];
        if (c == u'"' && nextIs(i, u'"')) {
            current.append(u'"');
            return i + 1;
        }
        if (c == u'"') {
            quoted = false;
            return i;
        }
        if (c == u'\n')
            ++line;
        current.append(c);
        return i;
    }

    qsizetype outsideQuotes(qsizetype i)
    {
        const QChar c = text[i];
        if (c == u'"' && current.trimmed().isEmpty() && !fieldWasQuoted) {
            // Blanks before an opening quote belong to no value.
            current.clear();
            quoted = true;
            fieldWasQuoted = true;
            quoteLine = line;
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && nextIs(i, u'\n'))
                ++i;
            ++line;
            endRecord(line);
        } else {
            current.append(c);
        }
        return i;
    }

    const QString& text;
    const QChar separator;
    Text out;
    Record record;
    QString current;
    bool quoted = false;
    bool fieldWasQuoted = false;
    int line = 1;
    int quoteLine = 0;
};

} // namespace

Text parse(const QString& text, QChar separator)
{
    return Parser(text, separator).run();
}

QString field(const QString& value, QChar separator)
{
    const bool needsQuotes = value.contains(separator) || value.contains(u'"') ||
                             value.contains(u'\n') || value.contains(u'\r');
    if (!needsQuotes)
        return value;
    QString quoted = value;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString line(const QStringList& values, QChar separator)
{
    QStringList fields;
    fields.reserve(values.size());
    for (const QString& v : values)
        fields.append(field(v, separator));
    return fields.join(separator) + u'\n';
}

} // namespace Csv
