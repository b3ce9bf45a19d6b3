#pragma once
// The moves the user can take back: each drop and each Tidy is kept as the places it
// changed, before and after, so that Undo and Redo put the labels exactly where they
// stood (a Target drop keeps its snapped place without snapping again).

#include "arrangement.h"
#include "tidy.h"

#include <QUndoStack>
#include <functional>
#include <vector>

class MoveHistory : public QObject {
    Q_OBJECT
public:
    explicit MoveHistory(Arrangement& arrangement);

    // What the window's Undo and Redo commands act on.
    QUndoStack& stack() { return undo; }

    // Runs `move` and keeps the places it changed as one step named `text` ("Move of
    // Label 7"); a move that changed nothing is not kept.
    void record(const QString& text, const std::function<void()>& move);
    // A layout run afresh replaces every place: the moves kept no longer apply.
    void clear() { undo.clear(); }
    // Where the Target's rings stand, which a Tidy may widen: kept with each step, so
    // that an undone Tidy draws its guide circles and snaps drops where they were.
    using Rings = std::vector<Layout::RingRadius>;
    void trackRings(std::function<Rings()> read, std::function<void(const Rings&)> write)
    {
        readRings = std::move(read);
        writeRings = std::move(write);
    }

Q_SIGNALS:
    // Undo or Redo put labels back: the lines must follow them.
    void labelsMoved();

private:
    struct Place {
        float left = 0, top = 0; // LabelPos follows them
        bool operator==(const Place&) const = default;
    };
    using Places = std::array<std::optional<Place>, LabelSet::MaxIndex + 1>;
    class Step;

    Places places() const;
    void put(const std::vector<std::pair<int, Place>>& changes, const Rings& rings);

    Arrangement& arrangement;
    std::function<Rings()> readRings;
    std::function<void(const Rings&)> writeRings;
    QUndoStack undo;
};
