#pragma once
// Files a test writes, reads back and lists.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QString fileText(const QString& path)
{
    return QString::fromUtf8(fileBytes(path));
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Every entry of a folder, hidden ones too.
inline QStringList listing(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The number of pages of a PDF file the program wrote (0 when it cannot be read).
inline int pdfPages(const QString& path)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return int(QString::fromLatin1(fileBytes(path)).count(page));
}

// The words of a PDF file the program wrote, as pdftotext reads them (empty when it cannot).
inline QString pdfText(const QString& path)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    return text.waitForFinished() ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
}
