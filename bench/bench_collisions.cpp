// What a teacher sees after Tidy with "Show Names" and "Show Status" on: generated Both
// classes of 30 and 40 tidied through the window's own steps, the whole picture built as the
// window builds it, and its collisions counted from the primitives drawn. Printed as a
// table: every collision should count 0; the last column counts the names cut shorter, with
// an ellipsis, than the longest a name is drawn.

#include "arrangement.h"
#include "benchapp.h"
#include "globals.h"
#include "keydrawing.h"
#include "layoutsteps.h"
#include "linesteps.h"
#include "namebands.h"
#include "paint.h"
#include "picturebuild.h"
#include "sociometry.h"
#include "statussteps.h"
#include "tidyclasses.h"
#include "viewoptions.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <random>
#include <set>

namespace {

using Kind = Primitive::Kind;

struct Collisions {
    int nameName = 0, nameLabel = 0, nameMark = 0, fartherThanOther = 0, outside = 0,
        nameOnTrack = 0, leftOut = 0, markLabel = 0, markMark = 0, cutShort = 0;
};

QRectF boxOf(const Primitive& p)
{
    const qreal grow = p.kind == Kind::Rectangle ? p.width / 2 : 0;
    return QRectF(p.p1, p.p2).normalized().adjusted(-grow, -grow, grow, grow);
}

// Touching edges are allowed: bands are made to meet exactly where they part.
bool meet(const QRectF& a, const QRectF& b)
{
    const QRectF both = a & b;
    return both.width() > 0.5 && both.height() > 0.5;
}

// From the point of a name's band nearest its own label's middle, where the name is read as
// attached, to a label's square.
double gapBetween(QPointF from, const QRectF& label)
{
    const double dx = std::max({0.0, label.left() - from.x(), from.x() - label.right()});
    const double dy = std::max({0.0, label.top() - from.y(), from.y() - label.bottom()});
    return std::hypot(dx, dy);
}

QPointF nearestTo(const QRectF& band, QPointF p)
{
    return {std::clamp(p.x(), band.left(), band.right()),
            std::clamp(p.y(), band.top(), band.bottom())};
}

bool pieceMeets(QPointF p, QPointF q, const QRectF& r)
{
    // Clipped to the rectangle's slabs (Liang and Barsky).
    double t0 = 0, t1 = 1;
    const double d[2] = {q.x() - p.x(), q.y() - p.y()};
    const double from[2] = {p.x(), p.y()}, low[2] = {r.left(), r.top()},
                 high[2] = {r.right(), r.bottom()};
    for (int k = 0; k < 2; ++k) {
        if (std::abs(d[k]) < 1e-12) {
            if (from[k] <= low[k] || from[k] >= high[k])
                return false;
            continue;
        }
        double a = (low[k] - from[k]) / d[k], b = (high[k] - from[k]) / d[k];
        if (a > b)
            std::swap(a, b);
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
    }
    return t0 < t1;
}

// `owner`: the subject whose name each name text is. Outlines are told from labels by kind.
Collisions countCollisions(const PrimitiveList& picture, QSizeF area,
                           const std::map<QString, int>& owner, bool tracks)
{
    std::vector<QRectF> names, labels, marks;
    std::vector<int> nameOf;
    std::map<int, QRectF> labelOf;
    std::vector<const Primitive*> paths;
    Collisions c;
    for (const Primitive& p : picture) {
        if (p.kind == Kind::Name) {
            names.push_back(boxOf(p));
            // Shorter than the name may be drawn (a longer name is always cut at NameWidth);
            // an upright band is taller than wide.
            const QRectF& band = names.back();
            c.cutShort += std::max(band.width(), band.height()) + 1 <
                          std::min(nameWidth(p.text), DrawSize::NameWidth);
            nameOf.push_back(owner.at(p.text));
        } else if (p.kind == Kind::Label) {
            labels.push_back(boxOf(p));
            labelOf[p.text.toInt()] = labels.back();
        } else if (p.kind == Kind::Rectangle && p.p2.x() - p.p1.x() < 1000) { // not the frame
            marks.push_back(boxOf(p));
        } else if (p.kind == Kind::Path) {
            paths.push_back(&p);
        }
    }
    c.leftOut = int(owner.size() - names.size());
    const QRectF inside(QPointF(0, 0), area);
    for (const std::vector<QRectF>* boxes : {&names, &labels, &marks})
        for (const QRectF& box : *boxes)
            c.outside += !inside.contains(box);
    // Each mark's own label is the one it is drawn about.
    std::vector<std::size_t> ownerOf;
    for (const QRectF& mark : marks)
        ownerOf.push_back(
            std::size_t(std::min_element(labels.begin(), labels.end(),
                                         [&](const QRectF& a, const QRectF& b) {
                                             return QLineF(a.center(), mark.center()).length() <
                                                    QLineF(b.center(), mark.center()).length();
                                         }) -
                        labels.begin()));
    std::set<std::pair<std::size_t, std::size_t>> marksMeeting; // pairs of labels
    for (std::size_t m = 0; m < marks.size(); ++m) {
        for (std::size_t l = 0; l < labels.size(); ++l)
            c.markLabel += l != ownerOf[m] && meet(marks[m], labels[l]);
        // Outlines meet where they cross; one inside the other is a ring round a ring.
        for (std::size_t o = 0; o < marks.size(); ++o)
            if (ownerOf[o] > ownerOf[m] && meet(marks[m], marks[o]) &&
                !marks[m].contains(marks[o]) && !marks[o].contains(marks[m]))
                marksMeeting.insert({ownerOf[m], ownerOf[o]});
    }
    c.markMark = int(marksMeeting.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = i + 1; j < names.size(); ++j)
            c.nameName += meet(names[i], names[j]);
        for (const QRectF& label : labels)
            c.nameLabel += meet(names[i], label);
        for (const QRectF& mark : marks)
            c.nameMark += meet(names[i], mark);
        const QRectF mine = labelOf.at(nameOf[i]);
        const QPointF attached = nearestTo(names[i], mine.center());
        const double own = gapBetween(attached, mine);
        bool farther = false;
        for (const auto& [s, label] : labelOf)
            farther |= s != nameOf[i] && gapBetween(attached, label) <= own;
        c.fartherThanOther += farther;
        bool over = false;
        for (const Primitive* path : paths)
            for (std::size_t k = 0; tracks && k + 1 < path->points.size(); ++k)
                over |= pieceMeets(path->points[k], path->points[k + 1], names[i]);
        c.nameOnTrack += over;
    }
    return c;
}

