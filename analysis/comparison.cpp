#include "comparison.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>
#include <utility>

namespace {

using Pair = std::pair<int, int>; // chooser, chosen

std::set<Pair> tiesOf(const ChoiceSet& set, Criterion c)
{
    std::set<Pair> ties;
    if (set.has(c))
        for (const Choice& choice : set.of(c))
            ties.insert({choice.chooser, choice.chosen});
    return ties;
}

// Partners of each subject who chose it back, subject s at s.
std::vector<std::set<int>> mutualPartners(const ChoiceSet& set, Criterion c, int groupSize)
{
    std::vector<std::set<int>> partners(static_cast<std::size_t>(groupSize) + 1);
    const std::set<Pair> ties = tiesOf(set, c);
    for (const auto& [chooser, chosen] : ties)
        if (ties.contains({chosen, chooser}) && chooser <= groupSize && chosen <= groupSize)
            partners[static_cast<std::size_t>(chooser)].insert(chosen);
    return partners;
}

const SubjectFigures* figuresOf(const SociometricAnalysis& a, int subject)
{
    const auto i = static_cast<std::size_t>(subject - 1);
    return i < a.subjects.size() ? &a.subjects[i] : nullptr;
}

int receivedOf(const SociometricAnalysis& a, int subject, Criterion c)
{
    const SubjectFigures* s = figuresOf(a, subject);
    if (!s)
        return 0;
    return c == Criterion::Positive ? s->positiveReceived : s->negativeReceived;
}

QString signedNumber(int v)
{
    return v > 0 ? QStringLiteral("+%1").arg(v) : QString::number(v);
}

QString statusText(const SociometricAnalysis& a, int subject, StatusMethod method)
{
    const SubjectFigures* s = figuresOf(a, subject);
    return a.group.classified && s ? StatusWords::english(s->status(method)) : QString();
}

} // namespace

std::optional<double> TieStability::share() const
{
    const int either = kept + added + gone;
    if (either == 0)
        return std::nullopt;
    return double(kept) / double(either);
}

bool SurveyComparison::compares(Criterion c) const
{
    return std::find(shared.begin(), shared.end(), c) != shared.end();
}

TieChanges tieChanges(const ChoiceSet& earlier, const ChoiceSet& later)
{
    TieChanges out;
    for (Criterion c : {Criterion::Positive, Criterion::Negative}) {
        if (!earlier.has(c) || !later.has(c))
            continue;
        const std::set<Pair> before = tiesOf(earlier, c);
        const std::set<Pair> after = tiesOf(later, c);
        std::set<Pair> either = before;
        either.insert(after.begin(), after.end());
        for (const auto& [chooser, chosen] : either) {
            const bool was = before.contains({chooser, chosen});
            const bool is = after.contains({chooser, chosen});
            const TieChange change = was && is ? TieChange::Kept
                                     : is      ? TieChange::New
                                               : TieChange::Gone;
            out.push_back({Choice{chooser, chosen, c, 0}, change});
        }
    }
    return out;
}

// A criterion's name as a window shows it.
QString shownWord(Criterion c)
{
    return QCoreApplication::translate("Analysis", criterionName(c).toUtf8().constData());
}

QString tieChangeName(TieChange change)
{
    switch (change) {
    case TieChange::Kept:
        return QStringLiteral("kept");
    case TieChange::New:
        return QStringLiteral("new");
    case TieChange::Gone:
        return QStringLiteral("gone");
    }
    return {};
}

