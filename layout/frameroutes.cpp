// Lines round labels on the Circle and the Square: which lines leave the frame, the tracks
// they take outside it and their paths.

#include "routescene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Layout::Routing {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Margin = 50;    // between the outermost track and the area's edge: a marker's room
constexpr double ArcStep = 0.03; // radians between the points of an arc as drawn
constexpr double MinGap = 12;    // between tracks: about a pixel at the designed size

double wrap(double angle) // into [0, 2 pi)
{
    const double w = std::fmod(angle, 2 * Pi);
    return w < 0 ? w + 2 * Pi : w;
}

// The frame of the Circle or the Square, grown outward by a distance: a circle, or a
// rectangle with its corners rounded. Both are star-shaped about the centre, so a point of
// the grown frame is found along the ray at an angle.
struct Frame {
    QPointF centre;
    bool square = false;
    double radius = 0, halfW = 0, halfH = 0;

    double distance(QPointF p) const
    {
        const QPointF d = p - centre;
        if (!square)
            return std::hypot(d.x(), d.y()) - radius;
        return std::hypot(std::max(std::abs(d.x()) - halfW, 0.0),
                          std::max(std::abs(d.y()) - halfH, 0.0));
    }
    QPointF at(double angle, double out) const
    {
        const QPointF u(std::cos(angle), std::sin(angle));
        if (!square)
            return centre + u * (radius + out);
        double low = 0, high = 2 * (halfW + halfH + out) + 1;
        for (int i = 0; i < 40; ++i) {
            const double mid = (low + high) / 2;
            (distance(centre + u * mid) < out ? low : high) = mid;
        }
        return centre + u * high;
    }
};

// An outside line: from the angle `start` on for `sweep` radians, on its track.
struct Span {
    int line = 0;
    double start = 0, sweep = 0;
    int track = 0;
    bool from(double angle, double tolerance) const // the angle within the span
    {
        return wrap(angle - start) <= sweep + tolerance;
    }
};

bool meet(const Span& x, const Span& y)
{
    constexpr double Tolerance = 1e-6;
    return x.from(y.start, Tolerance) || y.from(x.start, Tolerance);
}

// Spans by sweep, the shortest first: each takes the lowest track no span it meets holds
// already. A span nested in another meets it and every span the inner one meets, so the
// outer one always ends on a track further out.
int assignTracks(std::vector<Span>& spans)
{
    std::stable_sort(spans.begin(), spans.end(),
                     [](const Span& x, const Span& y) { return x.sweep < y.sweep; });
    int tracks = 0;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        int track = 1;
        for (std::size_t j = 0; j < i; ++j)
            if (spans[j].track == track && meet(spans[i], spans[j])) {
                ++track;
                j = std::size_t(-1); // look again from the first
            }
        spans[i].track = track;
        tracks = std::max(tracks, track);
    }
    return tracks;
}

// Per pair of lines (i * count + j), whether their ends interleave round the frame.
template <typename Angle> std::vector<char> interleavings(const Scene& s, const Angle& angleOf)
{
    const std::size_t count = s.lines.size();
    std::vector<double> angle(std::size_t(s.n + 1), 0);
    for (int k = 1; k <= s.n; ++k)
        angle[std::size_t(k)] = angleOf(k);
    const auto within = [&](int k, std::pair<int, int> line) {
        const double from = angle[std::size_t(line.first)];
        return wrap(angle[std::size_t(k)] - from) < wrap(angle[std::size_t(line.second)] - from);
    };
    std::vector<char> interleave(count * count, 0);
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t j = 0; j < count; ++j) {
            const auto x = s.lines[i], y = s.lines[j];
            if (x.first != y.first && x.first != y.second && x.second != y.first &&
                x.second != y.second)
                interleave[i * count + j] = within(y.first, x) != within(y.second, x);
        }
    return interleave;
}

// Which lines run outside the frame: every one that would run under a label inside, and
// then, one at a time, any other that crosses fewer lines outside than inside (two lines
// cross when their ends interleave round the frame and they run on the same side).
template <typename Angle>
std::vector<char> sidesOf(const Scene& s, const Angle& angleOf, std::vector<char>& forced,
                          std::vector<int>& gain)
{
    const std::size_t count = s.lines.size();
    std::vector<char> outside(count, 0);
    forced.assign(count, 0);
    for (std::size_t l = 0; l < count; ++l) {
        const auto [a, b] = s.lines[l];
        forced[l] = outside[l] =
            labelsUnder(s, a, b, {s.centre[std::size_t(a)], s.centre[std::size_t(b)]}) > 0;
    }
    const std::vector<char> interleave = interleavings(s, angleOf);
    for (int round = 0; round < 4; ++round) {
        bool moved = false;
        for (std::size_t i = 0; i < count; ++i) {
            if (forced[i])
                continue;
            int same = 0, other = 0;
            for (std::size_t j = 0; j < count; ++j)
                if (interleave[i * count + j])
                    (outside[j] == outside[i] ? same : other) += 1;
            if (other < same) {
                outside[i] = !outside[i];
                moved = true;
            }
        }
        if (!moved)
            break;
    }
    // What each line saves by running where it runs: lines inside that it would cross less
    // those outside that it crosses.
    gain.assign(count, 0);
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t j = 0; j < count; ++j)
            if (interleave[i * count + j])
                gain[i] += outside[j] == outside[i] ? -1 : 1;
    return outside;
}