// Names as a class list gives them, of every length.
QStringList classNames(int n)
{
    const char* first[] = {"Mia",   "Alexander",  "Lea",   "Jonas", "Emilia",    "Ben",
                           "Hanna", "Maximilian", "Sofia", "Tim",   "Charlotte", "Noah"};
    const char* last[] = {"Li", "Schneider", "Okafor", "Weber", "Nguyen", "Fischer-Lange", "Roth"};
    QStringList names{QString()};
    for (int s = 1; s <= n; ++s)
        names << QStringLiteral("%1 %2").arg(QLatin1String(first[s % 12]),
                                             QLatin1String(last[(s * 5 + s / 12) % 7]));
    return names;
}

// The designed layout of `type`, its labels loaded as the layout leaves them.
void layOut(LabelSet& labels, int type, int n, const std::vector<Choice>& choices, unsigned seed)
{
    const Layout::Area area;
    std::vector<Layout::Place> places;
    std::vector<float> ring(std::size_t(n) + 1, 0);
    if (type == Codes::SociogramType::Circle)
        places = Layout::circlePlaces(n, area, {});
    else if (type == Codes::SociogramType::Square)
        places = Layout::squarePlaces(n, area, {}, *Layout::squareSpacing(n, area));
    else if (type == Codes::SociogramType::Target) {
        std::vector<long> received(std::size_t(n) + 1, 0);
        for (const Choice& c : choices)
            received[std::size_t(c.chosen)] += c.positive();
        const long most = *std::max_element(received.begin(), received.end());
        places.resize(std::size_t(n));
        const auto rings = Layout::targetRings(received, n, most, area, {});
        for (const Layout::Ring& r : *rings)
            for (std::size_t e = 0; e < r.members.size(); ++e) {
                places[std::size_t(r.members[e] - 1)] = r.places[e];
                ring[std::size_t(r.members[e])] = r.radius;
            }
    } else {
        std::mt19937 random(seed);
        const Layout::RandomSource source = [&] { return float(random() % 100000) / 100000.0f; };
        PositionTable placed{};
        for (int s = 1; s <= n; ++s) {
            const Layout::Place at = randomPlace(source, placed, s, area).value_or(Layout::Place{});
            placed[std::size_t(s)] = {std::int16_t(at.left), std::int16_t(at.top)};
            places.push_back({float(placed[std::size_t(s)][0]), float(placed[std::size_t(s)][1])});
        }
    }
    for (int s = 1; s <= n; ++s) {
        (void)labels.load(s);
        labels.move(s, places[std::size_t(s - 1)].left, places[std::size_t(s - 1)].top);
        labels.setTag(s, QString::number(ring[std::size_t(s)]));
    }
}

