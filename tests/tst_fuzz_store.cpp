// Damaged study database files: truncated, bit-flipped and random copies of a real
// database are opened and read with every request. Nothing may crash; every
// request gives a value or a numbered error; reading never changes the file.
// SOCIOGRAM_FUZZ_SEED and SOCIOGRAM_FUZZ_FILES change the seed and the number of
// files; SOCIOGRAM_FUZZ_CORPUS_OUT names a folder that receives one file for each
// new way of failing, to refresh the kept corpus.

#include "store.h"
#include "testdb.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <random>
#include <set>

namespace {

quint64 envNumber(const char* name, quint64 fallback)
{
    bool ok = false;
    const quint64 v = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? v : fallback;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A real database with small pages, so that every page matters to a mutation.
QByteArray smallDatabase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seed.mdb"));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("seed"));
        db.setDatabaseName(path);
        if (!db.open())
            return {};
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA page_size = 512"));
        QString body;
        for (const QString& line : TestDatabase::schemaText().split(u'\n'))
            if (!line.trimmed().startsWith(QStringLiteral("--")))
                body += line + u'\n';
        for (const QString& sql : body.split(u';'))
            if (!sql.trimmed().isEmpty())
                q.exec(sql);
        q.exec(QStringLiteral(
            "INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, QUESTION, CRITERIONTYPE) "
            "VALUES ('Class 4b', 12, 3, 'Who would you sit next to?', 3), "
            "('Class 4b', 6, 1, 'Whom do you trust?', 1), ('Team', 40, 10, 'Q', 2)"));
        for (int s = 2; s <= 13; ++s)
            for (int c = 1; c <= 3; ++c)
                q.exec(QStringLiteral("INSERT INTO SOCIDATA VALUES (1, %1, %2, %3, %4)")
                           .arg(1 + c % 2)
                           .arg(s)
                           .arg(c)
                           .arg((s + c) % 12 + 1));
        for (int l = 1; l <= 12; ++l)
            q.exec(QStringLiteral("INSERT INTO POSITION VALUES (1, 3, %1, %2, %3)")
                       .arg(l)
                       .arg(l * 300)
                       .arg(l * 200));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("seed"));
    return readFile(path);
}

class Mutator {
public:
    explicit Mutator(quint64 seed) : random(seed) {}

    QByteArray mutate(const QByteArray& good)
    {
        QByteArray b = good;
        switch (pick(7)) {
        case 0: // cut short
            return b.left(pick(int(b.size())));
        case 1: // a few flipped bits anywhere
            for (int i = pick(16) + 1; i > 0; --i)
                flip(b, pick(int(b.size())));
            return b;
        case 2: // flipped bits in the first page, which holds the header and the schema
            for (int i = pick(8) + 1; i > 0; --i)
                flip(b, pick(std::min(512, int(b.size()))));
            return b;
        case 3: { // a run of random bytes
            const int at = pick(int(b.size()));
            for (int i = 0, n = pick(64) + 1; i < n && at + i < b.size(); ++i)
                b[at + i] = char(pick(256));
            return b;
        }
        case 4: { // one page copied over another
            const int pages = int(b.size() / 512);
            if (pages > 1)
                b.replace(pick(pages) * 512, 512, good.mid(pick(pages) * 512, 512));
            return b;
        }
        case 5: // the header kept, the rest random
            b = b.left(100);
            for (int i = pick(4000); i > 0; --i)
                b += char(pick(256));
            return b;
        default: { // random bytes
            QByteArray r;
            for (int i = pick(3000); i > 0; --i)
                r += char(pick(256));
            return r;
        }
        }
    }

private:
    int pick(int n) { return n <= 0 ? 0 : int(random() % quint64(n)); }
    void flip(QByteArray& b, int at)
    {
        if (at < b.size())
            b[at] = char(b[at] ^ (1 << pick(8)));
    }
    std::mt19937_64 random;
};

// Touches every value a read gave back, as the windows would.
void use(const QVariant& v, QString& sink)
{
    sink += v.toString().left(4);
    sink += QString::number(v.toDouble());
}

// Runs every read request; gives the error numbers in order (0 for a value), or
// an explanation of what broke the rules.
QString readEverything(const QString& path, QList<int>& outcome)
{
    QString sink;
    Result<Store> opened = Store::open(path);
    if (!opened.ok()) {
        outcome << opened.error().number;
        return opened.error().number == 0 ? QStringLiteral("open failed without a number")
                                          : QString();
    }
    Store& store = opened.value();
    QString broken;
    auto note = [&](const auto& r, const char* what) {
        if (r.ok()) {
            outcome << 0;
        } else {
            outcome << r.error().number;
            if (r.error().number == 0 || r.error().sentence.isEmpty())
                broken = QStringLiteral("%1 failed without a number or sentence")
                             .arg(QLatin1String(what));
        }
    };
    for (std::int32_t record : {1, 2, 0, 3}) {
        const auto study = store.seekStudy(record);
        note(study, "seekStudy");
        if (study.ok() && study.value())
            for (const QVariant& v :
                 {study.value()->record, study.value()->name, study.value()->groupSize,
                  study.value()->choices, study.value()->question, study.value()->criterionType})
                use(v, sink);
    }
    const auto listed = store.studiesByRecord();
    note(listed, "studiesByRecord");
    if (listed.ok())
        for (const StudyEntry& e : listed.value()) {
            use(e.record, sink);
            use(e.name, sink);
        }
    const auto names = store.namesInTableOrder();
    note(names, "namesInTableOrder");
    if (names.ok())
        for (const QVariant& v : names.value())
            use(v, sink);
    for (std::int32_t record : {1, 2}) {
        const auto answers = store.answersOf(record);
        note(answers, "answersOf");
        if (answers.ok())
            for (const AnswerRow& a : answers.value())
                for (const QVariant& v : {a.header, a.answerType, a.individual, a.choice, a.answer})
                    use(v, sink);
    }
    for (int layout : {0, 3}) {
        const auto rows = store.positions(Statements::selectPositions(1, layout));
        note(rows, "positions");
        if (rows.ok())
            for (const PositionRow& p : rows.value())
                for (const QVariant& v : {p.header, p.sociogram, p.label, p.x, p.y})
                    use(v, sink);
    }
    store.close();
    return broken;
}

