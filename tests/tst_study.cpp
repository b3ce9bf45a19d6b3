// The study: the checks of its entries, the project list and deleting a study.

#include "globals.h"
#include "projectlist.h"
#include "scriptedmessages.h"
#include "testdb.h"
#include "validate.h"

#include <QtTest>
#include <memory>

namespace {

using namespace StudyMessages;
const QString NotDeleted = ProjectMessages::NotDeleted;

StudyEntries goodEntries()
{
    return {u"Who would you like to sit next to?"_qs, u"Class 4b"_qs, u"12"_qs, u"3"_qs, 1};
}

QList<int> recordsOf(const std::vector<ProjectEntry>& list)
{
    QList<int> out;
    for (const ProjectEntry& e : list)
        out << e.record;
    return out;
}

} // namespace

Q_DECLARE_METATYPE(StudyEntries)

class TestStudy : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;

    void storeName(const QVariant& name) { QVERIFY(db->addStudy(name, 12, 3, u"Who?"_qs, 1)); }

private Q_SLOTS:
    void init()
    {
        resetProgram();
        db = std::make_unique<TestDatabase>();
        QVERIFY(db->isValid());
        messages = std::make_unique<ScriptedMessages>();
    }
    void cleanup()
    {
        messages.reset();
        db.reset();
    }

    // ---- Checking the entries ---------------------------------------------------

    void messagesInOrder_data()
    {
        QTest::addColumn<StudyEntries>("entries");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QList<int>>("sizes"); // group size and choices the study takes
        const auto row = [](const char* tag, const char* criterion, const char* name,
                            const char* size, const char* choices, const QStringList& expected,
                            const QList<int>& sizes = {20, 5}) {
            QTest::newRow(tag) << StudyEntries{QString::fromUtf8(criterion),
                                               QString::fromUtf8(name), QString::fromUtf8(size),
                                               QString::fromUtf8(choices), 2}
                               << expected << sizes;
        };
        row("all four empty", "", "", "", "",
            {NoCriterion, NoReferenceName, BadGroupSize, BadChoices});
        row("all entered", "Who?\nWhy?", "  Class 4b  ", "12", "3", {}, {12, 3});
        row("stored name, sizes wrong", "Who?", "Stored", "5", "11",
            {DuplicateName, BadGroupSize, BadChoices});
        row("limits", "Who?", "Class", "6", "10", {}, {6, 10});
        row("group size 41", "Who?", "Class", "41", "1", {BadGroupSize});
        row("group size below 6 by a fraction", "Who?", "Class", "5.9", "3", {BadGroupSize});
        row("half to even, down", "Who?", "Class", "12.5", "2.5", {}, {12, 2});
        row("choices 0", "Who?", "Class", "40", "0", {BadChoices});
        row("name differs in case", "Who?", "stored", "12", "3", {}, {12, 3});
        row("name with a trailing space", "Who?", "Stored ", "12", "3", {}, {12, 3});
        row("criterion of blanks counts as entered", "   ", "Class", "12", "3", {}, {12, 3});
    }

    void messagesInOrder()
    {
        QFETCH(StudyEntries, entries);
        QFETCH(QStringList, expected);
        storeName(u"Stored"_qs);
        Global::RefName = u"Earlier"_qs; // as a previous study left it
        Global::GroupSize = 20;
        Global::MaxChoices = 5;
        const bool accepted = Validate(entries, 0);
        QCOMPARE(messages->texts(), expected);
        QCOMPARE(accepted, expected.isEmpty());
        for (const Message& m : messages->shown())
            QCOMPARE(m.icon, m.text == NoCriterion ? Icon::Exclamation : Icon::Information);
        QCOMPARE(Global::RefName, accepted ? entries.referenceName : u"Earlier"_qs);
        QCOMPARE(Global::Question, accepted ? entries.criterion : QString());
        QCOMPARE(Global::CriterionType, accepted ? 2 : 0);
        QTEST((QList<int>{Global::GroupSize, Global::MaxChoices}), "sizes");
        QCOMPARE(Global::CurrentRecord, 0); // only the data window's save sets it
    }

    void nameLookUp()
    {
        // An empty field and a name stored as a number neither stop nor break the look-up.
        storeName(QVariant());
        storeName(42);
        storeName(u"Class 4b"_qs);
        QVERIFY(nameIsStored(u"Class 4b"_qs));
        QVERIFY(nameIsStored(u"42"_qs));
        QVERIFY(!nameIsStored(u"Class 4"_qs));
        // An empty field is no empty name; an empty text is.
        StudyEntries e = goodEntries();
        e.referenceName.clear();
        QVERIFY(!Validate(e, 0));
        QCOMPARE(messages->texts(), QStringList{NoReferenceName});
        storeName(u""_qs);
        QVERIFY(!Validate(e, 0));
        QCOMPARE(messages->texts(), (QStringList{NoReferenceName, DuplicateName, NoReferenceName}));
    }

    void unreadableFileIsPassedOver()
    {
        // A stored study does not touch the file at all.
        QVERIFY(QFile::remove(db->path()));
        QVERIFY(Validate(goodEntries(), 7));
        QCOMPARE(messages->count(), 0);
        // The look-up is reported under the window's label; the other checks still run.
        StudyEntries e = goodEntries();
        e.criterion.clear();
        QVERIFY(!Validate(e, 0));
        QCOMPARE(messages->reports(), (QStringList{NoCriterion, u"InfoForm:Validate 3024"_qs}));
    }

    // ---- The project list -------------------------------------------------------

    void listedByAscendingRecordOrNotAtAll()
    {
        QVERIFY(readProjectList().empty());
        db->addStudy({.name = u"Class 4b"_qs, .record = 12, .layouts = {}});
        db->addStudy({.name = u"Class 4b"_qs, .record = 3, .layouts = {}});
        db->addStudy({.name = u"Gym"_qs, .record = 2147483647, .layouts = {}});
        QVERIFY(db->exec(u"INSERT INTO SOCIOMETRY (RECORD, NAME) VALUES (7, NULL)"_qs));
        QCOMPARE(recordsOf(readProjectList()), (QList<int>{3, 7, 12, 2147483647}));
        QCOMPARE(messages->count(), 0);
        // An unreadable file lists nothing.
        QVERIFY(db->exec(u"DROP TABLE SOCIOMETRY"_qs));
        QVERIFY(readProjectList().empty());
        QVERIFY(QFile::remove(db->path()));
        QVERIFY(readProjectList().empty());
        QCOMPARE(messages->reports(),
                 (QStringList{u"LoadForm:LoadData 3078"_qs, u"LoadForm:LoadData 3024"_qs}));
    }

    void unusableRecordsAreReportedAndLeftOut_data()
    {
        QTest::addColumn<QVariant>("record");
        QTest::addColumn<int>("number");
        QTest::newRow("text") << QVariant(u"x"_qs) << 13;
        QTest::newRow("digits as text") << QVariant(u"9"_qs) << 13;
        QTest::newRow("fraction") << QVariant(2.5) << 13;
        QTest::newRow("empty") << QVariant() << 94;
        QTest::newRow("too large") << QVariant(qlonglong(1) << 40) << 6;
    }

    void unusableRecordsAreReportedAndLeftOut()
    {
        QFETCH(QVariant, record);
        QFETCH(int, number);
        QVERIFY(db->exec(u"DROP TABLE SOCIOMETRY"_qs));
        QVERIFY(db->exec(u"CREATE TABLE SOCIOMETRY (RECORD, NAME, GROUPSIZE, CHOICES, QUESTION, "
                         "CRITERIONTYPE)"_qs));
        QVERIFY(db->exec(u"CREATE INDEX \"PRIMARY\" ON SOCIOMETRY (RECORD)"_qs));
        QVERIFY(db->exec(u"INSERT INTO SOCIOMETRY (RECORD, NAME) VALUES (1, 'First'), "
                         "(?, 'Broken'), (4, 'Fourth')"_qs,
                         {record}));
        QCOMPARE(recordsOf(readProjectList()), (QList<int>{1, 4}));
        QCOMPARE(messages->reports(), QStringList{u"LoadForm:LoadData %1"_qs.arg(number)});
    }

    void failingDeleteLeavesTheStudyWhole_data()
    {
        QTest::addColumn<QString>("table");
        // Each of the three deletes in turn refuses; the ones before it must be undone.
        QTest::newRow("header refused") << u"SOCIOMETRY"_qs;
        QTest::newRow("answers refused") << u"SOCIDATA"_qs;
        QTest::newRow("positions refused") << u"POSITION"_qs;
    }

    void failingDeleteLeavesTheStudyWhole()
    {
        QFETCH(QString, table);
        db->addStudy({.record = 12});
        db->addStudy({.record = 13});
        QVERIFY(db->failOn(table));
        const QStringList before = db->dump();
        QVERIFY(!deleteProject(12));
        QCOMPARE(db->dump(), before);
        QCOMPARE(messages->reports(), (QStringList{u"LoadForm:DeleteRecord 3022"_qs, NotDeleted}));
        QCOMPARE(messages->shown().at(1).icon, Icon::Exclamation);
        // No transaction was left open: the file takes the delete afterwards.
        QVERIFY(db->allow(table));
        QVERIFY(deleteProject(12));
        QCOMPARE(recordsOf(readProjectList()), QList<int>{13});
    }
};

QTEST_GUILESS_MAIN(TestStudy)
#include "tst_study.moc"
