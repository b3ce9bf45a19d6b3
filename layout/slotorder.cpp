// Tidy on fixed slots (Circle, Square). The order of the pupils round the frame decides
// nearly all: friends on neighbouring slots draw short lines that cross nothing, so the
// order starts from the circular crossing reduction with each clique on consecutive
// slots. A line that spans a few slots runs under the labels between (on a circle of
// forty, up to ten places apart), so tied pupils belong side by side or well apart:
// the order is then searched with lines under labels first and crossings next, cliques
// kept together, and the labels step in or out from the middle, which keeps the order,
// until no line runs under a label.

#include "cliques.h"
#include "cyclicorder.h"
#include "polish.h"
#include "tidy.h"

#include "annealing.h"

#include <QRectF>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <numeric>

namespace Layout {

using namespace TidySupport;

namespace {

// The slots in their order around the picture, as the eye follows the frame.
std::vector<int> slotsAround(const std::vector<QPointF>& slots, int n, QPointF centre)
{
    std::vector<double> angle(n + 1, 0);
    for (int s = 1; s <= n; ++s) {
        angle[s] = std::atan2(slots[s].x() - centre.x(), centre.y() - slots[s].y());
        if (!std::isfinite(angle[s]))
            angle[s] = 0;
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return angle[a] < angle[b]; });
    return order;
}

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

// The order searched for fewer lines under labels, crossings next and never above
// `most`; a loss is weighed as one line under a label or `Weight` crossings.
std::vector<int> searchOrder(SlotSearch& search, const std::vector<int>& start, int most,
                             int rounds, Random& random)
{
    constexpr int Weight = 1000;
    search.assign(start);
    struct Score {
        int under, crossings;
        auto operator<=>(const Score&) const = default;
    };
    Score now{search.linesUnder(), search.crossings()};
    std::vector<int> best = start, before;
    Shared::anneal(
        rounds,
        [&](double temperature) {
            before = search.order();
            search.shake(random);
            const int allowed = Shared::allowance(temperature, random);
            Score next{0, 0};
            bool take = search.cliquesKept();
            if (take) {
                next.under = search.linesUnder();
                take = next.under - now.under <= allowed;
            }
            if (take) {
                next.crossings = search.crossings();
                take = next.crossings <= most &&
                       (next.under - now.under) * Weight + next.crossings - now.crossings <=
                           allowed * Weight;
            }
            if (take)
                now = next;
            else
                search.assign(before);
            return take;
        },
        [&] { return now; }, [&] { best = search.order(); });
    return best;
}

// How far the frame may grow about its centre: every label stays inside the area, and no
// further than a fifth out, so that the picture keeps the size the teacher knows.
double roomToGrow(const std::vector<QPointF>& slots, int n, QPointF centre, QSizeF area,
                  QSizeF label)
{
    double most = 1.2;
    const auto limit = [&](double from, double to, double low, double high) {
        const double d = to - from;
        if (d > 1e-9)
            most = std::min(most, (high - from) / d);
        else if (d < -1e-9)
            most = std::min(most, (low - from) / d);
    };
    for (int s = 1; s <= n; ++s) {
        limit(centre.x(), slots[s].x(), 0, area.width() - label.width());
        limit(centre.y(), slots[s].y(), 0, area.height() - label.height());
    }
    return std::max(1.0, most);
}

} // namespace

namespace {

bool overlapping(const std::vector<QPointF>& at, int n, QSizeF label)
{
    for (int s = 1; s <= n; ++s)
        for (int t = s + 1; t <= n; ++t)
            if (squaresOverlap(at[s].x(), at[s].y(), at[t].x(), at[t].y(), label.width(),
                               label.height()))
                return true;
    return false;
}

// With lines round labels every label stays on its slot: only the order round the frame is
// searched, for fewer crossings of the lines as drawn, the cliques on consecutive places.
std::vector<QPointF> tidyOrderOnly(const std::vector<QPointF>& slots, int n,
                                   const ChoiceGraph& graph,
                                   const std::vector<std::vector<int>>& allCliques, QSizeF label,
                                   const std::vector<int>& groupOf)
{
    const Seating seating = seatGroups(graph, allCliques, groupOf, n);
    const std::vector<std::vector<int>>& cliques = seating.cliques;
    QPointF centre;
    for (int s = 1; s <= n; ++s)
        centre += slots[s] / n;
    const std::vector<int> around = slotsAround(slots, n, centre);
    std::vector<QPointF> placeAt(n);
    for (int k = 0; k < n; ++k)
        placeAt[k] = slots[around[k]];
    SlotSearch search(graph, placeAt, label, cliques);
    search.routeOutside();
    search.keepGroups(seating.groups);
    const std::vector<int>& order = seating.start;
    search.assign(around);
    const bool keptAsGiven = search.cliquesKept();
    const int given = search.crossings();
    Random random = seededFor(Search::Slots, n);
    const std::vector<int> searched = searchOrder(search, order, std::numeric_limits<int>::max(),
                                                  searchRounds(graph, 36000, 30, 360), random);
    search.assign(searched);
    std::vector<QPointF> result(slots.begin(), slots.begin() + n + 1);
    if (keptAsGiven && search.crossings() >= given && !overlapping(slots, n, label))
        return result;
    for (int k = 0; k < n; ++k)
        result[searched[k]] = placeAt[k];
    return result;
}

} // namespace

