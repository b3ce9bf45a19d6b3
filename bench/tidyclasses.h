#pragma once
// Generated classes that hold what real classes hold, and the readability measures Tidy
// is judged by, counted on a picture.

#include "cliques.h"
#include "picturescore.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace TidyClasses {

// What a generated class's picture shows: both criteria, or the positive one alone (a
// study of one criterion, or a Both study with the other criterion hidden).
enum class Criteria { Both, Positive };

inline std::vector<Choice> inView(std::vector<Choice> choices, Criteria criteria)
{
    if (criteria == Criteria::Positive)
        std::erase_if(choices, [](const Choice& c) { return !c.positive(); });
    return choices;
}

// `each` positive and `each` negative choices per pupil: cliques of two to five (as
// large as the choices allow) choosing each other, three popular pupils drawing more of
// the other choices, one or two isolates nobody chooses, one pupil most reject, and the
// rest chosen at random. With `Criteria::Positive` the same class's positive choices.
inline std::vector<Choice> generatedClass(int n, int each, unsigned seed,
                                          Criteria criteria = Criteria::Both)
{
    std::mt19937 random(seed);
    std::vector<int> pupils(n);
    std::iota(pupils.begin(), pupils.end(), 1);
    std::shuffle(pupils.begin(), pupils.end(), random);
    const int isolates = 1 + static_cast<int>(random() % 2);
    const int rejected = pupils[isolates];
    std::vector<int> weight(n + 1, 1);
    for (int k = 0; k < isolates; ++k)
        weight[pupils[k]] = 0;
    for (int k = isolates + 1; k < isolates + 4; ++k)
        weight[pupils[k]] = 4;
    std::vector<std::vector<char>> chose(n + 1, std::vector<char>(n + 1, 0));
    std::vector<int> given(n + 1, 0);
    // Cliques from the pupils after the isolates and the rejected, until about half the
    // class belongs to one.
    const int largest = std::min(5, each + 1);
    for (int next = isolates + 1; next < n / 2 + isolates;) {
        const int size = 2 + static_cast<int>(random() % (largest - 1));
        if (next + size > n)
            break;
        for (int i = next; i < next + size; ++i)
            for (int j = next; j < next + size; ++j)
                if (i != j) {
                    chose[pupils[i]][pupils[j]] = 1;
                    ++given[pupils[i]];
                }
        next += size;
    }
    std::vector<Choice> choices;
    for (int s = 1; s <= n; ++s) {
        for (int t = 1; t <= n; ++t)
            if (chose[s][t])
                choices.push_back({s, t});
        while (given[s] < std::min(each, n - 1 - isolates)) {
            std::vector<int> pool;
            for (int t = 1; t <= n; ++t)
                if (t != s && !chose[s][t])
                    pool.insert(pool.end(), weight[t], t);
            if (pool.empty())
                break;
            const int t = pool[random() % pool.size()];
            chose[s][t] = 1;
            ++given[s];
            choices.push_back({s, t});
        }
        std::vector<int> others;
        for (int t = 1; t <= n; ++t)
            if (t != s && !chose[s][t] && t != rejected)
                others.push_back(t);
        std::shuffle(others.begin(), others.end(), random);
        if (s != rejected && random() % 10 < 7)
            others.insert(others.begin(), rejected);
        for (int k = 0; k < each && k < static_cast<int>(others.size()); ++k)
            choices.push_back({s, others[k], ChoiceKind::Negative});
    }
    // The rejections are drawn all the same, so that the positive choices are the Both
    // class's own.
    return inView(std::move(choices), criteria);
}

struct Measures {
    int overlaps = 0, linesUnder = 0, crossings = 0, cliques = 0, kept = 0, outside = 0;
};

enum class Shape { Cycle, Target, Free };

// Cycle: members on consecutive places of the cyclic order round `centre` (one other
// allowed inside a clique of five); Target: within 120 degrees from `centre`; Free: each
// member nearer to a clique mate than to anyone else.
inline bool keptTogether(const std::vector<int>& clique, const std::vector<QPointF>& at, int n,
                         Shape shape, QPointF centre)
{
    const auto angle = [&](int s) {
        return std::atan2(at[s].x() - centre.x(), centre.y() - at[s].y());
    };
    if (shape == Shape::Free) {
        for (int m : clique) {
            double mate = 1e300, other = 1e300;
            for (int t = 1; t <= n; ++t) {
                if (t == m)
                    continue;
                const double d = std::hypot(at[t].x() - at[m].x(), at[t].y() - at[m].y());
                const bool inClique = std::find(clique.begin(), clique.end(), t) != clique.end();
                (inClique ? mate : other) = std::min(inClique ? mate : other, d);
            }
            if (!(mate < other))
                return false;
        }
        return true;
    }
    std::vector<double> sorted;
    if (shape == Shape::Target) {
        for (int m : clique)
            sorted.push_back(angle(m));
    } else {
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 1);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return angle(a) < angle(b); });
        for (int k = 0; k < n; ++k)
            if (std::find(clique.begin(), clique.end(), order[k]) != clique.end())
                sorted.push_back(k);
    }
    std::sort(sorted.begin(), sorted.end());
    const double full = shape == Shape::Target ? 2 * Codes::Geometry::Pi : n;
    double gap = sorted.front() + full - sorted.back();
    for (size_t k = 1; k < sorted.size(); ++k)
        gap = std::max(gap, sorted[k] - sorted[k - 1]);
    const double span = full - gap;
    if (shape == Shape::Target)
        return span <= 2 * Codes::Geometry::Pi / 3 + 1e-9;
    const int places = static_cast<int>(clique.size()) + (clique.size() == 5 ? 1 : 0);
    return span + 1 <= places;
}

// The designed picture of layout 0 to 3 (Circle, Square, Target, Random) for a class on the
// benchmarks' area, and the picture Tidy makes of it, with the groups of `groupOf` shown.
const QSizeF Area(6915, 6630);
const QSizeF Label(360, 360);
struct Picture {
    std::vector<QPointF> designed, tidied;
    Shape shape;
    QPointF centre;
};
Picture designedAndTidied(int layout, int n, const std::vector<Choice>& choices, unsigned seed,
                          const std::vector<int>& groupOf = {});

inline Measures measure(const std::vector<QPointF>& at, int n, const std::vector<Choice>& choices,
                        Shape shape, QPointF centre, QSizeF area, QSizeF label)
{
    const Layout::PictureScore score = Layout::scorePicture(at, n, choices, label);
    Measures m{score.overlaps, score.linesUnderLabels, score.crossings, 0, 0, 0};
    for (const std::vector<int>& clique : Shared::maximalCliques(n, choices)) {
        if (clique.size() > 5)
            continue;
        ++m.cliques;
        m.kept += keptTogether(clique, at, n, shape, centre);
    }
    for (int s = 1; s <= n; ++s)
        m.outside +=
            !(at[s].x() >= 0 && at[s].y() >= 0 && at[s].x() + label.width() <= area.width() &&
              at[s].y() + label.height() <= area.height());
    return m;
}

} // namespace TidyClasses
