#include "choiceset.h"

#include <QCoreApplication>

#include "choicegrid.h"
#include "numbers.h"
#include "store.h"

#include <algorithm>
#include <cmath>
#include <optional>

bool ChoiceSet::has(Criterion c) const
{
    if (criterionType == Codes::CriterionType::Both)
        return true;
    return criterionType == static_cast<int>(c);
}

const std::vector<Choice>& ChoiceSet::of(Criterion c) const
{
    return c == Criterion::Positive ? positive : negative;
}

std::vector<Choice>& ChoiceSet::of(Criterion c)
{
    return c == Criterion::Positive ? positive : negative;
}

ChoiceSet emptyChoiceSet(int groupSize, int maxChoices, int criterionType)
{
    ChoiceSet set;
    set.groupSize = groupSize;
    set.maxChoices = maxChoices;
    set.criterionType = criterionType;
    return set;
}

namespace {

// A whole number read the way cells are saved, or nothing when the reading has a
// fraction or does not fit an int.
std::optional<int> wholeReading(const QString& text)
{
    const double v = Numbers::leadingValue(text);
    if (!std::isfinite(v) || v != std::floor(v) || std::fabs(v) > 1e9)
        return std::nullopt;
    return static_cast<int>(v);
}

// Collects the sound choices of one criterion, skipping the rest with a reason.
class ChoiceCollector {
public:
    ChoiceCollector(Criterion c, int groupSize, std::vector<SkippedEntry>* skipped)
        : criterion(c), size(groupSize), skippedOut(skipped),
          named(static_cast<std::size_t>(std::max(groupSize, 0) + 1) *
                    static_cast<std::size_t>(std::max(groupSize, 0) + 1),
                false)
    {
    }

    void add(int chooser, int slot, const QString& text)
    {
        if (text.trimmed().isEmpty())
            return;
        const std::optional<int> chosen = wholeReading(text);
        if (!chosen || *chosen < 1 || *chosen > size) {
            // A cell reading 0 or nothing numeric is saved as no answer at all; it is
            // still worth telling, since the user typed something there.
            skip(chooser, slot, text, SkipReason::NotASubject);
            return;
        }
        if (*chosen == chooser) {
            skip(chooser, slot, text, SkipReason::SelfChoice);
            return;
        }
        std::vector<bool>::reference seen = named[index(chooser, *chosen)];
        if (seen) {
            skip(chooser, slot, text, SkipReason::Repeated);
            return;
        }
        seen = true;
        choices.push_back({chooser, *chosen, criterion, slot});
    }

    void skip(int chooser, int slot, const QString& text, SkipReason reason)
    {
        if (skippedOut)
            skippedOut->push_back({criterion, chooser, slot, text, reason});
    }

    bool isSubject(int s) const { return s >= 1 && s <= size; }
    std::vector<Choice> take() { return std::move(choices); }

private:
    std::size_t index(int chooser, int chosen) const
    {
        return static_cast<std::size_t>(chooser) * static_cast<std::size_t>(size + 1) +
               static_cast<std::size_t>(chosen);
    }

    Criterion criterion;
    int size;
    std::vector<SkippedEntry>* skippedOut;
    std::vector<bool> named;
    std::vector<Choice> choices;
};

} // namespace

std::vector<Choice> choicesFromGrid(const ChoiceGrid& grid, Criterion criterion,
                                    std::vector<SkippedEntry>* skipped)
{
    const int groupSize = std::max(grid.Rows() - ChoiceGrid::FixedRows, 0);
    ChoiceCollector collector(criterion, groupSize, skipped);
    for (int row = ChoiceGrid::FixedRows; row < grid.Rows(); ++row) {
        const int chooser = row - 1;
        for (int col = ChoiceGrid::FixedCols; col < grid.Cols(); ++col)
            collector.add(chooser, col, grid.TextMatrix(row, col));
    }
    return collector.take();
}

std::vector<Choice> choicesFromAnswers(const std::vector<AnswerRow>& rows, Criterion criterion,
                                       int groupSize, int maxChoices,
                                       std::vector<SkippedEntry>* skipped)
{
    ChoiceCollector collector(criterion, groupSize, skipped);
    for (const AnswerRow& row : rows) {
        const std::optional<int> type = wholeReading(row.answerType.toString());
        if (!type || *type != static_cast<int>(criterion))
            continue;
        const std::optional<int> individual = wholeReading(row.individual.toString());
        const std::optional<int> slot = wholeReading(row.choice.toString());
        const QString answer = row.answer.toString();
        const int chooser = individual ? *individual - 1 : 0;
        if (!collector.isSubject(chooser) || !slot || *slot < 1 || *slot > maxChoices) {
            collector.skip(chooser, slot.value_or(0), answer, SkipReason::OutsideGrid);
            continue;
        }
        collector.add(chooser, *slot, answer);
    }
    std::vector<Choice> choices = collector.take();
    // Stored rows come in no particular order; choices read better by chooser and slot.
    std::stable_sort(choices.begin(), choices.end(), [](const Choice& a, const Choice& b) {
        return a.chooser != b.chooser ? a.chooser < b.chooser : a.slot < b.slot;
    });
    return choices;
}

ChoiceSet studyChoices(const ChoiceGrid& grid, int criterionType, Criterion inView,
                       const std::vector<AnswerRow>& stored)
{
    ChoiceSet set = emptyChoiceSet(std::max(grid.Rows() - ChoiceGrid::FixedRows, 0),
                                   std::max(grid.Cols() - ChoiceGrid::FixedCols, 0), criterionType);
    set.of(inView) = choicesFromGrid(grid, inView, &set.skipped);
    if (set.isBoth()) {
        const Criterion other =
            inView == Criterion::Positive ? Criterion::Negative : Criterion::Positive;
        set.of(other) =
            choicesFromAnswers(stored, other, set.groupSize, set.maxChoices, &set.skipped);
    }
    return set;
}

QString skipReasonText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::NotASubject:
        return QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "not a subject number"));
    case SkipReason::SelfChoice:
        return QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "a subject choosing themselves"));
    case SkipReason::Repeated:
        return QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "the same subject named twice"));
    case SkipReason::OutsideGrid:
        return QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "outside the grid"));
    }
    return {};
}

QString criterionName(Criterion c)
{
    return c == Criterion::Positive ? QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Positive"))
                                    : QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Negative"));
}
