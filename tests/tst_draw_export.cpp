// The exported picture: PNG at a chosen resolution, SVG and a one-page PDF, each
// painted from the window's primitive list, with or without the key beside it.
#include "choicegrid.h"
#include "errorreport.h"
#include "globals.h"
#include "labels.h"
#include "linedraw.h"
#include "pictureexport.h"
#include "tst_draw_pixels.h"

#include "testdb.h"
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <QtTest>

using namespace DrawTest;

namespace {

using Choices = std::vector<QStringList>;

// Label 1 top-left, 2 in the bottom-right corner of the drawing, 3 low left.
const QList<QPoint> LabelPlaces = {{1000, 1000}, {6555, 6270}, {1000, 5000}};
// 1 and 2 choose each other, 3 chooses both: four lines with a disc each.
const Choices FourChoices = {{"2"}, {"1"}, {"1", "2"}};
constexpr int FourLines = 4;

const QSizeF Drawing(DrawW, DrawH);
const double KeyLeft = DrawW; // the key stands right of the drawing, top-aligned

struct Study {
    ChoiceGrid grid;
    LabelSet labels;

    explicit Study(const Choices& choices = FourChoices)
    {
        fillGrid(grid, int(LabelPlaces.size()), 2, choices);
        for (int i = 1; i <= int(LabelPlaces.size()); ++i) {
            const QPoint p = LabelPlaces[i - 1];
            labels.load(i);
            labels.move(i, float(p.x()), float(p.y()));
            placeLabel(i, p.x(), p.y());
        }
    }
    PrimitiveList picture()
    {
        return sociogramPicture(LineDraw(grid, LabelSide, LabelSide, DrawW, DrawH), labels);
    }
};

// One element of an SVG file, with the fill it is painted with (its own or the
// nearest group's).
struct SvgElement {
    QString name;
    QString fill;
    QXmlStreamAttributes attributes;
    QString text;
    double number(const char* attribute) const
    {
        return attributes.value(QLatin1String(attribute)).toDouble();
    }
};

struct SvgFile {
    QString viewBox;
    std::vector<SvgElement> elements;
    QString error;

    int count(const QString& name) const
    {
        return int(std::count_if(elements.begin(), elements.end(),
                                 [&](const SvgElement& e) { return e.name == name; }));
    }
    std::vector<SvgElement> filled(const QString& name, const QString& fill) const
    {
        std::vector<SvgElement> found;
        for (const SvgElement& e : elements)
            if (e.name == name && e.fill == fill)
                found.push_back(e);
        return found;
    }
    QStringList texts() const
    {
        QStringList all;
        for (const SvgElement& e : elements)
            if (e.name == QLatin1String("text"))
                all << e.text.trimmed();
        return all;
    }
    // Position of the first (or last) element of that name; -1 when there is none.
    int firstIndex(const QString& name, const QString& fill = {}) const
    {
        for (int i = 0; i < int(elements.size()); ++i)
            if (elements[i].name == name && (fill.isEmpty() || elements[i].fill == fill))
                return i;
        return -1;
    }
    int lastIndex(const QString& name) const
    {
        for (int i = int(elements.size()) - 1; i >= 0; --i)
            if (elements[i].name == name)
                return i;
        return -1;
    }
};

SvgFile readSvg(const QString& path)
{
    SvgFile svg;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        svg.error = file.errorString();
        return svg;
    }
    QXmlStreamReader xml(&file);
    QStringList fills{QStringLiteral("none")};
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QXmlStreamAttributes a = xml.attributes();
            const QString fill = a.hasAttribute(QLatin1String("fill"))
                                     ? a.value(QLatin1String("fill")).toString()
                                     : fills.back();
            fills << fill;
            if (xml.name() == QLatin1String("svg"))
                svg.viewBox = a.value(QLatin1String("viewBox")).toString().simplified();
            svg.elements.push_back({xml.name().toString(), fill, a, {}});
        } else if (token == QXmlStreamReader::EndElement) {
            fills.removeLast();
        } else if (token == QXmlStreamReader::Characters && !svg.elements.empty()) {
            svg.elements.back().text += xml.text();
        }
    }
    if (xml.hasError())
        svg.error = xml.errorString();
    return svg;
}

// SVG numbers are written with six significant digits.
bool closeTo(double written, double exact)
{
    return std::abs(written - exact) < 1e-3;
}