SurveyComparison compareSurveys(const ChoiceSet& earlier, const ChoiceSet& later)
{
    SurveyComparison c;
    c.groupSize = std::max(earlier.groupSize, later.groupSize);
    for (Criterion k : {Criterion::Positive, Criterion::Negative})
        if (earlier.has(k) && later.has(k))
            c.shared.push_back(k);
    c.earlier = analyseChoices(earlier);
    c.later = analyseChoices(later);
    c.ties = tieChanges(earlier, later);
    for (Criterion k : c.shared) {
        TieStability s;
        s.criterion = k;
        for (const ChangedTie& tie : c.ties) {
            if (tie.choice.kind != k)
                continue;
            int& count = tie.change == TieChange::Kept  ? s.kept
                         : tie.change == TieChange::New ? s.added
                                                        : s.gone;
            ++count;
        }
        c.stability.push_back(s);
    }
    return c;
}

std::vector<ReceivedChange> receivedChanges(const SurveyComparison& c, Criterion criterion)
{
    std::vector<ReceivedChange> out;
    for (int s = 1; s <= c.groupSize; ++s)
        out.push_back({receivedOf(c.earlier, s, criterion), receivedOf(c.later, s, criterion)});
    return out;
}

std::vector<MutualChange> mutualChanges(const SurveyComparison& c, Criterion criterion)
{
    // The mutual pairs are read from the ties, which already tell each choice kept, new
    // or gone: a pair is mutual in a survey when both its choices were made in it.
    ChoiceSet before = emptyChoiceSet(c.groupSize, 0, static_cast<int>(criterion));
    ChoiceSet after = before;
    for (const ChangedTie& tie : c.ties) {
        if (tie.choice.kind != criterion)
            continue;
        if (tie.change != TieChange::New)
            before.of(criterion).push_back(tie.choice);
        if (tie.change != TieChange::Gone)
            after.of(criterion).push_back(tie.choice);
    }
    const auto was = mutualPartners(before, criterion, c.groupSize);
    const auto is = mutualPartners(after, criterion, c.groupSize);
    std::vector<MutualChange> out;
    for (int s = 1; s <= c.groupSize; ++s) {
        const std::set<int>& a = was[static_cast<std::size_t>(s)];
        const std::set<int>& b = is[static_cast<std::size_t>(s)];
        MutualChange m;
        for (int p : a)
            ++(b.contains(p) ? m.kept : m.lost);
        for (int p : b)
            m.gained += a.contains(p) ? 0 : 1;
        out.push_back(m);
    }
    return out;
}

namespace {

// The headers are the CSV file's, in English; the window translates them.
QString pick(Criterion k, const char* positive, const char* negative)
{
    return QString::fromLatin1(k == Criterion::Positive ? positive : negative);
}

QStringList receivedHeaders(Criterion k)
{
    return {pick(k, QT_TRANSLATE_NOOP("Analysis", "Positive earlier"),
                 QT_TRANSLATE_NOOP("Analysis", "Negative earlier")),
            pick(k, QT_TRANSLATE_NOOP("Analysis", "Positive later"),
                 QT_TRANSLATE_NOOP("Analysis", "Negative later")),
            pick(k, QT_TRANSLATE_NOOP("Analysis", "Positive change"),
                 QT_TRANSLATE_NOOP("Analysis", "Negative change"))};
}

QStringList mutualHeaders(Criterion k)
{
    return {pick(k, QT_TRANSLATE_NOOP("Analysis", "Mutual positive kept"),
                 QT_TRANSLATE_NOOP("Analysis", "Mutual negative kept")),
            pick(k, QT_TRANSLATE_NOOP("Analysis", "Mutual positive gained"),
                 QT_TRANSLATE_NOOP("Analysis", "Mutual negative gained")),
            pick(k, QT_TRANSLATE_NOOP("Analysis", "Mutual positive lost"),
                 QT_TRANSLATE_NOOP("Analysis", "Mutual negative lost"))};
}

QStringList statusHeaders()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Status earlier")),
            QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Status later")),
            QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Status changed"))};
}

// Subject s's status before and after, and "changed" where both surveys classify
// and the two differ.
QStringList statusCells(const SurveyComparison& c, int s, StatusMethod method)
{
    const bool both = c.earlier.group.classified && c.later.group.classified;
    const QString before = statusText(c.earlier, s, method);
    const QString after = statusText(c.later, s, method);
    return {before, after,
            both && before != after ? QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "changed"))
                                    : QString()};
}

} // namespace

