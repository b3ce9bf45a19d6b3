#pragma once
// The order of the pupils round the frame of the Circle or the Square as the slot search
// sees it, and the search itself. Internal to the layout library.

#include "cyclicorder.h"

#include <QPointF>
#include <QSizeF>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace Layout::TidySupport {

// The order round the frame as the search sees it: which places a line between two
// places runs under is worked out once from the slots, so that a picture is counted from
// the order alone.
class SlotSearch {
public:
    SlotSearch(const ChoiceGraph& graph, const std::vector<QPointF>& placeAt, QSizeF label,
               const std::vector<std::vector<int>>& cliques)
        : g(graph), n(graph.n), under(n * n, 0), counter(graph), labelAt(n), placeOf(n + 1)
    {
        const double w = label.width(), h = label.height();
        for (int p = 0; p < n; ++p)
            for (int q = 0; q < n; ++q)
                for (int k = 0; k < n && p != q; ++k)
                    if (k != p && k != q &&
                        lineUnderLabel(placeAt[p].x() + w / 2, placeAt[p].y() + h / 2,
                                       placeAt[q].x() + w / 2, placeAt[q].y() + h / 2,
                                       placeAt[k].x(), placeAt[k].y(), w, h))
                        under[p * n + q] |= std::uint64_t{1} << k;
        for (const std::vector<int>& clique : cliques)
            if (clique.size() >= 3 && clique.size() <= 5)
                this->cliques.push_back(clique);
    }

    // Subjects by place round the frame.
    void assign(const std::vector<int>& order)
    {
        labelAt = order;
        for (int k = 0; k < n; ++k)
            placeOf[labelAt[k]] = k;
    }
    const std::vector<int>& order() const { return labelAt; }

    int linesUnder() const
    {
        if (routed) // they go round the frame instead
            return 0;
        int count = 0;
        for (const ChoiceGraph::Line& line : g.lines)
            for (std::uint64_t m = under[placeOf[line.a] * n + placeOf[line.b]]; m != 0; m &= m - 1)
                count += !g.excused(line.a, line.b, labelAt[std::countr_zero(m)]);
        return count;
    }
    int crossings() { return routed ? crossingsAsDrawn() : counter.count(labelAt); }
    // Lines that would run under a label go outside the frame (lineroutes.h): two lines
    // cross only where their ends interleave and both run on the same side.
    void routeOutside() { routed = true; }
    int crossingsAsDrawn() const
    {
        // The second ends of each side's lines by their first end (a pair of places is one
        // line at most).
        std::array<std::array<std::uint64_t, 64>, 2> toOf{};
        for (const ChoiceGraph::Line& line : g.lines) {
            const int p = placeOf[line.a], q = placeOf[line.b];
            bool outside = false;
            for (std::uint64_t m = under[p * n + q]; m != 0 && !outside; m &= m - 1)
                outside = !g.excused(line.a, line.b, labelAt[std::countr_zero(m)]);
            toOf[outside][std::size_t(std::min(p, q))] |= std::uint64_t{1} << std::max(p, q);
        }
        // Chords cross where their ends interleave: taken by their first end, a line crosses
        // each earlier one of its side whose second end lies strictly between its own ends.
        std::array<std::array<int, 64>, 2> ends{};
        int count = 0;
        for (int side = 0; side < 2; ++side)
            for (int from = 0; from < n; ++from) {
                const std::uint64_t to = toOf[std::size_t(side)][std::size_t(from)];
                for (std::uint64_t m = to; m != 0; m &= m - 1)
                    for (int k = from + 1; k < std::countr_zero(m); ++k)
                        count += ends[std::size_t(side)][std::size_t(k)];
                for (std::uint64_t m = to; m != 0; m &= m - 1)
                    ++ends[std::size_t(side)][std::size_t(std::countr_zero(m))];
            }
        return count;
    }

    // Members on consecutive places, one other allowed in a clique of five.
    bool cliquesKept() const
    {
        for (const std::vector<int>& clique : cliques) {
            std::uint64_t taken = 0;
            for (int s : clique)
                taken |= std::uint64_t{1} << placeOf[s];
            int widest = 0, gap = 0;
            for (int k = 0; k < 2 * n; ++k) {
                gap = (taken >> (k % n)) & 1 ? 0 : gap + 1;
                widest = std::max(widest, gap);
            }
            const int allowed = static_cast<int>(clique.size()) + (clique.size() == 5);
            if (n - std::min(widest, n) > allowed)
                return false;
        }
        for (const std::vector<int>& group : groups)
            if (spanOf(group) > static_cast<int>(group.size()))
                return false;
        return true;
    }
    // Each of `together` on consecutive places, none between.
    void keepGroups(const std::vector<std::vector<int>>& together) { groups = together; }
    // Pupils who chose each other (a clique seats its own): the search puts them on
    // neighbouring places where that costs few crossings.
    void keepPairsNear(const std::vector<std::pair<int, int>>& mutual) { pairs = mutual; }
    int pairsApart() const
    {
        int apart = 0;
        for (const auto& [a, b] : pairs) {
            const int d = std::abs(placeOf[a] - placeOf[b]);
            apart += d != 1 && d != n - 1;
        }
        return apart;
    }

    // A swap, a run of up to five carried elsewhere, or a run turned round.
    void shake(Random& random)
    {
        const int kind = random.below(10);
        if (kind < 3) {
            const int p = random.below(n), q = random.below(n - 1);
            std::swap(labelAt[p], labelAt[q >= p ? q + 1 : q]);
        } else if (kind < 8) {
            const int length = 1 + random.below(std::min(5, n - 1));
            const int p = random.below(n - length + 1), q = random.below(n - length + 1);
            auto b = labelAt.begin();
            if (q > p)
                std::rotate(b + p, b + p + length, b + q + length);
            else
                std::rotate(b + q, b + p, b + p + length);
        } else {
            const int length = 2 + random.below(std::min(7, n - 1));
            const int p = random.below(n - length + 1);
            std::reverse(labelAt.begin() + p, labelAt.begin() + p + length);
        }
        for (int k = 0; k < n; ++k)
            placeOf[labelAt[k]] = k;
    }

private:
    const ChoiceGraph& g;
    int n;
    std::vector<std::uint64_t> under; // per pair of places, the places it runs under
    CrossingCounter counter;
    std::vector<int> labelAt, placeOf;
    std::vector<std::vector<int>> cliques, groups;
    std::vector<std::pair<int, int>> pairs;
    bool routed = false;

    // The fewest consecutive places round the frame that hold all of `members`.
    int spanOf(const std::vector<int>& members) const
    {
        std::uint64_t taken = 0;
        for (int s : members)
            taken |= std::uint64_t{1} << placeOf[s];
        int widest = 0, gap = 0;
        for (int k = 0; k < 2 * n; ++k) {
            gap = (taken >> (k % n)) & 1 ? 0 : gap + 1;
            widest = std::max(widest, gap);
        }
        return n - std::min(widest, n);
    }
};

// The order searched for fewer lines under labels, crossings next (a pair apart weighed
// as a few crossings) and never above `most`.
std::vector<int> searchOrder(SlotSearch& search, const std::vector<int>& start, int most,
                             int rounds, Random& random);

} // namespace Layout::TidySupport
