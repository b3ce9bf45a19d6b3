// The study database when something is wrong with it: no file, a file that is
// not a database, a read-only or vanished file, missing tables, fields and indexes,
// a lock held by another program and a full disk. Every failure comes back as a
// numbered error and leaves the file exactly as it was.

#include "errorreport.h"
#include "scriptedmessages.h"
#include "store.h"
#include "testdb.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <functional>
#include <map>
#include <unistd.h>

namespace {

QByteArray hashOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QStringList listing(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

StudyHeader header(const QString& name = QStringLiteral("Class 4b"))
{
    return {name, 12, 3, QStringLiteral("Who would you sit next to?"), 1};
}

// Every request of the program, by name, giving back the error it ended with.
using Request = std::function<std::optional<DbError>(Store&)>;

template <class R> std::optional<DbError> errorOf(const R& r)
{
    if (r.ok())
        return std::nullopt;
    return r.error();
}

const std::map<QString, Request>& requests()
{
    static const std::map<QString, Request> all = {
        {QStringLiteral("seekStudy"), [](Store& s) { return errorOf(s.seekStudy(1)); }},
        {QStringLiteral("studiesByRecord"), [](Store& s) { return errorOf(s.studiesByRecord()); }},
        {QStringLiteral("namesInTableOrder"),
         [](Store& s) { return errorOf(s.namesInTableOrder()); }},
        {QStringLiteral("writeStudy"), [](Store& s) { return errorOf(s.writeStudy(0, header())); }},
        {QStringLiteral("answersOf"), [](Store& s) { return errorOf(s.answersOf(1)); }},
        {QStringLiteral("appendAnswer"),
         [](Store& s) { return errorOf(s.appendAnswer(1, 1, 2, 3, 1)); }},
        {QStringLiteral("positions"),
         [](Store& s) { return errorOf(s.positions(Statements::selectPositions(1, 0))); }},
        {QStringLiteral("appendPosition"),
         [](Store& s) { return errorOf(s.appendPosition(1, 0, 1, 100, 200)); }},
        {QStringLiteral("deleteAllAnswers"),
         [](Store& s) { return errorOf(s.execute(Statements::deleteAllAnswers(1))); }},
        {QStringLiteral("deleteStudy"),
         [](Store& s) { return errorOf(s.execute(Statements::deleteStudy(1))); }},
        {QStringLiteral("deletePositions"),
         [](Store& s) { return errorOf(s.execute(Statements::deletePositions(1, 0))); }},
        {QStringLiteral("begin"), [](Store& s) { return errorOf(s.begin()); }},
    };
    return all;
}

QStringList allRequests()
{
    QStringList names;
    for (const auto& [name, request] : requests())
        names << name;
    return names;
}

QStringList readRequests()
{
    return {QStringLiteral("seekStudy"), QStringLiteral("studiesByRecord"),
            QStringLiteral("namesInTableOrder"), QStringLiteral("answersOf"),
            QStringLiteral("positions")};
}

// A small study: record 1 with two answers and one saved position.
void fillStudy(TestDatabase& db)
{
    db.exec(
        QStringLiteral("INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, QUESTION, CRITERIONTYPE) "
                       "VALUES ('Class 4b', 12, 3, 'Who?', 1)"));
    db.exec(QStringLiteral("INSERT INTO SOCIDATA VALUES (1, 1, 2, 1, 5), (1, 1, 3, 1, 7)"));
    db.exec(QStringLiteral("INSERT INTO POSITION VALUES (1, 0, 1, 300, 400)"));
}

} // namespace

class TestStoreFailures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void missingFileIsNeverCreated_data();
    void missingFileIsNeverCreated();
    void unusableFile_data();
    void unusableFile();
    void readOnlyFile();
    void vanishedFile();
    void missingPiece_data();
    void missingPiece();
    void lockedByAnotherProgram();
    void lockClearsWhileTrappedStepRetries();
    void diskFullInTransaction();
    void diskFullWithoutTransaction();

private:
    // Checks that `path` holds `hash` and its folder exactly `files` again.
    static void verifyUntouched(const QString& path, const QByteArray& hash,
                                const QStringList& files);
};

void TestStoreFailures::initTestCase()
{
    Store::setBusyTimeout(0);
}

void TestStoreFailures::init()
{
    errorReport().reset();
    errorReport().setPause([] {});
}

