// Tidy on fixed slots (Circle, Square). The order of the pupils round the frame decides
// nearly all: friends on neighbouring slots draw short lines that cross nothing, so the
// order starts from the circular crossing reduction with each clique on consecutive
// slots. A line that spans a few slots runs under the labels between (on a circle of
// forty, up to ten places apart), so tied pupils belong side by side or well apart:
// the order is then searched with lines under labels first and crossings next, cliques
// kept together, and the labels step in or out from the middle, which keeps the order,
// until no line runs under a label.

#include "belonging.h"
#include "cliques.h"
#include "cyclicorder.h"
#include "polish.h"
#include "slotsearch.h"
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

// The centre of the first n slots, about which the frame grows.
QPointF middleOf(const std::vector<QPointF>& slots, int n)
{
    QPointF centre;
    for (int s = 1; s <= n; ++s)
        centre += slots[s] / n;
    return centre;
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

// `at` with the subject at each place of `order` put on the place.
std::vector<QPointF> onPlaces(const std::vector<int>& order, const std::vector<QPointF>& placeAt,
                              std::vector<QPointF> at)
{
    for (size_t k = 0; k < order.size(); ++k)
        at[order[k]] = placeAt[k];
    return at;
}

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
                                   const std::vector<int>& groupOf,
                                   const std::vector<std::pair<int, int>>& pairs)
{
    const Seating seating = seatGroups(graph, allCliques, groupOf, n);
    const std::vector<std::vector<int>>& cliques = seating.cliques;
    const std::vector<int> around = slotsAround(slots, n, middleOf(slots, n));
    std::vector<QPointF> placeAt(n);
    for (int k = 0; k < n; ++k)
        placeAt[k] = slots[around[k]];
    SlotSearch search(graph, placeAt, label, cliques);
    search.routeOutside();
    search.keepGroups(seating.groups);
    search.keepPairsNear(pairs);
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
    return onPlaces(searched, placeAt, std::move(result));
}

} // namespace

