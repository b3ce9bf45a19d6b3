// The checks of the study window's entries: every message word for word and in
// order, the limits of the group size and the number of choices, the look-up of a
// repeated reference name, and what reaches the globals.

#include "errorreport.h"
#include "globals.h"
#include "scriptedmessages.h"
#include "store.h"
#include "testdb.h"
#include "validate.h"

#include <QtTest>
#include <memory>

namespace {

using namespace StudyMessages;

StudyEntries goodEntries()
{
    StudyEntries e;
    e.criterion = QStringLiteral("Who would you like to sit next to?");
    e.referenceName = QStringLiteral("Class 4b");
    e.groupSize = QStringLiteral("12");
    e.choices = QStringLiteral("3");
    e.criterionType = 1;
    return e;
}

// One row of the table of entries and the messages they must bring, in order.
void row(const char* tag, const char* criterion, const char* name, const char* size,
         const char* choices, const QStringList& expected)
{
    QTest::newRow(tag) << QString::fromUtf8(criterion) << QString::fromUtf8(name)
                       << QString::fromUtf8(size) << QString::fromUtf8(choices) << expected;
}

} // namespace

class TestStudyValidate : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;

    void storeName(const QVariant& name)
    {
        QVERIFY(
            db->exec(QStringLiteral("INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, QUESTION, "
                                    "CRITERIONTYPE) VALUES (?, 12, 3, 'Who?', 1)"),
                     {name}));
    }

    // Globals as a previous study left them, so that a refused entry shows up as a change.
    static void earlierStudy()
    {
        Global::RefName = QStringLiteral("Earlier");
        Global::Question = QStringLiteral("Earlier question");
        Global::GroupSize = 20;
        Global::MaxChoices = 5;
        Global::CriterionType = 2;
    }

    static void verifyEarlierStudyKept()
    {
        QCOMPARE(Global::RefName, QStringLiteral("Earlier"));
        QCOMPARE(Global::Question, QStringLiteral("Earlier question"));
        QCOMPARE(Global::GroupSize, 20);
        QCOMPARE(Global::MaxChoices, 5);
        QCOMPARE(Global::CriterionType, 2);
    }

