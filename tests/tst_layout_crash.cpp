// Saving an arrangement cut off at any moment must leave the study's arrangement of
// that layout as one whole save: one position for every label, all from the same
// save, never the old rows gone without the new ones, never old and new side by
// side. The arrangements of the other layout and of other studies stay as they were.
//
// The test runs itself a second time as the child that saves (tests/support/
// crashharness.h): the child opens a stored study of 40 subjects in the Target
// layout, moves every label to a place that names the round, and saves, again and
// again; the parent kills it at random moments and reads the file after every kill.

#include "choicegrid.h"
#include "crashharness.h"
#include "errorreport.h"
#include "globals.h"
#include "scriptedmessages.h"
#include "sociogramstate.h"
#include "store.h"
#include "testdb.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <set>

namespace {

using namespace CrashHarness;

constexpr int Subjects = 40;
constexpr int Slots = 10;
constexpr int Kills = 50;
constexpr Global::Integer SavedType = 3; // saved again and again: Target
constexpr Global::Integer KeptType = 0;  // saved once before the kills: Circle
// Each child counts its rounds from a start of its own, so that the file tells
// which child wrote it and a round can never be mistaken for an older one.
constexpr qint64 RoundsPerChild = 10'000;
// A position is two 16-bit numbers: the round is split over both.
constexpr qint64 RoundsPerBlock = 20'000;
constexpr int LabelBits = 64; // Y = block * 64 + label

// Where a round puts a label. Neighbouring rounds move every label, and the label
// is in Y too, so that a row stored under another label cannot pass for its own.
Global::LabelTable::value_type positionOf(qint64 round, int label)
{
    const auto x = Global::Integer((round + 37 * label) % RoundsPerBlock - RoundsPerBlock / 2);
    const auto y = Global::Integer(round / RoundsPerBlock * LabelBits + label);
    return {x, y};
}

// The round a stored row was written by; nothing for a row no round writes.
std::optional<qint64> roundOf(int label, int x, int y)
{
    if (label < 1 || label > Subjects || y < 0 || y % LabelBits != label)
        return std::nullopt;
    const qint64 low =
        ((x + RoundsPerBlock / 2 - 37 * label) % RoundsPerBlock + RoundsPerBlock) % RoundsPerBlock;
    return y / LabelBits * RoundsPerBlock + low;
}

void moveEveryLabel(qint64 round)
{
    for (int label = 1; label <= Subjects; ++label)
        Global::LabelPos[label] = positionOf(round, label);
}

// The study as the project list opens it: its subjects in the grid's first column.
void openStudy(Global::Long record, Global::Integer type)
{
    Global::CurrentRecord = record;
    Global::SociogramType = type;
    ChoiceGrid& grid = DataGrid();
    grid.setShape(0, 0);
    grid.setShape(Subjects + 2, Slots + 1);
    for (int s = 1; s <= Subjects; ++s)
        grid.setTextMatrix(s + 1, 0, QString::number(s));
}

// The child: opens the stored arrangement, then moves and saves until it is killed.
int runChild(const QString& folder, Global::Long record, qint64 firstRound)
{
    prepareChild(folder);
    openStudy(record, SavedType);
    SociogramState state;
    state.DoWork();
    if (state.labels.highestIndex() != Subjects) {
        tell("failed: the window holds " + QByteArray::number(state.labels.highestIndex()) +
             " labels");
        return 2;
    }
    return workUntilKilled(firstRound, [&](qint64 round) {
        moveEveryLabel(round);
        state.PositionsSaved = Global::False; // as a drag leaves it
        state.SavePositions();
        return state.PositionsSaved == Global::True ? Outcome::Done : Outcome::Failed;
    });
}

std::vector<QVariantList> rowsOf(const QSqlDatabase& db, const QString& sql,
                                 const QVariantList& binds = {})
{
    std::vector<QVariantList> rows;
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant& b : binds)
        q.addBindValue(b);
    if (!q.exec())
        return rows;
    const int columns = q.record().count();
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < columns; ++i)
            row << q.value(i);
        rows.push_back(row);
    }
    return rows;
}

