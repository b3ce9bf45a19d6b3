#pragma once
// The Target's rings as Tidy sees them: where a label stands on a ring, how a ring spreads
// its members, and the moves of the search round the rings. Internal to the layout
// library.

#include "tidyscene.h"

#include "codes.h"

#include <cmath>
#include <vector>

namespace Layout::TidySupport {

class Sectors;

// A ring as Tidy widens and searches it (the designed ring of the layout is `Layout::Ring`).
struct TidyRing {
    double designed = 0, radius = 0;
    std::vector<int> members;
};

class Centre {
public:
    Centre(QSizeF area, QSizeF label) : cx(area.width() / 2), cy(area.height() / 2), size(label) {}
    QPointF leftTop(double radius, double angle) const
    {
        const Codes::Geometry::PolarPoint p = Codes::Geometry::polarPoint(cx, cy, radius, angle);
        return {p.x - size.width() / 2, p.y - size.height() / 2};
    }
    double angleOf(QPointF leftTop) const
    {
        const double a =
            std::atan2(leftTop.x() + size.width() / 2 - cx, cy - leftTop.y() - size.height() / 2);
        return std::isfinite(a) ? a : 0;
    }

private:
    double cx, cy;
    QSizeF size;
};

// Angles as near `wanted` (ascending) as keep neighbours `apart`; evenly spread in the same
// order where the ring has no room for that.
std::vector<double> spreadNear(const std::vector<double>& wanted, double apart);

// Labels of neighbouring rings on each other slide along their rings apart, each within its
// group's sector where `sectors` are given.
void slideApart(const std::vector<TidyRing>& rings, const Centre& centre, QSizeF label,
                std::vector<QPointF>& at, const Sectors* sectors = nullptr);

// Cliques of three to five split round the centre come together on their rings.
void gatherCliques(const std::vector<TidyRing>& rings, const Centre& centre, QSizeF label,
                   const std::vector<std::vector<int>>& cliques, std::vector<QPointF>& at);

// Whether every clique of s stays within a third of the circle seen from the centre with
// the labels at the angles `after`, or, one that was wider at `before`, gets no wider.
bool cliquesHold(int s, const std::vector<double>& after, const std::vector<double>& before,
                 const std::vector<std::vector<int>>& cliquesOf,
                 const std::vector<std::vector<int>>& cliques);

// What a label may do in the long search along the rings: jump to any place on its ring,
// or trade places with a member of its ring, its cliques staying within a third.
struct RingMoves {
    const std::vector<TidyRing>& rings;
    const Centre& centre;
    const std::vector<std::vector<int>>& cliques;
    std::vector<std::vector<int>> cliquesOf;
    std::vector<int> ringOf;
    std::vector<double> angle, before;
    const Sectors* sectors = nullptr; // with groups shown, each label keeps to its group's

    RingMoves(const std::vector<TidyRing>& onRings, const Centre& c,
              const std::vector<std::vector<int>>& cl, int n);

    // Labels and their new places, or none when the move would split a clique.
    bool draw(const TidyScene& scene, Random& random, std::vector<int>& labels,
              std::vector<QPointF>& to);
};

} // namespace Layout::TidySupport
