#include "geometry.h"

#include <algorithm>

#include <array>
#include <cmath>
#include <numbers>

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

std::vector<QPointF> frameSlots(bool square, int n, QSizeF area, QSizeF label, QSizeF radius,
                                double* grownBy, const std::vector<double>& room)
{
    if (grownBy)
        *grownBy = 1;
    std::vector<QPointF> slots(std::size_t(std::max(n, 0) + 1));
    const QPointF centre(area.width() / 2, area.height() / 2);
    const QPointF half(label.width() / 2, label.height() / 2);
    if (n < 1)
        return slots;
    if (square) {
        // Round the frame from its top-left corner, a corner every quarter of the labels.
        const double w = radius.width(), h = radius.height();
        const std::array<QPointF, 5> corner = {centre + QPointF(-w, -h), centre + QPointF(w, -h),
                                               centre + QPointF(w, h), centre + QPointF(-w, h),
                                               centre + QPointF(-w, -h)};
        for (int s = 1; s <= n; ++s) {
            const double at = 4.0 * (s - 1) / n;
            const int side = std::min(3, int(at));
            const QPointF from = corner[std::size_t(side)], to = corner[std::size_t(side) + 1];
            slots[std::size_t(s)] = from + (to - from) * (at - side) - half;
        }
        return slots;
    }
    // Two squares side by side on the circle clear each other once their centres are a side
    // apart across or down: along the circle that takes side / max(|sin|, |cos|). Equal
    // steps of the sum of max(|sin|, |cos|) give each neighbour that much.
    constexpr int Steps = 3600;
    const auto share = [](double angle) {
        return std::max(std::abs(std::sin(angle)), std::abs(std::cos(angle)));
    };
    std::vector<double> sum(Steps + 1, 0);
    for (int k = 0; k < Steps; ++k)
        sum[std::size_t(k) + 1] =
            sum[std::size_t(k)] + share(2 * std::numbers::pi * (k + 0.5) / Steps);
    const double spacing = std::max(label.width(), label.height()) + 10;
    const auto roomOf = [&](int s) {
        return s >= 1 && s < int(room.size()) ? room[std::size_t(s)] : 0.0;
    };
    std::vector<double> before(std::size_t(n + 1), 0); // the spacing up to slot s
    for (int s = 2; s <= n; ++s)
        before[std::size_t(s)] = before[std::size_t(s - 1)] + spacing + roomOf(s - 1) + roomOf(s);
    const double all = before[std::size_t(n)] + spacing + roomOf(n) + roomOf(1);
    const double wanted = all / (sum[Steps] * 2 * std::numbers::pi / Steps);
    const double widest = room.empty() ? 0.0 : *std::max_element(room.begin(), room.end());
    const double edge =
        std::min(area.width() - label.width(), area.height() - label.height()) / 2 - widest;
    const double r = std::max(radius.width(), std::min(wanted, edge));
    if (grownBy)
        *grownBy = r / radius.width();
    for (int s = 1, k = 0; s <= n; ++s) {
        const double target = sum[Steps] * before[std::size_t(s)] / all;
        while (k < Steps && sum[std::size_t(k) + 1] < target)
            ++k;
        const double angle = 2 * std::numbers::pi * k / Steps; // clockwise from twelve o'clock
        slots[std::size_t(s)] = centre + QPointF(std::sin(angle), -std::cos(angle)) * r - half;
    }
    return slots;
}

} // namespace Layout
