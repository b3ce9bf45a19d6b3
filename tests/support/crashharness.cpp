#include "crashharness.h"

#include "errorreport.h"
#include "globals.h"
#include "messages.h"
#include "store.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <cstdio>
#include <random>

namespace CrashHarness {

namespace {

// A child left behind by a parent that died stops by itself.
constexpr qint64 ChildLifetimeMs = 20'000;
constexpr int ChildSilenceMs = 10'000;

// Reads the child's output until it holds the mark; false when the child fell
// silent or ended first (then it is killed, and its output is kept for the message).
bool waitForLine(QProcess& child, QByteArray& output, const QByteArray& mark)
{
    while (!output.contains(mark)) {
        if (!child.waitForReadyRead(ChildSilenceMs)) {
            child.kill();
            child.waitForFinished();
            output += child.readAllStandardOutput();
            return false;
        }
        output += child.readAllStandardOutput();
    }
    return true;
}

QString describe(const Kill& k)
{
    return QStringLiteral("kill %1 after %2 writes (last %3), journal %4%5: ")
        .arg(k.index)
        .arg(k.log.done)
        .arg(k.log.lastDone ? QString::number(*k.log.lastDone) : QStringLiteral("none"))
        .arg(k.journalLeft ? QStringLiteral("left") : QStringLiteral("none"))
        .arg(k.readFromCopy ? QStringLiteral(", read from a copy") : QString());
}

// Starts the child, kills it after the mark and a delay, and says what it told.
QString runAndKill(const KillPlan& plan, int index, int delayMs, ChildLog& log)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{ChildFlag} + plan.childArguments(index));
    if (!child.waitForStarted(ChildSilenceMs))
        return QStringLiteral("child did not start: ") + child.errorString();
    QByteArray output;
    const QByteArray mark =
        index % 4 < 2 ? QByteArrayLiteral("ready\n") : QByteArrayLiteral("\ndone ");
    if (!waitForLine(child, output, mark))
        return QStringLiteral("child never said %1: ").arg(QString::fromLatin1(mark.trimmed())) +
               QString::fromUtf8(output + child.readAllStandardError());
    QThread::msleep(ulong(delayMs));
    child.kill();
    if (!child.waitForFinished(ChildSilenceMs))
        return QStringLiteral("child did not end when killed");
    output += child.readAllStandardOutput();
    log = readLog(output);
    if (!log.trouble.isEmpty())
        return log.trouble.join(u'\n') + u'\n' + QString::fromUtf8(child.readAllStandardError());
    if (child.exitStatus() != QProcess::CrashExit)
        return QStringLiteral("child ended by itself with %1 before the kill: ")
                   .arg(child.exitCode()) +
               QString::fromUtf8(child.readAllStandardError());
    return {};
}

QString checkFile(const KillPlan& plan, const QString& path, const Kill& kill)
{
    FileConnection reading(path);
    if (!reading.isOpen())
        return QStringLiteral("cannot open: ") + reading.openError();
    const QString integrity = reading.integrity();
    if (integrity != QStringLiteral("ok"))
        return QStringLiteral("integrity: ") + integrity;
    return plan.check(reading.database(), kill);
}

} // namespace

std::optional<QStringList> childArguments(const QStringList& arguments)
{
    if (arguments.size() < 2 || arguments[1] != ChildFlag)
        return std::nullopt;
    return arguments.mid(2);
}

void prepareChild(const QString& folder)
{
    Global::reset();
    Global::AppPath = folder + u'/';
    errorReport().setPause([] {});
    Store::setBusyTimeout(0);
    setMessageHandler([](const Message& m) {
        tell("message " + m.text.toUtf8());
        return Answer::Cancel;
    });
}

void tell(const QByteArray& line)
{
    const QByteArray whole = line + '\n';
    std::fwrite(whole.constData(), 1, size_t(whole.size()), stdout);
    std::fflush(stdout);
}

