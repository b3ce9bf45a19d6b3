// Tidy for the Random layout: labels may go anywhere inside the area, so the picture is
// drawn afresh from the choices. Stress majorization (Gansner, Koren and North, 2004)
// puts each pair of pupils as far apart as the choices between them say: clique mates
// closest, mutual pairs next, a one-way choice further, and everyone else by the chain
// of choices between them. The picture is then fitted to the area, labels are pushed
// off one another, and they step aside until no line runs under a label.

#include "annealing.h"
#include "belonging.h"
#include "cliques.h"
#include "cyclicorder.h"
#include "polish.h"
#include "tidy.h"

#include "codes.h"

#include <cmath>
#include <map>

namespace Layout {

using namespace TidySupport;
using Codes::Geometry::Pi;

namespace {

struct Bounds {
    double right, bottom; // the furthest Left and Top that keep a label inside

    QPointF inside(QPointF p) const
    {
        return {std::clamp(p.x(), 0.0, right), std::clamp(p.y(), 0.0, bottom)};
    }
};

// With groups shown, each group draws together and the clusters apart, the further the
// fewer lines run between them for their sizes: up to four steps, none for the pair of
// groups tied closest (a like step for all spread the clusters so that the lines between
// them crossed more).
void apartByGroups(const ChoiceGraph& g, const std::vector<int>& groupOf, std::vector<double>& d)
{
    const int n = g.n, m = n + 1;
    const auto group = [&](int s) {
        return s < static_cast<int>(groupOf.size()) ? groupOf[s] : -1;
    };
    std::map<std::pair<int, int>, double> tied; // lines per pair of members
    std::map<int, double> size;
    for (int s = 1; s <= n; ++s)
        size[group(s)] += 1;
    for (const ChoiceGraph::Line& line : g.lines) {
        tied[{group(line.a), group(line.b)}] += 1;
        tied[{group(line.b), group(line.a)}] += 1;
    }
    double closest = 1e-9;
    for (auto& [pair, t] : tied) {
        t /= size[pair.first] * size[pair.second];
        closest = pair.first != pair.second ? std::max(closest, t) : closest;
    }
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (i != j && group(i) >= 0 && group(j) >= 0)
                d[i * m + j] = group(i) == group(j)
                                   ? std::min(d[i * m + j], 1.5)
                                   : d[i * m + j] + 4 * (1 - tied[{group(i), group(j)}] / closest);
}

// How far apart the choices say two pupils should be, in steps of a mutual choice.
std::vector<double> wantedDistances(const ChoiceGraph& g,
                                    const std::vector<std::vector<int>>& cliques,
                                    const std::vector<int>& groupOf)
{
    const int n = g.n, m = n + 1;
    constexpr double Far = 1e9;
    std::vector<double> d(m * m, Far);
    for (int s = 1; s <= n; ++s)
        d[s * m + s] = 0;
    for (const ChoiceGraph::Line& line : g.lines) {
        const bool positive =
            g.mutual(line.a, line.b) || g.ties(line.a, line.b) > (line.ab > 0) + (line.ba > 0);
        const double length = g.mutual(line.a, line.b) ? 1.0 : positive ? 1.5 : 2.5;
        d[line.a * m + line.b] = d[line.b * m + line.a] = length;
    }
    for (const std::vector<int>& clique : cliques)
        for (int a : clique)
            for (int b : clique)
                if (a != b)
                    d[a * m + b] = std::min(d[a * m + b], 0.7);
    for (int k = 1; k <= n; ++k)
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                d[i * m + j] = std::min(d[i * m + j], d[i * m + k] + d[k * m + j]);
    double longest = 1;
    for (double v : d)
        longest = v < Far ? std::max(longest, v) : longest;
    for (double& v : d)
        v = v < Far ? v : longest + 1;
    apartByGroups(g, groupOf, d);
    return d;
}

std::vector<QPointF> stressPlaces(const ChoiceGraph& g, const std::vector<double>& d,
                                  const std::vector<int>& order)
{
    const int n = g.n, m = n + 1;
    std::vector<QPointF> at(m);
    for (int k = 0; k < n; ++k) // friends start next to each other, round a circle
        at[order[k]] = QPointF(std::sin(2 * Pi * k / n), -std::cos(2 * Pi * k / n)) * (n / Pi);
    for (int round = 0; round < 150; ++round) {
        for (int i = 1; i <= n; ++i) {
            QPointF sum;
            double weights = 0;
            for (int j = 1; j <= n; ++j) {
                if (j == i)
                    continue;
                const double want = d[i * m + j], weight = 1 / (want * want);
                const QPointF apart = at[i] - at[j];
                const double now = std::hypot(apart.x(), apart.y());
                sum += weight * (at[j] + (now > 1e-9 ? apart * (want / now) : QPointF(want, 0)));
                weights += weight;
            }
            at[i] = sum / weights;
        }
    }
    return at;
}

// Pushes overlapping labels apart along the shorter way out, a half each, inside the area.
void pushApart(std::vector<QPointF>& at, const Bounds& bounds, QSizeF label)
{
    const int n = static_cast<int>(at.size()) - 1;
    const double w = label.width(), h = label.height();
    for (int round = 0; round < 400; ++round) {
        bool moved = false;
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                const double dx = at[j].x() - at[i].x(), dy = at[j].y() - at[i].y();
                if (!squaresOverlap(at[i].x(), at[i].y(), at[j].x(), at[j].y(), w, h))
                    continue;
                moved = true;
                const double ox = w - std::abs(dx) + 1, oy = h - std::abs(dy) + 1;
                const QPointF push = ox < oy
                                         ? QPointF((dx < 0 || (dx == 0 && i > j) ? -ox : ox) / 2, 0)
                                         : QPointF(0, (dy < 0 ? -oy : oy) / 2);
                at[i] = bounds.inside(at[i] - push);
                at[j] = bounds.inside(at[j] + push);
            }
        }
        if (!moved)
            return;
    }
}