int lineElements(const SvgFile& svg)
{
    return svg.count(QStringLiteral("polyline")) + svg.count(QStringLiteral("line"));
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pdfPages(const QByteArray& bytes)
{
    // "/Type /Pages" (the page tree) is not a page; every page object is "/Type /Page"
    // followed by a delimiter.
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return int(QString::fromLatin1(bytes).count(page));
}

} // namespace

class DrawExportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetProgram();
        Global::CriterionType = 1;
        Global::CurrentCriterion = 1;
        Global::SociogramType = 2; // square guide: one green rectangle
        QVERIFY(dir.isValid());
    }

    void svgHoldsTheLinesAndTheLabelsInPlace()
    {
        const QString path = dir.filePath(QStringLiteral("picture.svg"));
        Study study;
        QCOMPARE(exportPicture(path, study.picture(), Drawing, {PictureFormat::Svg, 0, false}),
                 std::nullopt);
        const SvgFile svg = readSvg(path);
        QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
        // One SVG unit per window pixel: the drawing area of 6915 by 6630 twips.
        QCOMPARE(svg.viewBox, QStringLiteral("0 0 461 442"));
        QCOMPARE(lineElements(svg), FourLines);
        QCOMPARE(svg.count(QStringLiteral("circle")) + svg.count(QStringLiteral("ellipse")),
                 FourLines); // one disc per choice

        const std::vector<SvgElement> labels =
            svg.filled(QStringLiteral("rect"), QStringLiteral("#ff0000"));
        QCOMPARE(labels.size(), std::size_t(LabelPlaces.size()));
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const QPoint place = LabelPlaces[int(i)];
            QVERIFY(closeTo(labels[i].number("x"), place.x() / TwipsPerPixel));
            QVERIFY(closeTo(labels[i].number("y"), place.y() / TwipsPerPixel));
            QVERIFY(closeTo(labels[i].number("width"), LabelSide / TwipsPerPixel));
            QVERIFY(closeTo(labels[i].number("height"), LabelSide / TwipsPerPixel));
        }
        QCOMPARE(svg.texts(), (QStringList{"1", "2", "3"}));
        // The labels are painted last, over the ends of their lines.
        QVERIFY(svg.lastIndex(QStringLiteral("polyline")) <
                svg.firstIndex(QStringLiteral("rect"), QStringLiteral("#ff0000")));
    }

    void svgWithTheKeyAddsTheLegendBesideTheDrawing()
    {
        const QString path = dir.filePath(QStringLiteral("with key.svg"));
        Study study;
        QCOMPARE(exportPicture(path, study.picture(), Drawing, {PictureFormat::Svg, 0, true}),
                 std::nullopt);
        const SvgFile svg = readSvg(path);
        QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
        // 6915 + 2535 twips across; the key (3735 high) is shorter than the drawing.
        QCOMPARE(svg.viewBox, QStringLiteral("0 0 630 442"));
        QCOMPARE(lineElements(svg), FourLines + 3);
        QCOMPARE(svg.count(QStringLiteral("circle")) + svg.count(QStringLiteral("ellipse")),
                 FourLines + 3);
        QStringList texts = svg.texts();
        for (const char* caption : {"Positive Choice", "Negative Choice", "Mutual"})
            QCOMPARE(texts.count(QLatin1String(caption)), 1);
        QCOMPARE(texts.count(QStringLiteral("Chooser")), 2);
        QCOMPARE(texts.count(QStringLiteral("Choice")), 2);
        // The frame captions are red, the labels of the samples black.
        for (const SvgElement& e : svg.elements)
            if (e.name == QLatin1String("text") &&
                e.text.trimmed().endsWith(QLatin1String(" Choice")))
                QCOMPARE(e.fill, QStringLiteral("#ff0000"));
            else if (e.name == QLatin1String("text") && e.text.trimmed() == QLatin1String("Mutual"))
                QCOMPARE(e.fill, QStringLiteral("#000000"));
    }

    void pngIsTheDrawingAtTheChosenResolution_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSize>("pixels");
        // twips x dpi / 1440, rounded
        QTest::newRow("72") << 72 << QSize(346, 332);
        QTest::newRow("window's 96") << 96 << QSize(461, 442);
        QTest::newRow("150") << 150 << QSize(720, 691);
        QTest::newRow("300") << 300 << QSize(1441, 1381);
    }
    void pngIsTheDrawingAtTheChosenResolution()
    {
        QFETCH(int, dpi);
        QFETCH(QSize, pixels);
        const QString path = dir.filePath(QStringLiteral("picture.png"));
        Study study;
        QCOMPARE(exportPicture(path, study.picture(), Drawing, {PictureFormat::Png, dpi, false}),
                 std::nullopt);
        const QImage image(path);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), pixels);
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), dpi);
        const double k = dpi / 1440.0;
        for (const QPoint& p : LabelPlaces) {
            QVERIFY(near(image, QPointF(p) + QPointF(60, 60), k, isRed, 0));
            // The label covers the end of the lines at its centre, but not its caption.
            QVERIFY(near(image, QPointF(p) + QPointF(40, 180), k, isRed, 0));
            QVERIFY(near(image, QPointF(p), k, isBlack, 1)); // the outline
        }
        QVERIFY(near(image, {1180, 3000}, k, isBlack, 1));         // line 3 -> 1
        QVERIFY(near(image, {DrawW / 2, DrawH / 10}, k, isGreen)); // the square guide
        QVERIFY(near(image, {4000, 3000}, k, isWhite, 0));         // the background is white
    }

    void pngWithTheKeyShowsTheLegendRightOfTheDrawing()
    {
        const QString path = dir.filePath(QStringLiteral("with key.png"));
        Study study;
        study.labels.move(2, 6800, 6270); // partly beyond the drawing's right edge
        QCOMPARE(exportPicture(path, study.picture(), Drawing, {PictureFormat::Png, 96, true}),
                 std::nullopt);
        const QImage image(path);
        QCOMPARE(image.size(), QSize(630, 442));
        const double k = 96 / 1440.0;
        const QPointF key(KeyLeft, 0);
        // Positive frame at (120, 120): its sample line at 480 and the chooser's disc
        // centred at (435, 475) inside it.
        QVERIFY(near(image, key + QPointF(240 + 1200, 600), k, isBlack, 0));
        QVERIFY(near(image, key + QPointF(555, 595), k, isBlack, 0));
        // Negative frame at (120, 2280): a hollow square whose top edge is at 640 and
        // whose inside above the line stays white.
        QVERIFY(near(image, key + QPointF(555, 2920), k, isBlack, 1));
        QVERIFY(near(image, key + QPointF(555, 2975), k, isWhite, 0));
        int redCaption = 0;
        for (int y = int(120 * k); y < int(400 * k); ++y)
            for (int x = int((KeyLeft + 120) * k); x < int((KeyLeft + 1800) * k); ++x)
                redCaption += isRed(image.pixelColor(x, y)) ? 1 : 0;
        QVERIFY(redCaption > 10);
        // The label past the edge is cut off there instead of spilling onto the key.
        QVERIFY(near(image, {6860, 6330}, k, isRed, 0));
        QVERIFY(near(image, {7000, 6330}, k, isWhite, 0));
    }

    void pdfIsOnePageOfThePictureSize()
    {
        const QString path = dir.filePath(QStringLiteral("picture.pdf"));
        Study study;
        QCOMPARE(exportPicture(path, study.picture(), Drawing, {PictureFormat::Pdf, 0, false}),
                 std::nullopt);
        QCOMPARE(pdfPages(fileBytes(path)), 1);

        const QString info = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (info.isEmpty())
            QSKIP("pdfinfo is not installed: the page size is not checked");
        QProcess pdfinfo;
        pdfinfo.start(info, {path});
        QVERIFY(pdfinfo.waitForFinished());
        const QString report = QString::fromLocal8Bit(pdfinfo.readAllStandardOutput());
        QVERIFY2(report.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(report));
        // 6915 by 6630 twips are 345.75 by 331.5 points.
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                .match(report);
        QVERIFY2(size.hasMatch(), qPrintable(report));
        QVERIFY(std::abs(size.captured(1).toDouble() - 345.75) <= 0.5);
        QVERIFY(std::abs(size.captured(2).toDouble() - 331.5) <= 0.5);

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
        for (const QPoint& p : LabelPlaces) // one point, 20 twips, per pixel
            QVERIFY(near(image, QPointF(p) + QPointF(80, 80), 1 / 20.0, isRed, 0));
    }

    void pdfWithTheKeyIsStillOnePage()
    {
        const QString path = dir.filePath(QStringLiteral("with key.pdf"));
        Study study;
        QCOMPARE(exportPicture(path, study.picture(), Drawing, {PictureFormat::Pdf, 0, true}),
                 std::nullopt);
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(pdfPages(bytes), 1);
        QVERIFY(bytes.startsWith("%PDF-"));
    }

    void unwritablePlacesAreReportedNamingTheFile_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("folderItself");
        QTest::addColumn<QString>("reason");
        for (PictureFormat f : {PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf}) {
            const QByteArray name = pictureSuffix(f).toLatin1();
            QTest::newRow(name + " in a missing folder")
                << int(f) << false << QStringLiteral("does not exist");
            QTest::newRow(name + " onto a folder")
                << int(f) << true << QStringLiteral("that name belongs to a folder");
        }
    }
    void unwritablePlacesAreReportedNamingTheFile()
    {
        QFETCH(int, format);
        QFETCH(bool, folderItself);
        QFETCH(QString, reason);
        const QString path =
            folderItself ? dir.path() : dir.filePath(QStringLiteral("missing/sub/picture.out"));
        Study study;
        const ExportResult result =
            exportPicture(path, study.picture(), Drawing, {PictureFormat(format), 96, true});
        QVERIFY(result.has_value());
        QCOMPARE(result->file, path);
        QVERIFY2(result->reason.contains(reason), qPrintable(result->reason));
        QVERIFY(result->sentence().contains(QDir::toNativeSeparators(path)));
        QVERIFY(!QFileInfo(path).isFile());
    }

    void refusedRequestsLeaveAnEarlierFileAlone_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSizeF>("drawing");
        QTest::addColumn<QString>("reason");
        const QString range = QStringLiteral("the resolution must be from 30 to 600 dots per inch");
        QTest::newRow("PNG below 30 dpi") << int(PictureFormat::Png) << 29 << Drawing << range;
        QTest::newRow("PNG above 600 dpi") << int(PictureFormat::Png) << 601 << Drawing << range;
        QTest::newRow("no drawing area") << int(PictureFormat::Svg) << 96 << QSizeF(0, DrawH)
                                         << QStringLiteral("the sociogram has no area to draw");
    }
    void refusedRequestsLeaveAnEarlierFileAlone()
    {
        QFETCH(int, format);
        QFETCH(int, dpi);
        QFETCH(QSizeF, drawing);
        QFETCH(QString, reason);
        const QString path = dir.filePath(QStringLiteral("earlier.out"));
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier picture");
        }
        Study study;
        const ExportResult result =
            exportPicture(path, study.picture(), drawing, {PictureFormat(format), dpi, false});
        QVERIFY(result.has_value());
        QCOMPARE(result->reason, reason);
        QCOMPARE(fileBytes(path), QByteArray("earlier picture"));
    }

    void resolutionMattersOnlyForPng()
    {
        // SVG and PDF are vectors: a resolution the PNG would refuse does not stop them.
        Study study;
        for (PictureFormat f : {PictureFormat::Svg, PictureFormat::Pdf}) {
            const QString path = dir.filePath(QStringLiteral("vector.") + pictureSuffix(f));
            QCOMPARE(exportPicture(path, study.picture(), Drawing, {f, 5000, false}), std::nullopt);
            QVERIFY(QFileInfo(path).size() > 0);
        }
    }

    void anEarlierFileIsReplaced()
    {
        const QString path = dir.filePath(QStringLiteral("again.png"));
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("not a picture");
        }
        Study study;
        QCOMPARE(exportPicture(path, study.picture(), Drawing, {PictureFormat::Png, 72, false}),
                 std::nullopt);
        QCOMPARE(QImage(path).size(), QSize(346, 332));
    }

    void failureSentenceNamesTheFileAndTheReason()
    {
        const ExportFailure f{QStringLiteral("/tmp/a.png"), QStringLiteral("it is late")};
        QCOMPARE(f.sentence(), QStringLiteral("The sociogram picture could not be saved as "
                                              "\"/tmp/a.png\" because it is late."));
    }

    void suffixIsAddedOnlyWhenMissing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << "/a/b" << int(PictureFormat::Png) << "/a/b.png";
        QTest::newRow("present") << "/a/b.svg" << int(PictureFormat::Svg) << "/a/b.svg";
        QTest::newRow("other case") << "/a/b.PDF" << int(PictureFormat::Pdf) << "/a/b.PDF";
        QTest::newRow("another format's")
            << "/a/b.png" << int(PictureFormat::Pdf) << "/a/b.png.pdf";
        QTest::newRow("dotted folder") << "/a.png/b" << int(PictureFormat::Png) << "/a.png/b.png";
        QTest::newRow("empty stays empty") << "" << int(PictureFormat::Png) << "";
    }
    void suffixIsAddedOnlyWhenMissing()
    {
        QFETCH(QString, path);
        QFETCH(int, format);
        QFETCH(QString, expected);
        QCOMPARE(withPictureSuffix(path, PictureFormat(format)), expected);
    }

private:
    QTemporaryDir dir;
};

QTEST_MAIN(DrawExportTest)
#include "tst_draw_export.moc"
