#pragma once
// The pieces shared by the picture score and the Tidy searches: the geometric tests,
// the choice graph as drawn. Internal to the layout
// library.

#include "picture.h"
#include "picturescore.h"
#include "random.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace Layout::TidySupport {

// Squares are open: labels that only touch along an edge do not hide each other.
inline bool squaresOverlap(double ax, double ay, double bx, double by, double w, double h)
{
    return (std::abs(ax - bx) < w) & (std::abs(ay - by) < h);
}

inline bool insideSquare(double px, double py, double left, double top, double w, double h)
{
    return (left < px) & (px < left + w) & (top < py) & (py < top + h);
}

// Whether the segment runs through the open square: it does unless the square's sides
// or the line itself separate them. A line that only grazes a corner or an edge leaves
// the caption readable and does not count. Written without branches, as it runs in the
// innermost loops of the search.
inline bool segmentUnderSquare(double x0, double y0, double x1, double y1, double left, double top,
                               double w, double h)
{
    const bool apartX = (std::max(x0, x1) <= left) | (std::min(x0, x1) >= left + w);
    const bool apartY = (std::max(y0, y1) <= top) | (std::min(y0, y1) >= top + h);
    const double nx = y0 - y1, ny = x1 - x0;
    const double offset = nx * (left + w / 2 - x0) + ny * (top + h / 2 - y0);
    const double reach = w / 2 * std::abs(nx) + h / 2 * std::abs(ny);
    return !apartX & !apartY & (std::abs(offset) < reach);
}

// A line grazing a label's edge or corner is not read as running under it: the label
// counts only where the line crosses its square shrunk by this much on every side.
constexpr double UnderMargin = 40;

inline bool lineUnderLabel(double x0, double y0, double x1, double y1, double left, double top,
                           double w, double h)
{
    return segmentUnderSquare(x0, y0, x1, y1, left + UnderMargin, top + UnderMargin,
                              w - 2 * UnderMargin, h - 2 * UnderMargin);
}

// Whether label s, put at `p`, stands clear of every other label in `at`.
inline bool clearOfOthers(const std::vector<QPointF>& at, int s, QPointF p, QSizeF label)
{
    for (int t = 1; t < static_cast<int>(at.size()); ++t)
        if (t != s &&
            squaresOverlap(p.x(), p.y(), at[t].x(), at[t].y(), label.width(), label.height()))
            return false;
    return true;
}

inline double orientation(double ax, double ay, double bx, double by, double cx, double cy)
{
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

// Only a true crossing: lines that touch, end on one another or run along one another
// are left to the lines-under-labels count. The products keep it free of branches.
inline bool segmentsCross(double ax, double ay, double bx, double by, double cx, double cy,
                          double dx, double dy)
{
    return (orientation(cx, cy, dx, dy, ax, ay) * orientation(cx, cy, dx, dy, bx, by) < 0) &
           (orientation(ax, ay, bx, by, cx, cy) * orientation(ax, ay, bx, by, dx, dy) < 0);
}

// Bits set in a word. Written out because std::popcount becomes a library call on
// processors without a popcount instruction, which the slot search feels.
inline int bitCount(std::uint64_t v)
{
    v = v - ((v >> 1) & 0x5555555555555555ULL);
    v = (v & 0x3333333333333333ULL) + ((v >> 2) & 0x3333333333333333ULL);
    v = (v + (v >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
    return static_cast<int>((v * 0x0101010101010101ULL) >> 56);
}

// The choices as the picture draws them.
struct ChoiceGraph {
    struct Line {
        int a = 0, b = 0;   // a < b
        int ab = 0, ba = 0; // markers: choices a->b and b->a
    };
    struct Marker {
        int chooser = 0, chosen = 0;
    };
    int n = 0;
    std::vector<Line> lines;
    std::vector<Marker> markers;
    std::vector<std::vector<int>> linesOf;   // per subject, the lines ending at it
    std::vector<std::vector<int>> markersOf; // per subject, the markers of its lines

    ChoiceGraph(int subjects, const std::vector<Choice>& choices);
    // Choices between the two, either way and under either criterion.
    int ties(int a, int b) const { return tieCount[a * (n + 1) + b]; }
    bool mutual(int a, int b) const { return mutualPositive[a * (n + 1) + b] != 0; }
    // A line between clique mates may run under a third mate: the clique sits together
    // and its lines read as one bundle.
    bool excused(int a, int b, int k) const { return mutual(a, b) & mutual(a, k) & mutual(b, k); }

private:
    std::vector<int> tieCount;
    std::vector<char> mutualPositive;
};

using Shared::Random;

// The long searches trade crossings for fewer lines under labels, but never above a little
// under four fifths of the crossings of the picture they must beat.
inline int crossingsCap(int crossings)
{
    return crossings * 78 / 100;
}

// Each search draws from a seed of its own and the class's size, so that the same input
// always gives the same picture.
enum class Search : unsigned { Slots = 1, Rings = 2, Free = 3 };
inline Random seededFor(Search search, int n)
{
    return Random(0x5eed0000u + static_cast<unsigned>(search) + static_cast<unsigned>(n));
}

// A class of at most this many pupils is cheap to search: its long search runs twice as
// long (up to the same cap) and aims most moves at the labels in a line under a label, as
// only a few such lines remain there and blind moves rarely meet them.
constexpr int SmallClass = 30;

// How many moves a search tries: a class with few choices is quick to score and gets
// more, so that every class takes about the same time.
inline int searchRounds(const ChoiceGraph& graph, int work, int fewest, int most)
{
    const int size = static_cast<int>(graph.lines.size() + graph.markers.size()) + graph.n;
    return graph.n * std::clamp(work / std::max(size, 1), fewest, most);
}

// The same for a search whose every move counts a moved label's lines against every
// line, so that a move costs as the square of the class's size.
inline int longSearchRounds(const ChoiceGraph& graph, double work, int fewest, int most)
{
    if (graph.n <= SmallClass)
        work *= 2;
    const double size = static_cast<double>(graph.lines.size() + graph.markers.size()) + graph.n;
    return graph.n * std::clamp(static_cast<int>(work / std::max(size * size, 1.0)), fewest, most);
}

// The label order that keeps friends together: each next label is the one most tied
// to the last few placed, so a clique comes out as a run.
std::vector<int> chainOrder(const ChoiceGraph& graph);

} // namespace Layout::TidySupport
