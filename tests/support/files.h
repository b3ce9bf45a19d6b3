#pragma once
// Files a test writes, reads back and lists.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <vector>

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

// A word of a PDF file with its box in points, as pdftotext lays it out, on its page from 0.
struct PdfWord {
    QString text;
    QRectF box;
    int page = 0;
};
using PdfWords = std::vector<PdfWord>;

// Every word of every page of a PDF file (empty when it cannot be read).
inline PdfWords pdfWords(const QString& path)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!text.waitForFinished())
        return {};
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>"));
    PdfWords words;
    const QStringList pages =
        QString::fromUtf8(text.readAllStandardOutput()).split(QStringLiteral("<page "));
    for (int page = 1; page < pages.size(); ++page)
        for (auto it = word.globalMatch(pages[page]); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            words.push_back({m.captured(5),
                             QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                    QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                             page - 1});
        }
    return words;
}
