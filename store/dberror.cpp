#include "dberror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// SQLite's primary result codes.
enum : int {
    Error = 1,
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    IoErr = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    Protocol = 15,
    TooBig = 18,
    Constraint = 19,
    Mismatch = 20,
    NotADb = 26,
};

QString quoted(const QString& s)
{
    return u'\'' + s + u'\'';
}

// "no such table: X" and its kin name the missing piece.
std::optional<DbError> missingPiece(const QString& message, const QString& path)
{
    static const QRegularExpression pattern(
        QStringLiteral("no such (table|column|index): ([^\\s]+)"));
    // An insert names a missing field in words of its own.
    static const QRegularExpression insertPattern(
        QStringLiteral("table [^\\s]+ has no (column) named ([^\\s]+)"));
    QRegularExpressionMatch m = pattern.match(message);
    if (!m.hasMatch())
        m = insertPattern.match(message);
    if (!m.hasMatch())
        return std::nullopt;
    const QString what = m.captured(1);
    QString name = m.captured(2);
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0 && what == u"column")
        name = name.mid(dot + 1);
    if (what == u"table")
        return DbError{
            DbNumber::NoSuchTable,
            QCoreApplication::translate(
                "Store", "The database %1 has no table %2; it is not a complete study database.")
                .arg(quoted(path), quoted(name)),
            message, Error};
    if (what == u"column")
        return DbError{
            DbNumber::NoSuchField,
            QCoreApplication::translate(
                "Store", "The database %1 lacks the field %2; it is not a complete study database.")
                .arg(quoted(path), quoted(name)),
            message, Error};
    return DbError{
        DbNumber::NoSuchIndex,
        QCoreApplication::translate(
            "Store", "The database %1 lacks the index %2; it is not a complete study database.")
            .arg(quoted(path), quoted(name)),
        message, Error};
}

// What each engine code means to the user; %1 is the file, %2 the engine's message.
struct EngineSentence {
    int code;
    int number;
    const char* sentence;
};

constexpr EngineSentence EngineSentences[] = {
    {Busy, DbNumber::Busy,
     QT_TRANSLATE_NOOP("Store", "Couldn't update %1; it is currently locked by another program.")},
    {Locked, DbNumber::TableLocked,
     QT_TRANSLATE_NOOP("Store", "Couldn't lock a table of %1; it is currently in use.")},
    {ReadOnly, DbNumber::CannotOpen,
     QT_TRANSLATE_NOOP("Store", "The database %1 is read-only; changes cannot be written to it.")},
    {Protocol, DbNumber::FileLocked, QT_TRANSLATE_NOOP("Store", "Could not lock the file %1.")},
    {CantOpen, DbNumber::CannotOpen,
     QT_TRANSLATE_NOOP("Store", "The database %1 cannot be opened.")},
    {NotADb, DbNumber::NotADatabase,
     QT_TRANSLATE_NOOP("Store",
                       "Unrecognized database format %1: the file is not a study database.")},
    {Corrupt, DbNumber::Corrupt,
     QT_TRANSLATE_NOOP("Store", "Cannot open database %1. The file may be damaged.")},
    {Full, DbNumber::DiskFull,
     QT_TRANSLATE_NOOP("Store", "Not enough space on disk for %1; nothing was written.")},
    {IoErr, DbNumber::DiskError,
     QT_TRANSLATE_NOOP("Store", "Disk error while reading or writing %1.")},
    {Constraint, DbNumber::Constraint,
     QT_TRANSLATE_NOOP("Store", "The change to %1 was refused: %2")},
    {TooBig, DbNumber::DataTooBig,
     QT_TRANSLATE_NOOP("Store", "A value does not fit its field in %1.")},
    {Mismatch, DbNumber::DataTooBig,
     QT_TRANSLATE_NOOP("Store", "A value does not fit its field in %1.")},
};

DbError fromTable(int code, int sqliteCode, const QString& message, const QString& file)
{
    for (const EngineSentence& e : EngineSentences) {
        if (e.code != code)
            continue;
        QString sentence = QCoreApplication::translate("Store", e.sentence);
        sentence = code == Constraint ? sentence.arg(file, message) : sentence.arg(file);
        return {e.number, sentence, message, sqliteCode};
    }
    return {};
}

} // namespace

DbError mapEngineError(int sqliteCode, const QString& message, const QString& path)
{
    const int code = sqliteCode & 0xff;
    const QString file = quoted(path);
    // A file removed while it was open still reads from what the system keeps of
    // it, but cannot be written; retrying would never help.
    if ((code == ReadOnly || code == IoErr || code == CantOpen) && !QFileInfo::exists(path))
        return {DbNumber::FileNotFound,
                QCoreApplication::translate("Store", "Could not find file %1.").arg(file), message,
                sqliteCode};
    if (DbError known = fromTable(code, sqliteCode, message, file); known.number != 0)
        return known;
    if (std::optional<DbError> piece = missingPiece(message, path))
        return *piece;
    // A damaged header can claim a file format the engine does not know.
    if (message.contains(QStringLiteral("unsupported file format")))
        return fromTable(NotADb, sqliteCode, message, file);
    return {DbNumber::Other,
            QCoreApplication::translate("Store", "The database %1 reported: %2").arg(file, message),
            message, sqliteCode};
}
