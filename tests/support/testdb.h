#pragma once
// A fresh study database in a temporary folder for each test, made from the
// schema the program ships, with AppPath pointing at that folder.

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>
#include <vector>

class TestDatabase {
public:
    TestDatabase();
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

    static QString schemaText();
    // Makes a database with the schema at any path.
    static bool create(const QString& path);

private:
    QTemporaryDir dir;
    QString file;
    QString connection;
    bool ok = false;
};

// The program's state as at start-up, with the error report's pause and the store's
// lock wait cut to nothing, so that a test never waits on a retry.
void resetProgram();
