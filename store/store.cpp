#include "store.h"

#include "dberror.h"
#include "statements.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

int busyMilliseconds = 100;

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("study-db-%1").arg(counter.fetchAndAddRelaxed(1));
}

int engineCode(const QSqlError& e)
{
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    return ok ? code : 1;
}

} // namespace

void Store::setBusyTimeout(int ms)
{
    busyMilliseconds = ms;
}
Store::Store(QString conn, QString path) : connection(std::move(conn)), file(std::move(path)) {}

Store::Store(Store&& other) noexcept
    : connection(std::exchange(other.connection, QString())), file(std::move(other.file)),
      transaction(std::exchange(other.transaction, false)),
      answerInsert(std::move(other.answerInsert)), positionInsert(std::move(other.positionInsert))
{
}

Store& Store::operator=(Store&& other) noexcept
{
    if (this != &other) {
        close();
        connection = std::exchange(other.connection, QString());
        file = std::move(other.file);
        transaction = std::exchange(other.transaction, false);
        answerInsert = std::move(other.answerInsert);
        positionInsert = std::move(other.positionInsert);
    }
    return *this;
}

Store::~Store()
{
    close();
}

Result<Store> Store::open(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return DbError{DbNumber::FileNotFound,
                       QCoreApplication::translate("Store", "Could not find file '%1'.").arg(path),
                       QStringLiteral("no file at this path"), 14};
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // mode=rw opens an existing file only: SQLite never creates one this way.
        db.setDatabaseName(
            QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=rw"));
        db.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyMilliseconds));
        if (!db.open()) {
            const QSqlError e = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return mapEngineError(engineCode(e), e.driverText() + u' ' + e.databaseText(), path);
        }
    }
    return Store(name, path);
}

void Store::close()
{
    if (connection.isEmpty())
        return;
    answerInsert.reset();
    positionInsert.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        if (transaction) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            transaction = false;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    connection.clear();
}

DbError Store::errorFrom(const QSqlError& e) const
{
    QString text = e.databaseText();
    if (text.isEmpty())
        text = e.driverText();
    return mapEngineError(engineCode(e), text, file);
}

Done Store::run(const QString& sql, const QVariantList& binds)
{
    QSqlQuery q(QSqlDatabase::database(connection, false));
    if (!q.prepare(sql))
        return errorFrom(q.lastError());
    for (const QVariant& v : binds)
        q.addBindValue(v);
    if (!q.exec())
        return errorFrom(q.lastError());
    return done();
}

