#pragma once
// Comma-separated text, read and written: fields may be quoted, a quote inside a
// quoted field is doubled, and a quoted field may hold separators and line breaks.

#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

namespace Csv {

struct Record {
    int line = 0; // where the record starts, from 1
    QStringList fields;
    bool blank() const; // no field holds anything but blanks
};

struct Text {
    std::vector<Record> records;
    // Line of a quoted field that never closes; it swallowed the rest of the text.
    int unclosedQuoteLine = 0;
};

// The separator of a text: a comma, semicolon or tab, whichever the first line that
// holds any of them uses most outside quotes; a comma when none is found.
QChar detectSeparator(const QString& text);

Text parse(const QString& text, QChar separator);

// A field as it is written: quoted when it holds the separator, a quote or a line break.
QString field(const QString& value, QChar separator = u',');
QString line(const QStringList& values, QChar separator = u',');

} // namespace Csv
