#include "filefolder.h"

#include "globals.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace FileFolder {

namespace {

QString& folder()
{
    static QString last;
    return last;
}

// A reference name such as "4/5 Smith: spring?" becomes "4-5 Smith spring": slashes
// read as dashes, the other characters Windows or Linux refuse become spaces, and no
// leading dot hides the file.
QString safeName(const QString& name)
{
    QString safe;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\')
            safe += u'-';
        else if (c.category() == QChar::Other_Control || QStringLiteral(":*?\"<>|").contains(c))
            safe += u' ';
        else
            safe += c;
    }
    const auto edge = [](QChar c) { return c == u'.' || c.isSpace(); };
    qsizetype from = 0, to = safe.size();
    while (from < to && edge(safe[from]))
        ++from;
    while (to > from && edge(safe[to - 1]))
        --to;
    return safe.mid(from, std::min<qsizetype>(to - from, 100)).simplified();
}

} // namespace

QString lastUsed()
{
    if (folder().isEmpty())
        folder() = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder();
}

void remember(const QString& path)
{
    if (!path.isEmpty())
        folder() = QFileInfo(path).absolutePath();
}

QString suggested(const QString& what, const QString& suffix)
{
    QString name = safeName(Global::RefName);
    if (name.isEmpty())
        name = QStringLiteral("Sociogram");
    if (!what.isEmpty())
        name += QStringLiteral(" - ") + what;
    return QDir(lastUsed()).filePath(name + u'.' + suffix);
}

void forget()
{
    folder().clear();
}

} // namespace FileFolder

bool writeTextFile(const QString& path, const QString& text, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