bool keptTogether(const std::vector<int>& clique, const std::vector<QPointF>& at)
{
    const int n = static_cast<int>(at.size()) - 1;
    for (int a : clique) {
        double mate = 1e300, other = 1e300;
        for (int t = 1; t <= n; ++t) {
            if (t == a)
                continue;
            const double dx = at[t].x() - at[a].x(), dy = at[t].y() - at[a].y();
            double& nearest =
                std::find(clique.begin(), clique.end(), t) != clique.end() ? mate : other;
            nearest = std::min(nearest, dx * dx + dy * dy); // squared: only compared
        }
        if (!(mate < other))
            return false;
    }
    return true;
}

// How far the clique is from each member being nearer a mate than anyone else: 0 once it
// is kept together.
double apartBy(const std::vector<int>& clique, const std::vector<QPointF>& at)
{
    const int n = static_cast<int>(at.size()) - 1;
    double sum = 0;
    for (int a : clique) {
        double mate = 1e300, other = 1e300;
        for (int t = 1; t <= n; ++t) {
            if (t == a)
                continue;
            const double d = std::hypot(at[t].x() - at[a].x(), at[t].y() - at[a].y());
            double& nearest =
                std::find(clique.begin(), clique.end(), t) != clique.end() ? mate : other;
            nearest = std::min(nearest, d);
        }
        sum += std::max(0.0, mate - other + 1);
    }
    return sum;
}

