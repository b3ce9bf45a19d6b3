// A save cut off at any moment (the program killed, the machine switched off) must
// leave the study file holding one whole save: the header and all the answers of
// the same round, never a mixture of two rounds and never a study short of answers.
//
// The test runs itself a second time as the child that saves (tests/support/
// crashharness.h): the child fills the full grid of 40 subjects x 10 choices with
// answers that name the round, and saves it again and again; the parent kills it at
// random moments and reads the file after every kill.

#include "choicegrid.h"
#include "crashharness.h"
#include "datastate.h"
#include "errorreport.h"
#include "globals.h"
#include "scriptedmessages.h"
#include "store.h"
#include "testdb.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <optional>
#include <set>

namespace {

using namespace CrashHarness;

constexpr int Subjects = 40;
constexpr int Slots = 10;
constexpr int AnswersPerSave = Subjects * Slots;
constexpr int Kills = 50;
// Each child counts its rounds from a start of its own, so that the file tells
// which child wrote it and a round can never be mistaken for an older one.
constexpr qint64 RoundsPerChild = 1'000'000;
const QString StudyName = QStringLiteral("Crash");

// The answer a round writes into a cell: neighbouring rounds differ in every cell,
// so the answers of two rounds side by side cannot pass for one round.
int answerOf(qint64 round, int row, int col)
{
    return 1 + int((round + row + col) % Subjects);
}

void studyOfForty(Global::Long record)
{
    Global::RefName = StudyName;
    Global::GroupSize = Subjects;
    Global::MaxChoices = Slots;
    Global::CriterionType = 1;
    Global::CurrentRecord = record;
}

// The round goes into the header too, so that header and answers can be matched.
void fillRound(ChoiceGrid& grid, qint64 round)
{
    for (int r = ChoiceGrid::FixedRows; r < grid.Rows(); ++r)
        for (int c = ChoiceGrid::FixedCols; c < grid.Cols(); ++c)
            grid.setTextMatrix(r, c, QString::number(answerOf(round, r, c)));
    Global::Question = QString::number(round);
}

// The child: saves round after round until it is killed.
int runChild(const QString& folder, Global::Long record, qint64 firstRound)
{
    prepareChild(folder);
    studyOfForty(record);
    DataState data;
    data.SetGrid();
    if (data.grid.Rows() != Subjects + 2 || data.grid.Cols() != Slots + 1) {
        tell("failed grid shape");
        return 2;
    }
    return workUntilKilled(firstRound, [&](qint64 round) {
        fillRound(data.grid, round);
        return data.SaveChanges(DataState::PositiveAnswer) ? Outcome::Done : Outcome::Failed;
    });
}

// The study as another program finds it in the file.
struct StoredStudy {
    int studies = 0;
    std::optional<qint64> round; // from the header's question
    QString header;              // the header as read, for messages
    int answers = 0;
    QString fault; // empty when the answers are the header's round, whole
};

QString describeCells(const std::set<int>& rounds)
{
    QStringList r;
    for (int v : rounds)
        r << QString::number(v);
    return r.join(u',');
}

// Every one of the 400 cells exactly once, each holding its answer of the header's round.
QString wholeRoundFault(const std::vector<QVariantList>& rows, std::optional<qint64> round)
{
    QStringList faults;
    if (int(rows.size()) != AnswersPerSave)
        faults << QStringLiteral("%1 answers instead of %2").arg(rows.size()).arg(AnswersPerSave);
    std::set<std::pair<int, int>> cells;
    std::set<int> roundsSeen; // rounds modulo the group size, as the answers tell them
    int strange = 0;
    for (const QVariantList& row : rows) {
        const int type = row[0].toInt();
        const int individual = row[1].toInt();
        const int choice = row[2].toInt();
        const double answer = row[3].toDouble();
        if (type != 1 || individual < 2 || individual > Subjects + 1 || choice < 1 ||
            choice > Slots || answer != std::floor(answer) || answer < 1 || answer > Subjects) {
            ++strange;
            continue;
        }
        if (!cells.insert({individual, choice}).second)
            faults << QStringLiteral("cell %1,%2 stored twice").arg(individual).arg(choice);
        roundsSeen.insert(((int(answer) - 1 - individual - choice) % Subjects + Subjects) %
                          Subjects);
    }
    if (strange > 0)
        faults << QStringLiteral("%1 answers that no round writes").arg(strange);
    if (roundsSeen.size() > 1)
        faults << QStringLiteral("answers of %1 rounds mixed (rounds mod 40: %2)")
                      .arg(roundsSeen.size())
                      .arg(describeCells(roundsSeen));
    if (!round)
        faults << QStringLiteral("no round in the header");
    else if (roundsSeen.size() == 1 && *roundsSeen.begin() != int(*round % Subjects))
        faults << QStringLiteral("answers of round %1 (mod 40) under a header of round %2")
                      .arg(*roundsSeen.begin())
                      .arg(*round);
    return faults.join(QStringLiteral("; "));
}

std::vector<QVariantList> allRows(QSqlQuery& q)
{
    std::vector<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < 4; ++i)
            row << q.value(i);
        rows.push_back(row);
    }
    return rows;
}

