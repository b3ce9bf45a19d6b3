// Tidy on fixed slots (Circle, Square). Only the assignment of labels to slots
// changes, so whatever depends on slots alone is worked out once: the labels a line
// between two slots runs under, the labels over a marker, and which slot pairs cross.
// A swap of two labels is then scored from the lines at those two labels only.

#include "tidy.h"
#include "tidysupport.h"

#include "annealing.h"

#include <cmath>
#include <cstdint>
#include <numeric>

namespace Layout {

using namespace TidySupport;

namespace {

using Bits = std::uint64_t;

class SlotTables {
public:
    SlotTables(const std::vector<QPointF>& slots, int count, QSizeF label);

    int pair(int i, int j) const
    {
        if (i > j)
            std::swap(i, j);
        return rowStart[i] + j - i - 1;
    }
    int under(int i, int j) const { return underLine[pair(i, j)]; }
    int overMarker(int from, int to) const { return markerCover[from * (n + 1) + to]; }
    const Bits* crossRow(int p) const { return crossing.data() + static_cast<size_t>(p) * words; }

    int n = 0;
    int words = 0;
    int overlaps = 0;

private:
    std::vector<int> rowStart;
    std::vector<int> underLine;   // per slot pair
    std::vector<int> markerCover; // per (from, to) slot
    std::vector<Bits> crossing;   // per slot pair, a bit per slot pair it crosses
};

SlotTables::SlotTables(const std::vector<QPointF>& slots, int count, QSizeF label)
    : n(count), rowStart(n + 1, 0), markerCover((n + 1) * (n + 1), 0)
{
    const double w = label.width(), h = label.height();
    const auto x = [&](int s) { return slots[s].x(); };
    const auto y = [&](int s) { return slots[s].y(); };
    for (int i = 1; i < n; ++i)
        rowStart[i + 1] = rowStart[i] + (n - i);
    const int pairs = n * (n - 1) / 2;
    words = (pairs + 63) / 64;
    underLine.assign(pairs, 0);
    crossing.assign(static_cast<size_t>(pairs) * words, 0);
    std::vector<int> first(pairs), second(pairs);
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            const int p = pair(i, j);
            first[p] = i;
            second[p] = j;
            overlaps += squaresOverlap(x(i), y(i), x(j), y(j), w, h);
            for (int k = 1; k <= n; ++k)
                underLine[p] += k != i && k != j &&
                                segmentUnderSquare(x(i) + w / 2, y(i) + h / 2, x(j) + w / 2,
                                                   y(j) + h / 2, x(k), y(k), w, h);
        }
    }
    for (int from = 1; from <= n; ++from) {
        for (int to = 1; to <= n; ++to) {
            if (from == to)
                continue;
            const double px = Shared::markerAt(x(from) + w / 2, x(to) + w / 2);
            const double py = Shared::markerAt(y(from) + h / 2, y(to) + h / 2);
            for (int k = 1; k <= n; ++k)
                markerCover[from * (n + 1) + to] += insideSquare(px, py, x(k), y(k), w, h);
        }
    }
    for (int p = 0; p < pairs; ++p) {
        const int a = first[p], b = second[p];
        for (int q = p + 1; q < pairs; ++q) {
            const int c = first[q], d = second[q];
            if (a == c || a == d || b == c || b == d)
                continue;
            if (segmentsCross(x(a), y(a), x(b), y(b), x(c), y(c), x(d), y(d))) {
                crossing[static_cast<size_t>(p) * words + q / 64] |= Bits{1} << (q % 64);
                crossing[static_cast<size_t>(q) * words + p / 64] |= Bits{1} << (p % 64);
            }
        }
    }
}

class SlotSearch {
    const SlotTables& t;
    const ChoiceGraph& g;

public:
    SlotSearch(const SlotTables& tables, const ChoiceGraph& graph)
        : t(tables), g(graph), slotOf(tables.n + 1), used(tables.words, 0), ties(tables.n + 1)
    {
        for (const ChoiceGraph::Line& line : g.lines) {
            ties[line.a].push_back({line.b, line.ab, line.ba});
            ties[line.b].push_back({line.a, line.ba, line.ab});
        }
    }

    void assign(const std::vector<int>& slots)
    {
        slotOf = slots;
        std::fill(used.begin(), used.end(), 0);
        score = {t.overlaps, 0, 0, 0};
        for (const ChoiceGraph::Line& line : g.lines) {
            const int sa = slotOf[line.a], sb = slotOf[line.b];
            score.linesUnderLabels += t.under(sa, sb);
            score.markersUnderLabels +=
                line.ab * t.overMarker(sa, sb) + line.ba * t.overMarker(sb, sa);
            score.crossings += placeLine(t.pair(sa, sb));
        }
    }

