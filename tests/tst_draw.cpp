// The drawing as values: choice lines, guide shapes, the printed page and the picture.
#include "ballots.h"
#include "changedraw.h"
#include "emphasis.h"
#include "files.h"
#include "keydrawing.h"
#include "linedraw.h"
#include "namebands.h"
#include "paint.h"
#include "pictureexport.h"
#include "pictures.h"
#include "socioprint.h"
#include "statusmarks.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

const QSizeF Label(360, 360);
const QSizeF Drawing(6915, 6630);

// Subjects 1 and 2 side by side (centres (1180, 1180) and (4780, 1180)), 3 low left.
PositionTable places()
{
    PositionTable p{};
    p[1] = {1000, 1000};
    p[2] = {4600, 1000};
    p[3] = {1000, 5000};
    return p;
}

PrimitiveList picture()
{
    PrimitiveList list;
    for (const Choice& c : {Choice{1, 2}, Choice{2, 1}, Choice{3, 1, ChoiceKind::Negative}})
        appendChoice(list, c, places(), Label);
    const GuideShape guide = guideShape(Codes::SociogramType::Circle, 0, 6915, 6630);
    list.insert(list.end(), guide.shapes.begin(), guide.shapes.end());
    for (int i = 1; i <= 3; ++i)
        list.push_back(
            labelPrimitive(QPointF(places()[i][0], places()[i][1]), 360, QString::number(i)));
    return list;
}

bool isRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

// Every text of the key three times over, as no language is but a long one may nearly be.
class ThriceLonger : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "Key") != 0)
            return {};
        const QString once = QString::fromUtf8(source);
        return once + u' ' + once + u' ' + once;
    }
    bool isEmpty() const override { return false; }
};

} // namespace

Q_DECLARE_METATYPE(Status)

class DrawTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ballotSlips_data()
    {
        // A class of 24 with 3 choices: words a slip holds, words it must not, slips a page.
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("named");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("positive, numbers only")
            << 1 << false
            << QStringList{u"Class 4b"_qs,
                           u"My number:"_qs,
                           u"Positive Criterion: Who?"_qs,
                           u"3."_qs,
                           u"The class, by number:"_qs,
                           u"21   22   23   24"_qs}
            << QStringList{u"4."_qs, u"Negative Criterion: Who?"_qs, u"Anna"_qs};
        QTest::newRow("both, the negative allowing nobody")
            << 3 << false
            << QStringList{u"Positive Criterion: Who?"_qs, u"Negative Criterion: Who?"_qs,
                           u"Write up to 3 numbers, or \"nobody\"."_qs}
            << QStringList{u"Anna"_qs};
        QTest::newRow("negative with names")
            << 2 << true << QStringList{u"1 Anna"_qs, u"24 Xena"_qs, u"The class:"_qs}
            << QStringList{u"Positive Criterion: Who?"_qs,
                           u"1   2   3   4   5   6   7   8   9   10"_qs};
    }
    void ballotSlips()
    {
        QFETCH(int, type);
        QFETCH(bool, named);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        BallotStudy study{u"Class 4b"_qs, u"Who?"_qs, type, 24, 3, {}};
        if (named) {
            study.names.assign(25, QString());
            study.names[1] = u"Anna"_qs;
            study.names[24] = u"Xena"_qs;
        }
        const BallotSlip slip = ballotSlip(study, 5233);
        QStringList texts;
        for (const BallotText& t : slip.texts) {
            texts << t.text;
            QVERIFY(t.x >= 0 && t.x + t.width <= slip.width && t.y + 200 <= slip.height);
        }
        for (const QString& p : present)
            QVERIFY2(texts.contains(p), qPrintable(p + u" in "_qs + texts.join(u'|')));
        for (const QString& a : absent)
            QVERIFY2(!texts.contains(a), qPrintable(a));
        QVERIFY(ballotPage(slip, 11906, 16838).perPage() >= 4);
    }
    // One slip for each pupil, the class of 24 on as many A4 pages as it takes.
    void ballotsPrintedToPdf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"ballots.pdf"_qs);
        const BallotStudy study{u"Class 4b"_qs, u"Who sits with you?"_qs, 3, 24, 3, {}};
        {
            QPdfWriter pdf(path);
            QVERIFY(printBallots(pdf, study));
        }
        const int perPage = ballotPage(ballotSlip(study, 5233), 11906, 16838).perPage();
        QCOMPARE(pdfPages(path), (24 + perPage - 1) / perPage);
        QCOMPARE(pdfText(path).count(u"Who sits with you?"_qs), 2 * 24);
        // The largest study's slip, both criteria and every name, still fits a page.
        const BallotStudy largest{u"C"_qs, u"Q"_qs, 3, 40, 10, std::vector<QString>(41, u"N"_qs)};
        QVERIFY(ballotSlip(largest, 5233).height <= 16838 - 2 * 720);
        // A class of 24 with names and both criteria: four slips to a page.
        BallotStudy named = study;
        named.names.assign(25, u"Siobh\u00e1n O\u2019Neill"_qs);
        QCOMPARE(ballotPage(ballotSlip(named, 5233), 11906, 16838).perPage(), 4);
    }
    void guideShapes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("maxReceived");
        QTest::addColumn<int>("shapes");
        QTest::addColumn<double>("outerRadius");
        QTest::addColumn<int>("error");
        QTest::addColumn<QList<double>>("moved"); // designed and used radius of each ring
        QTest::addColumn<double>("innerRadius");
        QTest::newRow("circle") << 0 << 5 << 1 << 2500.0 << 0 << QList<double>{} << 2500.0;
        QTest::newRow("circle grown by Tidy")
            << 0 << 5 << 1 << 3000.0 << 0 << QList<double>{2500, 3000} << 3000.0;
        QTest::newRow("random: none") << 1 << 5 << 0 << 0.0 << 0 << QList<double>{} << 0.0;
        QTest::newRow("target, 3 received: four rings")
            << 3 << 3 << 4 << 3057.5 << 0 << QList<double>{} << 764.375;
        // Tidy widened the inner ring by 100; its circle and the empty one outside it move
        // out as far, the circles outside the next ring of labels stay.
        QTest::newRow("target, inner ring widened")
            << 3 << 3 << 4 << 3057.5 << 0 << QList<double>{382.1875, 482.1875, 1910.9375, 1910.9375}
            << 864.375;
        QTest::newRow("target without rings")
            << 3 << -1 << 0 << 0.0 << int(Codes::ErrorNumber::DivisionByZero) << QList<double>{}
            << 0.0;
    }
    void guideShapes()
    {
        QFETCH(int, type);
        QFETCH(int, maxReceived);
        QFETCH(double, outerRadius);
        QFETCH(QList<double>, moved);
        std::vector<Layout::RingRadius> rings;
        for (qsizetype k = 0; k + 1 < moved.size(); k += 2)
            rings.push_back({float(moved[k]), float(moved[k + 1])});
        const GuideShape outward =
            guideShape(type, maxReceived, 6915, 6630, RingOrder::Outward, rings);
        const GuideShape inward =
            guideShape(type, maxReceived, 6915, 6630, RingOrder::Inward, rings);
        QTEST(outward.errorNumber, "error");
        QTEST(int(outward.shapes.size()), "shapes");
        if (outward.shapes.empty())
            return;
        QCOMPARE(outward.shapes.back().radius, outerRadius);
        QCOMPARE(inward.shapes.front().radius, outerRadius);
        QTEST(outward.shapes.front().radius, "innerRadius");
        QCOMPARE(outward.shapes.front().p1, QPointF(3457.5, 3315));
    }

    // No name meets another name or another label with its status mark (its reach), or leaves
    // the area, or starts nearer another label than its own; every name shows, and those
    // listed show whole; on a frame (inward) each faces the middle. Labels of 360 twips,
    // left-tops and names' widths given.
    void namesNeverTouch_data()
    {
        QTest::addColumn<QList<QPointF>>("labels");
        QTest::addColumn<QList<qreal>>("widths");
        QTest::addColumn<QList<int>>("whole");
        QTest::addColumn<QList<qreal>>("reach");
        QTest::addColumn<bool>("inward");
        QTest::newRow("alone") << QList<QPointF>{{3000, 3000}} << QList<qreal>{900} << QList<int>{0}
                               << QList<qreal>{0} << false;
        QTest::newRow("two long, side by side")
            << QList<QPointF>{{3000, 3000}, {3400, 3000}} << QList<qreal>{1500, 1500}
            << QList<int>{} << QList<qreal>{0, 0} << false;
        QTest::newRow("a short one beside a long one")
            << QList<QPointF>{{3000, 3000}, {3400, 3000}, {3800, 3000}}
            << QList<qreal>{1500, 300, 1500} << QList<int>{1} << QList<qreal>{0, 0, 0} << false;
        QTest::newRow("a column") << QList<QPointF>{{3000, 3000}, {3000, 3400}, {3000, 3800}}
                                  << QList<qreal>{700, 700, 700} << QList<int>{0, 1, 2}
                                  << QList<qreal>{0, 0, 0} << false;
        // The others stand up over their labels, and the last's name, above, has room.
        QTest::newRow("a crowded row at the foot")
            << QList<QPointF>{{0, 4640}, {380, 4640}, {760, 4640}, {1140, 4640}}
            << QList<qreal>{1000, 1000, 1000, 1000} << QList<int>{0, 1, 2, 3}
            << QList<qreal>{0, 0, 0, 0} << false;
        QTest::newRow("a short name alone") << QList<QPointF>{{3000, 3000}} << QList<qreal>{150}
                                            << QList<int>{0} << QList<qreal>{0} << false;
        QTest::newRow("a crowded row along the top of a frame")
            << QList<QPointF>{{1000, 300}, {1370, 300}, {1740, 300}, {2110, 300}, {2480, 300}}
            << QList<qreal>{900, 900, 900, 900, 900} << QList<int>{0, 1, 2, 3, 4}
            << QList<qreal>{0, 0, 0, 0, 0} << true;
        QTest::newRow("marked labels side by side")
            << QList<QPointF>{{3000, 3000}, {3560, 3100}} << QList<qreal>{900, 300}
            << QList<int>{0, 1} << QList<qreal>{0, 140} << false;
        // Below the marked label is taken; above, its name would end beside the neighbour.
        QTest::newRow("a marked label's name not read as its neighbour's")
            << QList<QPointF>{{3000, 3000}, {3200, 2500}, {3000, 3420}}
            << QList<qreal>{900, 300, 300} << QList<int>{0, 1, 2} << QList<qreal>{140, 0, 0}
            << false;
        QTest::newRow("on a frame, foot and side")
            << QList<QPointF>{{2800, 4300}, {1000, 2300}} << QList<qreal>{900, 900}
            << QList<int>{0, 1} << QList<qreal>{0, 110} << true;
    }
    void namesNeverTouch()
    {
        QFETCH(QList<QPointF>, labels);
        QFETCH(QList<qreal>, widths);
        QFETCH(QList<int>, whole);
        QFETCH(QList<qreal>, reach);
        QFETCH(bool, inward);
        std::vector<NameSpot> spots;
        for (qsizetype i = 0; i < labels.size(); ++i)
            spots.push_back(
                {QRectF(labels[i], QSizeF(360, 360)), QStringLiteral("Jo"), widths[i], reach[i]});
        const QRectF area(0, 0, 6000, 5000);
        const std::vector<QRectF> bands = nameBands(spots, area.size(), inward);
        // Only a band taller than a name is turned, whatever its width.
        for (const Primitive& p : placedNames(spots, area.size(), inward))
            QCOMPARE(p.turn == Primitive::Turn::Level, p.p2.y() - p.p1.y() <= 195.01);
        const auto fromMiddle = [&](QPointF p) { return QLineF(p, area.center()).length(); };
        for (std::size_t i = 0; i < spots.size(); ++i) {
            QVERIFY(!bands[i].isEmpty() && area.contains(bands[i]));
            // An upright band holds its name along its height.
            const qreal length = std::max(bands[i].width(), bands[i].height());
            QCOMPARE(length >= spots[i].width, whole.contains(int(i)));
            QVERIFY(!inward || fromMiddle(bands[i].center()) < fromMiddle(spots[i].label.center()));
            const QPointF middle = spots[i].label.center();
            const QPointF start(std::clamp(middle.x(), bands[i].left(), bands[i].right()),
                                std::clamp(middle.y(), bands[i].top(), bands[i].bottom()));
            const auto gap = [&](std::size_t j) {
                const QRectF& l = spots[j].label;
                return std::hypot(std::max({0.0, l.left() - start.x(), start.x() - l.right()}),
                                  std::max({0.0, l.top() - start.y(), start.y() - l.bottom()}));
            };
            for (std::size_t j = 0; j < spots.size(); ++j) {
                const qreal r = spots[j].reach;
                QVERIFY(!bands[i].intersects(spots[j].label.adjusted(-r, -r, r, r)) &&
                        (i == j || (!bands[i].intersects(bands[j]) && gap(j) > gap(i))));
            }
        }
    }

    // A mark with a neighbour closer than its reach is drawn smaller, clear of the neighbour,
    // down to a least size that still shows its shape; two marks that can share the room
    // between them both keep clear.
    void marksFitTheRoomBesideThem_data()
    {
        QTest::addColumn<Status>("mark");
        QTest::addColumn<QPointF>("neighbour"); // its square's top-left from the mark's label's
        QTest::addColumn<Status>("neighbourMark");
        QTest::addColumn<qreal>("reach"); // as drawn
        QTest::addColumn<bool>("apart");  // the two marks
        QTest::addColumn<bool>("clear");  // the mark of the neighbour's square
        QTest::newRow("far apart")
            << Status::Popular << QPointF(2000, 0) << Status::Popular << 115.0 << true << true;
        QTest::newRow("a neighbour across")
            << Status::Popular << QPointF(460, 40) << Status::None << 90.0 << true << true;
        QTest::newRow("a neighbour down")
            << Status::Rejected << QPointF(-30, 440) << Status::None << 70.0 << true << true;
        QTest::newRow("a neighbour on the diagonal") << Status::RejectedIsolate << QPointF(480, 470)
                                                     << Status::None << 110.0 << true << true;
        QTest::newRow("a badge") << Status::Controversial << QPointF(420, -100) << Status::None
                                 << 50.0 << true << true;
        QTest::newRow("a badge, a neighbour on its left")
            << Status::Controversial << QPointF(-400, 0) << Status::None << 75.0 << true << true;
        QTest::newRow("touching: the least size")
            << Status::Rejected << QPointF(365, 0) << Status::None << 66.0 << true << false;
        QTest::newRow("two marks sharing the room")
            << Status::Popular << QPointF(570, 0) << Status::Popular << 100.0 << true << true;
        QTest::newRow("two marks too close to share")
            << Status::Popular << QPointF(470, 0) << Status::Popular << 100.0 << false << true;
    }
    void marksFitTheRoomBesideThem()
    {
        QFETCH(Status, mark);
        QFETCH(QPointF, neighbour);
        QFETCH(Status, neighbourMark);
        QFETCH(qreal, reach);
        QFETCH(bool, apart);
        const QRectF own(QPointF(3000, 3000), Label), other(own.topLeft() + neighbour, Label);
        const std::vector<qreal> fitted =
            fittedMarkReach({QRectF(), own, other}, {Status::None, mark, neighbourMark});
        QCOMPARE(fitted[1], reach);
        const auto drawn = [](const QRectF& square, Status status, qreal upTo) {
            QRectF box;
            for (const Primitive& p : statusMarkPrimitives(square, status, upTo)) {
                const qreal w = p.kind == Primitive::Kind::Rectangle ? p.width / 2 : 0;
                box |= QRectF(p.p1, p.p2).normalized().adjusted(-w, -w, w, w);
            }
            return box;
        };
        const QRectF mine = drawn(own, mark, reach),
                     theirs = drawn(other, neighbourMark, fitted[2]);
        const QRectF grown = own.adjusted(-reach, -reach, reach, reach);
        QVERIFY(grown.adjusted(-0.01, -0.01, 0.01, 0.01).contains(mine));
        QVERIFY(mine.right() > grown.right() - 0.01); // every mark reaches right
        QFETCH(bool, clear);
        QCOMPARE((mine & other).isEmpty(), clear);
        QCOMPARE((mine & theirs).isEmpty(), apart);
    }

    void pageIsFilledAlongItsTighterSide()
    {
        QCOMPARE(printScale(13830, 6630, 6915, 6630), 1.0);
        QCOMPARE(printScale(3457.5, 13260, 6915, 6630), 0.5);
        QCOMPARE(printScale(13830, 6630, 0, 6630), 0.0);
    }

    void printedPageShowsTheLabelsInPlace()
    {
        // 96 dots per inch: 15 twips a pixel, the page twice the window's size.
        QImage page(922, 884, QImage::Format_RGB32);
        page.setDotsPerMeterX(3780);
        page.setDotsPerMeterY(3780);
        page.fill(Qt::white);
        QPainter painter(&page);
        paintPage(painter, page, picture(), 6915, 6630);
        painter.end();
        QVERIFY(isRed(page.pixel(2 * 1100 / 15, 2 * 1100 / 15))); // inside label 1
        QVERIFY(!isRed(page.pixel(2 * 2500 / 15, 2 * 2500 / 15)));
    }

    void exportWritesEachFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("key");
        QTest::addColumn<Status>("mark"); // label 1's
        QTest::newRow("png") << int(PictureFormat::Png) << false << Status::None;
        QTest::newRow("png with key") << int(PictureFormat::Png) << true << Status::None;
        QTest::newRow("svg with key") << int(PictureFormat::Svg) << true << Status::None;
        QTest::newRow("pdf with key") << int(PictureFormat::Pdf) << true << Status::None;
        QTest::newRow("png, a badge") << int(PictureFormat::Png) << false << Status::Controversial;
    }
    void exportWritesEachFormat()
    {
        QFETCH(int, format);
        QFETCH(bool, key);
        QFETCH(Status, mark);
        const PrimitiveList marks = statusMarkPrimitives(QRectF(1000, 1000, 360, 360), mark);
        PrimitiveList drawn = picture();
        drawn.insert(drawn.end(), marks.begin(), marks.end());
        QTemporaryDir dir;
        PictureOptions options;
        options.format = PictureFormat(format);
        options.dpi = 96;
        options.includeKey = key;
        const QString path =
            withPictureSuffix(dir.filePath(QStringLiteral("class")), options.format);
        QVERIFY(!exportPicture(path, drawn, Drawing, options));
        const QSizeF twips = pictureSize(Drawing, options);
        QCOMPARE(twips.width(), key ? 6915.0 + keySize().width() : 6915.0);
        if (options.format == PictureFormat::Png) {
            const QImage image(path);
            QCOMPARE(image.size(), QSize(qRound(twips.width() / 15), qRound(twips.height() / 15)));
            QVERIFY(isRed(image.pixel(1100 / 15, 1100 / 15)));
            // Each of the mark's rectangles shows its outline along its top edge, and covers
            // its upper right quarter (outside the label only where it is filled).
            for (const Primitive& p : marks) {
                const QRect r = scaled(QRectF(p.p1, p.p2), 1.0 / 15).toRect();
                bool outlined = false;
                for (int x = r.left(); x <= r.right(); ++x)
                    for (int y = r.top() - 1; y <= r.top() + 1; ++y)
                        outlined |= image.pixelColor(x, y) == p.pen;
                QVERIFY(outlined);
                QVERIFY(image.pixel(r.right() - r.width() / 4, r.top() + r.height() / 4) !=
                        qRgb(255, 255, 255));
            }
        } else if (options.format == PictureFormat::Svg) {
            const QString svg = fileText(path);
            QVERIFY(svg.contains(QStringLiteral(">3<")) || svg.contains(QStringLiteral(">3 <")));
        } else {
            QCOMPARE(pdfPages(path), 1);
        }
    }

    void refusedExportKeepsAnEarlierFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.png"));
        QVERIFY(!exportPicture(path, picture(), Drawing, {}));
        const QByteArray before = fileBytes(path);
        QVERIFY(!before.isEmpty());
        PictureOptions tooFine;
        tooFine.dpi = PictureResolution::Maximum + 1;
        const ExportResult refused = exportPicture(path, picture(), Drawing, tooFine);
        QVERIFY(refused);
        QCOMPARE(fileBytes(path), before);
    }

    // A title is wrapped into the width, never cut: a long criterion takes more lines,
    // every word kept and each line inside the area above the drawing.
    void titleWraps()
    {
        const QString criterion =
            QStringLiteral("Whom would you most like to sit next to at lunch and on trips? ")
                .repeated(3);
        PictureOptions options;
        options.includeTitle = true;
        for (qreal width : {6675.0, 2500.0}) {
            const auto lines = wrappedTitle({QStringLiteral("Class 4b"), criterion}, width);
            QVERIFY(lines.size() > 2);
            QStringList words;
            for (const TitleLine& line : lines) {
                QVERIFY2(titleLineWidth(line) <= width, qPrintable(line.text));
                words << line.text.split(u' ', Qt::SkipEmptyParts);
            }
            QCOMPARE(words.join(u' '), QStringLiteral("Class 4b ") + criterion.trimmed());
        }
        options.titleLines = QStringList{QStringLiteral("Class 4b"), QStringLiteral("Who?")};
        const qreal short_ = pictureSize(Drawing, options).height();
        options.titleLines[1] = criterion;
        QVERIFY(pictureSize(Drawing, options).height() > short_);
    }

    // "Colour Choices": negatives dark blue and dashed, a mutual pair one thicker line with a
    // marker near each end, and a marker kept clear of a label in its way.
    void emphasis()
    {
        PositionTable p = places();
        p[4] = {1900, 1000}; // over the spot of 1's marker on its line to 2
        std::vector<QRectF> labels;
        for (int i = 1; i <= 4; ++i)
            labels.emplace_back(p[i][0], p[i][1], 360, 360);
        const PrimitiveList list = emphasisedChoiceLines(
            {{1, 2}, {2, 1}, {3, 1, ChoiceKind::Negative}, {1, 3}}, p, Label, labels);
        std::vector<Primitive> lines, markers;
        for (const Primitive& prim : list) {
            QVERIFY2(markers.empty() || prim.kind != Primitive::Kind::Line, "line over a marker");
            (prim.kind == Primitive::Kind::Line ? lines : markers).push_back(prim);
        }
        QCOMPARE(int(lines.size()), 3);
        QCOMPARE(int(markers.size()), 4);
        const Primitive& mutual = lines[0];
        QCOMPARE(mutual.p1, QPointF(1180, 1180));
        QCOMPARE(mutual.p2, QPointF(4780, 1180));
        QVERIFY(mutual.width > lines[2].width && !mutual.dashed); // thicker than 1 -> 3
        QCOMPARE(lines[1].pen, DrawColour::Negative);
        // A rejection must not run into its label unseen, in colour or in greyscale.
        QVERIFY(qAbs(qGray(lines[1].pen.rgb()) - qGray(DrawColour::LabelBack.rgb())) > 50);
        QVERIFY(lines[1].dashed && !lines[2].dashed);
        QCOMPARE(markers[2].pen, DrawColour::Negative);
        QCOMPARE(markers[2].kind, Primitive::Kind::SquareOutline);
        // 2's marker sits a quarter from 2; 1's moved along the line, just past label 4.
        QCOMPARE(markers[1].p1, QPointF(3880, 1180));
        const QPointF moved = markers[0].p1;
        QCOMPARE(moved.y(), 1180.0);
        QVERIFY2(moved.x() > 2260 + DrawSize::DiscRadius && moved.x() < 2260 + 150,
                 qPrintable(QString::number(moved.x())));
        // A way covered to the middle leaves the marker where it was.
        const QPointF spot(2080, 1180);
        QCOMPARE(
            markerClearOfLabels({1180, 1180}, {4780, 1180}, spot, 70, {{1000, 900, 3000, 600}}),
            spot);
    }

    // A line taken round labels is drawn as its path, and its marker sits a quarter of the
    // path's length from the chooser, whichever end that is, plainly and in colour.
    void markerFollowsTheDrawnPath_data()
    {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<int>("chooser");
        QTest::newRow("plain, from 1") << false << 1;
        QTest::newRow("plain, from 2") << false << 2;
        QTest::newRow("colour, from 2") << true << 2;
    }
    void markerFollowsTheDrawnPath()
    {
        QFETCH(bool, colour);
        QFETCH(int, chooser);
        Layout::LineRoutes routes; // up 800, across 3600, down 800: 5200 long
        routes.paths[{1, 2}] = {{1180, 1180}, {1180, 380}, {4780, 380}, {4780, 1180}};
        const Choice choice{chooser, 3 - chooser};
        PrimitiveList list;
        if (colour)
            list = emphasisedChoiceLines({choice}, places(), Label, {}, &routes);
        else
            appendChoice(list, choice, places(), Label, &routes);
        QCOMPARE(int(list.size()), 2);
        QCOMPARE(list[0].kind, Primitive::Kind::Path);
        QCOMPARE(list[0].points.size(), std::size_t(4));
        // 1300 along: 800 up and 500 across from the chooser's end.
        QCOMPARE(list[1].p1, chooser == 1 ? QPointF(1680, 380) : QPointF(4280, 380));
    }

    void longCaptionsStayInTheKey()
    {
        ThriceLonger longer;
        QCoreApplication::installTranslator(&longer);
        const std::vector<Status> marks{Status::Popular, Status::RejectedIsolate};
        const QSizeF twips = keySize(3, int(marks.size()), true);
        QImage key(int(twips.width() / 15) * 2, int(twips.height() / 15), QImage::Format_RGB32);
        key.fill(Qt::white);
        QPainter painter(&key);
        paintPrimitives(painter, keyItems({}, {false, 3, marks, u"Autumn"_qs}), 1.0 / 15);
        painter.end();
        QCoreApplication::removeTranslator(&longer);
        for (int x = int(twips.width() / 15) + 1; x < key.width(); ++x)
            for (int y = 0; y < key.height(); ++y)
                QVERIFY2(key.pixel(x, y) == qRgb(255, 255, 255), "a caption runs out of the key");
        // Nor does one reach the side of the frame it stands in.
        const PrimitiveList items = keyItems({}, {false, 3, marks, u"Autumn"_qs});
        for (const Primitive& frame : items) {
            const QRectF inside = QRectF(frame.p1, frame.p2).adjusted(60, 0, -60, 0);
            for (const Primitive& text : items)
                if (frame.kind == Primitive::Kind::Frame && text.kind == Primitive::Kind::Text &&
                    QRectF(frame.p1, frame.p2).contains(QRectF(text.p1, text.p2).center()))
                    QVERIFY2(inside.contains(QRectF(text.p1, text.p2)), qPrintable(text.text));
        }
    }
    // Two surveys' ties: kept, new and gone differ in width or dash, in colour and in grey
    // (for a greyscale copy and a colour-blind reader); markers keep their shape and place
    // over every line; a tie beside its reverse changed otherwise; the key shows the looks.
    void changedTiesReadApart()
    {
        using T = TieChange;
        const ChangePicture drawn = changedTiePrimitives({{{1, 2}, T::Kept},
                                                          {{2, 1}, T::New},
                                                          {{3, 1, ChoiceKind::Negative}, T::Gone},
                                                          {{1, 41}, T::New}},
                                                         places(), Label);
        QCOMPARE(drawn.refused, 1);
        PrimitiveList ends; // both ends of the table are drawn, one past them is refused
        QVERIFY(appendChoice(ends, {40, 0}, places(), Label));
        const PrimitiveList& s = drawn.shapes;  // kept, gone, new, then their markers
        const auto grey = [](const QColor& c) { // as a greyscale copy has it (Rec. 709)
            return 0.2126 * c.red() + 0.7152 * c.green() + 0.0722 * c.blue();
        };
        QCOMPARE(int(s.size()), 6);
        for (int i = 0; i < 3; ++i) {
            const auto marker = i == 1 ? Primitive::Kind::SquareOutline : Primitive::Kind::Disc;
            QVERIFY(s[i].kind == Primitive::Kind::Line && s[i + 3].kind == marker);
            const QPointF spot = i == 1 ? (s[i + 3].p1 + s[i + 3].p2) / 2 : s[i + 3].p1;
            QVERIFY(QLineF(spot, SpotDraw(s[i].p1, s[i].p2)).length() < 0.01);
            QVERIFY(grey(s[i].pen) < 200); // each stands out on the white page
            const Primitive& o = s[(i + 1) % 3];
            QVERIFY2(s[i].width != o.width, "same weight");
            QVERIFY2(qAbs(grey(s[i].pen) - grey(o.pen)) >= 30, "alike in grey");
        }
        QCOMPARE(int(std::count_if(s.begin(), s.begin() + 3, [](auto& p) { return p.dashed; })), 1);
        QVERIFY(qAbs(s[0].p1.y() - s[2].p1.y()) > (s[0].width + s[2].width) / 2);
        const QSizeF twips = keySize(0, 0, true);
        for (bool changes : {false, true}) { // the key shows the new and the gone look
            QImage key(int(twips.width() / 15), int(twips.height() / 15), QImage::Format_RGB32);
            key.fill(Qt::white);
            QPainter painter(&key);
            KeyEntries entries;
            entries.changesSince = changes ? u"Autumn"_qs : QString();
            paintPrimitives(painter, keyItems({}, entries), 1.0 / 15);
            painter.end();
            QVERIFY(hasColour(key, s[1].pen) == changes && hasColour(key, s[2].pen) == changes);
        }
    }
};

QTEST_MAIN(DrawTest)
#include "tst_draw.moc"
