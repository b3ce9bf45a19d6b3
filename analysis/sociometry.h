#pragma once
// Sociometric figures of one study: what each subject gave and received, the mutual
// choices, and for a study with both criteria the status groups of two published
// classification methods. A figure that cannot be computed (no spread, no choices)
// is left empty rather than made up.

#include "choiceset.h"
#include "status.h"

#include <QString>
#include <optional>
#include <vector>

enum class StatusMethod { CoieDodgeCoppotelli, NewcombBukowski };

QString statusMethodName(StatusMethod method);
// What a reader of the figures should know of the method: how a result that differs
// from a spreadsheet's, or an isolate called "Average", comes about.
QString statusMethodNote(StatusMethod method);

struct SubjectFigures {
    int subject = 0;
    int positiveGiven = 0;
    int negativeGiven = 0;
    int positiveReceived = 0; // LM, "liked most"
    int negativeReceived = 0; // LL, "liked least"
    int mutualPositive = 0;   // subjects this one chose positively and who chose it back
    int mutualNegative = 0;
    // Both need the positive criterion: in a study of the negative criterion alone
    // nobody could receive a positive choice, so nobody is called an isolate.
    bool isolate = false;      // no positive choice received
    bool rejectedOnly = false; // negative choices received, positive none (Both studies)

    // Coie, Dodge and Coppotelli's standard scores (Both studies).
    std::optional<double> zLikedMost;
    std::optional<double> zLikedLeast;
    std::optional<double> socialPreference; // standardized zLM - zLL
    std::optional<double> socialImpact;     // standardized zLM + zLL
    Status coieDodgeCoppotelli = Status::None;
    Status newcombBukowski = Status::None;

    Status status(StatusMethod method) const;
};

struct CriterionFigures {
    bool present = false;
    int choices = 0;                   // sound choices made
    std::optional<double> density;     // choices / (n (n - 1))
    int mutualPairs = 0;               // pairs who chose each other
    int linkedPairs = 0;               // pairs with at least one choice between them
    std::optional<double> reciprocity; // mutualPairs / linkedPairs
    std::optional<double> meanReceived;
    std::optional<double> sdReceived; // sample standard deviation of the counts received
};

// Limits of a count received under the binomial chance model of Newcomb and Bukowski:
// each of the n - 1 possible choosers names the subject with probability p.
struct ChanceLimits {
    int trials = 0;
    std::optional<double> probability;
    // Smallest count that is improbably high (P(X >= count) < .05), when one exists.
    std::optional<int> upper;
    // Largest count that is improbably low (P(X <= count) < .05), when one exists.
    std::optional<int> lower;

    bool isHigh(int count) const { return upper && count >= *upper; }
    bool isLow(int count) const { return lower && count <= *lower; }
};

struct GroupFigures {
    int groupSize = 0;
    CriterionFigures positive;
    CriterionFigures negative;
    int isolates = 0;
    int rejectedOnly = 0;
    bool classified = false; // a Both study: the status groups apply
    ChanceLimits likedMostLimits;
    ChanceLimits likedLeastLimits;
    ChanceLimits impactLimits;
};

struct SociometricAnalysis {
    std::vector<SubjectFigures> subjects; // subject s at index s - 1
    GroupFigures group;
    std::vector<SkippedEntry> skipped;

    int count(StatusMethod method, Status group) const;
};

SociometricAnalysis analyseChoices(const ChoiceSet& choices);

// The rules of the two methods for one subject, given its scores and the group's.
Status coieDodgeCoppotelliGroup(double zLM, double zLL, double sp, double si);
Status newcombBukowskiGroup(int likedMost, int likedLeast, const GroupFigures& group);

// Binomial helpers, exposed for the tests of the chance limits.
double binomialUpperTail(int trials, double p, int atLeast); // P(X >= atLeast)
double binomialLowerTail(int trials, double p, int atMost);  // P(X <= atMost)
ChanceLimits chanceLimits(int trials, std::optional<double> p);

// Mean and sample standard deviation; the deviation is empty below two values and
// when every value is the same.
struct Spread {
    double mean = 0;
    std::optional<double> sd;
};
Spread spreadOf(const std::vector<double>& values);
// Standard scores of the values, or nothing when they have no spread.
std::optional<std::vector<double>> standardized(const std::vector<double>& values);
