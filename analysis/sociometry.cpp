#include "sociometry.h"

#include "status.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

// The two classifications follow
//   Coie, J. D., Dodge, K. A., & Coppotelli, H. (1982). Dimensions and types of
//   social status: A cross-age perspective. Developmental Psychology, 18(4), 557-570.
//   Newcomb, A. F., & Bukowski, W. M. (1983). Social impact and social preference as
//   determinants of children's peer group status. Developmental Psychology, 19(6),
//   856-867.
// Positive choices received are the "liked most" (LM) nominations, negative choices
// received the "liked least" (LL) ones.

// Coie, Dodge & Coppotelli (1982): LM and LL are standardized within the group;
// social preference SP = zLM - zLL and social impact SI = zLM + zLL are standardized
// again. The groups, checked in this order so that a subject who meets two sets of
// criteria gets the first:
//   popular        SP > 1,  zLM > 0, zLL < 0
//   rejected       SP < -1, zLL > 0, zLM < 0
//   neglected      SI < -1, zLM < 0
//   controversial  SI > 1,  zLM > 0, zLL > 0
//   average        -0.5 < SP < 0.5 and -0.5 < SI < 0.5
// and everyone else is unclassified. The paper itself asked of the neglected an
// absolute LM of 0 beside SI < -1; the z criterion zLM < 0 is the one later work
// adopted. Whether the deviations are taken over n or n - 1 changes no group: SP and
// SI are standardized again and z scores enter only through their signs.
Status coieDodgeCoppotelliGroup(double zLM, double zLL, double sp, double si)
{
    if (sp > 1 && zLM > 0 && zLL < 0)
        return Status::Popular;
    if (sp < -1 && zLL > 0 && zLM < 0)
        return Status::Rejected;
    if (si < -1 && zLM < 0)
        return Status::Neglected;
    if (si > 1 && zLM > 0 && zLL > 0)
        return Status::Controversial;
    if (sp > -0.5 && sp < 0.5 && si > -0.5 && si < 0.5)
        return Status::Average;
    return Status::Unclassified;
}

// Newcomb & Bukowski (1983), the probability method: with p the chance that one
// chooser names a given subject (choices per chooser over the n - 1 others) and the
// n - 1 others as possible choosers, a count is high or low when the binomial chance
// of a count at least (at most) as extreme is below .05, one-tailed. Impact LM + LL
// is judged with the chance of being named in either list, a chooser's two lists
// being taken as exclusive. The groups:
//   popular        LM high and LL below the group's mean LL
//   rejected       LL high and LM below the group's mean LM
//   controversial  LM high and LL above the mean LL, or LL high and LM above the mean LM
//   neglected      impact low
//   average        everyone else
// A high count is looked at before a low impact, so that the order never hides a
// significantly high count.
Status newcombBukowskiGroup(int lm, int ll, const GroupFigures& g)
{
    const double meanLM = g.positive.meanReceived.value_or(0);
    const double meanLL = g.negative.meanReceived.value_or(0);
    const bool lmHigh = g.likedMostLimits.isHigh(lm);
    const bool llHigh = g.likedLeastLimits.isHigh(ll);
    if (lmHigh && ll < meanLL)
        return Status::Popular;
    if (llHigh && lm < meanLM)
        return Status::Rejected;
    if ((lmHigh && ll > meanLL) || (llHigh && lm > meanLM))
        return Status::Controversial;
    if (g.impactLimits.isLow(lm + ll))
        return Status::Neglected;
    return Status::Average;
}

namespace {

constexpr double ChanceLevel = 0.05; // one-tailed

// Spreads this small are rounding noise of values that are equal in truth (zLM - zLL
// of counts that differ by a constant, for instance); they must not be standardized.
bool noSpread(double sd, double mean)
{
    return !(sd > 1e-9 * std::max(1.0, std::fabs(mean)));
}

// Who chose whom under one criterion, the choices of a set checked once more so that
// a hand-made set cannot reach outside the group.
class ChoiceMatrix {
public:
    ChoiceMatrix(const std::vector<Choice>& choices, int groupSize)
        : n(std::max(groupSize, 0)), cells(static_cast<std::size_t>((n + 1) * (n + 1)), false),
          given(static_cast<std::size_t>(n + 1), 0), received(static_cast<std::size_t>(n + 1), 0)
    {
        for (const Choice& c : choices) {
            if (c.chooser < 1 || c.chooser > n || c.chosen < 1 || c.chosen > n ||
                c.chooser == c.chosen || chose(c.chooser, c.chosen))
                continue;
            cells[index(c.chooser, c.chosen)] = true;
            ++given[static_cast<std::size_t>(c.chooser)];
            ++received[static_cast<std::size_t>(c.chosen)];
            ++total;
        }
    }

