// The study database layer: what each request writes and removes, transactions, and
// every way the file can be wrong. A failure is a numbered error and leaves the file as it was.

#include "errorreport.h"
#include "files.h"
#include "store.h"
#include "testdb.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>
#include <functional>
#include <map>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

using Counts = QList<int>; // rows in SOCIOMETRY, SOCIDATA, POSITION

StudyHeader header(const QString& name = QStringLiteral("Class 4b"))
{
    return {name, 12, 3, QStringLiteral("Who would you sit next to?"), 3};
}

Counts counts(TestDatabase& db)
{
    Counts c;
    for (const char* table : {"SOCIOMETRY", "SOCIDATA", "POSITION"})
        c << db.scalar(u"SELECT COUNT(*) FROM %1"_qs.arg(QLatin1String(table))).toInt();
    return c;
}

Statement pragma(const QString& setting)
{
    Statement s;
    s.sql = u"PRAGMA "_qs + setting;
    return s;
}

template <class R> std::optional<DbError> errorOf(const R& r)
{
    return r.ok() ? std::nullopt : std::optional<DbError>(r.error());
}

// Every request of the program, by name, giving back the error it ended with.
const std::map<QString, std::function<std::optional<DbError>(Store&)>> requests = {
    {u"seekStudy"_qs, [](Store& s) { return errorOf(s.seekStudy(1)); }},
    {u"studiesByRecord"_qs, [](Store& s) { return errorOf(s.studiesByRecord()); }},
    {u"namesInTableOrder"_qs, [](Store& s) { return errorOf(s.namesInTableOrder()); }},
    {u"answersOf"_qs, [](Store& s) { return errorOf(s.answersOf(1)); }},
    {u"positions"_qs, [](Store& s) { return errorOf(s.savedPositions(1, 0)); }},
    {u"writeStudy"_qs, [](Store& s) { return errorOf(s.writeStudy(0, header())); }},
    {u"appendAnswer"_qs, [](Store& s) { return errorOf(s.appendAnswer(1, 1, 2, 3, 1)); }},
    {u"appendPosition"_qs, [](Store& s) { return errorOf(s.appendPosition(1, 0, 1, 100, 200)); }},
    {u"deleteAllAnswers"_qs,
     [](Store& s) { return errorOf(s.execute(Statements::deleteAllAnswers(1))); }},
    {u"deleteStudy"_qs, [](Store& s) { return errorOf(s.execute(Statements::deleteStudy(1))); }},
    {u"deletePositions"_qs, [](Store& s) { return errorOf(s.deletePositions(1, 0)); }},
    {u"begin"_qs, [](Store& s) { return errorOf(s.begin()); }},
};
const QStringList reads{u"seekStudy"_qs, u"studiesByRecord"_qs, u"namesInTableOrder"_qs,
                        u"answersOf"_qs, u"positions"_qs};
const QStringList writes{u"writeStudy"_qs, u"appendAnswer"_qs, u"deleteStudy"_qs};

// Runs the named requests; empty when each failed with `number` (any number but 0 when
// `number` is 0, and success allowed then too), else what broke the rule.
QString expectFailures(Store& store, const QStringList& names, int number)
{
    for (const QString& name : names) {
        const std::optional<DbError> e = requests.at(name)(store);
        if (number == 0 ? e && (e->number == 0 || e->sentence.isEmpty())
                        : !e || e->number != number)
            return u"%1: %2 %3"_qs.arg(name).arg(e ? e->number : 0).arg(e ? e->detail : QString());
    }
    return {};
}

// Binds `folder` over itself read-only in a mount namespace of this process's own, so
// that even the superuser cannot write there; other users are stopped by permissions.
bool makeReadOnly(const QString& folder, const QString& file)
{
    if (::geteuid() != 0)
        return QFile::setPermissions(file, QFile::ReadOwner) &&
               QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = QFile::encodeName(folder);
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
               0;
}

void makeWritable(const QString& folder, const QString& file)
{
    if (::geteuid() != 0) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    } else {
        ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    }
}

} // namespace