std::vector<QVariantList> savedArrangement(const QSqlDatabase& db, Global::Long record)
{
    return rowsOf(db,
                  QStringLiteral("SELECT LABEL, X, Y FROM POSITION WHERE HEADER = ? AND "
                                 "SOCIOGRAM = ? ORDER BY rowid"),
                  {record, SavedType});
}

// Every arrangement but the one the child saves.
std::vector<QVariantList> otherArrangements(const QSqlDatabase& db, Global::Long record)
{
    return rowsOf(db,
                  QStringLiteral("SELECT HEADER, SOCIOGRAM, LABEL, X, Y FROM POSITION WHERE "
                                 "NOT (HEADER = ? AND SOCIOGRAM = ?) ORDER BY rowid"),
                  {record, SavedType});
}

struct Arrangement {
    std::optional<qint64> round; // the one round all rows were written by
    QString fault;               // empty when the rows are one whole save
};

// One row for each label 1 to 40, all written by the same round.
Arrangement readArrangement(const std::vector<QVariantList>& rows)
{
    QStringList faults;
    if (int(rows.size()) != Subjects)
        faults << QStringLiteral("%1 positions instead of %2").arg(rows.size()).arg(Subjects);
    std::set<int> labels;
    std::set<qint64> rounds;
    int strange = 0;
    for (const QVariantList& row : rows) {
        const int label = row[0].toInt();
        const std::optional<qint64> round = roundOf(label, row[1].toInt(), row[2].toInt());
        if (!round) {
            ++strange;
            continue;
        }
        if (!labels.insert(label).second)
            faults << QStringLiteral("label %1 stored twice").arg(label);
        rounds.insert(*round);
    }
    if (strange > 0)
        faults << QStringLiteral("%1 positions that no round writes").arg(strange);
    if (rounds.size() > 1)
        faults << QStringLiteral("positions of %1 rounds mixed (%2 to %3)")
                      .arg(rounds.size())
                      .arg(*rounds.begin())
                      .arg(*rounds.rbegin());
    Arrangement a;
    a.fault = faults.join(QStringLiteral("; "));
    if (rounds.size() == 1)
        a.round = *rounds.begin();
    return a;
}

bool addRow(TestDatabase& db, Global::Long record, int type, int label, qint64 round)
{
    const auto p = positionOf(round, label);
    return db.exec(QStringLiteral("INSERT INTO POSITION (HEADER, SOCIOGRAM, LABEL, X, Y) "
                                  "VALUES (?, ?, ?, ?, ?)"),
                   {record, type, label, p[0], p[1]});
}

int addStudy(TestDatabase& db)
{
    db.exec(QStringLiteral("INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, QUESTION, "
                           "CRITERIONTYPE) VALUES ('Arranged', ?, ?, 'Who?', 1)"),
            {Subjects, Slots});
    return db.scalar(QStringLiteral("SELECT max(RECORD) FROM SOCIOMETRY")).toInt();
}

// Saves an arrangement as the window does, for the study and layout given.
bool saveOnce(Global::Long record, Global::Integer type, qint64 round)
{
    openStudy(record, type);
    SociogramState state;
    state.DoWork();
    moveEveryLabel(round);
    state.PositionsSaved = Global::False;
    state.SavePositions();
    return state.PositionsSaved == Global::True;
}

} // namespace

class LayoutCrashTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { resetProgram(); }

    // The reading below must see a save that was cut off, or the kills prove nothing.
    void theReadingSeesAnUnfinishedSave_data()
    {
        QTest::addColumn<int>("labelsOfRound"); // labels 1..n of round 7
        QTest::addColumn<int>("moreFrom");      // then labels moreFrom..moreTo
        QTest::addColumn<int>("moreTo");
        QTest::addColumn<int>("moreRound"); // of this round
        QTest::addColumn<bool>("whole");
        QTest::newRow("one whole save") << Subjects << 1 << 0 << 0 << true;
        QTest::newRow("old rows left beside the new") << Subjects << 1 << Subjects << 6 << false;
        QTest::newRow("one old row among the new")
            << Subjects - 1 << Subjects << Subjects << 6 << false;
        QTest::newRow("new rows cut short") << Subjects - 1 << 1 << 0 << 0 << false;
        QTest::newRow("old rows gone, none new") << 0 << 1 << 0 << 0 << false;
        QTest::newRow("a label stored twice") << Subjects << 3 << 3 << 7 << false;
        QTest::newRow("rows of the next block of rounds")
            << Subjects - 1 << Subjects << Subjects << 7 + RoundsPerBlock << false;
    }
    void theReadingSeesAnUnfinishedSave()
    {
        QFETCH(int, labelsOfRound);
        QFETCH(int, moreFrom);
        QFETCH(int, moreTo);
        QFETCH(int, moreRound);
        QFETCH(bool, whole);
        TestDatabase db;
        QVERIFY(db.isValid());
        const int record = addStudy(db);
        for (int label = 1; label <= labelsOfRound; ++label)
            QVERIFY(addRow(db, record, SavedType, label, 7));
        for (int label = moreFrom; label <= moreTo; ++label)
            QVERIFY(addRow(db, record, SavedType, label, moreRound));
        FileConnection file(db.path());
        const Arrangement a = readArrangement(savedArrangement(file.database(), record));
        QVERIFY2(a.fault.isEmpty() == whole, qPrintable(a.fault));
        if (whole)
            QCOMPARE(a.round, std::optional<qint64>(7));
    }

    // After every kill the arrangement is one whole save: the last one the child
    // reported, or the one it was making, whose commit may have been done before the
    // child could say so; before the child's first report, the one the file had. The
    // other arrangements are never touched.
    void aKilledSaveLeavesOneWholeArrangement()
    {
        TestDatabase db;
        QVERIFY(db.isValid());
        ScriptedMessages messages;
        const Global::Long record = addStudy(db);
        const Global::Long neighbour = addStudy(db);
        QVERIFY(saveOnce(record, KeptType, 5));
        QVERIFY(saveOnce(neighbour, SavedType, 6));
        QVERIFY(saveOnce(record, SavedType, 0));
        std::vector<QVariantList> others;
        {
            FileConnection file(db.path());
            QCOMPARE(readArrangement(savedArrangement(file.database(), record)).round,
                     std::optional<qint64>(0));
            others = otherArrangements(file.database(), record);
        }
        QCOMPARE(int(others.size()), 2 * Subjects);
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
        plan.check = [&](const QSqlDatabase& file, const Kill& kill) -> QString {
            if (otherArrangements(file, record) != others)
                return QStringLiteral("another arrangement changed");
            const Arrangement a = readArrangement(savedArrangement(file, record));
            if (!a.fault.isEmpty())
                return a.fault;
            const std::set<qint64> possible =
                kill.log.lastDone ? std::set<qint64>{*kill.log.lastDone, *kill.log.lastDone + 1}
                                  : std::set<qint64>{held, firstRoundOf(kill.index)};
            if (possible.count(*a.round) == 0)
                return QStringLiteral("the file holds round %1").arg(*a.round);
            held = *a.round;
            return {};
        };
        const KillTally tally = killRepeatedly(plan);
        QVERIFY2(tally.fault.isEmpty(), qPrintable(tally.fault));
        qInfo("%s", qPrintable(tally.summary()));
        // Without these the kills would have proved nothing about saving.
        QVERIFY2(tally.afterWork >= Kills / 2, qPrintable(tally.summary()));
        QVERIFY2(tally.insideWork >= 1, "no kill fell inside a save");
        QVERIFY(held >= RoundsPerChild);

        // The real file, as the last child left it, opens in the window as saved.
        Global::LabelPos = {};
        openStudy(record, SavedType);
        SociogramState window;
        window.DoWork();
        QCOMPARE(messages.count(), 0);
        for (int label = 1; label <= Subjects; ++label)
            QCOMPARE(Global::LabelPos[label], positionOf(held, label));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const auto child = childArguments(app.arguments()); child && child->size() == 3)
        return runChild((*child)[0], Global::Long((*child)[1].toInt()), (*child)[2].toLongLong());
    LayoutCrashTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_layout_crash.moc"