namespace {

// The cyclic order turned and mirrored round the frame to where the fewest lines run under
// labels.
std::vector<int> fewestUnderTurn(SlotSearch& search, const std::vector<int>& order)
{
    const int n = static_cast<int>(order.size());
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
    return start;
}

// Steps in or out from its place for a label, inside the area; in a corner of the area a
// step out is cut off, so a label on another may also step a little along the frame, too
// little to leave its slot.
Steps inOrOut(const std::vector<QPointF>& best, QPointF centre, const QRectF& inside, QSizeF label)
{
    return
        [&best, centre, inside, label](int s, const TidyScene& scene, std::vector<QPointF>& out) {
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
            bool onAnother = false;
            for (int t = 1; t <= scene.size(); ++t)
                onAnother |= t != s && squaresOverlap(scene.position(s).x(), scene.position(s).y(),
                                                      scene.position(t).x(), scene.position(t).y(),
                                                      label.width(), label.height());
            const QPointF along(-outward.y() / length, outward.x() / length);
            for (double step : {60.0, -60.0, 120.0, -120.0})
                if (onAnother && inside.contains(scene.position(s) + along * step))
                    out.push_back(scene.position(s) + along * step);
        };
}

// The places round the frame and the search's order on them, for the long search.
struct SlotFrame {
    const std::vector<QPointF>& placeAt;
    QPointF centre;
    QRectF inside;
};

// The steps stop where no single step helps; a long search then trades the places of two
// labels or moves one in or out at once, the cliques on consecutive places and the
// crossings held to `most`. `tidied` holds the picture to start from and receives the best.
void searchPlaces(SlotSearch& search, const SlotFrame& frame, const ChoiceGraph& graph,
                  QSizeF label, int most, std::vector<QPointF>& tidied, Random& random)
{
    const int n = graph.n;
    TidyScene scene(graph, label, tidied);
    scene.limitCrossings(most);
    std::vector<int> labelAt = search.order(), placeOf(n + 1);
    for (int k = 0; k < n; ++k)
        placeOf[labelAt[k]] = k;
    const auto trade = [&](int s, int t, double temperature) {
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
    };
    Shared::anneal(
        longSearchRounds(graph, 24e6, 4, 400),
        [&](double temperature) {
            const int s = scene.pick(random), t = 1 + random.below(n);
            if (random.below(10) < 4)
                return trade(s, t, temperature);
            const QPointF home = frame.placeAt[placeOf[s]], outward = home - frame.centre;
            const double length = std::hypot(outward.x(), outward.y());
            // A small class may step further in or out, its few lines under labels being
            // those no short step clears.
            const double reach = n > SmallClass ? 600 : 900;
            const QPointF to = home + outward * ((random.unit() - 0.5) * reach / length);
            return length > 0 && frame.inside.contains(to) &&
                   scene.tryMove({s}, {to}, temperature, true, random);
        },
        [&] { return scene.score(); }, [&] { tidied = scene.positions(); });
}

// Places round the frame, grown about its centre by `grow`, in their order round it.
std::vector<QPointF> grownPlaces(const std::vector<QPointF>& slots, int n, QPointF centre,
                                 double grow)
{
    const std::vector<int> around = slotsAround(slots, n, centre);
    std::vector<QPointF> placeAt(n);
    for (int k = 0; k < n; ++k)
        placeAt[k] = centre + (slots[around[k]] - centre) * grow;
    return placeAt;
}

// The order round the frame is first turned and mirrored, then searched; the labels then
// step in or out from their places. Short lines cross little but run under the labels
// between their ends: the search gives up crossings for fewer lines under labels up to
// `most`, or the order's own count if more.
std::vector<QPointF> searchFrame(const SlotFrame& frame, const ChoiceGraph& graph,
                                 const std::vector<std::vector<int>>& cliques,
                                 const std::vector<std::pair<int, int>>& pairs, QSizeF label,
                                 int most)
{
    const int n = graph.n;
    SlotSearch search(graph, frame.placeAt, label, cliques);
    search.keepPairsNear(pairs);
    const std::vector<int> start = fewestUnderTurn(search, cyclicOrder(graph, cliques));
    search.assign(start);
    Random random = seededFor(Search::Slots, n);
    const std::vector<int> searched = searchOrder(search, start, std::max(most, search.crossings()),
                                                  searchRounds(graph, 30000, 15, 200), random);
    const std::vector<QPointF> best =
        onPlaces(searched, frame.placeAt, std::vector<QPointF>(n + 1));
    std::vector<QPointF> tidied =
        polish(graph, label, best, inOrOut(best, frame.centre, frame.inside, label), n, random);
    search.assign(searched);
    searchPlaces(search, frame, graph, label, most, tidied, random);
    return tidied;
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
    const std::vector<std::pair<int, int>> pairs = mutualPairs(n, choices);
    if (linesRound)
        return tidyOrderOnly(slots, n, graph, cliques, label, groupOf, pairs);

    // The frame grown towards the edges of the area: the wider apart the labels, the
    // shorter the lines that must run under a neighbour. The crossings cap is the designed
    // picture's; the order's count is that of a convex frame, never below the picture's
    // (labels in a row on a side of the Square do not cross).
    const QPointF centre = middleOf(slots, n);
    const double grow = roomToGrow(slots, n, centre, area, label);
    const std::vector<QPointF> placeAt = grownPlaces(slots, n, centre, grow);
    const SlotFrame frame{
        placeAt, centre,
        QRectF(0, 0, area.width() - label.width(), area.height() - label.height())};
    const int most = crossingsCap(scorePicture(slots, n, choices, label).crossings);
    const std::vector<QPointF> tidied = searchFrame(frame, graph, cliques, pairs, label, most);
    const bool better =
        scorePicture(tidied, n, choices, label) < scorePicture(slots, n, choices, label);
    for (int s = 1; s <= n; ++s)
        result[s] = better ? tidied[s] : slots[s];
    if (grownBy && better)
        *grownBy = grow;
    return result;
}

} // namespace Layout
