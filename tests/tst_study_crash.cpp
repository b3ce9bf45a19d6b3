// Deleting a study cut off at any moment must leave it either wholly there (its
// header, all its answers and all its saved positions) or wholly gone: never a
// header without its rows, which would open as an empty study, nor rows without a
// header, which no list shows and nothing ever deletes.
//
// The test runs itself a second time as the child that deletes (tests/support/
// crashharness.h): the child takes the project list and deletes one study after
// another; the parent kills it at random moments and reads every study after every
// kill, adding studies whenever the file runs low.

#include "crashharness.h"
#include "errorreport.h"
#include "globals.h"
#include "projectlist.h"
#include "scriptedmessages.h"
#include "store.h"
#include "testdb.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <vector>

namespace {

using namespace CrashHarness;

constexpr int Kills = 50;
constexpr int StudiesAdded = 300;
// Below this many the parent adds studies, so that no child runs out of them.
constexpr int StudiesAtLeast = 150;

// What a study holds is told by its record, so that any study can be checked whole.
int groupSizeOf(Global::Long record)
{
    return 10 + int(record % 31);
}
int choicesOf(Global::Long record)
{
    return 1 + int(record % 5);
}
int answersOf(Global::Long record)
{
    return groupSizeOf(record) * choicesOf(record);
}
// Two layouts of the four have a saved arrangement.
int positionsOf(Global::Long record)
{
    return 2 * groupSizeOf(record);
}
QString nameOf(Global::Long record)
{
    return QStringLiteral("Study %1").arg(record);
}

// Adds studies first, first + 1, ... with all their rows in one transaction, on the
// test's own connection. Records are never used twice, as the program's own are not.
QString addStudies(const QString& path, Global::Long first, int count)
{
    FileConnection file(path);
    QSqlDatabase db = file.database();
    QSqlQuery header(db), answer(db), position(db);
    header.prepare(QStringLiteral("INSERT INTO SOCIOMETRY (RECORD, NAME, GROUPSIZE, CHOICES, "
                                  "QUESTION, CRITERIONTYPE) VALUES (?, ?, ?, ?, 'Who?', 1)"));
    answer.prepare(QStringLiteral("INSERT INTO SOCIDATA (HEADER, ANSWERTYPE, INDIVIDUAL, CHOICE, "
                                  "ANSWER) VALUES (?, 1, ?, ?, ?)"));
    position.prepare(QStringLiteral("INSERT INTO POSITION (HEADER, SOCIOGRAM, LABEL, X, Y) "
                                    "VALUES (?, ?, ?, ?, ?)"));
    auto run = [](QSqlQuery& q, const QVariantList& binds) {
        for (int i = 0; i < binds.size(); ++i)
            q.bindValue(i, binds[i]);
        return q.exec();
    };
    if (!db.transaction())
        return QStringLiteral("cannot begin adding studies");
    for (Global::Long record = first; record < first + count; ++record) {
        const int n = groupSizeOf(record);
        if (!run(header, {record, nameOf(record), n, choicesOf(record)}))
            return QStringLiteral("cannot add study %1").arg(record);
        for (int individual = 2; individual <= n + 1; ++individual)
            for (int choice = 1; choice <= choicesOf(record); ++choice)
                if (!run(answer, {record, individual, choice,
                                  double(1 + (record + individual + choice) % n)}))
                    return QStringLiteral("cannot add an answer");
        for (int layout : {int(record % 4), int((record + 1) % 4)})
            for (int label = 1; label <= n; ++label)
                if (!run(position, {record, layout, label, 100 * label, 200 + layout}))
                    return QStringLiteral("cannot add a position");
    }
    return db.commit() ? QString() : QStringLiteral("cannot commit the new studies");
}

// The child: deletes the studies of the list, first to last, until it is killed.
int runChild(const QString& folder)
{
    prepareChild(folder);
    const std::vector<ProjectEntry> list = readProjectList();
    return workUntilKilled(0, [&](qint64 index) {
        if (index >= qint64(list.size()))
            return Outcome::NothingLeft;
        return deleteProject(list[size_t(index)].record) ? Outcome::Done : Outcome::Failed;
    });
}

enum class State { Whole, Gone, Partial };

struct StudyRows {
    bool header = false;
    bool headerAsWritten = false;
    int answers = 0;
    int positions = 0;
};

std::map<Global::Long, int> countsByHeader(const QSqlDatabase& db, const QString& table)
{
    std::map<Global::Long, int> counts;
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("SELECT HEADER, count(*) FROM %1 GROUP BY HEADER").arg(table)))
        while (q.next())
            counts[q.value(0).toInt()] = q.value(1).toInt();
    return counts;
}