std::vector<QPointF> tidyOnSlots(const std::vector<QPointF>& slots, int n,
                                 const std::vector<Choice>& choices, QSizeF area, QSizeF label,
                                 double* grownBy, bool linesRound, const std::vector<int>& groupOf)
{
    if (grownBy)
        *grownBy = 1;
    n = std::clamp(n, 0, std::max(0, static_cast<int>(slots.size()) - 1));
    std::vector<QPointF> result(slots.begin(),
                                slots.begin() + std::min<size_t>(slots.size(), n + 1));
    if (n < 3 || n > 64) // the search keeps a place set in one word
        return result;
    const ChoiceGraph graph(n, choices);
    const std::vector<std::vector<int>> cliques = Shared::maximalCliques(n, choices);
    if (linesRound)
        return tidyOrderOnly(slots, n, graph, cliques, label, groupOf);
    const std::vector<int> order = cyclicOrder(graph, cliques);
    QPointF centre;
    for (int s = 1; s <= n; ++s)
        centre += slots[s] / n;
    const std::vector<int> around = slotsAround(slots, n, centre);

    // Places round the frame, grown towards the edges of the area: the wider apart the
    // labels, the shorter the lines that must run under a neighbour. The order is first
    // turned and mirrored to where the fewest lines run under labels, then searched.
    const double grow = roomToGrow(slots, n, centre, area, label);
    std::vector<QPointF> placeAt(n);
    for (int k = 0; k < n; ++k)
        placeAt[k] = centre + (slots[around[k]] - centre) * grow;
    SlotSearch search(graph, placeAt, label, cliques);
    std::vector<int> turned(n), start;
    int fewest = -1;
    for (int direction : {1, -1}) {
        for (int shift = 0; shift < n; ++shift) {
            for (int k = 0; k < n; ++k)
                turned[((direction * k + shift) % n + n) % n] = order[k];
            search.assign(turned);
            const int under = search.linesUnder();
            if (fewest < 0 || under < fewest) {
                fewest = under;
                start = turned;
            }
        }
    }
    // Short lines cross little but run under the labels between their ends: the search
    // gives up crossings for fewer lines under labels up to the cap on the designed
    // picture's. The order's count is that of a convex frame, never below
    // the picture's (labels in a row on a side of the Square do not cross).
    const int most = crossingsCap(scorePicture(slots, n, choices, label).crossings);
    search.assign(start);
    Random random = seededFor(Search::Slots, n);
    const std::vector<int> searched = searchOrder(search, start, std::max(most, search.crossings()),
                                                  searchRounds(graph, 30000, 15, 200), random);
    std::vector<QPointF> best(n + 1);
    for (int k = 0; k < n; ++k)
        best[searched[k]] = placeAt[k];

    const QRectF inside(0, 0, area.width() - label.width(), area.height() - label.height());
    const Steps inOrOut = [&](int s, const TidyScene& scene, std::vector<QPointF>& out) {
        const QPointF outward = best[s] - centre;
        const double length = std::hypot(outward.x(), outward.y());
        if (!(length > 0))
            return;
        for (double step :
             {60.0, -60.0, 120.0, -120.0, 180.0, -180.0, 240.0, -240.0, 300.0, -300.0}) {
            const QPointF to = best[s] + outward * (step / length);
            if (inside.contains(to))
                out.push_back(to);
        }
        // In a corner of the area a step out is cut off: a label on another may also step a
        // little along the frame, too little to leave its slot.
        bool onAnother = false;
        for (int t = 1; t <= n; ++t)
            onAnother |= t != s && squaresOverlap(scene.position(s).x(), scene.position(s).y(),
                                                  scene.position(t).x(), scene.position(t).y(),
                                                  label.width(), label.height());
        const QPointF along(-outward.y() / length, outward.x() / length);
        for (double step : {60.0, -60.0, 120.0, -120.0})
            if (onAnother && inside.contains(scene.position(s) + along * step))
                out.push_back(scene.position(s) + along * step);
    };
    std::vector<QPointF> tidied = polish(graph, label, best, inOrOut, n, random);

    // The steps stop where no single step helps; a long search then trades the places of
    // two labels or moves one in or out at once, the cliques on consecutive places and
    // the crossings held to the same limit.
    TidyScene scene(graph, label, tidied);
    scene.limitCrossings(most);
    std::vector<int> labelAt = searched, placeOf(n + 1);
    for (int k = 0; k < n; ++k)
        placeOf[labelAt[k]] = k;
    Shared::anneal(
        longSearchRounds(graph, 24e6, 4, 400),
        [&](double temperature) {
            const int s = scene.pick(random), t = 1 + random.below(n);
            if (random.below(10) < 4) {
                std::swap(labelAt[placeOf[s]], labelAt[placeOf[t]]);
                search.assign(labelAt);
                if (s != t && search.cliquesKept() &&
                    scene.tryMove({s, t}, {scene.position(t), scene.position(s)}, temperature, true,
                                  random)) {
                    std::swap(placeOf[s], placeOf[t]);
                    return true;
                }
                std::swap(labelAt[placeOf[s]], labelAt[placeOf[t]]);
                return false;
            }
            const QPointF home = placeAt[placeOf[s]], outward = home - centre;
            const double length = std::hypot(outward.x(), outward.y());
            // A small class may step further in or out, its few lines under labels being
            // those no short step clears.
            const double reach = n > SmallClass ? 600 : 900;
            const QPointF to = home + outward * ((random.unit() - 0.5) * reach / length);
            return length > 0 && inside.contains(to) &&
                   scene.tryMove({s}, {to}, temperature, true, random);
        },
        [&] { return scene.score(); }, [&] { tidied = scene.positions(); });
    const bool better =
        scorePicture(tidied, n, choices, label) < scorePicture(slots, n, choices, label);
    for (int s = 1; s <= n; ++s)
        result[s] = better ? tidied[s] : slots[s];
    if (grownBy && better)
        *grownBy = grow;
    return result;
}

} // namespace Layout
