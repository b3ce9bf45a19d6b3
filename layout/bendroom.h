#pragma once
// The last step of Tidy on the Target and in the Random layout (roomToBend), as one scene of
// labels that step aside: where a line drawn round labels still runs under one (bendroom.cpp),
// and where a status mark finds no room beside a neighbour (bendmarks.cpp). Internal to the
// layout library.

#include "routescene.h"
#include "tidy.h"

#include <QLineF>
#include <QPointF>
#include <QSizeF>
#include <vector>

namespace Layout {

class BendRoom {
public:
    BendRoom(const std::vector<QPointF>& leftTop, const std::vector<Choice>& choices, QSizeF area,
             QSizeF label, const LabelRoom& room, bool onRings);

    // One pass over the lines still under a label; whether a step was taken.
    bool pass(int& budget);

    // One pass over the labels whose marks want room, each pair's labels stepping in turn,
    // first where no step enters another label's room, else where one must; whether a step
    // was taken. (A mark on a neighbour shows; a name's room entered often still leaves the
    // name another side.)
    bool clearMarks(int& budget);

    const std::vector<QPointF>& positions() const { return at; }

private:
    // What both kinds of step share (bendroom.cpp).
    Path drawnPath(int l) const;
    int drawnUnder(int l) const;
    bool together(const std::vector<int>& clique) const;
    bool roomInside(QPointF p) const;
    bool cliquesHeldAt(int k, QPointF p);
    // Label k moved from `was` to `to`, the lines it may touch routed again.
    void takeStep(int k, QPointF was, QPointF to);
    void place(int k, QPointF p);
    // The places label k may step to: round its ring, or aside in eight directions.
    std::vector<QPointF> stepsOf(int k) const;
    // The lines whose drawn path may change when label k moves from `was` to `now`.
    std::vector<int> touched(int k, QPointF was, QPointF now) const;
    bool near(const QLineF& line, QPointF p) const;
    int crossingsOf(int k) const;

    // The steps that free a line of the labels in its way (bendroom.cpp).
    //
    // Whether label k may stand at p: its room inside the area and clear of every other's,
    // and its cliques together still.
    bool allowed(int k, QPointF p);
    // Label k takes the step that leaves the drawn lines under fewest labels, if that is fewer
    // than now, frees line `aim` of a label and adds no more than a few crossings. `budget`
    // counts the lines routed.
    bool tryStepsOf(int k, int aim, int& budget);

    // The steps that give a status mark room (bendmarks.cpp).
    //
    // Whether the labels' marks find too little room between their squares: each mark keeps
    // clear of the other square, and two marks of each other.
    bool clash(int k, int t) const;
    int clashesOf(int k) const;
    // Label k takes the step that leaves its mark and its neighbours' the fewest clashes, if
    // fewer than now, no label on another, the drawn lines under no more labels and hardly a
    // crossing more; with `keepRooms`, no room round another label entered.
    bool stepClear(int k, bool keepRooms, int& budget);
    // The labels whose room (a name under its square, a mark round it) label k's square
    // enters at p, or whose square enters label k's room there.
    int roomsMet(int k, QPointF p) const;
    // As allowed, but where the marks clash the rooms round the labels met already: the
    // labels' squares are kept apart, and with `keepRooms` the step meets no more rooms.
    bool allowedForMark(int k, QPointF p, bool keepRooms);

    static constexpr int MoreCrossings = 2;

    Routing::Scene s;
    std::vector<QPointF> at;
    QSizeF area, label;
    LabelRoom room;
    bool onRings;
    std::vector<std::vector<int>> cliques; // those together to begin with
    std::vector<std::vector<int>> linesOf;
    std::vector<int> under; // per line, the labels its drawn path runs under
    double reach = 0;
};

} // namespace Layout