void TestStoreFailures::verifyUntouched(const QString& path, const QByteArray& hash,
                                        const QStringList& files)
{
    QCOMPARE(hashOf(path), hash);
    QCOMPARE(listing(QFileInfo(path).absolutePath()), files);
}

void TestStoreFailures::missingFileIsNeverCreated_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("makeFolder");
    QTest::newRow("no file in the folder") << u"KELVAROX.MDB"_qs << false;
    QTest::newRow("no such folder") << u"gone/KELVAROX.MDB"_qs << false;
    QTest::newRow("a folder by that name") << u"KELVAROX.MDB"_qs << true;
}

void TestStoreFailures::missingFileIsNeverCreated()
{
    QFETCH(QString, relative);
    QFETCH(bool, makeFolder);
    QTemporaryDir dir;
    const QString path = dir.filePath(relative);
    if (makeFolder)
        QVERIFY(QDir(dir.path()).mkdir(relative));
    const QStringList before = listing(dir.path());

    Result<Store> store = Store::open(path);
    QVERIFY(!store.ok());
    QCOMPARE(store.error().number, 3024);
    QCOMPARE(store.error().sentence, u"Could not find file '%1'."_qs.arg(path));
    QVERIFY(!ErrorReport::isDatabaseTrouble(store.error().number)); // no quiet retries
    QCOMPARE(listing(dir.path()), before);
    QCOMPARE(QFileInfo(path).isFile(), false);
}

void TestStoreFailures::unusableFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("number");

    QByteArray text;
    for (int i = 0; i < 40; ++i)
        text += "This is a letter to the parents, not a study database.\r\n";
    QByteArray random(8192, '\0');
    QRandomGenerator gen(7);
    for (char& c : random)
        c = char(gen.bounded(256));
    TestDatabase real;
    QVERIFY(real.isValid());
    fillStudy(real);
    const QByteArray good = real.bytes();

    QTest::newRow("zero bytes") << QByteArray() << 3078;
    QTest::newRow("text file") << text << 3343;
    QTest::newRow("random bytes") << random << 3343;
    QByteArray unknownFormat = good;
    unknownFormat[47] = char(9); // a schema format this engine has never heard of
    QTest::newRow("unknown format") << unknownFormat << 3343;
    QTest::newRow("header only") << good.left(100) << 3049;
    QTest::newRow("half a database") << good.left(good.size() / 2) << 3049;
}

void TestStoreFailures::unusableFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, number);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"KELVAROX.MDB"_qs);
    QVERIFY(writeFile(path, bytes));
    const QByteArray hash = hashOf(path);
    const QStringList files = listing(dir.path());

    Result<Store> store = Store::open(path);
    if (!store.ok()) {
        QCOMPARE(store.error().number, number);
    } else {
        for (const QString& name : allRequests()) {
            if (name == u"begin")
                continue; // a transaction alone reads nothing of the file
            const std::optional<DbError> e = requests().at(name)(store.value());
            QVERIFY2(e, qPrintable(name));
            QVERIFY2(e->number == number,
                     qPrintable(u"%1: %2 %3"_qs.arg(name).arg(e->number).arg(e->detail)));
            QVERIFY(!e->sentence.isEmpty());
        }
        store.value().close();
    }
    verifyUntouched(path, hash, files);
}

void TestStoreFailures::readOnlyFile()
{
    if (::geteuid() == 0)
        QSKIP("file permissions do not bind the superuser");
    TestDatabase db;
    fillStudy(db);
    QVERIFY(QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup));
    const QByteArray hash = hashOf(db.path());
    const QStringList files = listing(db.folder());

    Result<Store> store = Store::open(db.path());
    QVERIFY(store.ok());
    for (const QString& name : readRequests())
        QVERIFY2(!requests().at(name)(store.value()), qPrintable(name));
    for (const QString& name : {u"writeStudy"_qs, u"appendAnswer"_qs, u"deleteStudy"_qs}) {
        const std::optional<DbError> e = requests().at(name)(store.value());
        QVERIFY2(e, qPrintable(name));
        QCOMPARE(e->number, 3051);
    }
    store.value().close();
    verifyUntouched(db.path(), hash, files);
    QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);
}

