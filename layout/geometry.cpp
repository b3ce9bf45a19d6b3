#include "geometry.h"

#include <algorithm>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>
#include <utility>

namespace Layout {

using Codes::Geometry::Pi;

Place polarPlace(Area area, float radius, float angle, LabelSize label)
{
    const Codes::Geometry::PolarPoint p = Codes::Geometry::polarPoint(
        static_cast<double>(area.W / 2), static_cast<double>(area.H / 2),
        static_cast<double>(radius), static_cast<double>(angle));
    return {static_cast<float>(p.x) - label.width / 2, static_cast<float>(p.y) - label.height / 2};
}

std::vector<Place> circlePlaces(long n, Area area, LabelSize label)
{
    std::vector<Place> places;
    if (n < 1)
        return places;
    const auto step = static_cast<float>(2 * Pi / n);
    float theta = 0;
    for (long i = 1; i <= n; ++i) {
        places.push_back(
            polarPlace(area, static_cast<float>(Codes::Geometry::CircleRadius), theta, label));
        theta = theta + step; // accumulated, so that the last angle carries the sum's error
    }
    return places;
}

std::optional<SquareSpacing> squareSpacing(long n, Area area)
{
    const long k = n % 4 == 0 ? n / 4 : n / 4 + 1;
    if (k + 1 == 0)
        return std::nullopt;
    using Codes::Geometry::squareFrameLength;
    return SquareSpacing{
        k, static_cast<float>(static_cast<double>(squareFrameLength(area.W)) / (k + 1)),
        static_cast<float>(static_cast<double>(squareFrameLength(area.H)) / (k + 1))};
}

std::vector<Place> squarePlaces(long n, Area area, LabelSize label, SquareSpacing spacing)
{
    using Codes::Geometry::squareFrameFar, Codes::Geometry::squareFrameNear;
    const float left0 = squareFrameNear(area.W), top0 = squareFrameNear(area.H);
    const float right0 = squareFrameFar(area.W), bottom0 = squareFrameFar(area.H);
    const double hs = spacing.horizontal, vs = spacing.vertical;
    long top = 1, right = 1, bottom = 1, left = 1;
    std::vector<Place> places;
    for (long i = 1; i <= n; ++i) {
        Place p;
        switch (i % 4) {
        case 1:
            p = {static_cast<float>(static_cast<double>(left0) + hs * top++), top0};
            break;
        case 2:
            p = {right0 - label.width,
                 static_cast<float>(static_cast<double>(top0) + vs * right++)};
            break;
        case 3:
            p = {static_cast<float>(static_cast<double>(right0) - hs * bottom++),
                 bottom0 - label.height};
            break;
        default:
            p = {left0, static_cast<float>(static_cast<double>(bottom0) - vs * left++)};
            break;
        }
        places.push_back(p);
    }
    return places;
}

std::optional<std::vector<Ring>> targetRings(const std::vector<long>& received, long subjects,
                                             long maxReceived, Area area, LabelSize label)
{
    if (maxReceived + 1 == 0)
        return std::nullopt;
    std::vector<Ring> rings;
    float k = 1.0f;
    for (long c = maxReceived; c >= 0; --c) {
        Ring ring;
        ring.received = c;
        for (long s = 1; s <= subjects && s < static_cast<long>(received.size()); ++s)
            if (received[static_cast<std::size_t>(s)] == c)
                ring.members.push_back(s);
        // An empty ring still takes its place, so that a gap shows.
        ring.radius = static_cast<float>(
            Codes::Geometry::labelRingRadius(area.W, maxReceived + 1, static_cast<double>(k)));
        k = k + 1;
        const auto m = static_cast<long>(ring.members.size());
        const float step = m != 0 ? static_cast<float>(2 * Pi / m) : 0.0f;
        // Neighbouring rings are turned against each other so that labels do not line up.
        const float offset = c % 2 == 0 ? 0.0f : static_cast<float>(Pi / 4);
        float theta = 0;
        for (long entry = 0; entry < m; ++entry) {
            ring.places.push_back(polarPlace(area, ring.radius, theta + offset, label));
            theta = theta + step;
        }
        rings.push_back(std::move(ring));
    }
    return rings;
}

bool collidesWithEarlier(const PositionTable& placed, long i, float left, float top)
{
    for (long j = 0; j < i && j < static_cast<long>(placed.size()); ++j) {
        const float l = placed[static_cast<std::size_t>(j)][0];
        const float t = placed[static_cast<std::size_t>(j)][1];
        if (l - RandomSeparation < left && left < l + RandomSeparation &&
            t - RandomSeparation < top && top < t + RandomSeparation)
            return true;
    }
    return false;
}

std::optional<Place> randomPlace(const RandomSource& random, const PositionTable& placed, long i,
                                 Area area)
{
    for (long attempts = 0; attempts < RandomAttemptLimit; ++attempts) {
        const float x = random() * (area.W - RandomSeparation);
        const float y = random() * (area.H - RandomSeparation);
        if (!collidesWithEarlier(placed, i, x, y))
            return Place{x, y};
    }
    return std::nullopt;
}

void alignSquare(SnapWork& w, float dropX, float dropY, Area area, std::optional<float> tagRadius)
{
    const float cx = area.W / 2;
    const float cy = area.H / 2;
    w.dx = std::fabs(dropX - cx);
    w.dy = std::fabs(dropY - cy);
    const bool leftOfCentre = cx >= dropX;
    const bool aboveCentre = cy >= dropY;
    const double dx = w.dx, dy = w.dy;
    w.distance = static_cast<float>(std::sqrt(dx * dx + dy * dy));
    if (tagRadius && std::isfinite(*tagRadius))
        w.ringRadius = *tagRadius;
    if (w.ringRadius != 0) {
        const float ratio = w.distance / w.ringRadius;
        if (std::isfinite(ratio))
            w.ratio = ratio;
    }
    if (w.ratio != 0) {
        const float sx = w.dx / w.ratio;
        const float sy = w.dy / w.ratio;
        if (std::isfinite(sx))
            w.scaledDx = sx;
        if (std::isfinite(sy))
            w.scaledDy = sy;
    }
    w.snapX = leftOfCentre ? cx - w.scaledDx : cx + w.scaledDx;
    w.snapY = aboveCentre ? cy - w.scaledDy : cy + w.scaledDy;
}

namespace {

// The gaps round the frame, each `base` and the room its labels' marks ask: both marks
// apart where the length allows; else each mark clear of the neighbouring label; else as
// much of that as fits. A label's own clearance is never given up here (a Square's side
// too short for it shrinks every gap alike).
std::vector<double> spreadGaps(double base, const std::vector<double>& apart,
                               const std::vector<double>& nearer, double length)
{
    const std::size_t n = apart.size() - 1;
    double wantApart = 0, wantNearer = 0;
    for (std::size_t s = 1; s <= n; ++s) {
        wantApart += apart[s];
        wantNearer += nearer[s];
    }
    const double free = length - base * double(n);
    std::vector<double> gaps(n + 1, base);
    for (std::size_t s = 1; s <= n; ++s) {
        if (free >= wantApart)
            gaps[s] += apart[s];
        else if (free >= wantNearer && wantApart > wantNearer)
            gaps[s] +=
                nearer[s] + (apart[s] - nearer[s]) * (free - wantNearer) / (wantApart - wantNearer);
        else if (free > 0 && wantNearer > 0)
            gaps[s] += nearer[s] * std::min(1.0, free / wantNearer);
    }
    return gaps;
}

// What slot s of `room` asks clear beside its label; nothing where `room` says nothing.
double roomAt(const std::vector<double>& room, int s)
{
    return s >= 1 && s < int(room.size()) ? room[std::size_t(s)] : 0.0;
}

// For the gaps after each of the `n` slots from `first` on (the last of all `total` slots
// followed by the first): the room both marks beside a gap ask, and the room the larger asks.
std::pair<std::vector<double>, std::vector<double>> gapRoom(const std::vector<double>& room,
                                                            int first, int n, int total)
{
    std::vector<double> apart(std::size_t(n + 1)), nearer(std::size_t(n + 1));
    for (int k = 1; k <= n; ++k) {
        const int s = first + k - 1, next = s % total + 1;
        apart[std::size_t(k)] = roomAt(room, s) + roomAt(room, next);
        nearer[std::size_t(k)] = std::max(roomAt(room, s), roomAt(room, next));
    }
    return {apart, nearer};
}

// Round the Square from its top-left corner: a label on each corner, so that no two
// neighbours meet round one, and the rest along the sides in proportion to their lengths,
// each side's gaps widened where its labels' marks ask and evened out with what is left.
std::vector<QPointF> squareSlots(int n, QPointF centre, QPointF half, QSizeF radius, double spacing,
                                 const std::vector<double>& room)
{
    const double w = radius.width(), h = radius.height();
    std::vector<QPointF> slots(std::size_t(n + 1), centre - half);
    slots[0] = {};        // unused
    if (w <= 0 || h <= 0) // no frame to go round: every label on the centre
        return slots;
    const std::array<QPointF, 5> corner = {centre + QPointF(-w, -h), centre + QPointF(w, -h),
                                           centre + QPointF(w, h), centre + QPointF(-w, h),
                                           centre + QPointF(-w, -h)};
    const std::array<double, 4> length = {2 * w, 2 * h, 2 * w, 2 * h};
    std::array<int, 4> count{}; // the gaps on each side, by the largest remainder
    std::array<double, 4> rest{};
    int given = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const double exact = n * length[i] / (4 * (w + h));
        count[i] = std::max(n >= 4 ? 1 : 0, int(exact));
        rest[i] = exact - count[i];
        given += count[i];
    }
    for (; given < n; ++given) {
        const auto most = std::size_t(std::max_element(rest.begin(), rest.end()) - rest.begin());
        ++count[most];
        rest[most] = -1;
    }
    for (; given > n; --given) // a frame so flat that its short sides' corners took too many
        --*std::max_element(count.begin(), count.end());
    for (int i = 0, s = 1; i < 4; s += count[std::size_t(i)], ++i) {
        const int g = count[std::size_t(i)];
        if (g == 0)
            continue;
        const double side = length[std::size_t(i)];
        const auto [apart, nearer] = gapRoom(room, s, g, n);
        std::vector<double> gaps = spreadGaps(spacing, apart, nearer, side);
        const double used = std::accumulate(gaps.begin() + 1, gaps.end(), 0.0);
        for (double& gap : gaps) // the side filled exactly, however it was spread
            gap = used > side ? gap * side / used : gap + (side - used) / g;
        double along = 0;
        for (int k = 1; k <= g; along += gaps[std::size_t(k)], ++k) {
            const QPointF from = corner[std::size_t(i)], to = corner[std::size_t(i) + 1];
            slots[std::size_t(s + k - 1)] = from + (to - from) * (along / side) - half;
        }
    }
    return slots;
}

// Two squares side by side on the circle clear each other once their centres are a side
// apart across or down: along the circle that takes side / max(|sin|, |cos|). Equal steps
// of the sum of max(|sin|, |cos|) give each neighbour that much.
class Rim {
public:
    Rim() : sum(Steps + 1, 0)
    {
        for (int k = 0; k < Steps; ++k) {
            const double angle = 2 * std::numbers::pi * (k + 0.5) / Steps;
            sum[std::size_t(k) + 1] = sum[std::size_t(k)] + std::max(std::abs(std::sin(angle)),
                                                                     std::abs(std::cos(angle)));
        }
    }
    // The length round the circle, in those steps, a circle of radius 1 gives.
    double perRadius() const { return sum[Steps] * 2 * std::numbers::pi / Steps; }
    // The angle, clockwise from twelve o'clock, `part` (0 to 1) of the way round.
    double angleAt(double part) const
    {
        const double target = sum[Steps] * part;
        const auto next = std::lower_bound(sum.begin() + 1, sum.end(), target);
        const auto k = std::size_t(std::min(next - sum.begin(), std::ptrdiff_t(Steps)) - 1);
        const double within = (target - sum[k]) / (sum[k + 1] - sum[k]);
        return 2 * std::numbers::pi * (double(k) + std::clamp(within, 0.0, 1.0)) / Steps;
    }

private:
    static constexpr int Steps = 3600;
    std::vector<double> sum;
};

struct CirclePlan {
    double radius = 0;
    std::vector<double> angle; // of slot s, index 1..n
};

// The slots' angles and the circle's radius when the rim may be `edge` from the centre.
CirclePlan planCircle(const Rim& rim, double spacing, const std::vector<double>& apart,
                      const std::vector<double>& nearer, double edge, double least)
{
    const std::vector<double> gaps = spreadGaps(spacing, apart, nearer, edge * rim.perRadius());
    const std::size_t n = gaps.size() - 1;
    std::vector<double> before(n + 1, 0); // the spacing up to slot s
    for (std::size_t s = 2; s <= n; ++s)
        before[s] = before[s - 1] + gaps[s - 1];
    const double all = before[n] + gaps[n];
    CirclePlan plan{std::max(least, std::min(all / rim.perRadius(), edge)), {0.0}};
    for (std::size_t s = 1; s <= n; ++s)
        plan.angle.push_back(rim.angleAt(before[s] / all));
    return plan;
}

// How far from the centre a label may stand at `angle`, with `reach` of mark round it,
// inside the area.
double radiusInside(double angle, double reach, QSizeF area, QSizeF label)
{
    const double down = std::abs(std::cos(angle)), across = std::abs(std::sin(angle));
    const double high = (area.height() - label.height()) / 2 - reach;
    const double wide = (area.width() - label.width()) / 2 - reach;
    return std::min(down > 1e-9 ? high / down : wide, across > 1e-9 ? wide / across : high);
}

// The farthest the labels of `plan` may stand out, each with its mark inside the area.
double roomOutward(const CirclePlan& plan, const std::vector<double>& room, QSizeF area,
                   QSizeF label)
{
    double limit = std::numeric_limits<double>::max();
    for (std::size_t s = 1; s < plan.angle.size(); ++s)
        limit = std::min(limit, radiusInside(plan.angle[s], roomAt(room, int(s)), area, label));
    return limit;
}

// The Circle's plan, its rim first kept so far in that the widest mark fits anywhere; where
// the marks want more room and the labels nearest the area's edges carry no such mark, the
// rim goes out as far as every label with its mark still fits at its own angle.
CirclePlan circlePlan(int n, QSizeF area, QSizeF label, double least, double spacing,
                      const std::vector<double>& room)
{
    const Rim rim;
    const double widest = room.empty() ? 0.0 : *std::max_element(room.begin(), room.end());
    double edge =
        std::min(area.width() - label.width(), area.height() - label.height()) / 2 - widest;
    const auto [apart, nearer] = gapRoom(room, 1, n, n);
    CirclePlan plan = planCircle(rim, spacing, apart, nearer, edge, least);
    double limit = roomOutward(plan, room, area, label);
    for (int round = 0; round < 6 && plan.radius >= edge - 0.5 && limit > edge + 1; ++round) {
        CirclePlan wider = planCircle(rim, spacing, apart, nearer, limit, least);
        if (const double further = roomOutward(wider, room, area, label);
            further >= wider.radius - 0.01) {
            plan = std::move(wider);
            edge = std::exchange(limit, further);
        } else {
            limit = (edge + limit) / 2;
        }
    }
    return plan;
}

} // namespace

std::vector<QPointF> frameSlots(bool square, int n, QSizeF area, QSizeF label, QSizeF radius,
                                double* grownBy, const std::vector<double>& room)
{
    if (grownBy)
        *grownBy = 1;
    const QPointF centre(area.width() / 2, area.height() / 2);
    const QPointF half(label.width() / 2, label.height() / 2);
    const double spacing = std::max(label.width(), label.height()) + 10;
    if (n < 1)
        return std::vector<QPointF>(std::size_t(std::max(n, 0) + 1));
    if (square)
        return squareSlots(n, centre, half, radius, spacing, room);
    const CirclePlan plan = circlePlan(n, area, label, radius.width(), spacing, room);
    if (grownBy)
        *grownBy = plan.radius / radius.width();
    std::vector<QPointF> slots(std::size_t(n + 1));
    for (std::size_t s = 1; s <= std::size_t(n); ++s) // clockwise from twelve o'clock
        slots[s] = centre +
                   QPointF(std::sin(plan.angle[s]), -std::cos(plan.angle[s])) * plan.radius - half;
    return slots;
}

} // namespace Layout
