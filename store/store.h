#pragma once
// The study database: one small class over QtSql. It opens an existing file and
// never creates one, runs every request with bound values, and gives each failure
// back as a DbError.

#include "result.h"
#include "statements.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QSqlQuery;

// A SOCIOMETRY row as it is stored; values are left as the file holds them so that
// the reader decides what an empty or strange value means.
struct StudyRow {
    QVariant record, name, groupSize, choices, question, criterionType;
};

// What the program writes into a SOCIOMETRY row.
struct StudyHeader {
    QString name;
    std::int32_t groupSize = 0;
    std::int32_t choices = 0;
    QString question;
    std::int32_t criterionType = 0;
};

struct AnswerRow {
    QVariant header, answerType, individual, choice, answer;
};

struct PositionRow {
    QVariant header, sociogram, label, x, y;
};

struct StudyEntry {
    QVariant record, name;
};

class Store {
public:
    // Opens the database file for reading and writing. A missing file is an error:
    // the file is never created.
    static Result<Store> open(const QString& path);

    Store(Store&& other) noexcept;
    Store& operator=(Store&& other) noexcept;
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;
    ~Store();

    void close();
    const QString& path() const { return file; }

    // SOCIOMETRY through the index "PRIMARY".
    Result<std::optional<StudyRow>> seekStudy(std::int32_t record);
    Result<std::vector<StudyEntry>> studiesByRecord();
    // NAME of every study in the table's own order.
    Result<std::vector<QVariant>> namesInTableOrder();
    // Changes the row of the record, or adds a row when there is none; gives back
    // the RECORD of the row just written.
    Result<std::int32_t> writeStudy(std::int32_t record, const StudyHeader& header);

    // SOCIDATA rows of one study through the index "ALTERNATE".
    Result<std::vector<AnswerRow>> answersOf(std::int32_t record);
    Done appendAnswer(std::int32_t header, std::int32_t choice, std::int32_t individual,
                      double answer, std::int32_t answerType);

    // POSITION rows selected by a statement (the saved positions of one layout).
    Result<std::vector<PositionRow>> positions(const Statement& statement);
    // The saved arrangement of one study and layout, and its removal before it is
    // written again.
    Result<std::vector<PositionRow>> savedPositions(std::int32_t record, int sociogramType);
    Done deletePositions(std::int32_t record, int sociogramType);
    Done appendPosition(std::int32_t header, std::int16_t sociogram, std::int32_t label,
                        std::int16_t x, std::int16_t y);

    Done execute(const Statement& statement);

    // A transaction that takes the write lock at once, so that a save either holds
    // the file to itself or fails before it changed anything.
    Done begin();
    Done commit();
    Done rollback();

    // How long one request waits for another program's lock before it reports the
    // lock (the error report then retries); tests set 0.
    static void setBusyTimeout(int milliseconds);

private:
    explicit Store(QString connection, QString path);
    DbError errorFrom(const class QSqlError& e) const;
    Done run(const QString& sql, const QVariantList& binds);
    // Appends one row through `query`, prepared on its first use and kept for the next.
    Done appendPrepared(std::unique_ptr<QSqlQuery>& query, const QString& sql,
                        const QVariantList& values);
    // Runs a SELECT with its binds; make(query) gives each row's value.
    template <class Row, class Make>
    Result<std::vector<Row>> select(const QString& sql, const QVariantList& binds, Make make);

    QString connection;
    QString file;
    bool transaction = false;
    std::unique_ptr<QSqlQuery> answerInsert; // prepared once: a save appends hundreds of rows
    std::unique_ptr<QSqlQuery> positionInsert;
};