void TestStoreFailures::vanishedFile()
{
    TestDatabase db;
    fillStudy(db);
    Result<Store> store = Store::open(db.path());
    QVERIFY(store.ok());
    QVERIFY(store.value().seekStudy(1).ok());

    QVERIFY(QFile::remove(db.path()));
    // A write must not be taken as done when it went nowhere, and must not bring
    // the file back as a new, empty database.
    for (const QString& name : {u"writeStudy"_qs, u"appendAnswer"_qs, u"deleteStudy"_qs}) {
        const std::optional<DbError> e = requests().at(name)(store.value());
        QVERIFY2(e, qPrintable(name));
        QCOMPARE(e->number, 3024);
        QVERIFY(!ErrorReport::isDatabaseTrouble(e->number)); // retrying cannot help
    }
    store.value().close();
    QVERIFY(listing(db.folder()).isEmpty());

    Result<Store> again = Store::open(db.path());
    QVERIFY(!again.ok());
    QCOMPARE(again.error().number, 3024);
    QVERIFY(listing(db.folder()).isEmpty());
}

void TestStoreFailures::missingPiece_data()
{
    QTest::addColumn<QString>("breakSql");
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("piece");

    QTest::newRow("no SOCIOMETRY")
        << u"DROP TABLE SOCIOMETRY"_qs
        << QStringList{u"seekStudy"_qs, u"studiesByRecord"_qs, u"namesInTableOrder"_qs,
                       u"writeStudy"_qs, u"deleteStudy"_qs}
        << 3078 << u"SOCIOMETRY"_qs;
    QTest::newRow("no SOCIDATA") << u"DROP TABLE SOCIDATA"_qs
                                 << QStringList{u"answersOf"_qs, u"appendAnswer"_qs,
                                                u"deleteAllAnswers"_qs}
                                 << 3078 << u"SOCIDATA"_qs;
    QTest::newRow("no POSITION") << u"DROP TABLE POSITION"_qs
                                 << QStringList{u"positions"_qs, u"appendPosition"_qs,
                                                u"deletePositions"_qs}
                                 << 3078 << u"POSITION"_qs;
    QTest::newRow("no index PRIMARY")
        << u"DROP INDEX \"PRIMARY\""_qs
        << QStringList{u"seekStudy"_qs, u"studiesByRecord"_qs, u"writeStudy"_qs} << 3015
        << u"PRIMARY"_qs;
    QTest::newRow("no index ALTERNATE")
        << u"DROP INDEX ALTERNATE"_qs << QStringList{u"answersOf"_qs} << 3015 << u"ALTERNATE"_qs;
    QTest::newRow("no field NAME")
        << u"ALTER TABLE SOCIOMETRY DROP COLUMN NAME"_qs
        << QStringList{u"seekStudy"_qs, u"namesInTableOrder"_qs, u"writeStudy"_qs} << 3265
        << u"NAME"_qs;
    QTest::newRow("no field ANSWER")
        << u"ALTER TABLE SOCIDATA DROP COLUMN ANSWER"_qs
        << QStringList{u"answersOf"_qs, u"appendAnswer"_qs} << 3265 << u"ANSWER"_qs;
    QTest::newRow("no field X") << u"ALTER TABLE POSITION DROP COLUMN X"_qs
                                << QStringList{u"positions"_qs, u"appendPosition"_qs} << 3265
                                << u"X"_qs;
}

void TestStoreFailures::missingPiece()
{
    QFETCH(QString, breakSql);
    QFETCH(QStringList, failing);
    QFETCH(int, number);
    QFETCH(QString, piece);
    TestDatabase db;
    fillStudy(db);
    QVERIFY(db.exec(breakSql));
    const QByteArray hash = hashOf(db.path());
    const QStringList files = listing(db.folder());

    Result<Store> store = Store::open(db.path());
    QVERIFY(store.ok());
    for (const QString& name : failing) {
        const std::optional<DbError> e = requests().at(name)(store.value());
        QVERIFY2(e, qPrintable(name));
        QVERIFY2(e->number == number,
                 qPrintable(u"%1: %2 %3"_qs.arg(name).arg(e->number).arg(e->detail)));
        QVERIFY2(e->sentence.contains(u'\'' + piece + u'\''), qPrintable(e->sentence));
        QVERIFY(!ErrorReport::isDatabaseTrouble(e->number));
    }
    store.value().close();
    verifyUntouched(db.path(), hash, files);
}

