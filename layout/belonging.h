#pragma once
// Who belongs together beyond the cliques: pupils who chose each other, and the groups
// shown. How near they stand, counted from the label positions alone (Left/Top in twips,
// index 1..n), the same way by Tidy and by the figures it is judged by.

#include "choice.h"

#include <QPointF>
#include <QSizeF>
#include <utility>
#include <vector>

namespace Layout {

// Pupils who chose each other under the positive criterion and share no clique of three
// or more (a clique seats its own), each pair once with the lower number first.
std::vector<std::pair<int, int>> mutualPairs(int n, const std::vector<Choice>& choices);

// Whether two labels stand side by side: no third label between them (none with its
// centre inside the circle on the line between their centres as diameter), and at most
// three labels' widths apart.
bool sideBySide(const std::vector<QPointF>& leftTop, int a, int b, QSizeF label);

// How many of the pairs stand side by side.
int pairsSideBySide(const std::vector<QPointF>& leftTop,
                    const std::vector<std::pair<int, int>>& pairs, QSizeF label);

// How many groups (`groupOf`, by subject number, the group from 0 and -1 for none) hold one
// sector seen from `centre`: going round it, the group's members come one after another,
// nobody else between them. On the Circle and the Square that is consecutive places.
int groupsInSectors(const std::vector<QPointF>& leftTop, const std::vector<int>& groupOf,
                    QPointF centre);

// How many groups form one cluster: each member nearer the middle of its own group than
// the middle of any other group.
int groupsInClusters(const std::vector<QPointF>& leftTop, const std::vector<int>& groupOf);

} // namespace Layout
