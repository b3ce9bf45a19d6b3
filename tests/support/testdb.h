#pragma once
// A fresh study database in a temporary folder for each test, made from the
// schema the program ships, with AppPath pointing at that folder.

#include "store.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>
#include <optional>
#include <vector>

// A study as the program stores one. Answers of both types: subject 1 names 2 and 3,
// subject 2 names 1 (positive), subject 4 names 6 (negative); each layout listed has a
// saved arrangement with label i at samplePosition(i).
struct SampleStudy {
    QString name = QStringLiteral("Class 4b");
    int record = 0; // 0: the next free one
    int groupSize = 8;
    int choices = 3;
    int criterionType = 3;
    QList<int> layouts = {0, 1, 2, 3};
};
QPoint samplePosition(int label);

class TestDatabase {
public:
    explicit TestDatabase(int pageSize = 0); // 0: the engine's own page size
    ~TestDatabase();

    bool isValid() const { return ok; }
    QString path() const { return file; }
    QString folder() const { return dir.path(); }

    // Runs SQL on a connection of the test's own (not the program's store).
    bool exec(const QString& sql, const QVariantList& binds = {});
    QVariant scalar(const QString& sql, const QVariantList& binds = {});
    std::vector<QVariantList> rows(const QString& sql, const QVariantList& binds = {});
    QByteArray bytes() const; // the file's contents, to prove it unchanged

    // A stored study as the program writes one; gives back its RECORD (0 on failure).
    // Values are QVariants so that a test can store what the program never would.
    int addStudy(const QVariant& name, const QVariant& groupSize, const QVariant& choices,
                 const QVariant& question, const QVariant& criterionType);
    bool addAnswer(const QVariant& record, const QVariant& answerType, const QVariant& individual,
                   const QVariant& choice, const QVariant& answer);
    bool addPosition(const QVariant& record, const QVariant& sociogram, const QVariant& label,
                     const QVariant& x, const QVariant& y);
    int addStudy(const SampleStudy& study = {});

    // Everything the file holds, a text per row ("SOCIDATA|1|2|3|1|5.0": table, then
    // the fields), to prove it unchanged or changed only where a test expects.
    QStringList dump();
    // A study's stored answers as "type:individual:choice=answer", in the order of the index.
    QString answers(int record);
    // From now on every `event` ("INSERT", "UPDATE", "DELETE") on `table` fails, until
    // allow() takes the refusal away.
    bool failOn(const QString& table, const QString& event = QStringLiteral("DELETE"));
    bool allow(const QString& table, const QString& event = QStringLiteral("DELETE"));
    // Holds the file's write lock as another program would, until unlock().
    bool lock() { return exec(QStringLiteral("BEGIN EXCLUSIVE")); }
    bool unlock() { return exec(QStringLiteral("ROLLBACK")); }
    // The file opened by the program's own store; nothing when it cannot be.
    std::optional<Store> open() const;

    static QString schemaText();
    // Makes a database with the schema at any path.
    static bool create(const QString& path, int pageSize = 0);

private:
    QTemporaryDir dir;
    QString file;
    QString connection;
    bool ok = false;
};

// Makes a study the program's current one: stored as the study window's OK and a save
// leave it (its record back), or new and not yet saved (0).
int openStudy(TestDatabase& db, int groupSize, int choices, int criterionType = 1,
              bool stored = true);

// The program's state as at start-up, with the error report's pause and the store's
// lock wait cut to nothing, so that a test never waits on a retry.
void resetProgram();
