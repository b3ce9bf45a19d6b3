#include "tidyscene.h"

#include "annealing.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <utility>

namespace Layout::TidySupport {

TidyScene::TidyScene(const ChoiceGraph& graph, QSizeF label, const std::vector<QPointF>& leftTop)
    : g(graph), n(graph.n), w(label.width()), h(label.height()), left(n + 1, 0), top(n + 1, 0),
      x0(g.lines.size()), y0(g.lines.size()), x1(g.lines.size()), y1(g.lines.size()),
      endA(g.lines.size()), endB(g.lines.size()), mx(g.markers.size()), my(g.markers.size()),
      movedLabel(n + 1, 0), touchedMarker(g.markers.size(), 0), rank(g.lines.size(), Untouched),
      words(n / 64 + 1), under(g.lines.size() * static_cast<size_t>(words), 0), cover(n + 1, 0)
{
    for (size_t line = 0; line < g.lines.size(); ++line) {
        endA[line] = g.lines[line].a;
        endB[line] = g.lines[line].b;
    }
    std::vector<int> everyone(n);
    std::iota(everyone.begin(), everyone.end(), 1);
    std::vector<QPointF> at(n);
    for (int s = 1; s <= n; ++s)
        at[s - 1] = leftTop[s];
    moved = everyone;
    mark(everyone, true);
    place(everyone, at);
    keepLinesUnder();
    total = {.overlaps = overlapsNear(),
             .linesUnderLabels = linesUnderBefore(),
             .markersUnderLabels = markersUnderNear(),
             .crossings = 0};
    mark(everyone, false);
    moved.clear();
}

std::vector<QPointF> TidyScene::positions() const
{
    std::vector<QPointF> result(n + 1);
    for (int s = 1; s <= n; ++s)
        result[s] = position(s);
    return result;
}

void TidyScene::mark(const std::vector<int>& labels, bool on)
{
    for (int s : labels)
        movedLabel[s] = on;
    for (int s : labels) {
        for (int line : g.linesOf[s]) {
            if (on && rank[line] == Untouched) {
                rank[line] = static_cast<int>(lines.size());
                lines.push_back(line);
            } else if (!on) {
                rank[line] = Untouched;
            }
        }
        for (int marker : g.markersOf[s]) {
            if (on && !touchedMarker[marker])
                markers.push_back(marker);
            touchedMarker[marker] = on;
        }
    }
    if (!on) {
        lines.clear();
        markers.clear();
    }
}

void TidyScene::place(const std::vector<int>& labels, const std::vector<QPointF>& to)
{
    for (size_t k = 0; k < labels.size(); ++k) {
        left[labels[k]] = to[k].x();
        top[labels[k]] = to[k].y();
    }
    for (int line : lines) {
        x0[line] = left[endA[line]] + w / 2;
        y0[line] = top[endA[line]] + h / 2;
        x1[line] = left[endB[line]] + w / 2;
        y1[line] = top[endB[line]] + h / 2;
    }
    // The same sums as the picture score, so that the counts agree to the last bit.
    for (int marker : markers) {
        const ChoiceGraph::Marker& m = g.markers[marker];
        mx[marker] = Shared::markerAt(left[m.chooser] + w / 2, left[m.chosen] + w / 2);
        my[marker] = Shared::markerAt(top[m.chooser] + h / 2, top[m.chosen] + h / 2);
    }
}

int TidyScene::overlapsNear() const
{
    int count = 0;
    for (int s : moved)
        for (int k = 1; k <= n; ++k)
            if (k != s && !(movedLabel[k] && k < s))
                count += squaresOverlap(left[s], top[s], left[k], top[k], w, h);
    return count;
}

int TidyScene::linesUnderBefore() const
{
    int count = 0;
    for (int line : lines) {
        const std::uint64_t* row = &under[static_cast<size_t>(line) * words];
        for (int k = 0; k < words; ++k)
            count += bitCount(row[k]);
        for (int s : moved)
            count -= static_cast<int>((row[s / 64] >> (s % 64)) & 1);
    }
    for (int s : moved)
        count += cover[s];
    return count;
}

// Stops as soon as the count passes `limit`: the move is then turned down anyway.
int TidyScene::linesUnderAfter(int limit) const
{
    int count = 0;
    for (int line : lines) {
        const int a = endA[line], b = endB[line];
        const double ax = x0[line], ay = y0[line], bx = x1[line], by = y1[line];
        for (int k = 1; k <= n; ++k)
            count += (k != a) & (k != b) & !g.excused(a, b, k) &
                     lineUnderLabel(ax, ay, bx, by, left[k], top[k], w, h);
        if (count > limit)
            return count;
    }
    for (int s : moved) {
        const double sx = left[s], sy = top[s];
        for (size_t line = 0; line < g.lines.size(); ++line)
            count += (rank[line] == Untouched) & !g.excused(endA[line], endB[line], s) &
                     lineUnderLabel(x0[line], y0[line], x1[line], y1[line], sx, sy, w, h);
        if (count > limit)
            return count;
    }
    return count;
}

void TidyScene::keepLinesUnder()
{
    // The count per label follows the bits that change, so that a move costs only what
    // it touches.
    const auto set = [&](size_t line, int k, bool on) {
        std::uint64_t& word = under[line * words + static_cast<size_t>(k / 64)];
        const std::uint64_t bit = std::uint64_t{1} << (k % 64);
        cover[k] += static_cast<int>(on) - static_cast<int>((word & bit) != 0);
        word = on ? word | bit : word & ~bit;
    };
    for (int line : lines)
        for (int k = 1; k <= n; ++k)
            set(line, k,
                k != endA[line] && k != endB[line] && !g.excused(endA[line], endB[line], k) &&
                    lineUnderLabel(x0[line], y0[line], x1[line], y1[line], left[k], top[k], w, h));
    for (int s : moved)
        for (size_t line = 0; line < g.lines.size(); ++line)
            if (rank[line] == Untouched)
                set(line, s,
                    !g.excused(endA[line], endB[line], s) &&
                        lineUnderLabel(x0[line], y0[line], x1[line], y1[line], left[s], top[s], w,
                                       h));
}

int TidyScene::markersUnderNear() const
{
    int count = 0;
    for (int marker : markers) {
        const double px = mx[marker], py = my[marker];
        for (int k = 1; k <= n; ++k)
            count += insideSquare(px, py, left[k], top[k], w, h);
    }
    for (int s : moved) {
        const double sx = left[s], sy = top[s];
        for (size_t marker = 0; marker < g.markers.size(); ++marker)
            count += !touchedMarker[marker] & insideSquare(mx[marker], my[marker], sx, sy, w, h);
    }
    return count;
}

// Stops as soon as the count passes `limit`.
int TidyScene::crossingsNear(int limit) const
{
    int count = 0;
    const int all = static_cast<int>(g.lines.size());
    for (int k = 0; k < static_cast<int>(lines.size()); ++k) {
        const int e = lines[k];
        const int a = endA[e], b = endB[e];
        const double ax = x0[e], ay = y0[e], bx = x1[e], by = y1[e];
        // Each moved line against the lines that stay put and the moved lines after it,
        // so that a pair is counted once; plain enough for the compiler to vectorise.
        for (int f = 0; f < all; ++f) {
            const bool apart =
                (endA[f] != a) & (endA[f] != b) & (endB[f] != a) & (endB[f] != b) & (rank[f] > k);
            count += apart & segmentsCross(ax, ay, bx, by, x0[f], y0[f], x1[f], y1[f]);
        }
        if (count > limit)
            return count;
    }
    return count;
}

int TidyScene::pick(Random& random) const
{
    const int any = 1 + random.below(n);
    if (n > SmallClass || total.linesUnderLabels == 0 || random.below(4) == 0)
        return any;
    std::vector<int> troubled;
    for (int s = 1; s <= n; ++s)
        if (cover[s] > 0)
            troubled.push_back(s);
    for (size_t line = 0; line < g.lines.size(); ++line)
        for (int k = 0; k < words; ++k)
            if (under[line * words + static_cast<size_t>(k)] != 0) {
                troubled.push_back(endA[line]);
                troubled.push_back(endB[line]);
                break;
            }
    return troubled.empty() ? any : troubled[random.below(static_cast<int>(troubled.size()))];
}

std::vector<int> TidyScene::troubled() const
{
    std::vector<char> mark(n + 1, 0);
    for (int s = 1; s <= n; ++s)
        mark[s] = cover[s] > 0;
    for (size_t line = 0; line < g.lines.size(); ++line)
        for (int k = 0; k < words; ++k)
            if (under[line * words + static_cast<size_t>(k)] != 0)
                mark[endA[line]] = mark[endB[line]] = 1;
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (squaresOverlap(left[i], top[i], left[j], top[j], w, h))
                mark[i] = mark[j] = 1;
    std::vector<int> labels;
    for (int s = 1; s <= n; ++s)
        if (mark[s])
            labels.push_back(s);
    return labels;
}

void TidyScene::limitCrossings(int most)
{
    std::vector<int> everyone(n);
    std::iota(everyone.begin(), everyone.end(), 1);
    moved = everyone;
    mark(everyone, true);
    // Every line is among those marked, each pair counted once by its ranks.
    total.crossings = crossingsNear(INT_MAX);
    mark(everyone, false);
    moved.clear();
    crossingLimit = std::max(most, total.crossings);
}

bool TidyScene::tryMove(const std::vector<int>& labels, const std::vector<QPointF>& to,
                        double temperature, bool sideways, Random& random)
{
    std::vector<QPointF> from(labels.size());
    for (size_t k = 0; k < labels.size(); ++k)
        from[k] = position(labels[k]);
    moved = labels;
    mark(labels, true);
    Verdict verdict;
    const PictureScore delta = judgeMove(labels, from, to, temperature, sideways, random, verdict);
    const bool take = !verdict.refused && (delta != PictureScore{} || sideways);
    if (take)
        keep(labels, to, delta, verdict.better && crossingLimit < 0);
    mark(labels, false);
    moved.clear();
    return take;
}

int TidyScene::Verdict::judge(int change)
{
    refused = !better && change > 0;
    better = better || change < 0;
    return change;
}

// Each aim is counted before and after, the highest first; a move that spoils an aim while
// the higher ones are even is refused there and then.
PictureScore TidyScene::judgeMove(const std::vector<int>& labels, const std::vector<QPointF>& from,
                                  const std::vector<QPointF>& to, double temperature, bool sideways,
                                  Random& random, Verdict& verdict)
{
    PictureScore delta;
    {
        const int before = overlapsNear();
        place(labels, to);
        delta.overlaps = verdict.judge(overlapsNear() - before);
        place(labels, from);
    }
    if (!verdict.refused)
        delta.linesUnderLabels =
            linesUnderChange(labels, from, to, temperature, sideways, random, verdict);
    if (!verdict.refused) {
        const int before = markersUnderNear();
        place(labels, to);
        delta.markersUnderLabels = verdict.judge(markersUnderNear() - before);
        place(labels, from);
    }
    // Crossings only choose between pictures even on every higher aim, or hold a move to
    // the limit. The chance of taking a few more is drawn first, so that the count can
    // stop once past it.
    if (!verdict.refused && (!verdict.better || crossingLimit >= 0))
        verdict.refused = tooManyCrossings(labels, from, to, verdict.better, temperature, random,
                                           delta.crossings);
    return delta;
}

// The move's change in lines under labels. While that aim is warmed, a move even on the
// higher aims may lose a few; a loss within that slack is taken like an even move, so that
// the lower aims still choose.
int TidyScene::linesUnderChange(const std::vector<int>& labels, const std::vector<QPointF>& from,
                                const std::vector<QPointF>& to, double temperature, bool sideways,
                                Random& random, Verdict& verdict)
{
    const int before = linesUnderBefore();
    const int slack = sideways && !verdict.better && linesUnderHeat > 0
                          ? Shared::allowance(temperature * linesUnderHeat, random)
                          : 0;
    place(labels, to);
    const int change = linesUnderAfter(verdict.better ? INT_MAX : before + slack) - before;
    place(labels, from);
    return change > 0 && change <= slack ? change : verdict.judge(change);
}

// Counts the move's change in crossings into `change`; whether it adds more than allowed:
// any number after a move that bettered a higher aim, a few now and then while the
// temperature is up, and never past the limit.
bool TidyScene::tooManyCrossings(const std::vector<int>& labels, const std::vector<QPointF>& from,
                                 const std::vector<QPointF>& to, bool better, double temperature,
                                 Random& random, int& change)
{
    int allowed = better ? INT_MAX / 2 : Shared::allowance(temperature, random);
    if (crossingLimit >= 0)
        allowed = std::min(allowed, crossingLimit - total.crossings);
    const int before = crossingsNear(INT_MAX);
    place(labels, to);
    change = crossingsNear(before + std::max(allowed, 0)) - before;
    place(labels, from);
    return change > allowed;
}

// Puts the labels where the move takes them and adds its changes to the score; a move that
// bettered a higher aim starts the count of crossings afresh when they are not limited.
void TidyScene::keep(const std::vector<int>& labels, const std::vector<QPointF>& to,
                     const PictureScore& delta, bool crossingsAfresh)
{
    place(labels, to);
    keepLinesUnder();
    total.overlaps += delta.overlaps;
    total.linesUnderLabels += delta.linesUnderLabels;
    total.markersUnderLabels += delta.markersUnderLabels;
    total.crossings = crossingsAfresh ? 0 : total.crossings + delta.crossings;
}

} // namespace Layout::TidySupport