StoredStudy readStored(const QSqlDatabase& db, Global::Long record)
{
    StoredStudy s;
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("SELECT count(*) FROM SOCIOMETRY")) && q.next())
        s.studies = q.value(0).toInt();
    q.prepare(QStringLiteral("SELECT QUESTION, NAME, GROUPSIZE, CHOICES, CRITERIONTYPE "
                             "FROM SOCIOMETRY WHERE RECORD = ?"));
    q.addBindValue(record);
    if (q.exec() && q.next()) {
        bool ok = false;
        const qint64 round = q.value(0).toString().toLongLong(&ok);
        if (ok)
            s.round = round;
        s.header = QStringLiteral("%1 / %2 / %3 / %4 / %5")
                       .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                            q.value(3).toString(), q.value(4).toString());
        if (q.value(1).toString() != StudyName || q.value(2).toInt() != Subjects ||
            q.value(3).toInt() != Slots || q.value(4).toInt() != 1)
            s.fault = QStringLiteral("header changed: ") + s.header;
    }
    q.prepare(QStringLiteral("SELECT ANSWERTYPE, INDIVIDUAL, CHOICE, ANSWER FROM SOCIDATA "
                             "WHERE HEADER = ?"));
    q.addBindValue(record);
    std::vector<QVariantList> rows;
    if (q.exec())
        rows = allRows(q);
    s.answers = int(rows.size());
    const QString answers = wholeRoundFault(rows, s.round);
    if (!answers.isEmpty())
        s.fault += (s.fault.isEmpty() ? QString() : QStringLiteral("; ")) + answers;
    return s;
}

// The file after a kill holds one whole round. That round is the last one the child
// reported saved, or the one it was saving, whose commit may have been done before
// the child could say so; before the child's first report, the file still holds the
// round it had. A finished save is never lost.
QString oneWholeRoundFault(const StoredStudy& s, const Kill& kill, qint64 firstRound, qint64& held)
{
    if (s.studies != 1)
        return QStringLiteral("%1 studies").arg(s.studies);
    if (!s.fault.isEmpty())
        return s.fault;
    const std::set<qint64> possible =
        kill.log.lastDone ? std::set<qint64>{*kill.log.lastDone, *kill.log.lastDone + 1}
                          : std::set<qint64>{held, firstRound};
    if (possible.count(*s.round) == 0)
        return QStringLiteral("the file holds round %1").arg(*s.round);
    held = *s.round;
    return {};
}

} // namespace

class EntryCrashTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { resetProgram(); }

    // The reading below must see a save that was cut off, or the kills prove nothing.
    void theReadingSeesAnUnfinishedSave_data()
    {
        QTest::addColumn<int>("headerRound");
        QTest::addColumn<int>("answersRound");
        QTest::addColumn<int>("cellsOfAnswersRound"); // the rest hold round headerRound - 1
        QTest::addColumn<int>("cellsLeftOut");        // the last cells, not stored at all
        QTest::addColumn<bool>("whole");
        QTest::newRow("one whole round") << 7 << 7 << AnswersPerSave << 0 << true;
        QTest::newRow("half of the new answers") << 7 << 7 << 200 << 0 << false;
        QTest::newRow("one old answer left") << 7 << 7 << AnswersPerSave - 1 << 0 << false;
        QTest::newRow("new header over old answers") << 7 << 6 << AnswersPerSave << 0 << false;
        QTest::newRow("answers cut short") << 7 << 7 << AnswersPerSave << 1 << false;
        QTest::newRow("header without answers")
            << 7 << 7 << AnswersPerSave << AnswersPerSave << false;
    }
    void theReadingSeesAnUnfinishedSave()
    {
        QFETCH(int, headerRound);
        QFETCH(int, answersRound);
        QFETCH(int, cellsOfAnswersRound);
        QFETCH(int, cellsLeftOut);
        QFETCH(bool, whole);
        TestDatabase db;
        QVERIFY(db.isValid());
        QVERIFY(db.exec(QStringLiteral("INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, "
                                       "QUESTION, CRITERIONTYPE) VALUES (?, 40, 10, ?, 1)"),
                        {StudyName, QString::number(headerRound)}));
        const int record = db.scalar(QStringLiteral("SELECT max(RECORD) FROM SOCIOMETRY")).toInt();
        // One transaction: four hundred separate commits would take seconds.
        QVERIFY(db.exec(QStringLiteral("BEGIN")));
        int cell = 0;
        for (int r = 2; r <= Subjects + 1; ++r) {
            for (int c = 1; c <= Slots; ++c, ++cell) {
                if (cell >= AnswersPerSave - cellsLeftOut)
                    continue;
                const int round = cell < cellsOfAnswersRound ? answersRound : headerRound - 1;
                QVERIFY(
                    db.exec(QStringLiteral("INSERT INTO SOCIDATA (HEADER, ANSWERTYPE, "
                                           "INDIVIDUAL, CHOICE, ANSWER) VALUES (?, 1, ?, ?, ?)"),
                            {record, r, c, double(answerOf(round, r, c))}));
            }
        }
        QVERIFY(db.exec(QStringLiteral("COMMIT")));
        FileConnection reading(db.path());
        QVERIFY(reading.isOpen());
        QCOMPARE(reading.integrity(), QStringLiteral("ok"));
        const StoredStudy s = readStored(reading.database(), record);
        QCOMPARE(s.studies, 1);
        QCOMPARE(s.answers, AnswersPerSave - cellsLeftOut);
        QVERIFY2(s.fault.isEmpty() == whole, qPrintable(s.fault));
    }

    // After every kill the file is sound and holds one whole round.
    void aKilledSaveLeavesOneWholeRound()
    {
        TestDatabase db;
        QVERIFY(db.isValid());
        ScriptedMessages messages;
        studyOfForty(0);
        DataState first;
        first.SetGrid();
        fillRound(first.grid, 0);
        QVERIFY(first.SaveChanges(DataState::PositiveAnswer));
        const Global::Long record = Global::CurrentRecord;
        QVERIFY(record > 0);
        {
            FileConnection reading(db.path());
            QCOMPARE(readStored(reading.database(), record).fault, QString());
        }
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());

        qint64 held = 0; // the round the file holds
        auto firstRoundOf = [](int kill) { return (kill + 1) * RoundsPerChild; };
        KillPlan plan;
        plan.databasePath = db.path();
        plan.scratchFolder = scratch.path();
        plan.kills = Kills;
        plan.childArguments = [&](int kill) {
            return QStringList{db.folder(), QString::number(record),
                               QString::number(firstRoundOf(kill))};
        };
        plan.check = [&](const QSqlDatabase& file, const Kill& kill) {
            return oneWholeRoundFault(readStored(file, record), kill, firstRoundOf(kill.index),
                                      held);
        };
        const KillTally tally = killRepeatedly(plan);
        QVERIFY2(tally.fault.isEmpty(), qPrintable(tally.fault));
        qInfo("%s", qPrintable(tally.summary()));
        // Without these the kills would have proved nothing about saving.
        QVERIFY2(tally.afterWork >= Kills / 2, qPrintable(tally.summary()));
        QVERIFY2(tally.insideWork >= 1, "no kill fell inside a save");
        QVERIFY(held >= RoundsPerChild);

        // The real file, as the last child left it.
        FileConnection last(db.path());
        QCOMPARE(last.integrity(), QStringLiteral("ok"));
        const StoredStudy s = readStored(last.database(), record);
        QCOMPARE(s.fault, QString());
        QVERIFY(s.round == held);
        QCOMPARE(messages.count(), 0);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const auto child = childArguments(app.arguments()); child && child->size() == 3)
        return runChild((*child)[0], Global::Long((*child)[1].toInt()), (*child)[2].toLongLong());
    EntryCrashTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_entry_crash.moc"