Q_DECLARE_METATYPE(Statement)

class TestStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { resetProgram(); }
    void statementRemoves_data()
    {
        QTest::addColumn<Statement>("statement");
        QTest::addColumn<Counts>("left");
        // Study 1 has positions of layouts 0 and 3, study 2 of layout 0; both 3 + 1 answers.
        QTest::newRow("all answers") << Statements::deleteAllAnswers(1) << Counts{2, 4, 24};
        QTest::newRow("negative answers")
            << Statements::deleteAnswersOfType(1, 2) << Counts{2, 7, 24};
        QTest::newRow("header only") << Statements::deleteStudy(1) << Counts{1, 8, 24};
        QTest::newRow("every layout") << Statements::deleteStudyPositions(1) << Counts{2, 8, 8};
        QTest::newRow("one layout") << Statements::deletePositions(1, 3) << Counts{2, 8, 16};
    }

    void statementRemoves()
    {
        QFETCH(Statement, statement);
        TestDatabase db;
        db.addStudy({.layouts = {0, 3}});
        db.addStudy({.layouts = {0}});
        const QStringList second = db.dump().filter(QRegularExpression(u"^\\w+\\|2\\|"_qs));
        QVERIFY(db.open()->execute(statement).ok());
        QTEST(counts(db), "left");
        QCOMPARE(db.dump().filter(QRegularExpression(u"^\\w+\\|2\\|"_qs)), second);
    }

    void recordNumbersAreNeverReused()
    {
        TestDatabase db;
        std::optional<Store> store = db.open();
        QCOMPARE(store->writeStudy(0, header(u"A"_qs)).value(), 1);
        QVERIFY(store->execute(Statements::deleteStudy(1)).ok());
        QCOMPARE(store->writeStudy(1, header(u"B"_qs)).value(), 2); // deleted: saved as new
        QCOMPARE(store->writeStudy(2, {u"C"_qs, 40, 10, u"Whom?"_qs, 2}).value(), 2);
        QCOMPARE(db.dump(), QStringList{u"SOCIOMETRY|2|C|40|10|Whom?|2"_qs});
    }

    void transactions()
    {
        TestDatabase db;
        db.addStudy();
        const QByteArray before = db.bytes();
        {
            std::optional<Store> store = db.open();
            QVERIFY(store->begin().ok());
            QVERIFY(store->writeStudy(0, header()).ok());
            QVERIFY(store->rollback().ok());
            QVERIFY(store->rollback().ok()); // nothing left to undo is not an error
            QVERIFY(store->begin().ok());
            QVERIFY(store->execute(Statements::deleteStudyAnswers(1)).ok());
        } // closed with the transaction open
        QCOMPARE(db.bytes(), before);
        std::optional<Store> store = db.open();
        QVERIFY(store->begin().ok());
        QVERIFY(store->execute(Statements::deleteStudyAnswers(1)).ok());
        QVERIFY(store->commit().ok());
        QCOMPARE(counts(db), (Counts{1, 0, 32}));
    }

    void cutOffWriteLeavesTheEarlierFile()
    {
        // A copy of the file and journal taken mid-write, as a kill would leave them.
        TestDatabase db;
        db.addStudy();
        const QByteArray before = db.bytes();
        std::optional<Store> store = db.open();
        QVERIFY(store->execute(pragma(u"cache_size = 10"_qs)).ok());
        QVERIFY(store->begin().ok());
        QVERIFY(store->execute(Statements::deleteStudyAnswers(1)).ok());
        for (int i = 0; i < 2000; ++i)
            QVERIFY(store->appendAnswer(1, 1, 2 + i % 40, i, 1).ok());
        QTemporaryDir left;
        for (const QString& name : listing(db.folder()))
            QVERIFY(QFile::copy(db.folder() + u'/' + name, left.filePath(name)));
        QVERIFY(QFile::exists(left.filePath(u"KELVAROX.MDB-journal"_qs)));
        QVERIFY(fileBytes(left.filePath(u"KELVAROX.MDB"_qs)) != before); // the write reached it
        QCOMPARE(Store::open(left.filePath(u"KELVAROX.MDB"_qs)).value().answersOf(1).value().size(),
                 size_t(4));
    }

    void pathWithUnusualCharacters()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"Class 4b #2 ?100%25 ü"_qs);
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + u"/KELVAROX.MDB"_qs;
        QVERIFY(TestDatabase::create(path));
        QCOMPARE(Store::open(path).value().writeStudy(0, header(u"Written"_qs)).value(), 1);
        // The study went into that very file, and no other file was made on the way.
        QCOMPARE(listing(folder), QStringList{u"KELVAROX.MDB"_qs});
        QCOMPARE(listing(dir.path()), QStringList{u"Class 4b #2 ?100%25 ü"_qs});
        QCOMPARE(Store::open(path).value().seekStudy(1).value()->name.toString(), u"Written"_qs);
    }

    void missingFileIsNeverCreated_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("makeFolder");
        QTest::newRow("no file in the folder") << u"KELVAROX.MDB"_qs << false;
        QTest::newRow("no such folder") << u"gone/KELVAROX.MDB"_qs << false;
        QTest::newRow("a folder by that name") << u"KELVAROX.MDB"_qs << true;
    }

    void missingFileIsNeverCreated()
    {
        QFETCH(QString, relative);
        QFETCH(bool, makeFolder);
        QTemporaryDir dir;
        const QString path = dir.filePath(relative);
        if (makeFolder)
            QVERIFY(QDir(dir.path()).mkdir(relative));
        const QStringList before = listing(dir.path());
        Result<Store> store = Store::open(path);
        QCOMPARE(store.error().number, 3024);
        QCOMPARE(store.error().sentence, u"Could not find file '%1'."_qs.arg(path));
        QCOMPARE(listing(dir.path()), before);
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("number"); // of every request; 0: each its own, or none
        TestDatabase db(512); // small pages: a cut at any page boundary keeps some tables
        db.addStudy();
        db.addStudy();
        const QByteArray seed = db.bytes();
        QTest::newRow("zero bytes") << QByteArray() << 3078;
        QTest::newRow("text") << QByteArray("A letter to the parents.\r\n").repeated(40) << 3343;
        QTest::newRow("half a database") << seed.left(seed.size() / 2) << 3049;
        QTest::newRow("schema format 9") << QByteArray(seed).replace(47, 1, "\x09") << 3343;
        QTest::newRow("last page cut short") << seed.left(seed.size() - 160) << 0;
    }

    void damagedFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"KELVAROX.MDB"_qs);
        QVERIFY(writeFile(path, bytes));
        Result<Store> store = Store::open(path);
        if (!store) {
            QVERIFY(store.error().number != 0 && (number == 0 || store.error().number == number));
        } else {
            QStringList all = reads;
            if (number != 0) // a transaction alone reads nothing of the file
                all << writes << u"appendPosition"_qs << u"deleteAllAnswers"_qs;
            QCOMPARE(expectFailures(store.value(), all, number), QString());
            QCOMPARE(fileBytes(path), bytes); // reading never changes the file
            QCOMPARE(listing(dir.path()), QStringList{u"KELVAROX.MDB"_qs});
            // Writes into it, undone, fail with a number when they fail.
            if (!store.value().begin())
                return;
            QCOMPARE(expectFailures(store.value(), writes + QStringList{u"appendPosition"_qs}, 0),
                     QString());
            store.value().rollback();
        }
    }

    void readOnlyFile()
    {
        TestDatabase db;
        db.addStudy();
        const QByteArray before = db.bytes();
        if (!makeReadOnly(db.folder(), db.path()))
            QSKIP("no read-only view of the folder: the superuser needs a mount namespace");
        Result<Store> store = Store::open(db.path());
        QVERIFY(store.ok());
        QCOMPARE(expectFailures(store.value(), reads, 0), QString());
        QCOMPARE(expectFailures(store.value(), writes, 3051), QString());
        store.value().close();
        makeWritable(db.folder(), db.path());
        QCOMPARE(db.bytes(), before);
        QCOMPARE(listing(db.folder()), QStringList{u"KELVAROX.MDB"_qs});
    }

    void vanishedFile()
    {
        TestDatabase db;
        db.addStudy();
        std::optional<Store> store = db.open();
        QVERIFY(store->seekStudy(1).ok());
        QVERIFY(QFile::remove(db.path()));
        // A write must not be taken as done when it went nowhere, nor bring the file back.
        QCOMPARE(expectFailures(*store, writes, 3024), QString());
        store.reset();
        QCOMPARE(Store::open(db.path()).error().number, 3024);
        QVERIFY(listing(db.folder()).isEmpty());
    }

    void missingPiece_data()
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
        QTest::newRow("no index PRIMARY")
            << u"DROP INDEX \"PRIMARY\""_qs
            << QStringList{u"seekStudy"_qs, u"studiesByRecord"_qs, u"writeStudy"_qs} << 3015
            << u"PRIMARY"_qs;
        QTest::newRow("no index ALTERNATE")
            << u"DROP INDEX ALTERNATE"_qs << QStringList{u"answersOf"_qs} << 3015
            << u"ALTERNATE"_qs;
        QTest::newRow("no field NAME")
            << u"ALTER TABLE SOCIOMETRY DROP COLUMN NAME"_qs
            << QStringList{u"seekStudy"_qs, u"namesInTableOrder"_qs, u"writeStudy"_qs} << 3265
            << u"NAME"_qs;
        QTest::newRow("no field ANSWER")
            << u"ALTER TABLE SOCIDATA DROP COLUMN ANSWER"_qs
            << QStringList{u"answersOf"_qs, u"appendAnswer"_qs} << 3265 << u"ANSWER"_qs;
    }

    void missingPiece()
    {
        QFETCH(QString, breakSql);
        QFETCH(QStringList, failing);
        QFETCH(int, number);
        QFETCH(QString, piece);
        TestDatabase db;
        db.addStudy();
        QVERIFY(db.exec(breakSql));
        const QByteArray before = db.bytes();
        std::optional<Store> store = db.open();
        QCOMPARE(expectFailures(*store, failing, number), QString());
        const std::optional<DbError> e = requests.at(failing.front())(*store);
        QVERIFY2(e->sentence.contains(u'\'' + piece + u'\''), qPrintable(e->sentence));
        QVERIFY(!ErrorReport::isDatabaseTrouble(number)); // never retried quietly
        store.reset();
        QCOMPARE(db.bytes(), before);
    }

    void lockedByAnotherProgram()
    {
        TestDatabase db;
        db.addStudy();
        QVERIFY(db.lock());
        const QByteArray before = db.bytes();
        std::optional<Store> store = db.open();
        QStringList all;
        for (const auto& [name, request] : requests)
            all << name;
        QCOMPARE(expectFailures(*store, all, 3260), QString());
        QVERIFY(ErrorReport::isDatabaseTrouble(3260)); // retried quietly
        QCOMPARE(db.bytes(), before);

        // Once the other program lets go, the same store writes.
        QVERIFY(db.unlock());
        QVERIFY(store->writeStudy(0, header()).ok());
        QCOMPARE(counts(db), (Counts{2, 4, 32}));
    }

    void diskFull()
    {
        TestDatabase db;
        db.addStudy();
        const int pages = db.scalar(u"PRAGMA page_count"_qs).toInt();
        const QByteArray before = db.bytes();
        std::optional<Store> store = db.open();
        QVERIFY(store->execute(pragma(u"max_page_count = %1"_qs.arg(pages))).ok());
        QVERIFY(store->begin().ok());
        QVERIFY(store->execute(Statements::deleteAllAnswers(1)).ok());
        std::optional<DbError> failure;
        for (int i = 0; i < 100000 && !failure; ++i)
            failure = errorOf(store->appendAnswer(1, 1 + i % 10, 2 + i % 40, i, 1));
        QCOMPARE(failure->number, 3026);
        QVERIFY(store->rollback().ok());
        store.reset();
        QCOMPARE(db.bytes(), before);
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
