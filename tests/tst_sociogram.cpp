// The sociogram: saved arrangements built and stored by the window's state, and the
// window driven through its menus and the mouse (dragging at any window size, the
// save question, the key, printing and exporting), offscreen.
#include "drawform.h"
#include "exportdialog.h"
#include "globals.h"
#include "gridfill.h"
#include "keyform.h"
#include "scriptedmessages.h"
#include "testdb.h"
#include "windows.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

using Pos = std::array<Global::Integer, 2>;
using Rows = std::vector<QVariantList>;

// Answers the modal dialog that is about to open, from the event loop it runs.
void whenDialogOpens(const std::function<void(ExportDialog&)>& answer)
{
    auto* poll = new QTimer;
    int tries = 0;
    QObject::connect(poll, &QTimer::timeout, [poll, answer, tries]() mutable {
        auto* dialog = qobject_cast<ExportDialog*>(QApplication::activeModalWidget());
        if (dialog || ++tries > 500) { // never leave a test hanging on a dialog
            poll->stop();
            poll->deleteLater();
        }
        if (dialog)
            answer(*dialog);
    });
    poll->start(10);
}

} // namespace

class SociogramTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    int lineDraws = 0;

    // A stored study of `size` subjects with one choice slot and the given positive
    // choices in the data window's grid.
    void defineStudy(int size, const std::vector<QStringList>& choices = {}, int type = 0)
    {
        Global::CurrentRecord = db->addStudy(QStringLiteral("Class"), size, 1, "Who?", 1);
        Global::GroupSize = size;
        Global::MaxChoices = 1;
        Global::CriterionType = 1;
        Global::CurrentCriterion = 1;
        Global::SociogramType = Global::Integer(type);
        fillGrid(DataGrid(), size, 1, choices);
    }
    void addPosition(int record, int type, const QVariant& label, const QVariant& x,
                     const QVariant& y)
    {
        QVERIFY(db->exec("INSERT INTO POSITION (HEADER, SOCIOGRAM, LABEL, X, Y) "
                         "VALUES (?, ?, ?, ?, ?)",
                         {record, type, label, x, y}));
    }
    Rows stored(int type, int record = Global::CurrentRecord)
    {
        return db->rows("SELECT LABEL, X, Y FROM POSITION WHERE HEADER = ? AND SOCIOGRAM = ? "
                        "ORDER BY rowid",
                        {record, type});
    }
    std::unique_ptr<SociogramState> state()
    {
        auto s = std::make_unique<SociogramState>();
        QObject::connect(s.get(), &SociogramState::drawingChanged, [this] { ++lineDraws; });
        return s;
    }
    DrawForm* openSociogram(int type)
    {
        Global::SociogramType = Global::Integer(type);
        showDrawForm(QString());
        DrawForm* form = SingleInstance<DrawForm>::ifLoaded();
        if (form)
            (void)QTest::qWaitForWindowExposed(form);
        return form;
    }
    // Drags a label by a point inside it to a point of the picture, both in pixels of
    // the picture at its designed size, at whatever size the window shows it.
    static void drag(DrawForm* form, int subject, QPoint grab, QPoint drop)
    {
        SocioCanvas* area = form->canvas();
        const auto at = [area](QPointF design) {
            return (area->pictureOrigin() + (design + QPointF(0.25, 0.25)) * area->zoom())
                .toPoint();
        };
        const QPoint from = at(area->labelDesignRect(subject).topLeft() + grab);
        QTest::mousePress(area, Qt::LeftButton, {}, from);
        QTest::mouseMove(area, from + QPoint(3, 3));
        QTest::mouseRelease(area, Qt::LeftButton, {}, at(drop));
    }

