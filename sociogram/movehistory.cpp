#include "movehistory.h"

#include <QUndoCommand>

class MoveHistory::Step : public QUndoCommand {
public:
    Step(MoveHistory& history, const QString& text) : history(history) { setText(text); }

    std::vector<std::pair<int, Place>> before, after;
    Rings ringsBefore, ringsAfter;

    void undo() override { history.put(before, ringsBefore); }
    void redo() override
    {
        // The first redo comes from the push, after the move itself has run.
        if (done)
            history.put(after, ringsAfter);
        done = true;
    }

private:
    MoveHistory& history;
    bool done = false;
};

MoveHistory::MoveHistory(Arrangement& arrangement) : arrangement(arrangement) {}

MoveHistory::Places MoveHistory::places() const
{
    Places all;
    for (int i = 1; i <= LabelSet::MaxIndex; ++i)
        if (const SubjectLabel* label = arrangement.labels().get(i))
            all[std::size_t(i)] = Place{label->Left, label->Top};
    return all;
}

void MoveHistory::record(const QString& text, const std::function<void()>& move)
{
    const Places was = places();
    const Rings ringsWere = readRings ? readRings() : Rings{};
    move();
    const Places is = places();
    auto step = std::make_unique<Step>(*this, text);
    step->ringsBefore = ringsWere;
    step->ringsAfter = readRings ? readRings() : Rings{};
    for (int i = 1; i <= LabelSet::MaxIndex; ++i) {
        const auto& a = was[std::size_t(i)];
        const auto& b = is[std::size_t(i)];
        // Moves neither create nor remove labels.
        if (a && b && !(*a == *b)) {
            step->before.emplace_back(i, *a);
            step->after.emplace_back(i, *b);
        }
    }
    if (!step->after.empty() || step->ringsBefore != step->ringsAfter)
        undo.push(step.release());
}

void MoveHistory::put(const std::vector<std::pair<int, Place>>& changes, const Rings& rings)
{
    if (writeRings)
        writeRings(rings);
    for (const auto& [i, place] : changes)
        arrangement.placeLabel(i, place.left, place.top);
    // Like a drop: the arrangement in view is no longer the stored one, whichever
    // way the user went.
    arrangement.setPositionsSaved(Global::False);
    Q_EMIT labelsMoved();
}
