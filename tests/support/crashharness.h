#pragma once
// Proof that a write survives being cut off: the test binary runs itself again as a
// child that repeats one write until it is killed, the parent kills it at random
// moments, and after every kill it opens the file as the next run of the program
// would and checks that it holds the outcome of whole writes only.
//
// Child side: prepareChild, then workUntilKilled. Parent side: killRepeatedly with
// a check of the file; FileConnection opens a file on a connection of the test's own.

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace CrashHarness {

// The first argument of the child's command line.
inline const QString ChildFlag = QStringLiteral("--child");
// The arguments after the flag when this process is the child; nothing otherwise.
std::optional<QStringList> childArguments(const QStringList& arguments);

// ---- the child

// Makes this process the program working on the database in `folder`, with nothing
// else using the file: any message shown means a write went wrong, and it is told to
// the parent instead of waiting for an answer.
void prepareChild(const QString& folder);
// One line to the parent, written at once: the parent reads whatever was written
// before the kill.
void tell(const QByteArray& line);

enum class Outcome { Done, Failed, NothingLeft };
// Tells "ready", then runs work(first), work(first + 1), ... telling "done N" after
// each one, until it fails ("failed N", returns 3) or a parent that died has left the
// child alive too long (returns 0). Once there is nothing left to do the child waits
// to be killed, so that every kill is a kill.
int workUntilKilled(qint64 first, const std::function<Outcome(qint64 round)>& work);

// ---- the parent

// What the child said before it was killed.
struct ChildLog {
    bool ready = false;
    std::optional<qint64> lastDone;
    int done = 0;
    QStringList trouble; // messages, failures and anything else unexpected
};
ChildLog readLog(const QByteArray& output);

QString journalOf(const QString& path);
// A byte copy of the file as the kill left it, with its journal, in `folder`:
// reading the copy rolls the copy back and leaves the real file for the next child
// to recover.
QString copyAsLeft(const QString& path, const QString& folder);

// The file opened on a connection of its own, as the next run of the program would
// open it: the first read is also what rolls back a write that was cut off.
class FileConnection {
public:
    explicit FileConnection(const QString& path);
    ~FileConnection();
    FileConnection(const FileConnection&) = delete;
    FileConnection& operator=(const FileConnection&) = delete;

    bool isOpen() const { return open; }
    QString openError() const { return error; }
    QSqlDatabase database() const;
    // PRAGMA integrity_check: "ok" for a sound file.
    QString integrity() const;

private:
    QString name;
    QString error;
    bool open = false;
};

// One kill, as the check of the file sees it.
struct Kill {
    int index = 0;
    ChildLog log;
    bool journalLeft = false; // the kill fell inside a write
    bool readFromCopy = false;
};

struct KillPlan {
    QString databasePath;  // the file the child writes
    QString scratchFolder; // where the copies go
    int kills = 50;
    // Long enough for several writes, short enough to cut many of them off.
    int maxDelayMs = 120;
    // The child's arguments after the flag, for the kill about to be made.
    std::function<QStringList(int kill)> childArguments;
    // Runs while no child is alive, before each one starts (may be empty).
    std::function<QString(int kill)> beforeChild;
    // The file after a kill, already found sound; returns what is wrong, or nothing.
    std::function<QString(const QSqlDatabase& db, const Kill& kill)> check;
};

struct KillTally {
    int kills = 0;
    int afterWork = 0;     // kills after the child finished at least one write
    int insideWork = 0;    // kills that left a journal behind
    int undoneByChild = 0; // of those, left for the next child's opening to undo
    int works = 0;         // writes the children reported finished
    QString fault;         // empty when every kill left a sound file
    QString summary() const;
};

// Half of the kills wait for a write to have finished, however slow the machine,
// so that writes over an earlier write are always cut off too; every other file is
// read from a copy, so that the next child finds the cut-off write and the
// program's own opening must undo it. Stops at the first fault.
KillTally killRepeatedly(const KillPlan& plan);

} // namespace CrashHarness