// Every study in the file, and every record that has rows without a header.
std::map<Global::Long, StudyRows> readStudies(const QSqlDatabase& db)
{
    std::map<Global::Long, StudyRows> studies;
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("SELECT RECORD, NAME, GROUPSIZE, CHOICES FROM SOCIOMETRY")))
        while (q.next()) {
            const Global::Long record = q.value(0).toInt();
            StudyRows& s = studies[record];
            s.header = true;
            s.headerAsWritten = q.value(1).toString() == nameOf(record) &&
                                q.value(2).toInt() == groupSizeOf(record) &&
                                q.value(3).toInt() == choicesOf(record);
        }
    for (const auto& [record, n] : countsByHeader(db, QStringLiteral("SOCIDATA")))
        studies[record].answers = n;
    for (const auto& [record, n] : countsByHeader(db, QStringLiteral("POSITION")))
        studies[record].positions = n;
    return studies;
}

State stateOf(const std::map<Global::Long, StudyRows>& studies, Global::Long record)
{
    const auto found = studies.find(record);
    if (found == studies.end())
        return State::Gone;
    const StudyRows& s = found->second;
    if (s.header && s.headerAsWritten && s.answers == answersOf(record) &&
        s.positions == positionsOf(record))
        return State::Whole;
    return State::Partial;
}

QString describe(const std::map<Global::Long, StudyRows>& studies, Global::Long record)
{
    const auto found = studies.find(record);
    const StudyRows s = found == studies.end() ? StudyRows{} : found->second;
    return QStringLiteral("study %1: header %2, %3 of %4 answers, %5 of %6 positions")
        .arg(record)
        .arg(s.header
                 ? (s.headerAsWritten ? QStringLiteral("as written") : QStringLiteral("changed"))
                 : QStringLiteral("gone"))
        .arg(s.answers)
        .arg(answersOf(record))
        .arg(s.positions)
        .arg(positionsOf(record));
}

// The records with a header, first to last, as the project list takes them.
std::vector<Global::Long> headers(const std::map<Global::Long, StudyRows>& studies)
{
    std::vector<Global::Long> list;
    for (const auto& [record, s] : studies)
        if (s.header)
            list.push_back(record);
    return list;
}

} // namespace

class StudyCrashTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { resetProgram(); }

    // The reading below must see a delete that was cut off, or the kills prove nothing.
    void theReadingSeesAnUnfinishedDelete_data()
    {
        QTest::addColumn<QString>("removed"); // statements run on the second study
        QTest::addColumn<int>("state");
        const QString header = QStringLiteral("DELETE FROM SOCIOMETRY WHERE RECORD = ?");
        const QString answers = QStringLiteral("DELETE FROM SOCIDATA WHERE HEADER = ?");
        const QString positions = QStringLiteral("DELETE FROM POSITION WHERE HEADER = ?");
        const QString oneAnswer = QStringLiteral("DELETE FROM SOCIDATA WHERE rowid = (SELECT "
                                                 "max(rowid) FROM SOCIDATA WHERE HEADER = ?)");
        const QString onePosition = QStringLiteral("DELETE FROM POSITION WHERE rowid = (SELECT "
                                                   "min(rowid) FROM POSITION WHERE HEADER = ?)");
        const QString renamed = QStringLiteral("UPDATE SOCIOMETRY SET NAME = 'x' WHERE RECORD = ?");
        QTest::newRow("untouched") << QString() << int(State::Whole);
        QTest::newRow("wholly gone")
            << header + u';' + answers + u';' + positions << int(State::Gone);
        QTest::newRow("header without answers and positions")
            << answers + u';' + positions << int(State::Partial);
        QTest::newRow("header and positions, no answers") << answers << int(State::Partial);
        QTest::newRow("header and answers, no positions") << positions << int(State::Partial);
        QTest::newRow("answers and positions without a header") << header << int(State::Partial);
        QTest::newRow("positions without a header")
            << header + u';' + answers << int(State::Partial);
        QTest::newRow("one answer short") << oneAnswer << int(State::Partial);
        QTest::newRow("one position short") << onePosition << int(State::Partial);
        QTest::newRow("header changed") << renamed << int(State::Partial);
    }
    void theReadingSeesAnUnfinishedDelete()
    {
        QFETCH(QString, removed);
        QFETCH(int, state);
        TestDatabase db;
        QVERIFY(db.isValid());
        QCOMPARE(addStudies(db.path(), 1, 3), QString());
        const auto all = [&] {
            FileConnection file(db.path());
            return readStudies(file.database());
        };
        const std::vector<Global::Long> records = headers(all());
        QCOMPARE(int(records.size()), 3);
        for (const QString& sql : removed.split(u';', Qt::SkipEmptyParts))
            QVERIFY(db.exec(sql, {records[1]}));
        const auto studies = all();
        QCOMPARE(int(stateOf(studies, records[1])), state);
        QCOMPARE(stateOf(studies, records[0]), State::Whole);
        QCOMPARE(stateOf(studies, records[2]), State::Whole);
    }

    // After every kill each study is whole or gone. Gone are the studies the child
    // reported deleted and perhaps the one it was deleting, whose commit may have
    // been done before the child could say so; every other study is whole.
    void aKilledDeleteLeavesEveryStudyWholeOrGone()
    {
        TestDatabase db;
        QVERIFY(db.isValid());
        ScriptedMessages messages;
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());

        std::vector<Global::Long> listed; // the list the next child takes
        Global::Long lastCreated = 0;
        int deleted = 0;
        KillPlan plan;
        plan.databasePath = db.path();
        plan.scratchFolder = scratch.path();
        plan.kills = Kills;
        plan.childArguments = [&](int) { return QStringList{db.folder()}; };
        plan.beforeChild = [&](int) -> QString {
            if (int(listed.size()) < StudiesAtLeast) {
                const QString fault = addStudies(db.path(), lastCreated + 1, StudiesAdded);
                if (!fault.isEmpty())
                    return fault;
                lastCreated += StudiesAdded;
                FileConnection file(db.path());
                listed = headers(readStudies(file.database()));
            }
            return {};
        };
        plan.check = [&](const QSqlDatabase& file, const Kill& kill) -> QString {
            const auto studies = readStudies(file);
            for (const auto& [record, s] : studies)
                if (record > lastCreated || stateOf(studies, record) == State::Partial)
                    return describe(studies, record);
            // The child's list is `listed`: it reached index `reached`, maybe one more.
            const size_t reached = kill.log.lastDone ? size_t(*kill.log.lastDone) + 1 : 0;
            for (size_t i = 0; i < listed.size(); ++i) {
                const State s = stateOf(studies, listed[i]);
                if (i < reached && s != State::Gone)
                    return QStringLiteral("reported deleted, yet ") + describe(studies, listed[i]);
                if (i > reached && s != State::Whole)
                    return QStringLiteral("never reached, yet ") + describe(studies, listed[i]);
            }
            const std::vector<Global::Long> left = headers(studies);
            deleted += int(listed.size() - left.size());
            listed = left;
            return {};
        };
        const KillTally tally = killRepeatedly(plan);
        QVERIFY2(tally.fault.isEmpty(), qPrintable(tally.fault));
        qInfo("%s; %d studies deleted, %d left", qPrintable(tally.summary()), deleted,
              int(listed.size()));
        // Without these the kills would have proved nothing about deleting.
        QVERIFY2(tally.afterWork >= Kills / 2, qPrintable(tally.summary()));
        QVERIFY2(tally.insideWork >= 1, "no kill fell inside a delete");
        QCOMPARE(messages.count(), 0);

        // The real file, as the last child left it, lists the studies left.
        std::vector<Global::Long> shown;
        for (const ProjectEntry& e : readProjectList())
            shown.push_back(e.record);
        QCOMPARE(shown, listed);
        QCOMPARE(messages.count(), 0);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const auto child = childArguments(app.arguments()); child && child->size() == 1)
        return runChild(child->front());
    StudyCrashTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_study_crash.moc"