private Q_SLOTS:
    void init()
    {
        resetProgram();
        db = std::make_unique<TestDatabase>();
        QVERIFY(db->isValid());
    }
    void cleanup() { db.reset(); }

    void messagesInOrder_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QStringList>("expected");

        row("all four empty", "", "", "", "",
            QStringList{NoCriterion, NoReferenceName, BadGroupSize, BadChoices});
        row("all entered", "Who?", "Class 4b", "12", "3", QStringList{});
        row("stored name and no criterion", "", "Stored", "12", "3",
            QStringList{NoCriterion, DuplicateName});
        row("stored name, sizes wrong", "Who?", "Stored", "5", "11",
            QStringList{DuplicateName, BadGroupSize, BadChoices});
        row("only the sizes wrong", "Who?", "Class", "x", "",
            QStringList{BadGroupSize, BadChoices});

        row("group size 6", "Who?", "Class", "6", "3", QStringList{});
        row("group size 40", "Who?", "Class", "40", "3", QStringList{});
        row("group size 5", "Who?", "Class", "5", "3", QStringList{BadGroupSize});
        row("group size 41", "Who?", "Class", "41", "3", QStringList{BadGroupSize});
        row("group size 0", "Who?", "Class", "0", "3", QStringList{BadGroupSize});
        row("group size letters", "Who?", "Class", "ab", "3", QStringList{BadGroupSize});
        row("group size negative", "Who?", "Class", "-9", "3", QStringList{BadGroupSize});
        row("group size 7 and a letter", "Who?", "Class", "7x", "3", QStringList{});
        row("group size below 6 by a fraction", "Who?", "Class", "5.9", "3",
            QStringList{BadGroupSize});

        row("choices 1", "Who?", "Class", "12", "1", QStringList{});
        row("choices 10", "Who?", "Class", "12", "10", QStringList{});
        row("choices 0", "Who?", "Class", "12", "0", QStringList{BadChoices});
        row("choices 11", "Who?", "Class", "12", "11", QStringList{BadChoices});
        row("choices a letter", "Who?", "Class", "12", "x", QStringList{BadChoices});

        row("name differs in case", "Who?", "stored", "12", "3", QStringList{});
        row("name with a trailing space", "Who?", "Stored ", "12", "3", QStringList{});
        row("criterion of blanks counts as entered", "   ", "Class", "12", "3", QStringList{});
    }

    void messagesInOrder()
    {
        QFETCH(QString, criterion);
        QFETCH(QString, name);
        QFETCH(QString, size);
        QFETCH(QString, choices);
        QFETCH(QStringList, expected);
        storeName(QStringLiteral("Stored"));
        earlierStudy();
        ScriptedMessages messages;

        const bool accepted = Validate({criterion, name, size, choices, 3}, 0);

        QCOMPARE(messages.texts(), expected);
        QCOMPARE(accepted, expected.isEmpty());
        for (const Message& m : messages.shown()) {
            QCOMPARE(m.title, QStringLiteral("Help"));
            QCOMPARE(m.buttons, Buttons::Ok);
            QCOMPARE(m.icon, m.text == NoCriterion ? Icon::Exclamation : Icon::Information);
        }
        if (accepted) {
            QCOMPARE(Global::RefName, name);
            QCOMPARE(Global::Question, criterion);
            QCOMPARE(Global::CriterionType, 3);
        } else {
            verifyEarlierStudyKept();
        }
    }

    void storedNameRefusedOnlyBeforeTheFirstSave_data()
    {
        QTest::addColumn<int>("currentRecord");
        QTest::addColumn<bool>("accepted");
        // A new study not yet saved would become a second study of that name.
        QTest::newRow("not yet stored") << 0 << false;
        // Once saved, its own row carries the name: pressing OK again edits it.
        QTest::newRow("stored as record 1") << 1 << true;
    }

    void storedNameRefusedOnlyBeforeTheFirstSave()
    {
        QFETCH(int, currentRecord);
        QFETCH(bool, accepted);
        storeName(QStringLiteral("Class 4b"));
        Global::NewProject = Global::True;
        ScriptedMessages messages;
        QCOMPARE(Validate(goodEntries(), currentRecord), accepted);
        QCOMPARE(messages.texts(), accepted ? QStringList{} : QStringList{DuplicateName});
    }

    void nameLookUpReadsEveryRow()
    {
        // The repeated name stands last, after an empty field and a name stored as a
        // number: neither of those stops or breaks the look-up.
        storeName(QVariant());
        storeName(42);
        storeName(QStringLiteral("Class 4a"));
        storeName(QStringLiteral("Class 4b"));
        ScriptedMessages messages;
        QVERIFY(nameIsStored(QStringLiteral("Class 4b")));
        QVERIFY(nameIsStored(QStringLiteral("42")));
        QVERIFY(!nameIsStored(QStringLiteral("Class 4")));
        QCOMPARE(messages.count(), 0);
    }

    void emptyFieldIsNoEmptyName()
    {
        storeName(QVariant());
        ScriptedMessages messages;
        StudyEntries e = goodEntries();
        e.referenceName.clear();
        QVERIFY(!Validate(e, 0));
        QCOMPARE(messages.texts(), QStringList{NoReferenceName});

        storeName(QStringLiteral(""));
        messages.clear();
        QVERIFY(!Validate(e, 0));
        QCOMPARE(messages.texts(), (QStringList{DuplicateName, NoReferenceName}));
    }

    void acceptedEntriesReachTheGlobals_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<int>("groupSize");
        QTest::addColumn<int>("maxChoices");
        QTest::newRow("plain") << "12"
                               << "3" << 12 << 3;
        QTest::newRow("limits") << "40"
                                << "10" << 40 << 10;
        QTest::newRow("digit and letter") << "7x"
                                          << "2y" << 7 << 2;
        QTest::newRow("leading blank") << " 8"
                                       << " 1" << 8 << 1;
        QTest::newRow("trailing point") << "9."
                                        << "4." << 9 << 4;
        QTest::newRow("half to even, down") << "12.5"
                                            << "2.5" << 12 << 2;
        QTest::newRow("half to even, up") << "13.5"
                                          << "3.5" << 14 << 4;
        QTest::newRow("just below a half") << "6.49"
                                           << "9.4" << 6 << 9;
    }

    void acceptedEntriesReachTheGlobals()
    {
        QFETCH(QString, size);
        QFETCH(QString, choices);
        QFETCH(int, groupSize);
        QFETCH(int, maxChoices);
        earlierStudy();
        ScriptedMessages messages;
        StudyEntries e = goodEntries();
        e.referenceName = QStringLiteral("  Class 4b  "); // kept exactly as typed
        e.criterion = QStringLiteral("Who?\nAnd why?");
        e.groupSize = size;
        e.choices = choices;
        e.criterionType = 2;
        QVERIFY(Validate(e, 0));
        QCOMPARE(messages.count(), 0);
        QCOMPARE(Global::GroupSize, groupSize);
        QCOMPARE(Global::MaxChoices, maxChoices);
        QCOMPARE(Global::RefName, QStringLiteral("  Class 4b  "));
        QCOMPARE(Global::Question, QStringLiteral("Who?\nAnd why?"));
        QCOMPARE(Global::CriterionType, 2);
        // The check leaves the study's record alone; only the data window's save sets it.
        QCOMPARE(Global::CurrentRecord, 0);
    }

    void missingDatabaseIsReportedAndPassedOver()
    {
        // The file has gone: the look-up is reported under the window's label, the
        // other checks still run, and the study is judged on its entries alone.
        QVERIFY(QFile::remove(db->path()));
        ScriptedMessages messages;
        StudyEntries e = goodEntries();
        e.criterion.clear();
        QVERIFY(!Validate(e, 0));
        QCOMPARE(messages.count(), 2);
        QCOMPARE(messages.texts().at(0), NoCriterion);
        QCOMPARE(messages.texts().at(1),
                 QStringLiteral("Unexpected Error In - InfoForm:Validate, Error Number 3024, "
                                "Could not find file '%1'.")
                     .arg(db->path()));

        messages.clear();
        earlierStudy();
        QVERIFY(Validate(goodEntries(), 0));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(Global::RefName, QStringLiteral("Class 4b"));
    }

    void lockedDatabaseIsRetriedThenPassedOver()
    {
        storeName(QStringLiteral("Class 4b"));
        QVERIFY(db->exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ScriptedMessages messages;
        messages.answer({Answer::Cancel});
        // The lock is retried quietly; only when it persists is the user asked, and
        // Cancel passes the look-up over, so the name cannot be found.
        QVERIFY(Validate(goodEntries(), 0));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.shown().front().buttons, Buttons::RetryCancel);
        QVERIFY(messages.texts().front().startsWith(
            QStringLiteral("The Program Is Having Trouble Accessing The Database")));
        QVERIFY(db->exec(QStringLiteral("ROLLBACK")));
    }

    void noLookUpOnceStored()
    {
        // A stored study does not touch the file at all, even a missing one.
        QVERIFY(QFile::remove(db->path()));
        ScriptedMessages messages;
        QVERIFY(Validate(goodEntries(), 7));
        QCOMPARE(messages.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStudyValidate)
#include "tst_study_validate.moc"
