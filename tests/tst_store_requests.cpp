// The requests the program makes of the study database: the statements' texts and
// what they remove, study numbers, the named indexes, reading and writing rows,
// and transactions between two programs.

#include "store.h"
#include "testdb.h"

#include <QDir>
#include <QtTest>

namespace {

using Counts = QList<int>; // rows in SOCIOMETRY, SOCIDATA, POSITION

StudyHeader header(const QString& name = QStringLiteral("Class 4b"), int size = 12)
{
    return {name, size, 3, QStringLiteral("Who would you sit next to?"), 3};
}

// Studies 1 and 2; study 1 has answers of both types and positions of two layouts.
void fillTwoStudies(TestDatabase& db)
{
    db.exec(
        QStringLiteral("INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, QUESTION, CRITERIONTYPE) "
                       "VALUES ('One', 6, 2, 'Q', 3), ('Two', 8, 1, 'Q', 1)"));
    db.exec(QStringLiteral(
        "INSERT INTO SOCIDATA (HEADER, ANSWERTYPE, INDIVIDUAL, CHOICE, ANSWER) VALUES "
        "(1, 1, 2, 1, 3), (1, 1, 3, 1, 2), (1, 1, 4, 2, 6), "
        "(1, 2, 2, 1, 5), (1, 2, 7, 1, 1), (2, 1, 2, 1, 4)"));
    db.exec(QStringLiteral("INSERT INTO POSITION (HEADER, SOCIOGRAM, LABEL, X, Y) VALUES "
                           "(1, 0, 1, 100, 200), (1, 0, 2, 300, 400), "
                           "(1, 3, 1, 500, 600), (1, 3, 2, 700, 800), (2, 0, 1, 10, 20)"));
}

Counts counts(TestDatabase& db)
{
    return {db.scalar(QStringLiteral("SELECT COUNT(*) FROM SOCIOMETRY")).toInt(),
            db.scalar(QStringLiteral("SELECT COUNT(*) FROM SOCIDATA")).toInt(),
            db.scalar(QStringLiteral("SELECT COUNT(*) FROM POSITION")).toInt()};
}

Store openStore(const QString& path)
{
    Result<Store> r = Store::open(path);
    if (!r.ok())
        qFatal("cannot open the test database: %s", qPrintable(r.error().detail));
    return std::move(r.value());
}

} // namespace

Q_DECLARE_METATYPE(Statement)

class TestStoreRequests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Store::setBusyTimeout(0); }
    void statementRemoves_data();
    void statementRemoves();
    void recordNumbersAreNeverReused();
    void rewritingAStudyKeepsItsNumber();
    void seekFindsOnlyItsStudy();
    void namedIndexesExist();
    void answersOfOneStudy();
    void answersKeepTheirValue();
    void positionsRoundTrip();
    void sameNameTwice();
    void rollbackLeavesNothing();
    void closingAnOpenTransactionRollsBack();
    void secondWriterWaitsForTheFirst();
    void movedStoreKeepsItsConnection();
    void pathWithUnusualCharacters();
};

void TestStoreRequests::statementRemoves_data()
{
    QTest::addColumn<Statement>("statement");
    QTest::addColumn<Counts>("left");
    QTest::newRow("1 removes both answer types of the study")
        << Statements::deleteAllAnswers(1) << Counts{2, 1, 5};
    QTest::newRow("2 removes one criterion only")
        << Statements::deleteAnswersOfType(1, 2) << Counts{2, 4, 5};
    QTest::newRow("2 for the other criterion")
        << Statements::deleteAnswersOfType(1, 1) << Counts{2, 3, 5};
    QTest::newRow("4 removes the header only") << Statements::deleteStudy(1) << Counts{1, 6, 5};
    QTest::newRow("5 removes every answer") << Statements::deleteStudyAnswers(1) << Counts{2, 1, 5};
    QTest::newRow("6 removes every layout")
        << Statements::deleteStudyPositions(1) << Counts{2, 6, 1};
    QTest::newRow("7 removes one layout") << Statements::deletePositions(1, 3) << Counts{2, 6, 3};
    QTest::newRow("7 of a layout never saved")
        << Statements::deletePositions(1, 2) << Counts{2, 6, 5};
    QTest::newRow("unknown study changes nothing")
        << Statements::deleteStudy(99) << Counts{2, 6, 5};
    QTest::newRow("reading positions changes nothing")
        << Statements::selectPositions(1, 0) << Counts{2, 6, 5};
}

