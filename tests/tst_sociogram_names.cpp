// The class list's names on the sociogram, offscreen: under the labels while Show Names is
// on, kept clear by Tidy, and in a picture that leaves the program only when asked for.
#include "classlist.h"
#include "drawform.h"
#include "exportdialog.h"
#include "globals.h"
#include "gridfill.h"
#include "printdialog.h"
#include "viewmemory.h"
#include "windowfixture.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>

class SociogramNamesTest : public QObject {
    Q_OBJECT
    WindowFixture f;

    void defineStudy(int size, const std::vector<QStringList>& choices = {})
    {
        f.openStudy(size, 1);
        fillGrid(DataGrid(), size, 1, choices);
    }
    static DrawForm* openSociogram(int type)
    {
        Global::SociogramType = Global::Integer(type);
        return WindowFixture::openWindow<DrawForm>([] { showDrawForm(QString()); });
    }

private Q_SLOTS:
    void init()
    {
        f.init();
        ViewMemory::forgetAll();
    }
    void cleanup()
    {
        f.cleanup();
        PictureExport::setFileChooser(nullptr);
        PictureExport::setOptionsChooser(nullptr);
        DrawForm::setPrinterChooser(nullptr);
        PrintChoices::setAsker(nullptr);
    }

    // The names of the list go under their labels while Show Names is on.
    void namesUnderTheLabels_data()
    {
        QTest::addColumn<bool>("list");
        QTest::addColumn<bool>("turnOff");
        QTest::addColumn<QStringList>("drawn");
        QTest::newRow("list, on") << true << false << QStringList{u"Anna"_qs, u"Ben"_qs};
        QTest::newRow("list, turned off") << true << true << QStringList{};
        QTest::newRow("no list") << false << false << QStringList{};
    }
    void namesUnderTheLabels()
    {
        QFETCH(bool, list);
        QFETCH(bool, turnOff);
        QFETCH(QStringList, drawn);
        defineStudy(3, {{"2"}, {"1"}});
        if (list)
            ClassList::instance().setNames(Global::CurrentRecord, {u"Anna"_qs, u"Ben"_qs, {}});
        DrawForm* form = openSociogram(0);
        QCOMPARE(form->ShowNames->isEnabled(), list);
        if (turnOff)
            form->ShowNames->trigger();
        QStringList names;
        for (const Primitive& p : form->canvas()->labelPrimitives())
            if (p.kind == Primitive::Kind::Name) {
                names << p.text;
                const QRect label = form->canvas()->labelDesignRect(names.size());
                QVERIFY(p.p1.y() >= (label.bottom() + 1) * 15); // under its own label
            }
        QCOMPARE(names, drawn);
    }

    // Tidy on the free layout leaves each label's name band clear of the other labels (on
    // rings and fixed slots there may be no room to).
    void tidyKeepsNamesClear()
    {
        std::vector<QStringList> choices;
        for (int s = 1; s <= 40; ++s)
            choices.push_back({QString::number(s % 40 + 1)});
        defineStudy(40, choices);
        ClassList::instance().setNames(Global::CurrentRecord, QStringList(40, u"Name"_qs));
        openSociogram(Codes::SociogramType::Random)->Tidy->trigger();
        for (int i = 1; i <= 40; ++i)
            for (int j = 1; j <= 40; ++j) {
                const auto [x, y] = Global::LabelPos[i];
                const QRectF band(x, y + 360, 360, DrawSize::NameGap + DrawSize::NameHeight);
                QVERIFY(i == j || !band.intersects({Global::LabelPos[j][0] * 1.0,
                                                    Global::LabelPos[j][1] * 1.0, 360, 360}));
            }
    }

    // An exported or printed picture carries names only when its box is ticked, whatever the
    // window shows.
    void exportedNamesOnlyWhenAsked()
    {
        defineStudy(3, {{"2"}, {"1"}});
        DrawForm* form = openSociogram(0);
        const QString folder = f.db().folder();
        const auto exported = [&](bool withNames) {
            PictureOptions chosen;
            chosen.format = PictureFormat::Svg;
            chosen.withNames = withNames;
            PictureExport::setOptionsChooser([chosen](QWidget*, ShownOnWindow) { return chosen; });
            const QString file = folder + u"/p%1.svg"_qs.arg(withNames);
            PictureExport::setFileChooser(
                [file](QWidget*, const QString&, const QString&, const QString&) { return file; });
            form->exportPicture();
            QFile svg(file);
            return svg.open(QIODevice::ReadOnly) ? svg.readAll() : QByteArray();
        };
        const QByteArray noList = exported(false);
        ClassList::instance().setNames(Global::CurrentRecord, {u"Anna"_qs, u"Ben"_qs, {}});
        QVERIFY(form->ShowNames->isChecked());
        QVERIFY(!noList.isEmpty());
        QCOMPARE(exported(false), noList);
        const QByteArray named = exported(true);
        QVERIFY(named.contains("Anna") && named.contains("Ben"));
        const QString pdf = folder + u"/page.pdf"_qs;
        DrawForm::setPrinterChooser([pdf](QPrinter& printer, QWidget*, QString&) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        for (bool withNames : {false, true}) {
            PrintChoices::setAsker([withNames](QWidget*, ShownOnWindow) {
                PictureOptions chosen;
                chosen.withNames = withNames;
                return chosen;
            });
            form->Print_Click();
            QProcess text;
            text.start(u"pdftotext"_qs, {pdf, u"-"_qs});
            QVERIFY(text.waitForFinished());
            QCOMPARE(text.readAllStandardOutput().contains("Anna"), withNames);
        }
    }
};

QTEST_MAIN(SociogramNamesTest)
#include "tst_sociogram_names.moc"
