// Tidy on the Target rings. A label's ring is its standing in the group and may not
// change; where it sits round the ring is free. Every label takes the angle of its place
// in the cyclic order that keeps friends together (the one the Circle uses), so friends
// on different rings face each other and a clique stays on one side of the centre. Each
// ring then spreads its members just enough to keep them apart, as near those angles as
// it can, and widens first when it is too small to hold them.

#include "cliques.h"
#include "cyclicorder.h"
#include "polish.h"
#include "ringsectors.h"
#include "ringsupport.h"
#include "tidy.h"

#include "annealing.h"

#include "codes.h"

#include <cmath>
#include <numeric>

namespace Layout {

using namespace TidySupport;
using Codes::Geometry::Pi;

float RingsTidied::usedRadius(float designed) const
{
    for (const RingRadius& ring : rings)
        if (std::abs(ring.designed - designed) <= 0.01f)
            return ring.used;
    return designed;
}

namespace {

// The rings by their designed radius, innermost first; `radius` gets each member's, a radius
// that is no number taken for the centre.
std::vector<TidyRing> ringsByRadius(const std::vector<float>& ringRadius, int n,
                                    std::vector<double>& radius)
{
    radius.assign(n + 1, 0);
    for (int s = 1; s <= n; ++s)
        radius[s] = std::isfinite(ringRadius[s]) ? ringRadius[s] : 0;
    std::vector<int> byRadius(n);
    std::iota(byRadius.begin(), byRadius.end(), 1);
    std::stable_sort(byRadius.begin(), byRadius.end(),
                     [&](int a, int b) { return radius[a] < radius[b]; });
    std::vector<TidyRing> rings;
    for (int s : byRadius) {
        if (rings.empty() || std::abs(radius[s] - rings.back().designed) > 0.01)
            rings.push_back({radius[s], radius[s], {}});
        rings.back().members.push_back(s);
    }
    return rings;
}

// The picture to beat: the labels where they are on their rings, or spread evenly.
std::vector<QPointF> givenOnRings(const std::vector<TidyRing>& rings, const Centre& centre,
                                  const std::vector<QPointF>& current, int n)
{
    const bool fromCurrent = static_cast<int>(current.size()) > n;
    std::vector<QPointF> given(n + 1);
    for (const TidyRing& ring : rings)
        for (size_t j = 0; j < ring.members.size(); ++j) {
            const int s = ring.members[j];
            given[s] = fromCurrent
                           ? centre.leftTop(ring.designed, centre.angleOf(current[s]))
                           : centre.leftTop(ring.designed, 2 * Pi * j / ring.members.size());
        }
    return given;
}

// A ring holds its members apart when neighbours on it are a label's diagonal apart (and
// with groups shown, each group's within its sector); a smaller ring widens to that, and the rings
// outside it move out as far, keeping their spacing, as long as the area has room (up to
// `outermost`, which no ring passes).
void widenRings(std::vector<TidyRing>& rings, const std::vector<double>& radius,
                const std::vector<std::vector<int>>& cliques, QSizeF label, double outermost,
                const std::vector<double>& sectorRoom)
{
    const double diagonal = std::hypot(label.width(), label.height());
    for (size_t r = 0; r < rings.size(); ++r) {
        const double m = static_cast<double>(rings[r].members.size());
        double least = m < 2 ? 0 : diagonal / 2 / std::sin(Pi / m);
        // Clique mates on one ring must find room side by side within a quarter of the
        // circle, or the clique falls apart round the centre.
        for (const std::vector<int>& clique : cliques) {
            const auto mates = std::count_if(clique.begin(), clique.end(), [&](int s) {
                return std::abs(radius[s] - rings[r].designed) <= 0.01;
            });
            if (mates >= 2 && clique.size() <= 5)
                least = std::max(least,
                                 diagonal / 2 / std::sin(Pi / 4 / static_cast<double>(mates - 1)));
        }
        // With groups shown, each group's members on the ring fit its sector.
        if (sectorRoom[r] > 0 && m > 1)
            least = std::max(least, diagonal / 2 / std::sin(std::min(sectorRoom[r], Pi) / 2));
        if (r > 0)
            least =
                std::max(least, rings[r - 1].radius + rings[r].designed - rings[r - 1].designed);
        // Rings closer than a label is high hold their labels only side by side, turn about:
        // where the inner ring is too short for both rings' labels, the outer moves a
        // label's height out.
        if (r > 0 && (m + static_cast<double>(rings[r - 1].members.size())) * diagonal >
                         2 * Pi * rings[r - 1].radius)
            least = std::max(least, rings[r - 1].radius + label.height());
        // A ring designed wider than the area Tidy fills (the marks shown take room at its
        // edge) comes in to fit it.
        rings[r].radius = std::min(std::max(rings[r].designed, least), outermost);
    }
    for (size_t r = rings.size(); r-- > 1;) // the order holds even where the room ran out
        rings[r - 1].radius = std::min(rings[r - 1].radius, rings[r].radius - 1);
}

// The angle of each label's place in the order round the centre.
std::vector<double> anglesInOrder(const std::vector<int>& order)
{
    const int n = static_cast<int>(order.size());
    std::vector<double> angle(n + 1, 0);
    for (int k = 0; k < n; ++k)
        angle[order[k]] = 2 * Pi * k / n;
    return angle;
}

// Every label at its angle, each ring spreading its members (sorted by that angle) just
// enough to keep them apart.
std::vector<QPointF> spreadInOrder(std::vector<TidyRing>& rings, const std::vector<double>& angle,
                                   const Centre& centre, QSizeF label)
{
    const int n = static_cast<int>(angle.size()) - 1;
    const double diagonal = std::hypot(label.width(), label.height());
    std::vector<QPointF> at(n + 1);
    for (TidyRing& ring : rings) {
        std::sort(ring.members.begin(), ring.members.end(),
                  [&](int a, int b) { return angle[a] < angle[b]; });
        std::vector<double> wanted;
        for (int s : ring.members)
            wanted.push_back(angle[s]);
        const double apart =
            ring.radius > 0 ? 2 * std::asin(std::min(1.0, diagonal / 2 / ring.radius)) : 2 * Pi;
        const std::vector<double> spread = spreadNear(wanted, apart);
        for (size_t j = 0; j < ring.members.size(); ++j)
            at[ring.members[j]] = centre.leftTop(ring.radius, spread[j]);
    }
    return at;
}

// Small steps along its ring for a label that a line runs under: about a label's width at
// most, so the order round the ring stays, and never splitting a clique.
Steps alongRing(const std::vector<TidyRing>& rings, const RingMoves& moves, const Centre& centre,
                const std::vector<std::vector<int>>& cliques)
{
    return [&rings, &moves, &centre, &cliques, angleNow = std::vector<double>(),
            angleAfter = std::vector<double>()](int s, const TidyScene& scene,
                                                std::vector<QPointF>& out) mutable {
        angleNow.resize(scene.size() + 1);
        for (int t = 1; t <= scene.size(); ++t)
            angleNow[t] = centre.angleOf(scene.position(t));
        angleAfter = angleNow;
        const double used = rings[moves.ringOf[s]].radius;
        const double unit = used > 0 ? std::min(0.2, 90 / used) : 0;
        for (double k : {1.0, -1.0, 2.0, -2.0, 3.0, -3.0, 4.0, -4.0}) {
            angleAfter[s] = angleNow[s] + k * unit;
            if (unit > 0 && cliquesHold(s, angleAfter, angleNow, moves.cliquesOf, cliques) &&
                (!moves.sectors || moves.sectors->holds(s, angleAfter[s])))
                out.push_back(centre.leftTop(used, angleAfter[s]));
        }
    };
}

// A whole ring moved out, or back towards its designed radius, by up to 120 twips, its
// members keeping their angles and the rings their order. Whether the scene took it.
bool moveRing(std::vector<TidyRing>& rings, TidyScene& scene, const Centre& centre,
              double outermost, double temperature, Random& random, std::vector<QPointF>& to)
{
    const size_t r = static_cast<size_t>(random.below(static_cast<int>(rings.size())));
    const double moved = rings[r].radius + (random.unit() - 0.5) * 240;
    const double inside = r > 0 ? rings[r - 1].radius + 1 : 0;
    const double outside = r + 1 < rings.size() ? rings[r + 1].radius - 1 : outermost;
    if (rings[r].radius <= 0 || moved < rings[r].designed || moved <= inside || moved >= outside)
        return false;
    to.clear();
    for (int s : rings[r].members)
        to.push_back(centre.leftTop(moved, centre.angleOf(scene.position(s))));
    if (!scene.tryMove(rings[r].members, to, temperature, true, random))
        return false;
    rings[r].radius = moved;
    return true;
}

// The steps leave labels where no small step helps: a long search lets them jump round
// their rings and trade places, and now and then moves a whole ring. Fewer lines under
// labels first; the crossings held under the cap. The rings end at the radii of the best
// picture, which `tidied` receives.
void searchRings(std::vector<TidyRing>& rings, RingMoves& moves, const ChoiceGraph& graph,
                 QSizeF label, int mostCrossings, double outermost, std::vector<QPointF>& tidied,
                 Random& random)
{
    TidyScene scene(graph, label, tidied);
    scene.limitCrossings(mostCrossings);
    // The rings lie close, so a label's way round is often blocked by a line or two: the
    // search may give some back now and then on its way (on the generated classes it left
    // fewer at 24 pupils and no more at 40).
    scene.warmLinesUnder(1);
    std::vector<double> bestRadius;
    for (const TidyRing& ring : rings)
        bestRadius.push_back(ring.radius);
    std::vector<int> labels;
    std::vector<QPointF> to;
    Shared::anneal(
        longSearchRounds(graph, 60e6, 4, 400),
        [&](double temperature) {
            if (random.below(8) == 0)
                return moveRing(rings, scene, moves.centre, outermost, temperature, random, to);
            return moves.draw(scene, random, labels, to) &&
                   scene.tryMove(labels, to, temperature, true, random);
        },
        [&] { return scene.score(); },
        [&] {
            tidied = scene.positions();
            for (size_t r = 0; r < rings.size(); ++r)
                bestRadius[r] = rings[r].radius;
        });
    for (size_t r = 0; r < rings.size(); ++r)
        rings[r].radius = bestRadius[r];
}

} // namespace

RingsTidied tidyOnRings(const std::vector<float>& ringRadius, const std::vector<QPointF>& current,
                        int n, const std::vector<Choice>& choices, QSizeF area, QSizeF label,
                        const std::vector<int>& groupOf)
{
    n = std::clamp(n, 0, std::max(0, static_cast<int>(ringRadius.size()) - 1));
    RingsTidied result;
    result.leftTop.resize(n + 1);
    if (!current.empty())
        result.leftTop[0] = current[0];
    if (n < 1)
        return result;
    const Centre centre(area, label);
    std::vector<double> radius;
    std::vector<TidyRing> rings = ringsByRadius(ringRadius, n, radius);
    const std::vector<QPointF> given = givenOnRings(rings, centre, current, n);

    const double diagonal = std::hypot(label.width(), label.height());
    const double outermost = std::min(area.width(), area.height()) / 2 - diagonal / 2;
    const ChoiceGraph graph(n, choices);
    // With groups shown, each group takes a sector; a clique across groups is not kept.
    const Seating seating = seatGroups(graph, Shared::maximalCliques(n, choices), groupOf, n);
    const std::vector<std::vector<int>>& cliques = seating.cliques;
    const Sectors sectors(seating.start, groupOf);
    widenRings(rings, radius, cliques, label, outermost, sectors.roomOn(rings));
    std::vector<QPointF> at = spreadInOrder(
        rings, sectors.empty() ? anglesInOrder(seating.start) : sectors.anglesOn(rings, diagonal),
        centre, label);
    slideApart(rings, centre, label, at, sectors.empty() ? nullptr : &sectors);
    gatherCliques(rings, centre, label, cliques, at);

    RingMoves moves(rings, centre, cliques, n);
    moves.sectors = sectors.empty() ? nullptr : &sectors;
    Random random = seededFor(Search::Rings, n);
    std::vector<QPointF> tidied =
        polish(graph, label, at, alongRing(rings, moves, centre, cliques), 2 * n, random);
    const PictureScore givenScore = scorePicture(given, n, choices, label);
    searchRings(rings, moves, graph, label, crossingsCap(givenScore.crossings), outermost, tidied,
                random);

    const bool better = scorePicture(tidied, n, choices, label) < givenScore;
    for (int s = 1; s <= n; ++s)
        result.leftTop[s] = better ? tidied[s] : given[s];
    for (const TidyRing& ring : rings)
        result.rings.push_back({static_cast<float>(ring.designed),
                                static_cast<float>(better ? ring.radius : ring.designed)});
    return result;
}

} // namespace Layout