void TestStoreRequests::statementRemoves()
{
    QFETCH(Statement, statement);
    QFETCH(Counts, left);
    TestDatabase db;
    fillTwoStudies(db);
    Store store = openStore(db.path());
    QVERIFY(store.execute(statement).ok());
    store.close();
    QCOMPARE(counts(db), left);
    // Study 2 is never touched by a request about study 1.
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM SOCIDATA WHERE HEADER = 2"_qs).toInt(), 1);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM POSITION WHERE HEADER = 2"_qs).toInt(), 1);
}

void TestStoreRequests::recordNumbersAreNeverReused()
{
    TestDatabase db;
    Store store = openStore(db.path());
    QCOMPARE(store.writeStudy(0, header(u"A"_qs)).value(), 1);
    QCOMPARE(store.writeStudy(0, header(u"B"_qs)).value(), 2);
    QVERIFY(store.execute(Statements::deleteStudy(2)).ok());
    QCOMPARE(store.writeStudy(0, header(u"C"_qs)).value(), 3); // not 2 again
    QVERIFY(store.execute(Statements::deleteStudy(1)).ok());
    QVERIFY(store.execute(Statements::deleteStudy(3)).ok());
    QCOMPARE(store.writeStudy(0, header(u"D"_qs)).value(), 4); // not even in an empty table
    // A study deleted while its window still shows it is saved as a new study.
    QCOMPARE(store.writeStudy(3, header(u"C again"_qs)).value(), 5);
    store.close();
    QCOMPARE(db.rows(u"SELECT RECORD, NAME FROM SOCIOMETRY ORDER BY RECORD"_qs),
             (std::vector<QVariantList>{{4, u"D"_qs}, {5, u"C again"_qs}}));
}

void TestStoreRequests::rewritingAStudyKeepsItsNumber()
{
    TestDatabase db;
    fillTwoStudies(db);
    Store store = openStore(db.path());
    const StudyHeader changed{u"One, renamed"_qs, 40, 10, u"Whom do you trust?"_qs, 2};
    QCOMPARE(store.writeStudy(1, changed).value(), 1);
    store.close();
    QCOMPARE(counts(db), (Counts{2, 6, 5}));
    QCOMPARE(
        db.rows(u"SELECT NAME, GROUPSIZE, CHOICES, QUESTION, CRITERIONTYPE FROM SOCIOMETRY "
                "WHERE RECORD = 1"_qs),
        (std::vector<QVariantList>{{u"One, renamed"_qs, 40, 10, u"Whom do you trust?"_qs, 2}}));
    QCOMPARE(db.scalar(u"SELECT NAME FROM SOCIOMETRY WHERE RECORD = 2"_qs).toString(), u"Two"_qs);
}

void TestStoreRequests::seekFindsOnlyItsStudy()
{
    TestDatabase db;
    fillTwoStudies(db);
    Store store = openStore(db.path());
    Result<std::optional<StudyRow>> two = store.seekStudy(2);
    QVERIFY(two.ok() && two.value());
    const StudyRow& row = *two.value();
    QCOMPARE(row.record.toInt(), 2);
    QCOMPARE(row.name.toString(), u"Two"_qs);
    QCOMPARE(row.groupSize.toInt(), 8);
    QCOMPARE(row.choices.toInt(), 1);
    QCOMPARE(row.question.toString(), u"Q"_qs);
    QCOMPARE(row.criterionType.toInt(), 1);
    for (int missing : {0, 3, -1}) {
        Result<std::optional<StudyRow>> none = store.seekStudy(missing);
        QVERIFY(none.ok());
        QVERIFY(!none.value().has_value());
    }
}

