#include "belonging.h"

#include "cliques.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

namespace Layout {

std::vector<std::pair<int, int>> mutualPairs(int n, const std::vector<Choice>& choices)
{
    std::set<std::pair<int, int>> chose;
    for (const Choice& c : choices)
        if (c.positive() && c.chooser >= 1 && c.chooser <= n && c.chosen >= 1 && c.chosen <= n &&
            c.chooser != c.chosen)
            chose.emplace(c.chooser, c.chosen);
    std::set<std::pair<int, int>> inClique;
    for (const std::vector<int>& clique : Shared::maximalCliques(n, choices))
        for (int a : clique)
            for (int b : clique)
                inClique.emplace(a, b);
    std::vector<std::pair<int, int>> pairs;
    for (const auto& [a, b] : chose)
        if (a < b && chose.count({b, a}) && !inClique.count({a, b}))
            pairs.emplace_back(a, b);
    return pairs;
}

bool sideBySide(const std::vector<QPointF>& leftTop, int a, int b, QSizeF label)
{
    const QPointF mid = (leftTop[a] + leftTop[b]) / 2, half = (leftTop[b] - leftTop[a]) / 2;
    const double reach = half.x() * half.x() + half.y() * half.y();
    if (4 * reach > 9 * label.width() * label.width())
        return false;
    for (int t = 1; t < static_cast<int>(leftTop.size()); ++t) {
        const QPointF d = leftTop[t] - mid;
        if (t != a && t != b && d.x() * d.x() + d.y() * d.y() < reach)
            return false;
    }
    return true;
}

int pairsSideBySide(const std::vector<QPointF>& leftTop,
                    const std::vector<std::pair<int, int>>& pairs, QSizeF label)
{
    return static_cast<int>(std::count_if(pairs.begin(), pairs.end(), [&](const auto& p) {
        return sideBySide(leftTop, p.first, p.second, label);
    }));
}

namespace {

int groupAt(const std::vector<int>& groupOf, int s)
{
    return s < static_cast<int>(groupOf.size()) ? groupOf[s] : -1;
}

} // namespace

int groupsInSectors(const std::vector<QPointF>& leftTop, const std::vector<int>& groupOf,
                    QPointF centre)
{
    const int n = static_cast<int>(leftTop.size()) - 1;
    std::vector<int> round(std::max(n, 0));
    std::iota(round.begin(), round.end(), 1);
    const auto angle = [&](int s) {
        return std::atan2(leftTop[s].x() - centre.x(), centre.y() - leftTop[s].y());
    };
    std::stable_sort(round.begin(), round.end(), [&](int a, int b) { return angle(a) < angle(b); });
    // A group holds one sector when it is entered once going round.
    std::map<int, int> entered;
    for (int k = 0; k < n; ++k) {
        const int g = groupAt(groupOf, round[k]);
        if (g >= 0 && groupAt(groupOf, round[(k + n - 1) % n]) != g)
            ++entered[g];
    }
    int together = 0;
    for (int s = 1; s <= n; ++s)
        if (const int g = groupAt(groupOf, s); g >= 0 && !entered.count(g))
            entered[g] = 1; // the whole circle is one group
    for (const auto& [g, times] : entered)
        together += times == 1;
    return together;
}

int groupsInClusters(const std::vector<QPointF>& leftTop, const std::vector<int>& groupOf)
{
    const int n = static_cast<int>(leftTop.size()) - 1;
    std::map<int, QPointF> middle;
    std::map<int, int> size;
    for (int s = 1; s <= n; ++s)
        if (const int g = groupAt(groupOf, s); g >= 0) {
            middle[g] += leftTop[s];
            ++size[g];
        }
    for (auto& [g, m] : middle)
        m /= size[g];
    std::map<int, bool> held;
    for (int s = 1; s <= n; ++s) {
        const int g = groupAt(groupOf, s);
        if (g < 0)
            continue;
        const auto distance = [&](int h) {
            const QPointF d = leftTop[s] - middle[h];
            return d.x() * d.x() + d.y() * d.y();
        };
        bool nearest = true;
        for (const auto& [h, m] : middle)
            nearest = nearest && (h == g || distance(g) < distance(h));
        held.try_emplace(g, true);
        held[g] = held[g] && nearest;
    }
    return static_cast<int>(
        std::count_if(held.begin(), held.end(), [](const auto& h) { return h.second; }));
}

} // namespace Layout
