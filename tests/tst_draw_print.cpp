// The printed sociogram: one page, scaled to fit, labels last.
#include "choicegrid.h"
#include "errorreport.h"
#include "globals.h"
#include "labels.h"
#include "scriptedmessages.h"
#include "socioprint.h"
#include "tst_draw_pixels.h"

#include "testdb.h"
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QtTest>

using namespace DrawTest;

namespace {

using Choices = std::vector<QStringList>;

// Label 1 near the top-left, 2 in the bottom-right corner of the window, 3 low left.
const QList<QPoint> LabelPlaces = {{1000, 1000}, {6555, 6270}, {1000, 5000}};

struct Study {
    ChoiceGrid grid;
    LabelSet labels;

    explicit Study(const Choices& choices = {}, int labelCount = 3)
    {
        fillGrid(grid, int(LabelPlaces.size()), 2, choices);
        for (int i = 1; i <= labelCount; ++i) {
            const QPoint p = LabelPlaces[i - 1];
            labels.load(i);
            labels.move(i, float(p.x()), float(p.y()));
            placeLabel(i, p.x(), p.y());
        }
    }
    bool print(QPaintDevice& device) { return SocioPrint(device, grid, labels, DrawW, DrawH); }
};

// Pixels per twip on a 96 DPI image printed at scale s.
double onPage(double s)
{
    return s / TwipsPerPixel;
}

double scaleFor(const QImage& page)
{
    return printScale(page.width() * TwipsPerPixel, page.height() * TwipsPerPixel, DrawW, DrawH);
}

bool insideAnyLabel(int x, int y, double perTwip)
{
    for (const QPoint& p : LabelPlaces) {
        const QRectF square(p * perTwip, QSizeF(LabelSide, LabelSide) * perTwip);
        if (square.adjusted(-1.5, -1.5, 1.5, 1.5).contains(QPointF(x + 0.5, y + 0.5)))
            return true;
    }
    return false;
}

} // namespace

class DrawPrintTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetProgram();
        Global::CriterionType = 1;
        Global::CurrentCriterion = 1;
        Global::SociogramType = 2;
    }

    void pageIsFilledAlongItsTighterSide_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("wider");
        QTest::newRow("wider page") << QSize(1000, 300) << 4500.0 / 6630 << true;
        QTest::newRow("taller page") << QSize(300, 1000) << 4500.0 / 6915 << false;
    }
    void pageIsFilledAlongItsTighterSide()
    {
        QFETCH(QSize, pixels);
        QFETCH(double, scale);
        QFETCH(bool, wider);
        QImage page = whiteImage(pixels.width(), pixels.height());
        QCOMPARE(scaleFor(page), scale);
        Study study(Choices{{"2"}});
        study.labels.get(1)->Caption.clear();
        QVERIFY(study.print(page));
        const double k = onPage(scale);
        // Labels come last and cover the line that starts at their centre.
        const QRect label = QRectF(QPointF(1000, 1000) * k, QSizeF(LabelSide, LabelSide) * k)
                                .toAlignedRect()
                                .adjusted(2, 2, -2, -2);
        for (int y = label.top(); y <= label.bottom(); ++y)
            for (int x = label.left(); x <= label.right(); ++x)
                QVERIFY(isRed(page.pixelColor(x, y)));
        QVERIFY(near(page, {1060, 1060}, k, isRed, 0));
        QVERIFY(near(page, {1000, 1000}, k, isBlack));
        QVERIFY(near(page, {DrawW - 60, DrawH - 60}, k, isRed, 0)); // the far corner's label
        QVERIFY(near(page, {3957.5, 3815}, k, isBlack));            // the choice line
        QVERIFY(near(page, {DrawW / 2, DrawH / 10}, k, isGreen));   // the square guide
        // The window's far side meets the page's edge; beyond the other edge all is empty.
        const int lastX = int(std::ceil(DrawW * k)) + 1;
        const int lastY = int(std::ceil(DrawH * k)) + 1;
        if (wider)
            QVERIFY(lastY >= page.height() - 1);
        else
            QVERIFY(lastX >= page.width() - 1);
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (x > lastX || y > lastY)
                    QVERIFY(isWhite(page.pixelColor(x, y)));
    }

    void noChoicesPrintsTheUnfilledGuideAndTheLabels()
    {
        Global::SociogramType = 0;
        QImage page = whiteImage(800, 800);
        Study study;
        QVERIFY(study.print(page));
        const double k = onPage(scaleFor(page));
        const QPointF centre(DrawW / 2, DrawH / 2);
        QVERIFY(near(page, centre + QPointF(2500, 0), k, isGreen));
        QVERIFY(near(page, centre - QPointF(0, 2500), k, isGreen));
        QVERIFY(near(page, centre, k, isWhite, 0));
        QVERIFY(near(page, centre + QPointF(1000, 0), k, isWhite, 0));
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                if (!isWhite(c) && !isGreen(c))
                    QVERIFY2(insideAnyLabel(x, y, k),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
    }

    void captionsAreCentredOnTransparentBackground()
    {
        QImage page = whiteImage(800, 800);
        Study study;
        QVERIFY(study.print(page));
        const double k = onPage(scaleFor(page));
        const QRect inside = QRectF(QPointF(1000, 1000) * k, QSizeF(LabelSide, LabelSide) * k)
                                 .toAlignedRect()
                                 .adjusted(2, 2, -2, -2);
        int dark = 0;
        QPointF darkCentre;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QColor c = page.pixelColor(x, y);
                QVERIFY(!isWhite(c)); // no box of background around the caption
                if (!isRed(c)) {
                    ++dark;
                    darkCentre += QPointF(x, y);
                }
            }
        QVERIFY(dark > 0);
        darkCentre /= dark;
        QVERIFY(std::abs(darkCentre.x() - inside.center().x()) < 3);
        QVERIFY(std::abs(darkCentre.y() - inside.center().y()) < 3);
    }

    void randomLayoutPrintsNoGuide()
    {
        Global::SociogramType = 1;
        QImage page = whiteImage(800, 800);
        Study study(Choices{{"2", "3"}});
        QVERIFY(study.print(page));
        QCOMPARE(countPixels(page, isGreen), 0);
        QVERIFY(countPixels(page, isRed) > 0);
    }

    void missingLabelIsReportedAndTheOthersPrinted()
    {
        QImage page = whiteImage(800, 800);
        Study study(Choices{}, 2);
        ScriptedMessages messages;
        QVERIFY(study.print(page));
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.texts().front().startsWith(
            QStringLiteral("Unexpected Error In - DataForm:SocioPrint, Error Number 340, ")));
        const double k = onPage(scaleFor(page));
        QVERIFY(near(page, {1060, 1060}, k, isRed, 0));
        QVERIFY(near(page, {DrawW - 60, DrawH - 60}, k, isRed, 0));
        QVERIFY(!near(page, {1060, 5060}, k, isRed, 2));
    }

    void deviceThatCannotBePaintedIsReported()
    {
        QImage none;
        Study study;
        ScriptedMessages messages;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QPainter::begin.*")));
        QVERIFY(!study.print(none));
        QCOMPARE(messages.texts(), QStringList{QStringLiteral(
                                       "Unexpected Error In - DataForm:SocioPrint, Error Number "
                                       "482, Printer error")});
    }

    void pdfHasOnePageWithTheLabelsInPlace()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sociogram.pdf"));
        QRectF paintRect;
        {
            QPdfWriter pdf(path);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
            paintRect = pdf.pageLayout().paintRectPoints();
            Study study(Choices{{"2"}, {"1"}, {"1", "2"}});
            QVERIFY(study.print(pdf));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count(QByteArrayLiteral("/Type /Page\n")) +
                     bytes.count(QByteArrayLiteral("/Type /Page\r")) +
                     bytes.count(QByteArrayLiteral("/Type /Page/")) +
                     bytes.count(QByteArrayLiteral("/Type /Page ")),
                 1);

        const QString raster = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (raster.isEmpty())
            QSKIP("pdftoppm is not installed: the page's pixels are not checked");
        const QString png = dir.filePath(QStringLiteral("page"));
        QCOMPARE(QProcess::execute(raster, {QStringLiteral("-r"), QStringLiteral("72"),
                                            QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                            path, png}),
                 0);
        const QImage image(png + QStringLiteral(".png"));
        QVERIFY(!image.isNull());
        // At 72 DPI one point is one pixel and 20 twips.
        const double s = printScale(paintRect.width() * 20, paintRect.height() * 20, DrawW, DrawH);
        const auto pagePoint = [&](QPointF twips) { return paintRect.topLeft() * 20 + twips * s; };
        for (const QPoint& p : LabelPlaces)
            QVERIFY(near(image, pagePoint(QPointF(p) + QPointF(60, 60)), 1 / 20.0, isRed, 0));
        QVERIFY(near(image, pagePoint({DrawW / 2, DrawH / 10}), 1 / 20.0, isGreen, 1) ||
                near(
                    image, pagePoint({DrawW / 2, DrawH / 10}), 1 / 20.0,
                    [](const QColor& c) { return c.green() > c.red() + 40; }, 1));
    }
};

QTEST_MAIN(DrawPrintTest)
#include "tst_draw_print.moc"
