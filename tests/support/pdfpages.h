#pragma once
// The number of pages of a PDF file the program wrote (-1 when it cannot be read).

#include <QFile>
#include <QRegularExpression>

inline int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}