void TestStoreFailures::lockedByAnotherProgram()
{
    TestDatabase db;
    fillStudy(db);
    QVERIFY(db.exec(u"BEGIN EXCLUSIVE"_qs));
    const QByteArray hash = hashOf(db.path());

    Result<Store> store = Store::open(db.path());
    QVERIFY(store.ok());
    for (const QString& name : allRequests()) {
        const std::optional<DbError> e = requests().at(name)(store.value());
        QVERIFY2(e, qPrintable(name));
        QVERIFY2(e->number == 3260,
                 qPrintable(u"%1: %2 %3"_qs.arg(name).arg(e->number).arg(e->detail)));
        QVERIFY(ErrorReport::isDatabaseTrouble(e->number)); // retried quietly
    }
    QCOMPARE(hashOf(db.path()), hash);

    QVERIFY(db.exec(u"ROLLBACK"_qs));
    Result<std::optional<StudyRow>> found = store.value().seekStudy(1);
    QVERIFY(found.ok());
    QVERIFY(found.value().has_value());
    Result<std::int32_t> written = store.value().writeStudy(0, header(u"After the lock"_qs));
    QVERIFY(written.ok());
    QCOMPARE(written.value(), 2);
}

void TestStoreFailures::lockClearsWhileTrappedStepRetries()
{
    TestDatabase db;
    fillStudy(db);
    QVERIFY(db.exec(u"BEGIN EXCLUSIVE"_qs));
    Result<Store> store = Store::open(db.path());
    QVERIFY(store.ok());

    ScriptedMessages messages;
    Trap trap(u"DataForm:SaveChanges"_qs);
    int attempts = 0;
    std::int32_t record = 0;
    const bool saved = trap.step([&]() -> std::optional<Failure> {
        if (++attempts == 5)
            db.exec(u"COMMIT"_qs); // the other program lets go
        Result<std::int32_t> r = store.value().writeStudy(0, header());
        if (!r)
            return r.failure();
        record = r.value();
        return std::nullopt;
    });
    QVERIFY(saved);
    QCOMPARE(attempts, 5);
    QCOMPARE(record, 2);
    QCOMPARE(messages.count(), 0);
    QVERIFY(!trap.anyFailed());
}

void TestStoreFailures::diskFullInTransaction()
{
    TestDatabase db;
    fillStudy(db);
    const int pages = db.scalar(u"PRAGMA page_count"_qs).toInt();
    const QByteArray hash = hashOf(db.path());
    const QStringList files = listing(db.folder());

    Result<Store> opened = Store::open(db.path());
    QVERIFY(opened.ok());
    Store& store = opened.value();
    QVERIFY(store.execute({u"PRAGMA max_page_count = %1"_qs.arg(pages), {}}).ok());
    QVERIFY(store.begin().ok());
    QVERIFY(store.execute(Statements::deleteAllAnswers(1)).ok());
    std::optional<DbError> failure;
    for (int i = 0; i < 100000 && !failure; ++i)
        failure = errorOf(store.appendAnswer(1, 1 + i % 10, 2 + i % 40, i, 1));
    QVERIFY(failure);
    QCOMPARE(failure->number, 3026);
    const Done undone = store.rollback();
    QVERIFY2(undone.ok(), undone.ok() ? "" : qPrintable(undone.error().detail));
    QVERIFY(!store.inTransaction());
    store.close();

    verifyUntouched(db.path(), hash, files);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM SOCIDATA WHERE HEADER = 1"_qs).toInt(), 2);
}

void TestStoreFailures::diskFullWithoutTransaction()
{
    TestDatabase db;
    fillStudy(db);
    const int pages = db.scalar(u"PRAGMA page_count"_qs).toInt();
    const QByteArray hash = hashOf(db.path());
    const QStringList files = listing(db.folder());

    Result<Store> opened = Store::open(db.path());
    QVERIFY(opened.ok());
    Store& store = opened.value();
    QVERIFY(store.execute({u"PRAGMA max_page_count = %1"_qs.arg(pages), {}}).ok());
    StudyHeader big = header();
    big.question = QString(200000, u'q');
    Result<std::int32_t> written = store.writeStudy(0, big);
    QVERIFY(!written.ok());
    QCOMPARE(written.error().number, 3026);
    // The store stays usable for what still fits.
    QVERIFY(store.seekStudy(1).ok());
    store.close();

    verifyUntouched(db.path(), hash, files);
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM SOCIOMETRY"_qs).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestStoreFailures)
#include "tst_store_failures.moc"