    // Swaps the slots of a and b when the picture gets no worse; a worse crossing count
    // is taken now and then while the temperature is up, to climb out of a dip.
    bool trySwap(int a, int b, double temperature, Random& random)
    {
        int lines = 0, markers = 0;
        local(a, 0, -1, lines, markers);
        local(b, a, -1, lines, markers);
        std::swap(slotOf[a], slotOf[b]);
        local(a, 0, 1, lines, markers);
        local(b, a, 1, lines, markers);
        if (lines > 0 || (lines == 0 && markers > 0)) {
            std::swap(slotOf[a], slotOf[b]);
            return false;
        }
        saved = used;
        std::swap(slotOf[a], slotOf[b]);
        int crossings = -moveLines(a, b, false);
        std::swap(slotOf[a], slotOf[b]);
        crossings += moveLines(a, b, true);
        if (lines == 0 && markers == 0 && crossings > 0 &&
            crossings > Shared::allowance(temperature, random)) {
            used.swap(saved);
            std::swap(slotOf[a], slotOf[b]);
            return false;
        }
        score.linesUnderLabels += lines;
        score.markersUnderLabels += markers;
        score.crossings += crossings;
        return true;
    }

    PictureScore score;
    std::vector<int> slotOf;

private:
    struct Tie {
        int other, out, in;
    };

    void local(int x, int skip, int sign, int& lines, int& markers) const
    {
        const int sx = slotOf[x];
        for (const Tie& tie : ties[x]) {
            if (tie.other == skip)
                continue;
            const int so = slotOf[tie.other];
            lines += sign * t.under(sx, so);
            markers += sign * (tie.out * t.overMarker(sx, so) + tie.in * t.overMarker(so, sx));
        }
    }

    // Crossings of the line on slot pair p with the lines in place, then puts it in place.
    int placeLine(int p)
    {
        const Bits* row = t.crossRow(p);
        int count = 0;
        for (int k = 0; k < t.words; ++k)
            count += bitCount(row[k] & used[k]);
        used[p / 64] |= Bits{1} << (p % 64);
        return count;
    }
    int liftLine(int p)
    {
        used[p / 64] &= ~(Bits{1} << (p % 64));
        const Bits* row = t.crossRow(p);
        int count = 0;
        for (int k = 0; k < t.words; ++k)
            count += bitCount(row[k] & used[k]);
        return count;
    }

    // Lifts (or places) every line at a or b one by one, so that a crossing between two
    // of them is counted once. The line a-b keeps its slot pair and stays put.
    int moveLines(int a, int b, bool place)
    {
        int count = 0;
        for (int x : {a, b}) {
            for (int index : g.linesOf[x]) {
                const ChoiceGraph::Line& line = g.lines[index];
                if ((line.a == a && line.b == b) || (line.a == b && line.b == a))
                    continue;
                const int p = t.pair(slotOf[line.a], slotOf[line.b]);
                count += place ? placeLine(p) : liftLine(p);
            }
        }
        return count;
    }

    std::vector<Bits> used, saved; // a bit per slot pair that holds a line
    std::vector<std::vector<Tie>> ties;
};

// The slots in their order around the picture, as the eye follows the frame.
std::vector<int> slotsAround(const std::vector<QPointF>& slots, int n)
{
    double cx = 0, cy = 0;
    for (int s = 1; s <= n; ++s) {
        cx += slots[s].x() / n;
        cy += slots[s].y() / n;
    }
    std::vector<double> angle(n + 1, 0);
    for (int s = 1; s <= n; ++s) {
        angle[s] = std::atan2(slots[s].x() - cx, cy - slots[s].y());
        if (!std::isfinite(angle[s]))
            angle[s] = 0;
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return angle[a] < angle[b]; });
    return order;
}

} // namespace

std::vector<QPointF> tidyOnSlots(const std::vector<QPointF>& slots, int n,
                                 const std::vector<Choice>& choices, QSizeF label)
{
    n = std::clamp(n, 0, std::max(0, static_cast<int>(slots.size()) - 1));
    std::vector<QPointF> result(slots.begin(),
                                slots.begin() + std::min<size_t>(slots.size(), n + 1));
    if (n < 3)
        return result;
    const ChoiceGraph graph(n, choices);
    const SlotTables tables(slots, n, label);
    SlotSearch search(tables, graph);

    // Start from the better of the slots as given and the chain of friends laid around
    // the frame, tried from every slot and in both directions.
    std::vector<int> start(n + 1);
    std::iota(start.begin(), start.end(), 0);
    search.assign(start);
    PictureScore startScore = search.score;
    const std::vector<int> around = slotsAround(slots, n);
    const std::vector<int> chain = chainOrder(graph);
    std::vector<int> trial(n + 1, 0);
    for (int direction : {1, -1}) {
        for (int shift = 0; shift < n; ++shift) {
            for (int k = 0; k < n; ++k)
                trial[chain[k]] = around[((direction * k + shift) % n + n) % n];
            search.assign(trial);
            if (search.score < startScore) {
                startScore = search.score;
                start = trial;
            }
        }
    }

    search.assign(start);
    std::vector<int> best = start;
    Random random(0x5eed0001u + static_cast<unsigned>(n));
    Shared::anneal(
        searchRounds(graph, 600000, 300, 1500),
        [&](double temperature) {
            const int a = 1 + random.below(n);
            const int b = 1 + random.below(n - 1);
            return search.trySwap(a, b >= a ? b + 1 : b, temperature, random);
        },
        [&] { return search.score; }, [&] { best = search.slotOf; });
    for (int s = 1; s <= n; ++s)
        result[s] = slots[best[s]];
    return result;
}

} // namespace Layout