std::vector<Status> marksOf(int n, const std::vector<Choice>& choices)
{
    ChoiceSet set = emptyChoiceSet(n, 5, Codes::CriterionType::Both);
    for (const Choice& c : choices)
        (c.positive() ? set.positive : set.negative).push_back(c);
    return statusMarks(analyseChoices(set), StatusMethod::CoieDodgeCoppotelli);
}

// Tidy as the window runs it with names and status shown, and the picture it then shows.
Collisions tidiedCollisions(int type, int n, const std::vector<Choice>& choices, unsigned seed)
{
    Arrangement arrangement;
    ViewOptions view;
    LayoutSteps steps(arrangement, view);
    Global::SociogramType = type;
    layOut(arrangement.labels(), type, n, choices, seed);
    view.setShowNames(true);
    view.setShowStatus(true);
    view.setLinesRound(true);
    const std::vector<Status> marks = marksOf(n, choices);
    std::vector<double> room;
    for (Status mark : marks)
        room.push_back(statusMarkReach(mark));
    steps.setShownTies(choices);
    steps.setMarkRoom(room);
    steps.TidyLabels(true);

    PictureValues v;
    v.sociogramType = type;
    v.area = QSizeF(Codes::Geometry::DesignWidth, Codes::Geometry::DesignHeight);
    v.labels = &arrangement.labels();
    v.labelSize = QSizeF(Codes::Geometry::LabelSide, Codes::Geometry::LabelSide);
    for (int s = 1; s <= n; ++s)
        if (const SubjectLabel* l = v.labels->get(s))
            v.positions[std::size_t(s)] = {std::int16_t(l->Left), std::int16_t(l->Top)};
    v.choices = choices;
    v.routed = true;
    v.arranged = true;
    const QStringList names = classNames(n);
    v.names = SubjectNames(names.begin(), names.end());
    v.marks = marks;
    std::map<QString, int> owner;
    for (int s = 1; s <= n; ++s)
        owner[v.names[s]] = s;
    const bool onFrame =
        type == Codes::SociogramType::Circle || type == Codes::SociogramType::Square;
    const PrimitiveList picture = wholePicture(v);
    // SOCIOGRAM_COLLISION_PICTURES=folder keeps each picture to look at.
    if (const QString folder = qEnvironmentVariable("SOCIOGRAM_COLLISION_PICTURES");
        !folder.isEmpty()) {
        QImage image(922, 884, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(sociogramLabelFont());
        paintPrimitives(painter, picture, 2.0 / 15);
        painter.end();
        image.save(
            QStringLiteral("%1/type%2-%3-seed%4.png").arg(folder).arg(type).arg(n).arg(seed));
    }
    return countCollisions(picture, v.area, owner, onFrame);
}

void BM_TidyCollisions_Table(benchmark::State& state)
{
    ensureBenchApplication();
    const char* names[] = {"Circle", "Random", "Square", "Target"};
    std::string table =
        "| Layout | Class | Names meeting | Name on a label | Name on a mark | "
        "Name nearer another label | Outside the area | Name over an outside "
        "line | Names left out | Mark on another label | Marks meeting | Names cut short |\n"
        "|---|---|---|---|---|---|---|---|---|---|---|---|\n";
    for (auto _ : state)
        for (int type : {Codes::SociogramType::Circle, Codes::SociogramType::Square,
                         Codes::SociogramType::Target, Codes::SociogramType::Random})
            for (const auto& [n, each] : {std::pair(30, 4), std::pair(40, 5)}) {
                Collisions sum;
                for (unsigned seed = 1; seed <= 5; ++seed) {
                    const Collisions c =
                        tidiedCollisions(type, n, TidyClasses::generatedClass(n, each, seed), seed);
                    sum = {sum.nameName + c.nameName, sum.nameLabel + c.nameLabel,
                           sum.nameMark + c.nameMark, sum.fartherThanOther + c.fartherThanOther,
                           sum.outside + c.outside,   sum.nameOnTrack + c.nameOnTrack,
                           sum.leftOut + c.leftOut,   sum.markLabel + c.markLabel,
                           sum.markMark + c.markMark, sum.cutShort + c.cutShort};
                }
                char row[200];
                std::snprintf(
                    row, sizeof row,
                    "| %s | %d x %d | %d | %d | %d | %d | %d | %d | %d | %d | %d | %d |\n",
                    names[type], n, each, sum.nameName, sum.nameLabel, sum.nameMark,
                    sum.fartherThanOther, sum.outside, sum.nameOnTrack, sum.leftOut, sum.markLabel,
                    sum.markMark, sum.cutShort);
                table += row;
            }
    std::fputs(table.c_str(), stderr);
}
BENCHMARK(BM_TidyCollisions_Table)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