void TestStoreRequests::namedIndexesExist()
{
    TestDatabase db;
    const auto primary = db.rows(u"SELECT tbl_name FROM sqlite_master WHERE type = 'index' AND "
                                 "name = 'PRIMARY'"_qs);
    QCOMPARE(primary, (std::vector<QVariantList>{{u"SOCIOMETRY"_qs}}));
    const auto alternate = db.rows(u"SELECT tbl_name FROM sqlite_master WHERE type = 'index' AND "
                                   "name = 'ALTERNATE'"_qs);
    QCOMPARE(alternate, (std::vector<QVariantList>{{u"SOCIDATA"_qs}}));
    QCOMPARE(db.scalar(u"SELECT \"unique\" FROM pragma_index_list('SOCIOMETRY') WHERE name = "
                       "'PRIMARY'"_qs)
                 .toInt(),
             1);
    QCOMPARE(db.rows(u"SELECT name FROM pragma_index_info('PRIMARY')"_qs),
             (std::vector<QVariantList>{{u"RECORD"_qs}}));
    QCOMPARE(
        db.scalar(u"SELECT name FROM pragma_index_info('ALTERNATE') WHERE seqno = 0"_qs).toString(),
        u"HEADER"_qs);
}

void TestStoreRequests::answersOfOneStudy()
{
    TestDatabase db;
    fillTwoStudies(db);
    Store store = openStore(db.path());
    Result<std::vector<AnswerRow>> rows = store.answersOf(1);
    QVERIFY(rows.ok());
    QCOMPARE(rows.value().size(), size_t(5));
    int positive = 0;
    for (const AnswerRow& r : rows.value()) {
        QCOMPARE(r.header.toInt(), 1);
        positive += r.answerType.toInt() == 1 ? 1 : 0;
    }
    QCOMPARE(positive, 3);
    QVERIFY(store.answersOf(0).value().empty()); // a study never saved has no answers
    QVERIFY(store.answersOf(3).value().empty());
}

void TestStoreRequests::answersKeepTheirValue()
{
    TestDatabase db;
    fillTwoStudies(db);
    Store store = openStore(db.path());
    QVERIFY(store.execute(Statements::deleteAllAnswers(2)).ok());
    QVERIFY(store.appendAnswer(2, 3, 2, 2.5, 1).ok());
    QVERIFY(store.appendAnswer(2, 1, 41, 40, 2).ok());
    Result<std::vector<AnswerRow>> rows = store.answersOf(2);
    QVERIFY(rows.ok());
    QCOMPARE(rows.value().size(), size_t(2));
    const AnswerRow* first = nullptr;
    const AnswerRow* last = nullptr;
    for (const AnswerRow& r : rows.value())
        (r.individual.toInt() == 2 ? first : last) = &r;
    QVERIFY(first && last);
    QCOMPARE(first->choice.toInt(), 3);
    QCOMPARE(first->answer.toDouble(), 2.5);
    QCOMPARE(first->answerType.toInt(), 1);
    QCOMPARE(last->individual.toInt(), 41);
    QCOMPARE(last->answer.toDouble(), 40.0);
    QCOMPARE(last->answerType.toInt(), 2);
}

void TestStoreRequests::positionsRoundTrip()
{
    TestDatabase db;
    fillTwoStudies(db);
    Store store = openStore(db.path());
    QVERIFY(store.execute(Statements::deletePositions(1, 3)).ok());
    QVERIFY(store.appendPosition(1, 3, 40, -32768, 32767).ok());
    QVERIFY(store.appendPosition(1, 3, 1, 0, 15).ok());
    Result<std::vector<PositionRow>> rows = store.positions(Statements::selectPositions(1, 3));
    QVERIFY(rows.ok());
    QCOMPARE(rows.value().size(), size_t(2));
    // In the order they were written.
    const PositionRow& a = rows.value()[0];
    QCOMPARE(a.header.toInt(), 1);
    QCOMPARE(a.sociogram.toInt(), 3);
    QCOMPARE(a.label.toInt(), 40);
    QCOMPARE(a.x.toInt(), -32768);
    QCOMPARE(a.y.toInt(), 32767);
    QCOMPARE(rows.value()[1].label.toInt(), 1);
    // The other layout of the study is still there.
    QCOMPARE(store.positions(Statements::selectPositions(1, 0)).value().size(), size_t(2));
    QVERIFY(store.positions(Statements::selectPositions(1, 1)).value().empty());
}

