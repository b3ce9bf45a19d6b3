// Two surveys' ties on the sociogram through the hook the comparison calls, offscreen: the
// window opened in the layout last shown or filled where its labels stand, "Show Changes"
// and the printed page.
#include "changedraw.h"
#include "dataform.h"
#include "drawform.h"
#include "forms.h"
#include "globals.h"
#include "keyform.h"
#include "printdialog.h"
#include "windowfixture.h"
#include "windowlinks.h"

#include <QAction>
#include <QPrinter>
#include <QProcess>

class SociogramChangesTest : public QObject {
    Q_OBJECT
    WindowFixture f;

    // The study's own choices are drawn as hairlines, the ties of two surveys are not.
    static int changedLines(DrawForm* form, bool changed = true)
    {
        const PrimitiveList& drawn = form->state().drawing();
        return int(std::count_if(drawn.begin(), drawn.end(), [changed](const Primitive& p) {
            return p.kind == Primitive::Kind::Line && (p.width > 0) == changed;
        }));
    }

private Q_SLOTS:
    void init() { f.init(); }
    void cleanup()
    {
        f.cleanup();
        DrawForm::setPrinterChooser(nullptr);
        PrintChoices::setAsker(nullptr);
    }

    void hookShowsTheChanges_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("otherCriterion");
        QTest::addColumn<int>("lines");
        QTest::newRow("opened by the hook") << false << true << 4;
        QTest::newRow("open, a label moved, other criterion hidden") << true << false << 3;
    }
    void hookShowsTheChanges()
    {
        QFETCH(bool, open);
        using T = TieChange;
        const TieChanges ties = {{{1, 2}, T::Kept},
                                 {{2, 1}, T::New},
                                 {{3, 4, ChoiceKind::Negative}, T::Gone},
                                 {{4, 6}, T::Gone}};
        connectWindows();
        QVERIFY(!Forms::ShowChangesOnSociogram(ties, u"Autumn 4b"_qs)); // no study to draw
        f.openStudy(6, 1, Codes::CriterionType::Both);
        for (int s = 1; s <= 6; ++s)
            QVERIFY(f.db().addAnswer(Global::CurrentRecord, 1, s + 1, 1, s % 6 + 1));
        QVERIFY(WindowFixture::openWindow<DataForm>(showDataForm));
        Global::SociogramType = Codes::SociogramType::Target; // as the Type menu left it
        if (open) {
            DrawForm* form = WindowFixture::openWindow<DrawForm>([] { showDrawForm({}); });
            form->OtherCriterion->setChecked(false);
            form->state().dropLabel(3, {300, 300});
        }
        const auto placed = Global::LabelPos;
        QVERIFY(Forms::ShowChangesOnSociogram(ties, u"Autumn 4b"_qs));
        DrawForm* form = SingleInstance<DrawForm>::ifLoaded();
        QVERIFY(form && form->ShowChanges->isChecked());
        QCOMPARE(Global::SociogramType, Codes::SociogramType::Target);
        QVERIFY(!open || Global::LabelPos == placed);
        QTEST(changedLines(form), "lines");
        // Back to the study's own choices and forth again, the key following.
        form->Key_Click();
        KeyForm* key = SingleInstance<KeyForm>::ifLoaded();
        const int keyWithChanges = key->height();
        form->ShowChanges->trigger();
        QVERIFY(changedLines(form) == 0 && changedLines(form, false) > 0);
        QVERIFY(key->height() < keyWithChanges);
        form->ShowChanges->trigger();
        QTEST(changedLines(form), "lines");
        QCOMPARE(key->height(), keyWithChanges);

        // The printed page carries the ties in their looks and the title names the survey.
        const QString pdf = f.db().folder() + u"/page.pdf"_qs;
        PrintChoices::setAsker([](QWidget*, ShownOnWindow) {
            PictureOptions title;
            title.includeTitle = true;
            return title;
        });
        DrawForm::setPrinterChooser([pdf](QPrinter& printer, QWidget*, QString&) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        form->Print_Click();
        QProcess text;
        text.start(u"pdftotext"_qs, {pdf, u"-"_qs});
        QVERIFY(text.waitForFinished());
        QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).contains(u"Autumn 4b"_qs));
        QCOMPARE(QProcess::execute(u"pdftoppm"_qs,
                                   {u"-r"_qs, u"72"_qs, u"-png"_qs, u"-singlefile"_qs, pdf, pdf}),
                 0);
        const QImage page(pdf + u".png"_qs);
        for (T change : {T::New, T::Gone}) {
            const QColor look = changeLook(change).colour;
            bool found = false;
            for (int y = 0; y < page.height() && !found; ++y)
                for (int x = 0; x < page.width() && !found; ++x) {
                    const QColor c = page.pixelColor(x, y);
                    found = qAbs(c.red() - look.red()) + qAbs(c.green() - look.green()) +
                                qAbs(c.blue() - look.blue()) <
                            40;
                }
            QVERIFY2(found, qPrintable(look.name()));
        }
        QVERIFY(Forms::ShowChangesOnSociogram({}, {})); // the study's own choices back
        QVERIFY(changedLines(form) == 0 && !form->ShowChanges->isEnabled());
    }
};

QTEST_MAIN(SociogramChangesTest)
#include "tst_sociogram_changes.moc"
