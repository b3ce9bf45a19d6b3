// A save cut off at any moment (the program killed, the machine switched off) must
// leave the study file holding one whole save: the header and all the answers of
// the same round, never a mixture of two rounds and never a study short of answers.
//
// The test runs itself a second time as the child that saves (argument --child):
// the child fills the full grid of 40 subjects x 10 choices with answers that name
// the round, and saves it again and again; the parent kills it at random moments
// and reads the file after every kill.

#include "choicegrid.h"
#include "datastate.h"
#include "errorreport.h"
#include "globals.h"
#include "messages.h"
#include "scriptedmessages.h"
#include "store.h"
#include "testdb.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <set>

namespace {

constexpr int Subjects = 40;
constexpr int Slots = 10;
constexpr int AnswersPerSave = Subjects * Slots;
constexpr int Kills = 50;
// Each child counts its rounds from a start of its own, so that the file tells
// which child wrote it and a round can never be mistaken for an older one.
constexpr qint64 RoundsPerChild = 1'000'000;
// A child left behind by a parent that died stops by itself.
constexpr qint64 ChildLifetimeMs = 20'000;
const QString StudyName = QStringLiteral("Crash");
const QString ChildFlag = QStringLiteral("--child");

// The answer a round writes into a cell: neighbouring rounds differ in every cell,
// so the answers of two rounds side by side cannot pass for one round.
int answerOf(qint64 round, int row, int col) {
    return 1 + int((round + row + col) % Subjects);
}

void studyOfForty(Global::Long record) {
    Global::RefName = StudyName;
    Global::GroupSize = Subjects;
    Global::MaxChoices = Slots;
    Global::CriterionType = 1;
    Global::CurrentRecord = record;
}

// The round goes into the header too, so that header and answers can be matched.
void fillRound(ChoiceGrid& grid, qint64 round) {
    for (int r = ChoiceGrid::FixedRows; r < grid.Rows(); ++r)
        for (int c = ChoiceGrid::FixedCols; c < grid.Cols(); ++c)
            grid.setTextMatrix(r, c, QString::number(answerOf(round, r, c)));
    Global::Question = QString::number(round);
}

// One line to the parent, written at once: the parent reads whatever was written
// before the kill.
void tell(const QByteArray& line) {
    const QByteArray whole = line + '\n';
    std::fwrite(whole.constData(), 1, size_t(whole.size()), stdout);
    std::fflush(stdout);
}

// The child: saves round after round until it is killed.
int runChild(const QString& folder, Global::Long record, qint64 firstRound) {
    Global::reset();
    Global::AppPath = folder + u'/';
    errorReport().setPause([] {});
    Store::setBusyTimeout(0);
    // Nothing else uses the file, so any message means a save went wrong.
    setMessageHandler([](const Message& m) {
        tell("message " + m.text.toUtf8());
        return Answer::Cancel;
    });
    studyOfForty(record);
    DataState data;
    data.SetGrid();
    if (data.grid.Rows() != Subjects + 2 || data.grid.Cols() != Slots + 1) {
        tell("failed grid shape");
        return 2;
    }
    tell("ready");
    QElapsedTimer alive;
    alive.start();
    for (qint64 round = firstRound; alive.elapsed() < ChildLifetimeMs; ++round) {
        fillRound(data.grid, round);
        if (!data.SaveChanges(DataState::PositiveAnswer)) {
            tell("failed " + QByteArray::number(round));
            return 3;
        }
        tell("saved " + QByteArray::number(round));
    }
    return 0;
}

// What the child said before it was killed.
struct ChildLog {
    bool ready = false;
    std::optional<qint64> lastSaved;
    int saves = 0;
    QStringList trouble; // messages and failed saves
};

ChildLog readLog(const QByteArray& output) {
    ChildLog log;
    const QList<QByteArray> lines = output.split('\n');
    // The last piece has no line end: empty, or cut off by the kill.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line == "ready") {
            log.ready = true;
        } else if (line.startsWith("saved ")) {
            log.lastSaved = line.mid(6).toLongLong();
            ++log.saves;
        } else {
            log.trouble << QString::fromUtf8(line);
        }
    }
    return log;
}