    bool chose(int a, int b) const { return cells[index(a, b)]; }
    int givenBy(int s) const { return given[static_cast<std::size_t>(s)]; }
    int receivedBy(int s) const { return received[static_cast<std::size_t>(s)]; }
    int choices() const { return total; }

    int mutualOf(int s) const
    {
        int m = 0;
        for (int o = 1; o <= n; ++o)
            m += (o != s && chose(s, o) && chose(o, s)) ? 1 : 0;
        return m;
    }

    CriterionFigures figures(bool present) const
    {
        CriterionFigures f;
        f.present = present;
        f.choices = total;
        for (int a = 1; a <= n; ++a) {
            for (int b = a + 1; b <= n; ++b) {
                const bool ab = chose(a, b);
                const bool ba = chose(b, a);
                f.mutualPairs += (ab && ba) ? 1 : 0;
                f.linkedPairs += (ab || ba) ? 1 : 0;
            }
        }
        if (n >= 2)
            f.density = static_cast<double>(total) / (static_cast<double>(n) * (n - 1));
        if (f.linkedPairs > 0)
            f.reciprocity = static_cast<double>(f.mutualPairs) / f.linkedPairs;
        if (n >= 1) {
            const Spread s = spreadOf(receivedCounts());
            f.meanReceived = s.mean;
            f.sdReceived = s.sd;
        }
        return f;
    }

    std::vector<double> receivedCounts() const
    {
        return std::vector<double>(received.begin() + 1, received.end());
    }

private:
    std::size_t index(int a, int b) const
    {
        return static_cast<std::size_t>(a) * static_cast<std::size_t>(n + 1) +
               static_cast<std::size_t>(b);
    }

    int n;
    std::vector<bool> cells;
    std::vector<int> given;
    std::vector<int> received;
    int total = 0;
};

void classifyCoieDodgeCoppotelli(std::vector<SubjectFigures>& subjects, const ChoiceMatrix& liked,
                                 const ChoiceMatrix& disliked)
{
    const auto zLM = standardized(liked.receivedCounts());
    const auto zLL = standardized(disliked.receivedCounts());
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        if (zLM)
            subjects[i].zLikedMost = (*zLM)[i];
        if (zLL)
            subjects[i].zLikedLeast = (*zLL)[i];
    }
    if (!zLM || !zLL)
        return; // nobody's standing can be told apart on one of the two counts
    std::vector<double> preference, impact;
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        preference.push_back((*zLM)[i] - (*zLL)[i]);
        impact.push_back((*zLM)[i] + (*zLL)[i]);
    }
    const auto sp = standardized(preference);
    const auto si = standardized(impact);
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        SubjectFigures& s = subjects[i];
        if (sp)
            s.socialPreference = (*sp)[i];
        if (si)
            s.socialImpact = (*si)[i];
        if (sp && si)
            s.coieDodgeCoppotelli =
                coieDodgeCoppotelliGroup((*zLM)[i], (*zLL)[i], (*sp)[i], (*si)[i]);
    }
}

void classifyNewcombBukowski(std::vector<SubjectFigures>& subjects, GroupFigures& g)
{
    const int trials = g.groupSize - 1;
    // With no choice at all under a criterion the chance model has nothing to compare.
    if (trials < 1 || g.positive.choices == 0 || g.negative.choices == 0)
        return;
    const double pLM = *g.positive.density;
    const double pLL = *g.negative.density;
    g.likedMostLimits = chanceLimits(trials, pLM);
    g.likedLeastLimits = chanceLimits(trials, pLL);
    g.impactLimits = chanceLimits(trials, std::min(1.0, pLM + pLL));
    for (SubjectFigures& s : subjects)
        s.newcombBukowski = newcombBukowskiGroup(s.positiveReceived, s.negativeReceived, g);
}

double binomialTerm(int trials, double p, int k)
{
    double coefficient = 1;
    for (int i = 1; i <= k; ++i)
        coefficient = coefficient * (trials - k + i) / i;
    return coefficient * std::pow(p, k) * std::pow(1 - p, trials - k);
}

} // namespace

Status SubjectFigures::status(StatusMethod method) const
{
    return method == StatusMethod::CoieDodgeCoppotelli ? coieDodgeCoppotelli : newcombBukowski;
}

int SociometricAnalysis::count(StatusMethod method, Status g) const
{
    return static_cast<int>(
        std::count_if(subjects.begin(), subjects.end(),
                      [&](const SubjectFigures& s) { return s.status(method) == g; }));
}

