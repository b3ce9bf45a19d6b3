// Two surveys' ties through the hook the comparison calls, offscreen: the sociogram opened in
// the layout last shown or filled where its labels stand, "Show Changes", the key and the print.
#include "changedraw.h"
#include "dataform.h"
#include "drawform.h"
#include "forms.h"
#include "globals.h"
#include "keyform.h"
#include "pictures.h"
#include "printdialog.h"
#include "windowfixture.h"
#include "windowlinks.h"

#include <QAction>
#include <QPrinter>
#include <QProcess>

class SociogramChangesTest : public QObject {
    Q_OBJECT
    WindowFixture f;

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
        QTest::addColumn<int>("lines");
        QTest::newRow("opened by the hook") << false << 4;
        QTest::newRow("open, a label moved, other criterion hidden") << true << 3;
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
        QVERIFY(Global::SociogramType == Codes::SociogramType::Target);
        QVERIFY(!open || Global::LabelPos == placed);
        const auto lines = [form](bool changed) { // the study's own choices are hairlines
            const PrimitiveList& drawn = form->state().drawing();
            return std::count_if(drawn.begin(), drawn.end(), [changed](const Primitive& p) {
                return p.kind == Primitive::Kind::Line && (p.width > 0) == changed;
            });
        };
        QTEST(int(lines(true)), "lines");
        form->Key_Click();
        const int keyHeight = SingleInstance<KeyForm>::ifLoaded()->height();
        form->ShowChanges->trigger(); // back to the study's choices, and the key with them
        QVERIFY(lines(true) == 0 && lines(false) > 0);
        QVERIFY(SingleInstance<KeyForm>::ifLoaded()->height() < keyHeight);
        form->ShowChanges->trigger();
        QTEST(int(lines(true)), "lines");

        // The printed page draws the ties in their looks, its title naming the other survey.
        const QString pdf = f.db().folder() + u"/page.pdf"_qs;
        PrintChoices::setAsker([](QWidget*, ShownOnWindow) {
            PictureOptions title;
            title.includeTitle = true;
            return title;
        });
        DrawForm::setPrinterChooser([pdf](QPrinter& printer, QWidget*, QString&) {
            printer.setOutputFileName(pdf);
            return true;
        });
        form->Print_Click();
        QProcess text;
        text.start(u"pdftotext"_qs, {pdf, u"-"_qs});
        QVERIFY(text.waitForFinished() && text.readAllStandardOutput().contains("Autumn 4b"));
        const QStringList render = {u"-r"_qs, u"72"_qs, u"-png"_qs, u"-singlefile"_qs, pdf, pdf};
        QCOMPARE(QProcess::execute(u"pdftoppm"_qs, render), 0);
        const QImage page(pdf + u".png"_qs);
        QVERIFY(hasColour(page, changeLook(T::New).colour, 40));
        QVERIFY(hasColour(page, changeLook(T::Gone).colour, 40));
        QVERIFY(Forms::ShowChangesOnSociogram({}, {})); // the study's own choices back
        QVERIFY(lines(true) == 0 && !form->ShowChanges->isEnabled());
    }
};

QTEST_MAIN(SociogramChangesTest)
#include "tst_sociogram_changes.moc"