private Q_SLOTS:
    void init()
    {
        resetProgram();
        db = std::make_unique<TestDatabase>();
        messages = std::make_unique<ScriptedMessages>();
        lineDraws = 0;
    }
    void cleanup()
    {
        PictureExport::setOptionsChooser(nullptr);
        PictureExport::setFileChooser(nullptr);
        DrawForm::setPrinterChooser(nullptr);
        SingleInstance<DrawForm>::unload();
        SingleInstance<KeyForm>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages.reset();
        db.reset();
    }

    // --- Saved arrangements, through the window's state ---

    void withoutArrangementTheLayoutRuns_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("random") << 1;
        QTest::newRow("target") << 3;
    }
    void withoutArrangementTheLayoutRuns()
    {
        QFETCH(int, type);
        defineStudy(6, {}, type);
        addPosition(Global::CurrentRecord, (type + 1) % 4, 1, 500, 500); // another layout's
        auto s = state();
        std::vector<bool> pointer;
        QObject::connect(s.get(), &SociogramState::busyChanged,
                         [&](bool busy) { pointer.push_back(busy); });
        s->DoWork();
        QCOMPARE(messages->count(), 0);
        QCOMPARE(s->labels.highestIndex(), 6);
        QCOMPARE(s->PositionsSaved, Global::True);
        QVERIFY(!s->viewDefaultEnabled && !s->viewSavedEnabled);
        QCOMPARE(lineDraws, 1);
        QVERIFY(!pointer.empty() && pointer.front() && !pointer.back());
        QCOMPARE(s->RingsOnly, type == 3);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(double(Global::LabelPos[i][0]), std::nearbyint(s->labels.get(i)->Left));
    }

    void saveThenRestore()
    {
        defineStudy(6, {}, 3);
        const int other = db->addStudy("Other", 6, 1, "Who?", 1);
        addPosition(Global::CurrentRecord, 0, 1, 11, 12);
        addPosition(other, 3, 1, 31, 32);
        auto first = state();
        first->DoWork();
        first->beginDrag(2, 10, 10);
        first->dropOnBackground(1010, 6010);
        QCOMPARE(first->PositionsSaved, Global::False);
        const Global::LabelTable saved = Global::LabelPos;
        first->SavePositions();
        first->SavePositions(); // replaces, never adds
        QCOMPARE(first->PositionsSaved, Global::True);
        const Rows rows = stored(3);
        QCOMPARE(int(rows.size()), 6);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(rows[i - 1], (QVariantList{i, saved[i][0], saved[i][1]}));
        QCOMPARE(stored(0), (Rows{{1, 11, 12}}));
        QCOMPARE(stored(3, other), (Rows{{1, 31, 32}}));

        Global::LabelPos = {};
        auto second = state();
        second->DoWork();
        QCOMPARE(Global::LabelPos, saved);
        QVERIFY(second->viewDefaultEnabled && !second->viewSavedEnabled);
        QCOMPARE(second->labels.get(2)->Top, float(saved[2][1]));
        // Restored where it was saved, yet its tag names its ring.
        QCOMPARE(second->labels.get(2)->Tag, first->labels.get(2)->Tag);
    }

    void savingWritesEverySubjectRowAsItStands()
    {
        defineStudy(6);
        fillGrid(DataGrid(), 8, 1); // two more subjects in the grid than have labels
        Global::LabelPos[7] = {-5, 40};
        state()->SavePositions();
        const Rows rows = stored(0);
        QCOMPARE(int(rows.size()), 8);
        QCOMPARE(rows[6], (QVariantList{7, -5, 40}));
        QCOMPARE(rows[7], (QVariantList{8, 0, 0}));
        // A study never stored saves nothing (rows left under record 0 go).
        addPosition(0, 0, 1, 5, 5);
        Global::CurrentRecord = 0;
        auto s = state();
        s->SavePositions();
        QVERIFY(stored(0).empty());
        QCOMPARE(s->PositionsSaved, Global::True);
    }

    // A save that cannot be written whole keeps the stored arrangement and leaves it
    // unsaved, so that Quit still asks.
    void failedSaveKeepsTheOldArrangement_data()
    {
        QTest::addColumn<int>("subjects"); // in the grid
        QTest::addColumn<QString>("before");
        QTest::newRow("another program holds the file") << 6 << u"BEGIN IMMEDIATE"_qs;
        QTest::newRow("more subjects than labels") << 41 << u"SELECT 1"_qs;
    }
    void failedSaveKeepsTheOldArrangement()
    {
        QFETCH(int, subjects);
        QFETCH(QString, before);
        defineStudy(6);
        addPosition(Global::CurrentRecord, 0, 3, 33, 34);
        auto s = state();
        s->DoWork();
        s->beginDrag(3, 0, 0);
        s->dropOnBackground(3000, 3000);
        fillGrid(DataGrid(), subjects, 1);
        QVERIFY(db->exec(before));
        s->SavePositions();
        db->exec("ROLLBACK"); // fails harmlessly when nothing was begun
        QCOMPARE(messages->count(), 1);
        QCOMPARE(stored(0), (Rows{{3, 33, 34}}));
        QCOMPARE(s->PositionsSaved, Global::False);
    }

    void badRowsArePassedOver_data()
    {
        QTest::addColumn<QVariant>("label");
        QTest::addColumn<QVariant>("x");
        QTest::addColumn<QVariant>("y");
        QTest::addColumn<int>("error");
        QTest::newRow("label 41") << QVariant(41) << QVariant(1) << QVariant(1) << 9;
        QTest::newRow("label 0, the template") << QVariant(0) << QVariant(1) << QVariant(1) << 9;
        QTest::newRow("X beyond 16 bits") << QVariant(2) << QVariant(40000) << QVariant(1) << 6;
        QTest::newRow("label as text") << QVariant("two") << QVariant(1) << QVariant(1) << 13;
    }
    void badRowsArePassedOver()
    {
        QFETCH(QVariant, label);
        QFETCH(QVariant, x);
        QFETCH(QVariant, y);
        QFETCH(int, error);
        defineStudy(6, {}, 1);
        addPosition(Global::CurrentRecord, 1, label, x, y);
        addPosition(Global::CurrentRecord, 1, 5, 700, 800);
        addPosition(Global::CurrentRecord, 1, 4, 100, 100);
        addPosition(Global::CurrentRecord, 1, 4, 900, 950); // stored twice: the last row
        Global::LabelPos[2] = {7, 7};
        auto s = state();
        s->DoWork();
        QCOMPARE(messages->count(), 1);
        QVERIFY2(messages->texts().first().startsWith(
                     QStringLiteral("Unexpected Error In - DrawForm:DoWork, Error Number %1,")
                         .arg(error)),
                 qPrintable(messages->texts().first()));
        QCOMPARE(s->labels.highestIndex(), 5);
        QVERIFY(!s->labels.exists(2) && !s->labels.exists(1)); // only stored labels appear
        QCOMPARE(Global::LabelPos[5], (Pos{700, 800}));
        QCOMPARE(Global::LabelPos[4], (Pos{900, 950}));
        QCOMPARE(Global::LabelPos[2], (Pos{7, 7}));
        QCOMPARE(Global::LabelPos[0], (Pos{0, 0}));
    }

    void viewCommands()
    {
        defineStudy(6, {}, 3);
        for (int i = 1; i <= 6; ++i)
            addPosition(Global::CurrentRecord, 3, i, 400 * i, 300);
        auto s = state();
        s->DoWork();
        QCOMPARE(s->RingsOnly, true);
        s->beginDrag(1, 0, 0);
        s->dropOnBackground(10, 10);
        lineDraws = 0;
        s->DefaultDistribution();
        QCOMPARE(s->PositionsSaved, Global::False); // left alone
        QVERIFY(!s->viewDefaultEnabled && s->viewSavedEnabled);
        QCOMPARE(s->RingsOnly, false);
        QVERIFY(Global::LabelPos[1] != (Pos{400, 300}));
        QCOMPARE(lineDraws, 1);
        s->SavedDistribution();
        QVERIFY(s->viewDefaultEnabled && !s->viewSavedEnabled);
        QCOMPARE(s->PositionsSaved, Global::True);
        QCOMPARE(Global::LabelPos[1], (Pos{400, 300}));
        QCOMPARE(s->labels.get(6)->Left, 2400.0f);
        // The rows gone meanwhile: the layout gives whole labels.
        QVERIFY(db->exec("DELETE FROM POSITION"));
        s->SavedDistribution();
        QCOMPARE(s->labels.highestIndex(), 6);
        QVERIFY(s->labels.exists(1) && s->labels.exists(6));
    }

    void headerComesFromTheStore()
    {
        Global::CurrentRecord = db->addStudy("Class", 9, 2, "Who?", 1);
        Global::SociogramType = 2;
        auto s = state();
        s->DoWork();
        QCOMPARE(s->labels.highestIndex(), 9);
        Global::CurrentRecord = 77;
        SociogramState missing;
        missing.SquareDraw();
        QCOMPARE(messages->texts(), QStringList{"Unexpected Error In - DrawForm:SquareDraw, Error "
                                                "Number 3021, No current record."});
        QCOMPARE(missing.labels.highestIndex(), 0);
    }

    // --- The window ---

    // A drop stores the same twips whatever size the window shows the picture at.
    void dropStoresTheSamePositionAtAnySize()
    {
        defineStudy(6, {{"2"}});
        DrawForm* form = openSociogram(0);
        QVERIFY(form);
        for (int s = 1; s <= 6; ++s)
            QVERIFY(!form->canvas()->labelRect(s).isEmpty());
        QVERIFY(form->canvas()->labelRect(7).isEmpty());
        QVERIFY(!form->View[0]->isEnabled() && !form->View[1]->isEnabled());
        const QPoint grab(5, 7), drop(200, 150);
        drag(form, 1, grab, drop);
        QCOMPARE(form->state.PositionsSaved, Global::False);
        const double per = Twips::perPixel();
        QCOMPARE(Global::LabelPos[1], (Pos{Global::Integer(qRound((drop.x() - grab.x()) * per)),
                                           Global::Integer(qRound((drop.y() - grab.y()) * per))}));
        // The line of subject 1's choice now starts at the label's new centre.
        QCOMPARE(form->state.drawing().front().p1,
                 QPointF(Global::LabelPos[1][0] + 180, Global::LabelPos[1][1] + 180));
        form->Save_Click();
        const Rows designed = stored(0);
        QCOMPARE(int(designed.size()), 6);

        form->View_Click(0); // back to the layout
        QVERIFY(form->View[1]->isEnabled());
        form->resize(form->size() * 2);
        QTRY_VERIFY(form->canvas()->zoom() > 1.5);
        drag(form, 1, grab, drop);
        QCOMPARE(form->canvas()->labelRect(1).topLeft(),
                 (form->canvas()->pictureOrigin() + QPointF(drop - grab) * form->canvas()->zoom())
                     .toPoint());
        form->Save_Click();
        QCOMPARE(stored(0), designed);
    }

    void dropOnAnotherLabelMovesNothingAndQuitAsksNothing()
    {
        defineStudy(6);
        DrawForm* form = openSociogram(0);
        const auto before = Global::LabelPos;
        drag(form, 1, QPoint(5, 5), form->canvas()->labelDesignRect(2).center());
        QCOMPARE(Global::LabelPos, before);
        form->Quit_Click();
        QCOMPARE(messages->count(), 0);
    }

    void targetDropSnapsToTheRing()
    {
        // Nobody chosen: one ring of radius (6915 / 2 - 400) / 2 = 1528.75. Dropped
        // right of the centre (3457.5, 3315), the label's centre goes onto the ring.
        defineStudy(12);
        DrawForm* form = openSociogram(3);
        const double per = Twips::perPixel();
        drag(form, 5, QPoint(2, 2), QPoint(qRound(5800 / per), qRound(3315 / per)));
        QCOMPARE(Global::LabelPos[5], (Pos{Global::Integer(qRound(3457.5 + 1528.75 - 180)),
                                           Global::Integer(3315 - 180)}));
    }

    void quitAndCloseBoxAsk_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rows");
        QTest::newRow("Quit, No") << false << int(Answer::No) << 0;
        QTest::newRow("close box, Yes") << true << int(Answer::Yes) << 6;
    }
    void quitAndCloseBoxAsk()
    {
        QFETCH(bool, closeBox);
        QFETCH(int, answer);
        defineStudy(6);
        DrawForm* form = openSociogram(0);
        drag(form, 2, QPoint(4, 4), QPoint(60, 400));
        messages->answer({Answer(answer)});
        closeBox ? (void)form->close() : form->Quit_Click();
        QCOMPARE(messages->texts(), QStringList{"Save Current Sociogram Settings?"});
        QTEST(int(stored(0).size()), "rows");
        QVERIFY(!SingleInstance<DrawForm>::loaded());
    }

    void endingTheProgramAsksAboutAChangedArrangement()
    {
        QVERIFY(DrawForm::mayEnd()); // no window: nothing to ask
        defineStudy(6);
        DrawForm* form = openSociogram(0);
        QVERIFY(DrawForm::mayEnd());
        drag(form, 2, QPoint(4, 4), QPoint(60, 400));
        // Yes, and the arrangement cannot be stored: the program keeps running with it.
        QVERIFY(db->exec("CREATE TRIGGER refuse BEFORE INSERT ON POSITION "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        messages->answer({Answer::Yes});
        QVERIFY(!DrawForm::mayEnd());
        QVERIFY(SingleInstance<DrawForm>::loaded());
        QVERIFY(db->exec("DROP TRIGGER refuse"));
        messages->answer({Answer::Yes});
        QVERIFY(DrawForm::mayEnd());
        QCOMPARE(int(stored(0).size()), 6);
    }

    void keyFlagRules()
    {
        defineStudy(6);
        DrawForm* form = openSociogram(0);
        form->Key_Click();
        KeyForm* key = SingleInstance<KeyForm>::ifLoaded();
        QVERIFY(key && key->isVisible());
        form->Key_Click();
        QVERIFY(!key->isVisible());
        // Placed once, the key keeps where the user puts it.
        form->Key_Click();
        key->move(key->pos() + QPoint(40, 30));
        const QPoint userPlace = key->pos();
        form->Key_Click();
        form->Key_Click();
        QCOMPARE(key->pos(), userPlace);
        // Its own close box unloads it while the flag stays set: the next Key only
        // flips the flag, the one after shows a fresh key.
        key->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!SingleInstance<KeyForm>::loaded());
        form->Key_Click();
        QVERIFY(!SingleInstance<KeyForm>::loaded() ||
                !SingleInstance<KeyForm>::ifLoaded()->isVisible());
        form->Key_Click();
        QVERIFY(SingleInstance<KeyForm>::ifLoaded()->isVisible());
    }

    void printFailuresAreExplained()
    {
        defineStudy(6);
        DrawForm* form = openSociogram(0);
        const QString cancelled =
            QStringLiteral("Printing was cancelled; the sociogram was not printed.");
        DrawForm::setPrinterChooser([&](QPrinter&, QWidget*, QString& why) {
            why = cancelled;
            return false;
        });
        form->Print_Click();
        QCOMPARE(messages->texts(), QStringList{cancelled});
        messages->clear();
        DrawForm::setPrinterChooser([](QPrinter& printer, QWidget*, QString&) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent-folder/x/page.pdf"));
            return true;
        });
        form->Print_Click();
        // The error report names the procedure; the window then says where it failed.
        QCOMPARE(messages->count(), 2);
        QVERIFY(messages->texts().front().contains(QStringLiteral("DataForm:SocioPrint")));
        QVERIFY(
            messages->texts().back().contains(QStringLiteral("/nonexistent-folder/x/page.pdf")));
    }

    // Export Picture writes what the window shows, asks no file after a refusal, and
    // names a file it cannot write.
    void exportPicture()
    {
        defineStudy(6, {{"2"}, {"1"}});
        DrawForm* form = openSociogram(0);
        std::optional<PictureOptions> options;
        QString file;
        int filesAsked = 0;
        PictureExport::setOptionsChooser([&](QWidget*) { return options; });
        PictureExport::setFileChooser([&](QWidget*, const PictureOptions&) {
            ++filesAsked;
            return file;
        });
        form->ExportPicture_Click(); // options refused
        options = PictureOptions{PictureFormat::Png, 96, true, false, 0, false, {}};
        form->ExportPicture_Click(); // file dialog cancelled
        QCOMPARE(filesAsked, 1);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(QDir(db->folder()).entryList({"*.png"}, QDir::Files), QStringList());

        file = db->folder() + QStringLiteral("/picture");
        form->ExportPicture->trigger();
        QCOMPARE(messages->count(), 0);
        const QImage image(file + QStringLiteral(".png")); // the format's ending added
        QVERIFY(image.width() > image.height());           // the key stands beside the drawing
        for (int s = 1; s <= 6; ++s) {
            const QColor c = image.pixelColor((Global::LabelPos[s][0] + 60) / 15,
                                              (Global::LabelPos[s][1] + 60) / 15);
            QVERIFY2(c.red() > 200 && c.green() < 60, qPrintable(QString::number(s)));
        }

        file = QStringLiteral("/nonexistent-folder/x/picture");
        form->ExportPicture_Click();
        QCOMPARE(messages->count(), 1);
        QVERIFY2(messages->texts().first().startsWith("The sociogram picture could not be saved as "
                                                      "\"/nonexistent-folder/x/picture.png\""),
                 qPrintable(messages->texts().first()));
        QCOMPARE(messages->shown().front().icon, Icon::Exclamation);
    }

    void exportDialogOffersResolutionOnlyForPngAndRemembersTheLastChoice()
    {
        ExportDialog dialog;
        QVERIFY(dialog.Resolution->isEnabled());
        dialog.Format[int(PictureFormat::Svg)]->click();
        QVERIFY(!dialog.Resolution->isEnabled() && !dialog.ResolutionLabel->isEnabled());
        dialog.setOptions({PictureFormat::Pdf, 300, true, false, 0, false, {}});
        const PictureOptions set = dialog.options();
        QVERIFY(set.format == PictureFormat::Pdf && set.dpi == 300 && set.includeKey);

        defineStudy(6);
        DrawForm* form = openSociogram(0);
        PictureExport::setFileChooser([this](QWidget*, const PictureOptions&) {
            return db->folder() + QStringLiteral("/remembered");
        });
        whenDialogOpens([](ExportDialog& d) {
            d.Format[int(PictureFormat::Svg)]->click();
            d.IncludeKey->setChecked(true);
            d.OkButton->click();
        });
        form->ExportPicture_Click();
        QVERIFY(QFile::exists(db->folder() + QStringLiteral("/remembered.svg")));
        bool startedFromLast = false;
        whenDialogOpens([&startedFromLast](ExportDialog& d) {
            startedFromLast =
                d.Format[int(PictureFormat::Svg)]->isChecked() && d.IncludeKey->isChecked();
            d.CancelButton->click();
        });
        form->ExportPicture_Click();
        QVERIFY(startedFromLast);
        QCOMPARE(messages->count(), 0);
    }
};

QTEST_MAIN(SociogramTest)
#include "tst_sociogram.moc"