// Writing into a damaged file inside a transaction that is then undone.
QString writeAndUndo(const QString& path)
{
    Result<Store> opened = Store::open(path);
    if (!opened.ok())
        return {};
    Store& store = opened.value();
    QList<std::optional<DbError>> errors;
    auto note = [&](const auto& r) {
        errors << (r.ok() ? std::nullopt : std::optional<DbError>(r.error()));
    };
    note(store.begin());
    note(store.writeStudy(0, StudyHeader{QStringLiteral("New"), 8, 2, QStringLiteral("Q"), 1}));
    note(store.writeStudy(1, StudyHeader{QStringLiteral("Old"), 8, 2, QStringLiteral("Q"), 1}));
    note(store.execute(Statements::deleteAllAnswers(1)));
    note(store.appendAnswer(1, 1, 2, 2.5, 1));
    note(store.execute(Statements::deletePositions(1, 3)));
    note(store.appendPosition(1, 3, 1, 15, 30));
    note(store.rollback());
    store.close();
    for (const std::optional<DbError>& e : errors)
        if (e && e->number == 0)
            return QStringLiteral("a write failed without a number");
    return {};
}

QString outcomeText(const QList<int>& outcome)
{
    QStringList parts;
    for (int n : outcome)
        parts << QString::number(n);
    return parts.join(u',');
}

// Reads `bytes` as the database and checks every rule; empty when all held.
QString checkFile(const QString& folder, const QByteArray& bytes, QList<int>& outcome)
{
    const QString path = folder + QStringLiteral("/KELVAROX.MDB");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    if (!writeFile(path, bytes))
        return QStringLiteral("cannot write the test file");
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    QString broken = readEverything(path, outcome);
    if (broken.isEmpty() &&
        QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256) != hash)
        broken = QStringLiteral("reading changed the file");
    if (broken.isEmpty())
        broken = writeAndUndo(path);
    return broken;
}

} // namespace

class TestFuzzStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void damagedFiles();
    void keptCorpus_data();
    void keptCorpus();
    void pristineCopyReadsBack();

private:
    QByteArray good;
};

void TestFuzzStore::initTestCase()
{
    Store::setBusyTimeout(0);
    good = smallDatabase();
    QVERIFY(good.size() >= 2048);
}

void TestFuzzStore::damagedFiles()
{
    const quint64 seed = envNumber("SOCIOGRAM_FUZZ_SEED", 19460101);
    const quint64 files = envNumber("SOCIOGRAM_FUZZ_FILES", 1500);
    const QString corpusOut = qEnvironmentVariable("SOCIOGRAM_FUZZ_CORPUS_OUT");
    QTemporaryDir dir;
    Mutator mutator(seed);
    std::set<QString> seen;
    QStringList faults;
    for (quint64 i = 0; i < files && faults.size() < 5; ++i) {
        const QByteArray bytes = mutator.mutate(good);
        QList<int> outcome;
        const QString broken = checkFile(dir.filePath(QStringLiteral("case")), bytes, outcome);
        if (!broken.isEmpty()) {
            const QString kept = dir.filePath(QStringLiteral("fault-%1.mdb").arg(i));
            writeFile(kept, bytes);
            faults << QStringLiteral("file %1: %2 (kept as %3)").arg(i).arg(broken, kept);
        }
        const QString key = outcomeText(outcome);
        if (seen.insert(key).second && !corpusOut.isEmpty())
            writeFile(corpusOut + QStringLiteral("/case-%1-%2.mdb")
                                      .arg(seen.size(), 2, 10, QLatin1Char('0'))
                                      .arg(QString(key).replace(u',', u'_')),
                      bytes);
    }
    qInfo("%d distinct outcomes", int(seen.size()));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    QVERIFY(seen.size() > 3); // the damage really reached the database
}

void TestFuzzStore::keptCorpus_data()
{
    QTest::addColumn<QString>("file");
    const QDir corpus(QStringLiteral(SOCIOGRAM_CORPUS_DIR "/store"));
    const QStringList names = corpus.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name);
    QVERIFY(names.size() >= 5);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << corpus.filePath(name);
}

void TestFuzzStore::keptCorpus()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QByteArray bytes = readFile(file);
    QList<int> outcome;
    const QString broken = checkFile(dir.filePath(QStringLiteral("case")), bytes, outcome);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
    QVERIFY(!outcome.isEmpty());
}

void TestFuzzStore::pristineCopyReadsBack()
{
    QTemporaryDir dir;
    QList<int> outcome;
    QCOMPARE(checkFile(dir.filePath(QStringLiteral("case")), good, outcome), QString());
    QCOMPARE(outcome, QList<int>(10, 0)); // every request gave a value
    Result<Store> store = Store::open(dir.filePath(QStringLiteral("case/KELVAROX.MDB")));
    QVERIFY(store.ok());
    QCOMPARE(store.value().studiesByRecord().value().size(), size_t(3));
    QCOMPARE(store.value().answersOf(1).value().size(), size_t(36));
    QCOMPARE(store.value().positions(Statements::selectPositions(1, 3)).value().size(), size_t(12));
}

QTEST_GUILESS_MAIN(TestFuzzStore)
#include "tst_fuzz_store.moc"