void TestStoreRequests::sameNameTwice()
{
    TestDatabase db;
    Store store = openStore(db.path());
    QVERIFY(store.writeStudy(0, header(u"Class 4b"_qs)).ok());
    QVERIFY(store.writeStudy(0, header(u"Class 4b"_qs)).ok());
    const auto names = store.namesInTableOrder().value();
    QCOMPARE(names.size(), size_t(2));
    QCOMPARE(names[0].toString(), u"Class 4b"_qs);
    QCOMPARE(names[1].toString(), u"Class 4b"_qs);
    const auto listed = store.studiesByRecord().value();
    QCOMPARE(listed.size(), size_t(2));
    QCOMPARE(listed[0].record.toInt(), 1);
    QCOMPARE(listed[1].record.toInt(), 2);
}

void TestStoreRequests::rollbackLeavesNothing()
{
    TestDatabase db;
    fillTwoStudies(db);
    const QByteArray before = db.bytes();
    Store store = openStore(db.path());
    QVERIFY(store.begin().ok());
    QVERIFY(store.inTransaction());
    QVERIFY(store.execute(Statements::deleteAllAnswers(1)).ok());
    QVERIFY(store.appendAnswer(1, 1, 2, 9, 1).ok());
    QVERIFY(store.writeStudy(0, header()).ok());
    QVERIFY(store.rollback().ok());
    QVERIFY(!store.inTransaction());
    QVERIFY(store.rollback().ok()); // nothing left to undo is not an error
    store.close();
    QCOMPARE(counts(db), (Counts{2, 6, 5}));
    QCOMPARE(db.bytes(), before);
}

void TestStoreRequests::closingAnOpenTransactionRollsBack()
{
    TestDatabase db;
    fillTwoStudies(db);
    {
        Store store = openStore(db.path());
        QVERIFY(store.begin().ok());
        QVERIFY(store.execute(Statements::deleteStudyAnswers(1)).ok());
    }
    QCOMPARE(counts(db), (Counts{2, 6, 5}));
    Store store = openStore(db.path());
    QVERIFY(store.begin().ok());
    QVERIFY(store.execute(Statements::deleteStudyAnswers(1)).ok());
    QVERIFY(store.commit().ok());
    QVERIFY(!store.inTransaction());
    store.close();
    QCOMPARE(counts(db), (Counts{2, 1, 5}));
}

void TestStoreRequests::secondWriterWaitsForTheFirst()
{
    TestDatabase db;
    Store first = openStore(db.path());
    Store second = openStore(db.path());
    QVERIFY(first.begin().ok());
    QCOMPARE(first.writeStudy(0, header(u"first"_qs)).value(), 1);
    Result<std::int32_t> refused = second.writeStudy(0, header(u"second"_qs));
    QVERIFY(!refused.ok());
    QCOMPARE(refused.error().number, 3260);
    QCOMPARE(second.begin().error().number, 3260);
    QVERIFY(first.commit().ok());
    QCOMPARE(second.writeStudy(0, header(u"second"_qs)).value(), 2);
}

void TestStoreRequests::movedStoreKeepsItsConnection()
{
    TestDatabase db;
    Store a = openStore(db.path());
    Store b = std::move(a);
    QVERIFY(b.writeStudy(0, header()).ok());
    a.close(); // the moved-from store holds nothing to close
    QVERIFY(b.seekStudy(1).value().has_value());
    Store c = openStore(db.path());
    c = std::move(b);
    QVERIFY(c.seekStudy(1).value().has_value());
}

void TestStoreRequests::pathWithUnusualCharacters()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"Class 4b #2 ?100%25 ü"_qs);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/KELVAROX.MDB"_qs;
    QVERIFY(TestDatabase::create(path));
    {
        Store store = openStore(path);
        QCOMPARE(store.writeStudy(0, header(u"Written"_qs)).value(), 1);
        QVERIFY(store.appendAnswer(1, 1, 2, 3, 1).ok());
    }
    // The study went into that very file, and no other file was made on the way.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"KELVAROX.MDB"_qs});
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"Class 4b #2 ?100%25 ü"_qs});
    Store again = openStore(path);
    QCOMPARE(again.seekStudy(1).value()->name.toString(), u"Written"_qs);
    QCOMPARE(again.answersOf(1).value().size(), size_t(1));
}

QTEST_GUILESS_MAIN(TestStoreRequests)
#include "tst_store_requests.moc"
