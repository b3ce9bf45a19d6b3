#include "testdb.h"

#include "errorreport.h"
#include "globals.h"
#include "store.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QtTest>

namespace {
int counter = 0;

bool runScript(QSqlDatabase& db, const QString& script)
{
    QSqlQuery q(db);
    // Comments go first: a semicolon inside one must not split a statement.
    QString body;
    for (const QString& line : script.split(u'\n'))
        if (!line.trimmed().startsWith(QStringLiteral("--")))
            body += line + u'\n';
    for (const QString& sql : body.split(u';')) {
        if (sql.trimmed().isEmpty())
            continue;
        if (!q.exec(sql)) {
            qWarning() << "schema:" << q.lastError().text();
            return false;
        }
    }
    return true;
}
} // namespace

QString TestDatabase::schemaText()
{
    QFile f(QStringLiteral(SOCIOGRAM_SCHEMA_PATH));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

bool TestDatabase::create(const QString& path)
{
    const QString name = QStringLiteral("test-create-%1").arg(++counter);
    bool made = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        made = db.open() && runScript(db, schemaText());
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return made;
}

TestDatabase::TestDatabase()
{
    file = dir.filePath(QStringLiteral("KELVAROX.MDB"));
    ok = dir.isValid() && create(file);
    connection = QStringLiteral("test-db-%1").arg(++counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(file);
    ok = ok && db.open();
    Global::AppPath = dir.path() + u'/';
}

TestDatabase::~TestDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

bool TestDatabase::exec(const QString& sql, const QVariantList& binds)
{
    QSqlQuery q(QSqlDatabase::database(connection));
    if (!q.prepare(sql)) {
        qWarning() << sql << q.lastError().text();
        return false;
    }
    for (const QVariant& v : binds)
        q.addBindValue(v);
    if (!q.exec()) {
        qWarning() << sql << q.lastError().text();
        return false;
    }
    return true;
}

QVariant TestDatabase::scalar(const QString& sql, const QVariantList& binds)
{
    const auto r = rows(sql, binds);
    return r.empty() || r.front().isEmpty() ? QVariant() : r.front().front();
}

std::vector<QVariantList> TestDatabase::rows(const QString& sql, const QVariantList& binds)
{
    std::vector<QVariantList> out;
    QSqlQuery q(QSqlDatabase::database(connection));
    if (!q.prepare(sql)) {
        qWarning() << sql << q.lastError().text();
        return out;
    }
    for (const QVariant& v : binds)
        q.addBindValue(v);
    if (!q.exec()) {
        qWarning() << sql << q.lastError().text();
        return out;
    }
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        out.push_back(row);
    }
    return out;
}

QByteArray TestDatabase::bytes() const
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int TestDatabase::addStudy(const QVariant& name, const QVariant& groupSize, const QVariant& choices,
                           const QVariant& question, const QVariant& criterionType)
{
    if (!exec(QStringLiteral("INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, QUESTION, "
                             "CRITERIONTYPE) VALUES (?, ?, ?, ?, ?)"),
              {name, groupSize, choices, question, criterionType}))
        return 0;
    return scalar(QStringLiteral("SELECT max(RECORD) FROM SOCIOMETRY")).toInt();
}

bool TestDatabase::addAnswer(const QVariant& record, const QVariant& answerType,
                             const QVariant& individual, const QVariant& choice,
                             const QVariant& answer)
{
    return exec(QStringLiteral("INSERT INTO SOCIDATA (HEADER, ANSWERTYPE, INDIVIDUAL, CHOICE, "
                               "ANSWER) VALUES (?, ?, ?, ?, ?)"),
                {record, answerType, individual, choice, answer});
}

void resetProgram()
{
    Global::reset();
    errorReport().reset();
    errorReport().setPause([] {});
    Store::setBusyTimeout(0);
}
