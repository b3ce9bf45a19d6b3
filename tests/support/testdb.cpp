#include "testdb.h"

#include "errorreport.h"
#include "files.h"
#include "globals.h"
#include "runreset.h"
#include "store.h"

#include <QFile>
#include <QPoint>
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

bool run(QSqlQuery& q, const QString& sql, const QVariantList& binds)
{
    if (q.prepare(sql)) {
        for (const QVariant& v : binds)
            q.addBindValue(v);
        if (q.exec())
            return true;
    }
    qWarning() << sql << q.lastError().text();
    return false;
}
} // namespace

QString TestDatabase::schemaText()
{
    QFile f(QStringLiteral(SOCIOGRAM_SCHEMA_PATH));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

bool TestDatabase::create(const QString& path, int pageSize)
{
    const QString name = QStringLiteral("test-create-%1").arg(++counter);
    bool made = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        made = db.open() &&
               (pageSize == 0 || QSqlQuery(db).exec(u"PRAGMA page_size = %1"_qs.arg(pageSize))) &&
               runScript(db, schemaText());
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return made;
}

TestDatabase::TestDatabase(int pageSize)
{
    file = dir.filePath(QStringLiteral("KELVAROX.MDB"));
    ok = dir.isValid() && create(file, pageSize);
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
    return run(q, sql, binds);
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
    if (!run(q, sql, binds))
        return out;
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
    return fileBytes(file);
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

bool TestDatabase::addPosition(const QVariant& record, const QVariant& sociogram,
                               const QVariant& label, const QVariant& x, const QVariant& y)
{
    return exec(QStringLiteral("INSERT INTO POSITION (HEADER, SOCIOGRAM, LABEL, X, Y) "
                               "VALUES (?, ?, ?, ?, ?)"),
                {record, sociogram, label, x, y});
}

QPoint samplePosition(int label)
{
    return {300 + 700 * (label - 1), 900 + 100 * label};
}

int TestDatabase::addStudy(const SampleStudy& s)
{
    // One transaction: a commit for each row would make the tests wait on the disk.
    if (!exec(QStringLiteral("BEGIN")))
        return 0;
    if (!exec(QStringLiteral("INSERT INTO SOCIOMETRY (RECORD, NAME, GROUPSIZE, CHOICES, QUESTION, "
                             "CRITERIONTYPE) VALUES (?, ?, ?, ?, 'Who would you sit with?', ?)"),
              {s.record ? QVariant(s.record) : QVariant(), s.name, s.groupSize, s.choices,
               s.criterionType})) {
        exec(QStringLiteral("ROLLBACK"));
        return 0;
    }
    const int record =
        s.record ? s.record : scalar(QStringLiteral("SELECT max(RECORD) FROM SOCIOMETRY")).toInt();
    bool ok = addAnswer(record, 1, 2, 1, 2) && addAnswer(record, 1, 2, 2, 3) &&
              addAnswer(record, 1, 3, 1, 1) && addAnswer(record, 2, 5, 1, 6);
    for (int layout : s.layouts)
        for (int i = 1; i <= s.groupSize; ++i)
            ok = ok && addPosition(record, layout, i, samplePosition(i).x(), samplePosition(i).y());
    return exec(ok ? u"COMMIT"_qs : u"ROLLBACK"_qs) && ok ? record : 0;
}

QStringList TestDatabase::dump()
{
    QStringList out;
    for (const QString& table : {u"SOCIOMETRY"_qs, u"SOCIDATA"_qs, u"POSITION"_qs})
        for (const QVariantList& row : rows(u"SELECT * FROM %1 ORDER BY rowid"_qs.arg(table))) {
            QStringList fields{table};
            for (const QVariant& v : row)
                fields << (v.isNull() ? u"NULL"_qs : v.toString());
            out << fields.join(u'|');
        }
    return out;
}

QString TestDatabase::answers(int record)
{
    QStringList out;
    for (const QVariantList& r : rows("SELECT ANSWERTYPE, INDIVIDUAL, CHOICE, ANSWER FROM SOCIDATA "
                                      "WHERE HEADER = ? ORDER BY ANSWERTYPE, INDIVIDUAL, CHOICE",
                                      {record}))
        out << u"%1:%2:%3="_qs.arg(r[0].toInt()).arg(r[1].toInt()).arg(r[2].toInt()) +
                   QString::number(r[3].toDouble());
    return out.join(u' ');
}

bool TestDatabase::failOn(const QString& table, const QString& event)
{
    return exec(u"CREATE TRIGGER refuse_%1_%2 BEFORE %1 ON %2 "
                "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"_qs.arg(event, table));
}

bool TestDatabase::allow(const QString& table, const QString& event)
{
    return exec(u"DROP TRIGGER refuse_%1_%2"_qs.arg(event, table));
}

std::optional<Store> TestDatabase::open() const
{
    Result<Store> r = Store::open(file);
    if (!r)
        return std::nullopt;
    return std::move(r.value());
}

void resetProgram()
{
    RunReset::resetRun();
    errorReport().setPause([] {});
    Store::setBusyTimeout(0);
}

int openStudy(TestDatabase& db, int groupSize, int choices, int criterionType, bool stored)
{
    Global::NewProject = stored ? Global::False : Global::True;
    Global::CurrentRecord =
        stored ? db.addStudy(u"Class"_qs, groupSize, choices, u"Who?"_qs, criterionType) : 0;
    Global::RefName = u"Class"_qs;
    Global::Question = u"Who?"_qs;
    Global::GroupSize = groupSize;
    Global::MaxChoices = choices;
    Global::CriterionType = criterionType;
    Global::CurrentCriterion = criterionType == 2 ? 2 : 1;
    return Global::CurrentRecord;
}
