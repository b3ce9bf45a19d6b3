// The project list's reading of the stored studies and the deleting of one study
// with its answers and saved arrangements, including deletes that fail part-way.

#include "errorreport.h"
#include "globals.h"
#include "projectlist.h"
#include "scriptedmessages.h"
#include "store.h"
#include "testdb.h"

#include <QtTest>
#include <memory>

namespace {

using Rows = std::vector<QVariantList>;

QStringList namesOf(const std::vector<ProjectEntry>& list)
{
    QStringList out;
    for (const ProjectEntry& e : list)
        out << e.name;
    return out;
}

QList<int> recordsOf(const std::vector<ProjectEntry>& list)
{
    QList<int> out;
    for (const ProjectEntry& e : list)
        out << e.record;
    return out;
}

} // namespace

class TestStudyList : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;

    void addStudy(int record, const QString& name)
    {
        QVERIFY(db->exec(QStringLiteral("INSERT INTO SOCIOMETRY (RECORD, NAME, GROUPSIZE, CHOICES, "
                                        "QUESTION, CRITERIONTYPE) VALUES (?, ?, 12, 2, 'Who?', 3)"),
                         {record, name}));
    }

    // A study with answers of both criteria and an arrangement for every layout.
    void addFullStudy(int record, const QString& name)
    {
        addStudy(record, name);
        for (int type = 1; type <= 2; ++type)
            for (int individual = 2; individual <= 4; ++individual)
                QVERIFY(db->exec(QStringLiteral("INSERT INTO SOCIDATA VALUES (?, ?, ?, 1, 5)"),
                                 {record, type, individual}));
        for (int layout = 0; layout <= 3; ++layout)
            for (int label = 1; label <= 3; ++label)
                QVERIFY(db->exec(QStringLiteral("INSERT INTO POSITION VALUES (?, ?, ?, 100, 200)"),
                                 {record, layout, label}));
    }

    // Everything the file holds, table by table, to prove it unchanged.
    Rows everything()
    {
        Rows all =
            db->rows(QStringLiteral("SELECT 'S', RECORD, NAME FROM SOCIOMETRY ORDER BY RECORD"));
        for (const QVariantList& r : db->rows(QStringLiteral(
                 "SELECT 'D', HEADER, ANSWERTYPE, INDIVIDUAL FROM SOCIDATA ORDER BY rowid")))
            all.push_back(r);
        for (const QVariantList& r : db->rows(QStringLiteral(
                 "SELECT 'P', HEADER, SOCIOGRAM, LABEL FROM POSITION ORDER BY rowid")))
            all.push_back(r);
        return all;
    }

    int count(const QString& table, const QString& key, int record)
    {
        return db
            ->scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(table, key),
                     {record})
            .toInt();
    }

    // SOCIOMETRY rebuilt without the whole-number key, as a file made by another
    // program might be, so that any value can stand in RECORD.
    void looseRecordColumn()
    {
        QVERIFY(db->exec(QStringLiteral("DROP TABLE SOCIOMETRY")));
        QVERIFY(
            db->exec(QStringLiteral("CREATE TABLE SOCIOMETRY (RECORD, NAME, GROUPSIZE, CHOICES, "
                                    "QUESTION, CRITERIONTYPE)")));
        QVERIFY(db->exec(QStringLiteral("CREATE INDEX \"PRIMARY\" ON SOCIOMETRY (RECORD)")));
    }