// A clique the drawing left apart (a member nearer an outsider than any mate) is gathered:
// a member at a time moves to the free place beside a mate that brings the clique most
// together, as long as no clique that was together falls apart.
void gatherCliques(const std::vector<std::vector<int>>& cliques, std::vector<QPointF>& at,
                   const Bounds& bounds, QSizeF label)
{
    const double beside = std::hypot(label.width(), label.height()) * 0.8;
    for (const std::vector<int>& clique : cliques) {
        if (clique.size() < 3 || clique.size() > 5)
            continue;
        for (int pass = 0; pass < 3 && apartBy(clique, at) > 0; ++pass) {
            for (int m : clique) {
                std::vector<bool> held(cliques.size());
                for (size_t c = 0; c < cliques.size(); ++c)
                    held[c] = &cliques[c] != &clique && keptTogether(cliques[c], at);
                double fewest = apartBy(clique, at);
                const QPointF from = at[m];
                QPointF bestAt = from;
                for (int mate : clique) {
                    for (int k = 0; k < 16 && mate != m; ++k) {
                        const QPointF p = bounds.inside(
                            at[mate] +
                            QPointF(std::sin(Pi * k / 8), std::cos(Pi * k / 8)) * beside);
                        if (!clearOfOthers(at, m, p, label))
                            continue;
                        at[m] = p;
                        const double apart = apartBy(clique, at);
                        bool keeps = true;
                        for (size_t c = 0; c < cliques.size() && keeps; ++c)
                            keeps = !held[c] || keptTogether(cliques[c], at);
                        if (keeps && apart < fewest) {
                            fewest = apart;
                            bestAt = p;
                        }
                        at[m] = from;
                    }
                }
                at[m] = bestAt;
            }
        }
    }
}

// The picture to beat is the present one brought inside the area; a label with no
// present position starts on a circle about the centre.
std::vector<QPointF> givenInside(const std::vector<QPointF>& current, int n, const Bounds& bounds)
{
    std::vector<QPointF> given(n + 1);
    const double radius = std::min(bounds.right, bounds.bottom) / 2;
    for (int s = 1; s <= n; ++s) {
        const double angle = 2 * Pi * (s - 1) / n;
        const QPointF start = s < static_cast<int>(current.size())
                                  ? current[s]
                                  : QPointF(bounds.right / 2 + radius * std::sin(angle),
                                            bounds.bottom / 2 - radius * std::cos(angle));
        given[s] =
            bounds.inside(std::isfinite(start.x()) && std::isfinite(start.y()) ? start : QPointF());
    }
    return given;
}

// The picture drawn afresh from the choices, fitted to the area, the labels pushed off one
// another and the cliques gathered.
std::vector<QPointF> drawnAfresh(const ChoiceGraph& graph, const Seating& seating,
                                 const std::vector<int>& groupOf, const Bounds& bounds,
                                 QSizeF label)
{
    const int n = graph.n;
    const std::vector<std::vector<int>>& cliques = seating.cliques;
    std::vector<QPointF> at =
        stressPlaces(graph, wantedDistances(graph, cliques, groupOf), seating.start);
    double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
    for (int s = 1; s <= n; ++s) {
        left = std::min(left, at[s].x());
        top = std::min(top, at[s].y());
        right = std::max(right, at[s].x());
        bottom = std::max(bottom, at[s].y());
    }
    const double scale = std::min(bounds.right / std::max(right - left, 1e-9),
                                  bounds.bottom / std::max(bottom - top, 1e-9));
    const QPointF margin((bounds.right - (right - left) * scale) / 2,
                         (bounds.bottom - (bottom - top) * scale) / 2);
    for (int s = 1; s <= n; ++s)
        at[s] = bounds.inside(margin + (at[s] - QPointF(left, top)) * scale);
    pushApart(at, bounds, label);
    gatherCliques(cliques, at, bounds, label);
    return at;
}

// What stays together when a label moves: the cliques, and with groups shown the groups'
// clusters, none fewer.
struct Together {
    const std::vector<std::vector<int>>& cliques;
    const std::vector<int>& groupOf;
    std::vector<bool> held;
    int groups = 0;

    // What holds with the labels at `at`.
    void take(const std::vector<QPointF>& at)
    {
        held.resize(cliques.size());
        for (size_t c = 0; c < cliques.size(); ++c)
            held[c] = keptTogether(cliques[c], at);
        groups = groupOf.empty() ? 0 : groupsInClusters(at, groupOf);
    }
    // Whether all that held still does with the labels at `after`.
    bool stays(const std::vector<QPointF>& after) const
    {
        for (size_t c = 0; c < cliques.size(); ++c)
            if (held[c] && !keptTogether(cliques[c], after))
                return false;
        return groupOf.empty() || groupsInClusters(after, groupOf) >= groups;
    }
};