// The study as another program finds it in the file.
struct StoredStudy {
    QString integrity;
    int studies = 0;
    std::optional<qint64> round; // from the header's question
    QString header;              // the header as read, for messages
    int answers = 0;
    QString fault; // empty when the answers are the header's round, whole
};

QString describeCells(const std::set<int>& rounds) {
    QStringList r;
    for (int v : rounds)
        r << QString::number(v);
    return r.join(u',');
}

// Every one of the 400 cells exactly once, each holding its answer of the header's round.
QString wholeRoundFault(const std::vector<QVariantList>& rows, std::optional<qint64> round) {
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

std::vector<QVariantList> allRows(QSqlQuery& q) {
    std::vector<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < 4; ++i)
            row << q.value(i);
        rows.push_back(row);
    }
    return rows;
}

// Opens the file on a connection of its own, as the next run of the program would:
// that is also what rolls back a save that was cut off.
StoredStudy readStored(const QString& path, Global::Long record) {
    static int counter = 0;
    const QString name = QStringLiteral("crash-check-%1").arg(++counter);
    StoredStudy s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            s.integrity = QStringLiteral("cannot open: ") + db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return s;
        }
        QSqlQuery q(db);
        QStringList integrity;
        if (q.exec(QStringLiteral("PRAGMA integrity_check")))
            while (q.next())
                integrity << q.value(0).toString();
        else
            integrity << q.lastError().text();
        s.integrity = integrity.join(QStringLiteral("; "));
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
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return s;
}

QString journalOf(const QString& path) {
    return path + QStringLiteral("-journal");
}

// A byte copy of the file as the kill left it, with its journal: reading the copy
// rolls the copy back and leaves the real file for the next child to recover.
QString copyAsLeft(const QString& path, const QString& folder) {
    QDir().mkpath(folder);
    const QString copy = folder + QStringLiteral("/KELVAROX.MDB");
    QFile::copy(path, copy);
    if (QFileInfo::exists(journalOf(path)))
        QFile::copy(journalOf(path), journalOf(copy));
    return copy;
}

// Reads the child's output until it holds the mark; false when the child fell
// silent or ended first (then it is killed, and its output is kept for the message).
bool waitForLine(QProcess& child, QByteArray& output, const QByteArray& mark) {
    while (!output.contains(mark)) {
        if (!child.waitForReadyRead(10000)) {
            child.kill();
            child.waitForFinished();
            output += child.readAllStandardOutput();
            return false;
        }
        output += child.readAllStandardOutput();
    }
    return true;
}

} // namespace

class EntryCrashTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        Global::reset();
        errorReport().reset();
        errorReport().setPause([] {});
        Store::setBusyTimeout(0);
    }

    // The reading below must see a save that was cut off, or the kills prove nothing.
    void theReadingSeesAnUnfinishedSave_data() {
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
    void theReadingSeesAnUnfinishedSave() {
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
        const StoredStudy s = readStored(db.path(), record);
        QCOMPARE(s.integrity, QStringLiteral("ok"));
        QCOMPARE(s.studies, 1);
        QCOMPARE(s.answers, AnswersPerSave - cellsLeftOut);
        QVERIFY2(s.fault.isEmpty() == whole, qPrintable(s.fault));
    }

    // After every kill the file is sound and holds one whole round. That round is
    // the last one the child reported saved, or the one it was saving, whose commit
    // may have been done before the child could say so; before the child's first
    // report, the file still holds the round it had. A finished save is never lost.
    void aKilledSaveLeavesOneWholeRound() {
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
        QCOMPARE(readStored(db.path(), record).fault, QString());

        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("kill delays drawn from seed %u", seed);
        std::mt19937 random(seed);
        // Long enough for several saves, short enough to cut many of them off.
        std::uniform_int_distribution<int> delayMs(1, 120);
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());

        qint64 held = 0; // the round the file holds
        int killsAfterSave = 0;
        int killsInsideSave = 0;
        int leftForChild = 0;
        int saves = 0;
        for (int kill = 0; kill < Kills; ++kill) {
            const qint64 firstRound = (kill + 1) * RoundsPerChild;
            QProcess child;
            child.start(
                QCoreApplication::applicationFilePath(),
                {ChildFlag, db.folder(), QString::number(record), QString::number(firstRound)});
            QVERIFY2(child.waitForStarted(10000), qPrintable(child.errorString()));
            QByteArray output;
            // Half of the kills wait for a save to have finished, however slow the
            // machine, so that saves over an earlier save are always cut off too.
            const QByteArray mark =
                kill % 4 < 2 ? QByteArrayLiteral("ready\n") : QByteArrayLiteral("\nsaved ");
            QVERIFY2(waitForLine(child, output, mark),
                     qPrintable(QStringLiteral("child never said %1: ")
                                    .arg(QString::fromLatin1(mark.trimmed())) +
                                QString::fromUtf8(output + child.readAllStandardError())));
            QThread::msleep(ulong(delayMs(random)));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            output += child.readAllStandardOutput();
            const ChildLog log = readLog(output);
            QVERIFY2(log.trouble.isEmpty(),
                     qPrintable(log.trouble.join(u'\n') + u'\n' +
                                QString::fromUtf8(child.readAllStandardError())));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            const bool insideSave = QFileInfo(journalOf(db.path())).size() > 0;
            killsInsideSave += insideSave;
            killsAfterSave += log.saves > 0;
            saves += log.saves;
            // Every other time the file is read from a copy, so that the next child
            // finds the cut-off save and the program's own opening must undo it.
            QString readPath = db.path();
            if (kill % 2 == 1) {
                readPath = copyAsLeft(db.path(), scratch.filePath(QString::number(kill)));
                leftForChild += insideSave;
            }
            const StoredStudy s = readStored(readPath, record);
            const QString where =
                QStringLiteral("kill %1 after %2 saves (last %3), journal %4: ")
                    .arg(kill)
                    .arg(log.saves)
                    .arg(log.lastSaved ? QString::number(*log.lastSaved) : QStringLiteral("none"))
                    .arg(insideSave ? QStringLiteral("left") : QStringLiteral("none"));
            QVERIFY2(s.integrity == QStringLiteral("ok"), qPrintable(where + s.integrity));
            QVERIFY2(s.studies == 1,
                     qPrintable(where + QStringLiteral("%1 studies").arg(s.studies)));
            QVERIFY2(s.fault.isEmpty(), qPrintable(where + s.fault));
            QVERIFY(s.round.has_value());
            const std::set<qint64> possible =
                log.lastSaved ? std::set<qint64>{*log.lastSaved, *log.lastSaved + 1}
                              : std::set<qint64>{held, firstRound};
            QVERIFY2(possible.count(*s.round) == 1,
                     qPrintable(where + QStringLiteral("the file holds round %1").arg(*s.round)));
            held = *s.round;
        }
        qInfo("%d kills: %d after a finished save, %d inside a save (%d of them undone by "
              "the next child); %d saves in all",
              Kills, killsAfterSave, killsInsideSave, leftForChild, saves);
        // Without these the kills would have proved nothing about saving.
        QVERIFY2(killsAfterSave >= Kills / 2, qPrintable(QString::number(killsAfterSave)));
        QVERIFY2(killsInsideSave >= 1, "no kill fell inside a save");
        QVERIFY(held >= RoundsPerChild);

        // The real file, as the last child left it.
        const StoredStudy last = readStored(db.path(), record);
        QCOMPARE(last.integrity, QStringLiteral("ok"));
        QCOMPARE(last.fault, QString());
        QVERIFY(last.round == held);
        QCOMPARE(messages.count(), 0);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == ChildFlag)
        return runChild(args[2], Global::Long(args[3].toInt()), args[4].toLongLong());
    EntryCrashTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_entry_crash.moc"