QString statusMethodName(StatusMethod method)
{
    return method == StatusMethod::CoieDodgeCoppotelli ? QStringLiteral("Coie-Dodge-Coppotelli")
                                                       : QStringLiteral("Newcomb-Bukowski");
}

QString statusMethodNote(StatusMethod method)
{
    if (method == StatusMethod::CoieDodgeCoppotelli)
        return QCoreApplication::translate(
            "Analysis",
            "The z-scores use the sample standard deviation (n \u2212 1). A spreadsheet's "
            "population formula (STDEV.P) gives slightly larger z-scores, so a pupil near a "
            "limit, such as \"Popular\", may be classed differently there.");
    return QCoreApplication::translate(
        "Analysis",
        "A count is high or low only when chance would give it less than 5 times in 100. A "
        "pupil is \"Neglected\" only when the choices and rejections received together are "
        "that low, so an isolate who is rejected a few times, or one in a small group with "
        "few choices, may come out \"Average\".");
}

double binomialUpperTail(int trials, double p, int atLeast)
{
    if (atLeast <= 0)
        return 1;
    double sum = 0;
    for (int k = atLeast; k <= trials; ++k)
        sum += binomialTerm(trials, p, k);
    return std::min(sum, 1.0);
}

double binomialLowerTail(int trials, double p, int atMost)
{
    if (atMost >= trials)
        return 1;
    double sum = 0;
    for (int k = 0; k <= atMost; ++k)
        sum += binomialTerm(trials, p, k);
    return std::min(sum, 1.0);
}

ChanceLimits chanceLimits(int trials, std::optional<double> p)
{
    ChanceLimits limits;
    limits.trials = trials;
    if (!p || trials < 1 || !(*p >= 0 && *p <= 1))
        return limits;
    limits.probability = p;
    for (int c = 0; c <= trials && !limits.upper; ++c) {
        if (binomialUpperTail(trials, *p, c) < ChanceLevel)
            limits.upper = c;
    }
    for (int c = trials; c >= 0 && !limits.lower; --c) {
        if (binomialLowerTail(trials, *p, c) < ChanceLevel)
            limits.lower = c;
    }
    return limits;
}

Spread spreadOf(const std::vector<double>& values)
{
    Spread s;
    if (values.empty())
        return s;
    double sum = 0;
    for (double v : values)
        sum += v;
    s.mean = sum / static_cast<double>(values.size());
    if (values.size() < 2)
        return s;
    double squares = 0;
    for (double v : values)
        squares += (v - s.mean) * (v - s.mean);
    const double sd = std::sqrt(squares / static_cast<double>(values.size() - 1));
    if (!noSpread(sd, s.mean))
        s.sd = sd;
    return s;
}

std::optional<std::vector<double>> standardized(const std::vector<double>& values)
{
    const Spread s = spreadOf(values);
    if (!s.sd)
        return std::nullopt;
    std::vector<double> z;
    z.reserve(values.size());
    for (double v : values)
        z.push_back((v - s.mean) / *s.sd);
    return z;
}

SociometricAnalysis analyseChoices(const ChoiceSet& set)
{
    SociometricAnalysis result;
    const int n = std::max(set.groupSize, 0);
    const ChoiceMatrix liked(set.positive, n);
    const ChoiceMatrix disliked(set.negative, n);
    const bool hasPositive = set.has(Criterion::Positive);

    GroupFigures& g = result.group;
    g.groupSize = n;
    g.positive = liked.figures(hasPositive);
    g.negative = disliked.figures(set.has(Criterion::Negative));
    g.classified = set.isBoth();

    for (int s = 1; s <= n; ++s) {
        SubjectFigures f;
        f.subject = s;
        f.positiveGiven = liked.givenBy(s);
        f.negativeGiven = disliked.givenBy(s);
        f.positiveReceived = liked.receivedBy(s);
        f.negativeReceived = disliked.receivedBy(s);
        f.mutualPositive = liked.mutualOf(s);
        f.mutualNegative = disliked.mutualOf(s);
        f.isolate = hasPositive && f.positiveReceived == 0;
        f.rejectedOnly = set.isBoth() && f.positiveReceived == 0 && f.negativeReceived > 0;
        g.isolates += f.isolate ? 1 : 0;
        g.rejectedOnly += f.rejectedOnly ? 1 : 0;
        result.subjects.push_back(f);
    }
    if (set.isBoth()) {
        classifyCoieDodgeCoppotelli(result.subjects, liked, disliked);
        classifyNewcombBukowski(result.subjects, g);
    }
    result.skipped = set.skipped;
    return result;
}