private Q_SLOTS:
    void init()
    {
        resetProgram();
        db = std::make_unique<TestDatabase>();
        QVERIFY(db->isValid());
    }
    void cleanup() { db.reset(); }

    void emptyDatabaseGivesEmptyList()
    {
        ScriptedMessages messages;
        QVERIFY(readProjectList().empty());
        QCOMPARE(messages.count(), 0);
    }

    void listedByAscendingRecord()
    {
        // Inserted out of order; the list follows the record numbers, and two studies
        // of one name stay two entries, each with its own record.
        addStudy(12, QStringLiteral("Class 4b"));
        addStudy(3, QStringLiteral("Class 4b"));
        addStudy(7, QStringLiteral("Gym group"));
        addStudy(2147483647, QStringLiteral("Last"));
        ScriptedMessages messages;
        const std::vector<ProjectEntry> list = readProjectList();
        QCOMPARE(recordsOf(list), (QList<int>{3, 7, 12, 2147483647}));
        QCOMPARE(namesOf(list),
                 (QStringList{u"Class 4b"_qs, u"Gym group"_qs, u"Class 4b"_qs, u"Last"_qs}));
        QCOMPARE(messages.count(), 0);
    }

    void emptyNameStillListed()
    {
        // A study without a name can still be opened or deleted from the list.
        QVERIFY(db->exec(QStringLiteral("INSERT INTO SOCIOMETRY (NAME) VALUES (NULL)")));
        addStudy(5, QStringLiteral("Named"));
        ScriptedMessages messages;
        const std::vector<ProjectEntry> list = readProjectList();
        QCOMPARE(recordsOf(list), (QList<int>{1, 5}));
        QCOMPARE(namesOf(list), (QStringList{QString(), u"Named"_qs}));
        QCOMPARE(messages.count(), 0);
    }

    void unusableRecordsAreReportedAndLeftOut_data()
    {
        QTest::addColumn<QVariant>("record");
        QTest::addColumn<QString>("report");
        const QString prefix =
            QStringLiteral("Unexpected Error In - LoadForm:LoadData, Error Number ");
        QTest::newRow("text") << QVariant(u"x"_qs) << prefix + u"13, Type mismatch"_qs;
        QTest::newRow("digits as text") << QVariant(u"9"_qs) << prefix + u"13, Type mismatch"_qs;
        QTest::newRow("fraction") << QVariant(2.5) << prefix + u"13, Type mismatch"_qs;
        QTest::newRow("empty") << QVariant() << prefix + u"94, Invalid use of Null"_qs;
        QTest::newRow("too large") << QVariant(qlonglong(1) << 40) << prefix + u"6, Overflow"_qs;
    }

    void unusableRecordsAreReportedAndLeftOut()
    {
        QFETCH(QVariant, record);
        QFETCH(QString, report);
        looseRecordColumn();
        QVERIFY(
            db->exec(QStringLiteral("INSERT INTO SOCIOMETRY (RECORD, NAME) VALUES (1, 'First'), "
                                    "(?, 'Broken'), (4, 'Fourth')"),
                     {record}));
        ScriptedMessages messages;
        const std::vector<ProjectEntry> list = readProjectList();
        QCOMPARE(namesOf(list), (QStringList{u"First"_qs, u"Fourth"_qs}));
        QCOMPARE(recordsOf(list), (QList<int>{1, 4}));
        QCOMPARE(messages.texts(), QStringList{report});
    }

    void unreadableDatabaseGivesEmptyList()
    {
        addStudy(1, QStringLiteral("Class"));
        QVERIFY(db->exec(QStringLiteral("DROP TABLE SOCIOMETRY")));
        ScriptedMessages messages;
        QVERIFY(readProjectList().empty());
        QCOMPARE(messages.count(), 1);
        QVERIFY2(messages.texts().front().startsWith(QStringLiteral(
                     "Unexpected Error In - LoadForm:LoadData, Error Number 3078, ")),
                 qPrintable(messages.texts().front()));

        QVERIFY(QFile::remove(db->path()));
        messages.clear();
        QVERIFY(readProjectList().empty());
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral("Unexpected Error In - LoadForm:LoadData, Error Number "
                                            "3024, Could not find file '%1'.")
                                 .arg(db->path())});
    }

    void deleteRemovesTheStudyAndAllItsRows()
    {
        addFullStudy(3, QStringLiteral("Keep"));
        addFullStudy(12, QStringLiteral("Go"));
        addFullStudy(13, QStringLiteral("Keep too"));
        const Rows before = everything();
        ScriptedMessages messages;
        QVERIFY(deleteProject(12));
        QCOMPARE(messages.count(), 0);
        QCOMPARE(count(u"SOCIOMETRY"_qs, u"RECORD"_qs, 12), 0);
        QCOMPARE(count(u"SOCIDATA"_qs, u"HEADER"_qs, 12), 0);
        QCOMPARE(count(u"POSITION"_qs, u"HEADER"_qs, 12), 0);
        // Exactly its own rows went: the neighbours on either side are untouched.
        Rows expected;
        for (const QVariantList& r : before)
            if (r.at(1).toInt() != 12)
                expected.push_back(r);
        QCOMPARE(everything(), expected);
        QCOMPARE(recordsOf(readProjectList()), (QList<int>{3, 13}));
    }

    void deletingOneOfTwoNamesakes()
    {
        addFullStudy(1, QStringLiteral("Class 4b"));
        addFullStudy(2, QStringLiteral("Class 4b"));
        QVERIFY(deleteProject(2));
        const std::vector<ProjectEntry> list = readProjectList();
        QCOMPARE(recordsOf(list), QList<int>{1});
        QCOMPARE(count(u"SOCIDATA"_qs, u"HEADER"_qs, 1), 6);
        QCOMPARE(count(u"POSITION"_qs, u"HEADER"_qs, 1), 12);
    }

    void deletingTheLastStudyEmptiesTheList()
    {
        addFullStudy(4, QStringLiteral("Only"));
        QVERIFY(deleteProject(4));
        QVERIFY(readProjectList().empty());
        QVERIFY(everything().empty());
    }

    void failingDeleteLeavesTheStudyWhole_data()
    {
        QTest::addColumn<QString>("table");
        // Each of the three deletes in turn refuses; the ones before it must be undone.
        QTest::newRow("header refused") << "SOCIOMETRY";
        QTest::newRow("answers refused") << "SOCIDATA";
        QTest::newRow("positions refused") << "POSITION";
    }

    void failingDeleteLeavesTheStudyWhole()
    {
        QFETCH(QString, table);
        addFullStudy(12, QStringLiteral("Class"));
        addFullStudy(13, QStringLiteral("Other"));
        QVERIFY(db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON %1 "
                                        "BEGIN SELECT RAISE(ABORT, 'rows are kept'); END")
                             .arg(table)));
        const Rows before = everything();
        ScriptedMessages messages;
        QVERIFY(!deleteProject(12));
        QCOMPARE(everything(), before);
        QCOMPARE(messages.count(), 2);
        QVERIFY2(messages.texts().at(0).startsWith(
                     QStringLiteral("Unexpected Error In - LoadForm:DeleteRecord, Error Number ")),
                 qPrintable(messages.texts().at(0)));
        QCOMPARE(messages.texts().at(1), ProjectMessages::NotDeleted);
        QCOMPARE(messages.shown().at(1).icon, Icon::Exclamation);
        QCOMPARE(messages.shown().at(1).title, QStringLiteral("Help"));
        // The file is usable afterwards: no transaction was left open.
        QVERIFY(db->exec(QStringLiteral("DROP TRIGGER refuse")));
        QVERIFY(deleteProject(12));
        QCOMPARE(recordsOf(readProjectList()), QList<int>{13});
    }

    void missingDatabaseIsToldAsNotDeleted()
    {
        QVERIFY(QFile::remove(db->path()));
        ScriptedMessages messages;
        QVERIFY(!deleteProject(1));
        QCOMPARE(
            messages.texts(),
            (QStringList{QStringLiteral("Unexpected Error In - LoadForm:DeleteRecord, Error Number "
                                        "3024, Could not find file '%1'.")
                             .arg(db->path()),
                         ProjectMessages::NotDeleted}));
        QVERIFY(!QFile::exists(db->path())); // never created by the attempt
    }

    void persistentLockCancelledLeavesTheStudyWhole()
    {
        addFullStudy(5, QStringLiteral("Class"));
        const Rows before = everything();
        QVERIFY(db->exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ScriptedMessages messages;
        messages.answer({Answer::Cancel});
        QVERIFY(!deleteProject(5));
        QVERIFY(db->exec(QStringLiteral("ROLLBACK")));
        QCOMPARE(messages.count(), 2);
        QCOMPARE(messages.shown().at(0).buttons, Buttons::RetryCancel);
        QCOMPARE(messages.texts().at(1), ProjectMessages::NotDeleted);
        QCOMPARE(everything(), before);
    }

    void lockReleasedThenRetriedDeletes()
    {
        addFullStudy(5, QStringLiteral("Class"));
        QVERIFY(db->exec(QStringLiteral("BEGIN EXCLUSIVE")));
        std::vector<Message> shown;
        const MessageHandler previous = setMessageHandler([&](const Message& m) {
            shown.push_back(m);
            // The other program lets go while the question is up; the user retries.
            db->exec(QStringLiteral("ROLLBACK"));
            return Answer::Retry;
        });
        const bool deleted = deleteProject(5);
        setMessageHandler(previous);
        QVERIFY(deleted);
        QCOMPARE(int(shown.size()), 1);
        QCOMPARE(shown.front().buttons, Buttons::RetryCancel);
        QVERIFY(everything().empty());
    }
};

QTEST_GUILESS_MAIN(TestStudyList)
#include "tst_study_list.moc"