// Steps of a label aside in eight directions, what is together staying so.
Steps aside(const Together& kept, const Bounds& bounds)
{
    return [kept = Together(kept), bounds](int s, const TidyScene& scene,
                                           std::vector<QPointF>& out) mutable {
        std::vector<QPointF> now = scene.positions();
        kept.take(now);
        const QPointF from = now[s];
        for (double reach : {90.0, 180.0}) {
            for (int k = 0; k < 8; ++k) {
                now[s] = bounds.inside(from +
                                       QPointF(std::sin(Pi * k / 4), std::cos(Pi * k / 4)) * reach);
                if (kept.stays(now))
                    out.push_back(now[s]);
            }
        }
    };
}

// The steps stop where no small step helps: a long search lets a label jump further,
// anywhere in the area now and then, or trade places with another, the cliques that are
// together staying so and the crossings held under `most`. `tidied` holds the picture to
// start from and receives the best.
void searchFree(const ChoiceGraph& graph, Together kept, const Bounds& bounds, QSizeF label,
                int most, std::vector<QPointF>& tidied, Random& random)
{
    const int n = graph.n;
    TidyScene scene(graph, label, tidied);
    scene.limitCrossings(most);
    std::vector<QPointF> now;
    Shared::anneal(
        longSearchRounds(graph, 36e6, 4, 600),
        [&](double temperature) {
            now = scene.positions();
            kept.take(now);
            const int s = scene.pick(random), t = 1 + random.below(n), kind = random.below(10);
            std::vector<int> labels{s};
            if (kind < 3 && s != t) {
                labels.push_back(t);
                std::swap(now[s], now[t]);
            } else {
                const QPointF jump((random.unit() - 0.5) * 1600, (random.unit() - 0.5) * 1600);
                now[s] = bounds.inside(kind < 8 ? now[s] + jump
                                                : QPointF(random.unit() * bounds.right,
                                                          random.unit() * bounds.bottom));
            }
            if (!kept.stays(now))
                return false;
            std::vector<QPointF> to;
            for (int m : labels)
                to.push_back(now[m]);
            return scene.tryMove(labels, to, temperature, true, random);
        },
        [&] { return scene.score(); }, [&] { tidied = scene.positions(); });
}

} // namespace

std::vector<QPointF> tidyFree(const std::vector<QPointF>& current, int n,
                              const std::vector<Choice>& choices, QSizeF area, QSizeF label,
                              const std::vector<int>& groupOf)
{
    n = std::max(n, 0);
    std::vector<QPointF> result(n + 1);
    if (!current.empty())
        result[0] = current[0];
    if (n < 1)
        return result;
    const Bounds bounds{std::max(0.0, area.width() - label.width()),
                        std::max(0.0, area.height() - label.height())};
    const std::vector<QPointF> given = givenInside(current, n, bounds);
    const ChoiceGraph graph(n, choices);
    // With groups shown, each group one cluster; a clique across groups is not kept. The
    // drawing seats pairs by the distance it wants for them: pairs as blocks in the order it
    // starts from only bend it (on the generated classes fewer ended side by side).
    const Seating seating =
        seatGroups(graph, Shared::maximalCliques(n, choices), groupOf, n, false);
    const std::vector<QPointF> at = drawnAfresh(graph, seating, groupOf, bounds, label);
    Random random = seededFor(Search::Free, n);
    const Together kept{seating.cliques, groupOf, {}, 0};
    std::vector<QPointF> tidied = polish(graph, label, at, aside(kept, bounds), 2 * n, random);
    const PictureScore givenScore = scorePicture(given, n, choices, label);
    searchFree(graph, kept, bounds, label, crossingsCap(givenScore.crossings), tidied, random);
    const bool better = scorePicture(tidied, n, choices, label) < givenScore;
    for (int s = 1; s <= n; ++s)
        result[s] = better ? tidied[s] : given[s];
    return result;
}

} // namespace Layout