// The frame through the label centres, about the centre of the area.
Frame frameOf(const Scene& s, bool square, QSizeF area)
{
    Frame frame;
    frame.centre = QPointF(area.width() / 2, area.height() / 2);
    frame.square = square;
    for (int i = 1; i <= s.n; ++i) {
        const QPointF d = s.centre[std::size_t(i)] - frame.centre;
        frame.radius = std::max(frame.radius, std::hypot(d.x(), d.y()));
        frame.halfW = std::max(frame.halfW, std::abs(d.x()));
        frame.halfH = std::max(frame.halfH, std::abs(d.y()));
    }
    return frame;
}

// Lines that chose the outside only to cross less give up their tracks where the tracks
// would not fit: those saving the fewest crossings for the room they take first, and the
// fewest of them.
void keepFitting(std::vector<Span>& spans, const std::vector<char>& forced,
                 const std::vector<int>& gain, int fitting)
{
    const auto worth = [&](const Span& x) { return gain[std::size_t(x.line)] / (x.sweep + 0.1); };
    std::stable_sort(spans.begin(), spans.end(), [&](const Span& x, const Span& y) {
        const bool xFree = !forced[std::size_t(x.line)], yFree = !forced[std::size_t(y.line)];
        return xFree != yFree ? xFree : xFree && worth(x) < worth(y);
    });
    const auto freeCount = std::size_t(std::count_if(
        spans.begin(), spans.end(), [&](const Span& x) { return !forced[std::size_t(x.line)]; }));
    const auto tracksWithout = [&](std::size_t given) {
        std::vector<Span> kept(spans.begin() + std::ptrdiff_t(given), spans.end());
        return assignTracks(kept);
    };
    std::size_t low = 0, high = freeCount;
    while (low < high && tracksWithout(low) > fitting) {
        const std::size_t mid = (low + high) / 2;
        if (tracksWithout(mid) > fitting)
            low = mid + 1;
        else
            high = mid;
    }
    spans.erase(spans.begin(), spans.begin() + std::ptrdiff_t(low));
}

// An outside line's path: from its first end's centre out to its track `out` beyond the
// frame, along the track (from the span's start when `forward`), and in to the other end.
Path outsidePath(const Scene& s, const Frame& frame, const Span& span, double out, bool forward)
{
    const auto [a, b] = s.lines[std::size_t(span.line)];
    Path path{s.centre[std::size_t(a)]};
    const int steps = std::max(1, int(std::ceil(span.sweep / ArcStep)));
    for (int k = 0; k <= steps; ++k) {
        const double t = double(forward ? k : steps - k) / steps;
        path.push_back(frame.at(span.start + span.sweep * t, out));
    }
    path.push_back(s.centre[std::size_t(b)]);
    return path;
}

} // namespace

LineRoutes routeOutside(const Scene& s, bool square, QSizeF area, QSizeF label)
{
    LineRoutes routes;
    const Frame frame = frameOf(s, square, area);
    const auto angleOf = [&](int i) {
        const QPointF d = s.centre[std::size_t(i)] - frame.centre;
        return wrap(std::atan2(d.y(), d.x()));
    };
    std::vector<char> forced;
    std::vector<int> gain;
    const std::vector<char> outside = sidesOf(s, angleOf, forced, gain);
    std::vector<Span> spans;
    for (std::size_t l = 0; l < s.lines.size(); ++l) {
        const auto [a, b] = s.lines[l];
        const double from = angleOf(a), turn = wrap(angleOf(b) - from);
        const Span span =
            turn <= Pi ? Span{int(l), from, turn} : Span{int(l), angleOf(b), 2 * Pi - turn};
        if (outside[l])
            spans.push_back(span);
    }
    // The first track clears the labels on the frame; the tracks share what room is left to
    // the area's edge, however many there are.
    const double room =
        square ? std::min(frame.centre.x() - frame.halfW, frame.centre.y() - frame.halfH)
               : std::min(frame.centre.x(), frame.centre.y()) - frame.radius;
    const double half = std::max(label.width(), label.height()) / 2;
    keepFitting(spans, forced, gain, std::max(1, int((room - Margin - half - 30) / MinGap) + 1));
    routes.tracks = assignTracks(spans);
    if (spans.empty())
        return routes;
    const double clear = half * std::numbers::sqrt2 + 40;
    const double first =
        std::max(half + 30, std::min(clear, room - Margin - MinGap * (routes.tracks - 1)));
    // Lines with no other way keep inside the area even closer than a pixel apart.
    const double gap = routes.tracks > 1
                           ? std::clamp((room - Margin - first) / (routes.tracks - 1), 2.0, 70.0)
                           : 0.0;
    for (const Span& span : spans) {
        const auto [a, b] = s.lines[std::size_t(span.line)];
        const bool forward = std::abs(wrap(angleOf(a) - span.start)) < 1e-9;
        routes.paths[{a, b}] = outsidePath(s, frame, span, first + gap * (span.track - 1), forward);
    }
    return routes;
}

} // namespace Layout::Routing
