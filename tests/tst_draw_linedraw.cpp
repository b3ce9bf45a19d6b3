// Choice lines, markers and guide shapes: the primitive list and what it paints.
#include "choicegrid.h"
#include "errorreport.h"
#include "globals.h"
#include "linedraw.h"
#include "paint.h"
#include "scriptedmessages.h"
#include "testdb.h"
#include "tst_draw_pixels.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace DrawTest;

namespace {

constexpr double Scale = 1 / TwipsPerPixel;

// Subjects 1 and 2 side by side: centres (1180, 1180) and (4780, 1180), so the
// marker near 1 sits at x 2080 and the one near 2 at x 3880.
constexpr QPointF NearOne(2080, 1180);
constexpr QPointF NearTwo(3880, 1180);
// 2 pixels above a marker point: inside a disc, inside the hollow of a square.
constexpr QPointF Above(0, -30);

QImage render(const PrimitiveList& list)
{
    QImage image = whiteImage(int(std::ceil(DrawW * Scale)), int(std::ceil(DrawH * Scale)));
    QPainter painter(&image);
    paintPrimitives(painter, list, Scale);
    return image;
}

PrimitiveList draw(ChoiceGrid& grid)
{
    return LineDraw(grid, LabelSide, LabelSide, DrawW, DrawH);
}

int countKind(const PrimitiveList& list, Primitive::Kind kind)
{
    return int(std::count_if(list.begin(), list.end(),
                             [kind](const Primitive& p) { return p.kind == kind; }));
}

bool discAt(const QImage& image, QPointF spot)
{
    return near(image, spot + Above, Scale, isBlack, 0);
}

// The top edge of a 140-twip square is black, its inside above the line white.
bool squareAt(const QImage& image, QPointF spot)
{
    return near(image, spot + QPointF(0, -70), Scale, isBlack) &&
           near(image, spot + Above, Scale, isWhite, 0);
}

bool nothingAt(const QImage& image, QPointF spot)
{
    return !near(image, spot + Above, Scale, isBlack, 0) &&
           !near(image, spot + QPointF(0, -70), Scale, isBlack, 1);
}

} // namespace

class DrawLineDrawTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetProgram();
        Global::CriterionType = 1;
        Global::CurrentCriterion = 1;
        Global::SociogramType = 1; // random: no guide in the way
        placeLabel(1, 1000, 1000);
        placeLabel(2, 4600, 1000);
    }

    void markerKindFollowsCriterionInView_data()
    {
        QTest::addColumn<int>("criterion");
        QTest::addColumn<bool>("disc");
        QTest::newRow("positive") << 1 << true;
        QTest::newRow("negative") << 2 << false;
    }
    void markerKindFollowsCriterionInView()
    {
        QFETCH(int, criterion);
        QFETCH(bool, disc);
        Global::CurrentCriterion = criterion;
        ChoiceGrid grid;
        fillGrid(grid, 2, 1, {{"2"}});
        const QImage image = render(draw(grid));
        QVERIFY(near(image, {2980, 1180}, Scale, isBlack)); // the line's middle
        QCOMPARE(discAt(image, NearOne), disc);
        QCOMPARE(squareAt(image, NearOne), !disc);
        QVERIFY(nothingAt(image, NearTwo));
    }

    void mutualPairShowsAMarkerNearEachEnd()
    {
        ChoiceGrid grid;
        fillGrid(grid, 2, 1, {{"2"}, {"1"}});
        const QImage image = render(draw(grid));
        QVERIFY(discAt(image, NearOne));
        QVERIFY(discAt(image, NearTwo));
    }

    void bothStudyAddsTheOtherCriterionFromTheFile_data()
    {
        QTest::addColumn<int>("criterion");
        QTest::newRow("positive in view") << 1;
        QTest::newRow("negative in view") << 2;
    }
    void bothStudyAddsTheOtherCriterionFromTheFile()
    {
        QFETCH(int, criterion);
        TestDatabase db;
        QVERIFY(db.isValid());
        const QString insert = QStringLiteral("INSERT INTO SOCIDATA (HEADER, ANSWERTYPE, "
                                              "INDIVIDUAL, CHOICE, ANSWER) VALUES (?, ?, ?, ?, ?)");
        // Subject 2 chooses 1 under both criteria; another study's row must not show.
        QVERIFY(db.exec(insert, {7, 1, 3, 1, 1.0}));
        QVERIFY(db.exec(insert, {7, 2, 3, 1, 1.0}));
        QVERIFY(db.exec(insert, {8, 3 - criterion, 2, 1, 2.0}));
        Global::CriterionType = 3;
        Global::CurrentCriterion = criterion;
        Global::CurrentRecord = 7;
        ChoiceGrid grid;
        fillGrid(grid, 2, 1, {{"2"}});
        ScriptedMessages messages;
        const PrimitiveList list = draw(grid);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(countKind(list, Primitive::Kind::Line), 2);
        const QImage image = render(list);
        const bool positiveInView = criterion == 1;
        QCOMPARE(discAt(image, NearOne), positiveInView);
        QCOMPARE(squareAt(image, NearOne), !positiveInView);
        QCOMPARE(discAt(image, NearTwo), !positiveInView);
        QCOMPARE(squareAt(image, NearTwo), positiveInView);
    }

    void storedChooserOfFortyIsDrawnFromLabelForty()
    {
        TestDatabase db;
        QVERIFY(db.exec(QStringLiteral("INSERT INTO SOCIDATA VALUES (1, 2, 41, 1, 1)")));
        Global::CriterionType = 3;
        Global::CurrentRecord = 1;
        placeLabel(40, 5000, 6000);
        ChoiceGrid grid;
        fillGrid(grid, 40, 1);
        const PrimitiveList list = draw(grid);
        QCOMPARE(list.size(), std::size_t(2));
        QCOMPARE(list[0].p1, QPointF(5180, 6180));
        QCOMPARE(list[0].p2, QPointF(1180, 1180));
        QCOMPARE(list[1].kind, Primitive::Kind::SquareOutline);
    }

    void databaseIsOpenedOnlyForBothStudies_data()
    {
        QTest::addColumn<int>("criterionType");
        QTest::addColumn<int>("messages");
        QTest::newRow("positive") << 1 << 0;
        QTest::newRow("negative") << 2 << 0;
        QTest::newRow("both") << 3 << 1;
    }
    void databaseIsOpenedOnlyForBothStudies()
    {
        QFETCH(int, criterionType);
        QFETCH(int, messages);
        QTemporaryDir noDatabase;
        Global::AppPath = noDatabase.path() + u'/';
        Global::CriterionType = criterionType;
        ChoiceGrid grid;
        fillGrid(grid, 2, 1, {{"2"}});
        ScriptedMessages shown;
        const PrimitiveList list = draw(grid);
        QCOMPARE(shown.count(), messages);
        if (messages)
            QVERIFY(shown.texts().front().startsWith(
                QStringLiteral("Unexpected Error In - DataForm:LineDraw, Error Number ")));
        QCOMPARE(countKind(list, Primitive::Kind::Line), 1); // the grid's choice still drawn
    }

    void storedRowWithoutValueIsReportedAndLeftOut()
    {
        TestDatabase db;
        QVERIFY(db.exec(QStringLiteral("INSERT INTO SOCIDATA VALUES (1, 2, 2, 1, NULL)")));
        QVERIFY(db.exec(QStringLiteral("INSERT INTO SOCIDATA VALUES (1, 2, 3, 1, 1)")));
        Global::CriterionType = 3;
        Global::CurrentRecord = 1;
        ChoiceGrid grid;
        fillGrid(grid, 2, 1);
        ScriptedMessages messages;
        const PrimitiveList list = draw(grid);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral(
                                       "Unexpected Error In - DataForm:LineDraw, Error Number 94, "
                                       "Invalid use of Null")});
        QCOMPARE(countKind(list, Primitive::Kind::Line), 1);
    }

    void guideShapes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("maxReceived");
        QTest::addColumn<QList<QPointF>>("green");
        QTest::addColumn<QList<QPointF>>("notGreen");
        const double cx = DrawW / 2, cy = DrawH / 2;
        QTest::newRow("circle") << 0 << 0 << QList<QPointF>{{cx + 2500, cy}, {cx, cy - 2500}}
                                << QList<QPointF>{{cx, cy}, {cx + 2000, cy}, {cx + 3000, cy}};
        QTest::newRow("square") << 2 << 0
                                << QList<QPointF>{{cx, 663}, {691.5, cy}, {6223.5, cy}, {cx, 5967}}
                                << QList<QPointF>{{cx, cy}, {cx, 400}};
        // Ring radii (W / 2 - 400) k / 3: 1019.2, 2038.3, 3057.5.
        QTest::newRow("target") << 3 << 2
                                << QList<QPointF>{{cx + 1019.2, cy},
                                                  {cx, cy + 2038.3},
                                                  {cx - 3057.5, cy}}
                                << QList<QPointF>{{cx + 1500, cy}, {cx + 2550, cy}, {cx, cy}};
        QTest::newRow("target, nobody chosen")
            << 3 << 0 << QList<QPointF>{{cx + 3057.5, cy}}
            << QList<QPointF>{{cx + 1019.2, cy}, {cx + 2038.3, cy}};
        QTest::newRow("random") << 1 << 0 << QList<QPointF>{}
                                << QList<QPointF>{{cx + 2500, cy}, {cx, 663}};
    }
    void guideShapes()
    {
        QFETCH(int, type);
        QFETCH(int, maxReceived);
        QFETCH(QList<QPointF>, green);
        QFETCH(QList<QPointF>, notGreen);
        Global::SociogramType = Global::Integer(type);
        Global::MaxReceived = maxReceived;
        ChoiceGrid grid;
        fillGrid(grid, 2, 1); // no choices: only the guide
        const QImage image = render(draw(grid));
        for (const QPointF& p : green)
            QVERIFY2(near(image, p, Scale, isGreen), qPrintable(QString::number(p.x())));
        for (const QPointF& p : notGreen)
            QVERIFY2(!near(image, p, Scale, isGreen), qPrintable(QString::number(p.x())));
        const int coloured = countPixels(image, [](const QColor& c) { return !isWhite(c); });
        QCOMPARE(coloured, countPixels(image, isGreen));
        QCOMPARE(coloured == 0, type == 1);
    }

    void spotDrawIsAQuarterFromTheChooser_data()
    {
        QTest::addColumn<QPoint>("a");
        QTest::addColumn<QPoint>("b");
        QTest::addColumn<QPointF>("spot");
        QTest::newRow("right") << QPoint(1000, 1000) << QPoint(2000, 1000) << QPointF(1430, 1180);
        QTest::newRow("left above")
            << QPoint(2000, 2000) << QPoint(1000, 1200) << QPointF(1930, 1980);
        QTest::newRow("right above")
            << QPoint(1000, 2000) << QPoint(3000, 1600) << QPointF(1680, 2080);
        QTest::newRow("left below")
            << QPoint(2000, 1000) << QPoint(1200, 3000) << QPointF(1980, 1680);
        QTest::newRow("right below")
            << QPoint(1000, 1000) << QPoint(1400, 1800) << QPointF(1280, 1380);
        QTest::newRow("same left, below")
            << QPoint(1000, 1000) << QPoint(1000, 3000) << QPointF(1180, 1680);
        QTest::newRow("same left, above")
            << QPoint(1000, 3000) << QPoint(1000, 1000) << QPointF(1180, 2680);
        QTest::newRow("same place") << QPoint(500, 500) << QPoint(500, 500) << QPointF(680, 680);
    }
    void spotDrawIsAQuarterFromTheChooser()
    {
        QFETCH(QPoint, a);
        QFETCH(QPoint, b);
        QFETCH(QPointF, spot);
        const QPointF half(LabelSide / 2, LabelSide / 2);
        QCOMPARE(SpotDraw(QPointF(a) + half, QPointF(b) + half, a, b), spot);
    }

    void subjectOutsideTheTableIsReportedAndNotDrawn_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("error");
        QTest::newRow("41") << "41"
                            << "9, Subscript out of range";
        QTest::newRow("negative") << "-1"
                                  << "9, Subscript out of range";
        QTest::newRow("too large for a Long") << "99999999999"
                                              << "6, Overflow";
    }
    void subjectOutsideTheTableIsReportedAndNotDrawn()
    {
        QFETCH(QString, cell);
        QFETCH(QString, error);
        ChoiceGrid grid;
        fillGrid(grid, 2, 2, {{cell, "2"}});
        ScriptedMessages messages;
        const PrimitiveList list = draw(grid);
        QCOMPARE(
            messages.texts(),
            QStringList{QStringLiteral("Unexpected Error In - DataForm:LineDraw, Error Number ") +
                        error});
        QCOMPARE(messages.shown().front().title, QStringLiteral("Help"));
        QCOMPARE(countKind(list, Primitive::Kind::Line), 1);
        QCOMPARE(list.front().p2, QPointF(4780, 1180));
    }

    void sameChoiceTwiceDrawsTwoLines()
    {
        ChoiceGrid grid;
        fillGrid(grid, 2, 3, {{"2", "", "2"}});
        const PrimitiveList list = draw(grid);
        QCOMPARE(countKind(list, Primitive::Kind::Line), 2);
        QCOMPARE(countKind(list, Primitive::Kind::Disc), 2);
    }

    void emptyGridDrawsOnlyTheGuide()
    {
        Global::SociogramType = 0;
        ChoiceGrid grid;
        fillGrid(grid, 6, 3);
        const PrimitiveList list = draw(grid);
        QCOMPARE(list.size(), std::size_t(1));
        QCOMPARE(list.front().kind, Primitive::Kind::Circle);
        QCOMPARE(list.front().pen, QColor(0, 128, 0));
    }

    void walkLeavesCurrentCellOnLastCellVisited()
    {
        ChoiceGrid grid;
        fillGrid(grid, 3, 4, {{"2"}, {"", "1"}});
        grid.setRow(2);
        grid.setCol(1);
        int changes = 0;
        grid.cellChanged = [&](int, int) { ++changes; };
        draw(grid);
        QCOMPARE(grid.Row(), 4);
        QCOMPARE(grid.Col(), 4);
        QCOMPARE(changes, 0);
    }
};

QTEST_MAIN(DrawLineDrawTest)
#include "tst_draw_linedraw.moc"