TextTable comparisonTable(const SurveyComparison& c, StatusMethod method)
{
    TextTable t;
    t.header << QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Subject"));
    std::vector<std::vector<ReceivedChange>> received;
    for (Criterion k : c.shared) {
        t.header << receivedHeaders(k);
        received.push_back(receivedChanges(c, k));
    }
    const bool status = c.earlier.group.classified || c.later.group.classified;
    if (status)
        t.header << statusHeaders();
    std::vector<std::vector<MutualChange>> mutual;
    for (Criterion k : c.shared) {
        t.header << mutualHeaders(k);
        mutual.push_back(mutualChanges(c, k));
    }
    for (int s = 1; s <= c.groupSize; ++s) {
        const auto i = static_cast<std::size_t>(s - 1);
        QStringList row{QString::number(s)};
        for (const auto& r : received)
            row << QString::number(r[i].earlier) << QString::number(r[i].later)
                << signedNumber(r[i].change());
        if (status)
            row << statusCells(c, s, method);
        for (const auto& m : mutual)
            row << QString::number(m[i].kept) << QString::number(m[i].gained)
                << QString::number(m[i].lost);
        t.rows.push_back(row);
    }
    return t;
}

std::vector<FigurePair> comparisonFigures(const SurveyComparison& c, StatusMethod method)
{
    const FigureList before = groupFigures(c.earlier, method);
    const FigureList after = groupFigures(c.later, method);
    std::vector<FigurePair> out;
    const auto row = [&out](const QString& name) -> FigurePair& {
        for (FigurePair& p : out)
            if (p.name == name)
                return p;
        return out.emplace_back(FigurePair{name, {}, {}});
    };
    // The later survey's order first: a figure only the earlier has comes at the end.
    for (const auto& [name, value] : after)
        row(name).later = value;
    for (const auto& [name, value] : before)
        row(name).earlier = value;
    return out;
}

QString stabilityText(const SurveyComparison& c)
{
    QStringList lines;
    for (const TieStability& s : c.stability)
        lines << QCoreApplication::translate("Analysis",
                                             "%1 tie stability %2: %3 of the %4 ties of either "
                                             "survey are in both (%5 new, %6 gone).")
                     .arg(shownWord(s.criterion), figureText(s.share()))
                     .arg(s.kept)
                     .arg(s.kept + s.added + s.gone)
                     .arg(s.added)
                     .arg(s.gone);
    if (lines.isEmpty())
        return QCoreApplication::translate("Analysis",
                                           "The surveys share no criterion: no ties are compared.");
    return lines.join(u'\n');
}

QString skippedEntriesText(const std::vector<SkippedEntry>& skipped, const SubjectNames& names)
{
    QStringList lines;
    for (const SkippedEntry& e : skipped)
        lines << QCoreApplication::translate("Analysis", "%1, subject %2, choice %3: \"%4\" (%5)")
                     .arg(shownWord(e.criterion), numberAndName(names, e.chooser),
                          QString::number(e.slot), e.text,
                          QCoreApplication::translate(
                              "Analysis", skipReasonText(e.reason).toUtf8().constData()));
    return lines.join(u'\n');
}

QString leftOutText(const std::vector<SkippedEntry>& skipped, const SubjectNames& names, int shown)
{
    if (skipped.empty())
        return {};
    const int count = static_cast<int>(skipped.size());
    const auto first = skipped.begin() + std::min(count, shown);
    QString text =
        QCoreApplication::translate("Analysis", "Entries left out, not counted as choices:") +
        u'\n' + skippedEntriesText({skipped.begin(), first}, names);
    if (count > shown)
        text +=
            u'\n' + QCoreApplication::translate("Analysis", "and %n more.", nullptr, count - shown);
    return text;
}
