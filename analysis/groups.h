#pragma once
// Work groups or tables from a sociometric survey: a partition of the class into a
// given number of groups whose sizes differ by at most one, best by three aims in
// turn: fewest rejections inside a group, most subjects with someone they chose in
// their group, most positive choices kept together. Values in, values out: no
// database, no window, no global.

#include "choice.h"
#include "subjectnames.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace Groups {

struct Class {
    int size = 0;
    QList<Choice> positive;
    QList<Choice> negative;
};

struct Scores {
    int rejectionPairs = 0;   // pairs in one group where either rejected the other
    int subjectsWithMate = 0; // subjects with at least one subject they chose in their group
    int satisfiedChoices = 0; // positive choices whose chooser and chosen share a group
    friend bool operator==(const Scores&, const Scores&) = default;
};

// a is strictly better than b by the aims, taken in order.
bool better(const Scores& a, const Scores& b);

// The work of the search for a class too large to try every grouping. The same
// effort and seed give the same groups.
struct Effort {
    int rounds = 0; // rounds of local search; 0 = DefaultRounds
    unsigned seed = 20261207;
    bool exhaustive = true; // false: local search even where every grouping could be tried
};
constexpr int DefaultRounds = 60;

struct Partition {
    int groupCount = 0; // 0 when the group count was refused (groupCountProblem)
    QList<int> groupOf; // groupOf[subject] = group 0..groupCount-1; entry 0 is -1
    Scores scores;
    bool proven = false;        // found by exhaustive search: nothing better exists
    int ignoredChoices = 0;     // out-of-range, self or repeated choices passed over
    bool nothingToGoBy = false; // no valid choices at all: even groups only
};

constexpr int MinGroups = 2;
int maxGroups(int size);                  // size / 2
int seatsForGroups(int size, int groups); // the largest group: ceil(size / groups)
int groupsForSeats(int size, int seats);  // ceil(size / seats), which seatCountProblem may refuse
// Empty when the count is fine, else a sentence for the user.
QString groupCountProblem(int size, int groups);
QString seatCountProblem(int size, int seats);

// The scores of any grouping of the class, given as Partition::groupOf is (invalid
// choices passed over).
Scores score(const Class& c, const QList<int>& groupOf);

// The best grouping found; every grouping is tried when there are few enough, else a
// local search from a greedy start.
Partition makeGroups(const Class& c, int groupCount, const Effort& effort = {});

// What a teacher should know of one subject's place. Groups are numbered 1..G here.
struct SubjectReport {
    int subject = 0;
    int group = 0;            // 1..groupCount
    QList<int> chosenMates;   // chosen by subject, in group
    QList<int> rejectedMates; // rejection pairs inside the group involving subject
    bool flagged = false;
    QString why; // plain sentences, "; " between them; empty when not flagged
};
// In subject order. With names the sentences name the mates they mention beside their
// numbers, as the tables do.
QList<SubjectReport> describe(const Class& c, const Partition& p, const SubjectNames& names = {});

// One line per rejection pair left in a group, by group and then by subject; with names,
// each subject's name beside its number.
QStringList remainingRejections(const Class& c, const Partition& p, const SubjectNames& names = {});

// "Subject,Group,Satisfied choices,Flags", one line per subject, groups from 1; with
// names a "Name" column follows the subject's number.
QString groupsCsv(const Class& c, const Partition& p, const SubjectNames& names = {});

} // namespace Groups