int workUntilKilled(qint64 first, const std::function<Outcome(qint64 round)>& work)
{
    tell("ready");
    QElapsedTimer alive;
    alive.start();
    for (qint64 round = first; alive.elapsed() < ChildLifetimeMs; ++round) {
        switch (work(round)) {
        case Outcome::Done:
            tell("done " + QByteArray::number(round));
            break;
        case Outcome::Failed:
            tell("failed " + QByteArray::number(round));
            return 3;
        case Outcome::NothingLeft:
            while (alive.elapsed() < ChildLifetimeMs)
                QThread::msleep(10);
            return 0;
        }
    }
    return 0;
}

ChildLog readLog(const QByteArray& output)
{
    ChildLog log;
    const QList<QByteArray> lines = output.split('\n');
    // The last piece has no line end: empty, or cut off by the kill.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        bool number = false;
        const qint64 round = line.startsWith("done ") ? line.mid(5).toLongLong(&number) : 0;
        if (line == "ready") {
            log.ready = true;
        } else if (number) {
            log.lastDone = round;
            ++log.done;
        } else {
            log.trouble << QString::fromUtf8(line);
        }
    }
    return log;
}

QString journalOf(const QString& path)
{
    return path + QStringLiteral("-journal");
}

QString copyAsLeft(const QString& path, const QString& folder)
{
    QDir().mkpath(folder);
    const QString copy = folder + u'/' + QFileInfo(path).fileName();
    QFile::copy(path, copy);
    if (QFileInfo::exists(journalOf(path)))
        QFile::copy(journalOf(path), journalOf(copy));
    return copy;
}

FileConnection::FileConnection(const QString& path)
{
    static int counter = 0;
    name = QStringLiteral("crash-connection-%1").arg(++counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    open = db.open();
    if (!open)
        error = db.lastError().text();
}

FileConnection::~FileConnection()
{
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

QSqlDatabase FileConnection::database() const
{
    return QSqlDatabase::database(name, false);
}

QString FileConnection::integrity() const
{
    QSqlQuery q(database());
    QStringList lines;
    if (q.exec(QStringLiteral("PRAGMA integrity_check")))
        while (q.next())
            lines << q.value(0).toString();
    else
        lines << q.lastError().text();
    return lines.join(QStringLiteral("; "));
}

QString KillTally::summary() const
{
    return QStringLiteral("%1 kills: %2 after a finished write, %3 inside a write (%4 of them "
                          "undone by the next child); %5 writes in all")
        .arg(kills)
        .arg(afterWork)
        .arg(insideWork)
        .arg(undoneByChild)
        .arg(works);
}

KillTally killRepeatedly(const KillPlan& plan)
{
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("kill delays drawn from seed %u", seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMs(1, plan.maxDelayMs);
    KillTally tally;
    for (int index = 0; index < plan.kills; ++index) {
        if (plan.beforeChild) {
            tally.fault = plan.beforeChild(index);
            if (!tally.fault.isEmpty())
                return tally;
        }
        Kill kill;
        kill.index = index;
        tally.fault = runAndKill(plan, index, delayMs(random), kill.log);
        if (!tally.fault.isEmpty()) {
            tally.fault = QStringLiteral("kill %1: ").arg(index) + tally.fault;
            return tally;
        }
        kill.journalLeft = QFileInfo(journalOf(plan.databasePath)).size() > 0;
        kill.readFromCopy = index % 2 == 1;
        ++tally.kills;
        tally.insideWork += kill.journalLeft;
        tally.afterWork += kill.log.done > 0;
        tally.works += kill.log.done;
        tally.undoneByChild += kill.readFromCopy && kill.journalLeft;
        const QString path =
            kill.readFromCopy
                ? copyAsLeft(plan.databasePath, plan.scratchFolder + u'/' + QString::number(index))
                : plan.databasePath;
        const QString fault = checkFile(plan, path, kill);
        if (!fault.isEmpty()) {
            tally.fault = describe(kill) + fault;
            return tally;
        }
    }
    return tally;
}

} // namespace CrashHarness