template <class Row, class Make>
Result<std::vector<Row>> Store::select(const QString& sql, const QVariantList& binds, Make make)
{
    QSqlQuery q(QSqlDatabase::database(connection, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        return errorFrom(q.lastError());
    for (const QVariant& v : binds)
        q.addBindValue(v);
    if (!q.exec())
        return errorFrom(q.lastError());
    std::vector<Row> rows;
    while (q.next())
        rows.push_back(make(q));
    if (q.lastError().isValid())
        return errorFrom(q.lastError());
    return rows;
}

Result<std::optional<StudyRow>> Store::seekStudy(std::int32_t record)
{
    Result<std::vector<StudyRow>> rows = select<StudyRow>(
        QStringLiteral("SELECT RECORD, NAME, GROUPSIZE, CHOICES, QUESTION, CRITERIONTYPE "
                       "FROM SOCIOMETRY INDEXED BY \"PRIMARY\" WHERE RECORD = ?"),
        {record}, [](const QSqlQuery& q) {
            return StudyRow{q.value(0), q.value(1), q.value(2), q.value(3), q.value(4), q.value(5)};
        });
    if (!rows)
        return rows.error();
    if (rows.value().empty())
        return std::optional<StudyRow>();
    return std::optional<StudyRow>(std::move(rows.value().front()));
}

Result<std::vector<StudyEntry>> Store::studiesByRecord()
{
    return select<StudyEntry>(
        QStringLiteral("SELECT RECORD, NAME FROM SOCIOMETRY INDEXED BY \"PRIMARY\" "
                       "ORDER BY RECORD"),
        {}, [](const QSqlQuery& q) {
            return StudyEntry{q.value(0), q.value(1)};
        });
}

Result<std::vector<QVariant>> Store::namesInTableOrder()
{
    return select<QVariant>(QStringLiteral("SELECT NAME FROM SOCIOMETRY ORDER BY rowid"), {},
                            [](const QSqlQuery& q) { return q.value(0); });
}

Result<std::int32_t> Store::writeStudy(std::int32_t record, const StudyHeader& h)
{
    Result<std::optional<StudyRow>> found = seekStudy(record);
    if (!found)
        return found.error();
    QSqlQuery q(QSqlDatabase::database(connection, false));
    if (found.value()) {
        if (!q.prepare(QStringLiteral("UPDATE SOCIOMETRY SET NAME = ?, GROUPSIZE = ?, CHOICES = ?, "
                                      "QUESTION = ?, CRITERIONTYPE = ? WHERE RECORD = ?")))
            return errorFrom(q.lastError());
    } else if (!q.prepare(
                   QStringLiteral("INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, QUESTION, "
                                  "CRITERIONTYPE) VALUES (?, ?, ?, ?, ?)"))) {
        return errorFrom(q.lastError());
    }
    q.addBindValue(h.name);
    q.addBindValue(h.groupSize);
    q.addBindValue(h.choices);
    q.addBindValue(h.question);
    q.addBindValue(h.criterionType);
    if (found.value())
        q.addBindValue(record);
    if (!q.exec())
        return errorFrom(q.lastError());
    if (found.value())
        return record;
    return static_cast<std::int32_t>(q.lastInsertId().toLongLong());
}

Result<std::vector<AnswerRow>> Store::answersOf(std::int32_t record)
{
    return select<AnswerRow>(
        QStringLiteral("SELECT HEADER, ANSWERTYPE, INDIVIDUAL, CHOICE, ANSWER "
                       "FROM SOCIDATA INDEXED BY \"ALTERNATE\" WHERE HEADER = ?"),
        {record}, [](const QSqlQuery& q) {
            return AnswerRow{q.value(0), q.value(1), q.value(2), q.value(3), q.value(4)};
        });
}

Done Store::appendAnswer(std::int32_t header, std::int32_t choice, std::int32_t individual,
                         double answer, std::int32_t answerType)
{
    return appendPrepared(answerInsert,
                          QStringLiteral("INSERT INTO SOCIDATA (HEADER, CHOICE, INDIVIDUAL, "
                                         "ANSWER, ANSWERTYPE) VALUES (?, ?, ?, ?, ?)"),
                          {header, choice, individual, answer, answerType});
}

Result<std::vector<PositionRow>> Store::savedPositions(std::int32_t record, int sociogramType)
{
    return positions(Statements::selectPositions(record, sociogramType));
}

Done Store::deletePositions(std::int32_t record, int sociogramType)
{
    return execute(Statements::deletePositions(record, sociogramType));
}

Result<std::vector<PositionRow>> Store::positions(const Statement& statement)
{
    return select<PositionRow>(statement.sql, statement.binds, [](const QSqlQuery& q) {
        return PositionRow{q.value(0), q.value(1), q.value(2), q.value(3), q.value(4)};
    });
}

Done Store::appendPosition(std::int32_t header, std::int16_t sociogram, std::int32_t label,
                           std::int16_t x, std::int16_t y)
{
    return appendPrepared(positionInsert,
                          QStringLiteral("INSERT INTO POSITION (HEADER, SOCIOGRAM, LABEL, X, Y) "
                                         "VALUES (?, ?, ?, ?, ?)"),
                          {header, sociogram, label, x, y});
}

Done Store::appendPrepared(std::unique_ptr<QSqlQuery>& query, const QString& sql,
                           const QVariantList& values)
{
    if (!query) {
        query = std::make_unique<QSqlQuery>(QSqlDatabase::database(connection, false));
        if (!query->prepare(sql)) {
            const DbError e = errorFrom(query->lastError());
            query.reset();
            return e;
        }
    }
    for (qsizetype i = 0; i < values.size(); ++i)
        query->bindValue(int(i), values[i]);
    if (!query->exec())
        return errorFrom(query->lastError());
    return done();
}

Done Store::execute(const Statement& statement)
{
    return run(statement.sql, statement.binds);
}

Done Store::begin()
{
    Done r = run(QStringLiteral("BEGIN IMMEDIATE"), {});
    if (r)
        transaction = true;
    return r;
}

Done Store::commit()
{
    Done r = run(QStringLiteral("COMMIT"), {});
    if (r)
        transaction = false;
    return r;
}

Done Store::rollback()
{
    if (!transaction)
        return done();
    Done r = run(QStringLiteral("ROLLBACK"), {});
    transaction = false;
    // After a full disk or an I/O error the engine may already have rolled the
    // transaction back itself; then there is nothing left to undo.
    if (!r && r.error().detail.contains(QStringLiteral("no transaction is active")))
        return done();
    return r;
}
