// The sociogram: saved arrangements through the window's state, and the window
// driven through its menus and the mouse, offscreen.
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
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* dialog = qobject_cast<ExportDialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start(10);
}

} // namespace

class SociogramTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    int lineDraws = 0;
    std::vector<bool> busy; // the busy pointer, on and off

    // A stored study of `size` subjects, one choice slot, the given choices in the grid.
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
        QObject::connect(s.get(), &SociogramState::busyChanged,
                         [this](bool b) { busy.push_back(b); });
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
        busy.clear();
    }
    void cleanup()
    {
        PictureExport::setFileChooser(nullptr);
        DrawForm::setPrinterChooser(nullptr);
        SingleInstance<DrawForm>::unload();
        SingleInstance<KeyForm>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages.reset();
        db.reset();
    }

    // Saved with a row for every subject of the grid as it stands, restored as saved,
    // and the View commands switching between the layout and the saved arrangement.
    void saveRestoreAndView()
    {
        defineStudy(6, {}, 3);
        fillGrid(DataGrid(), 8, 1); // two more subjects in the grid than have labels
        const int other = db->addStudy("Other", 6, 1, "Who?", 1);
        db->addPosition(Global::CurrentRecord, 0, 1, 11, 12);
        db->addPosition(other, 3, 1, 31, 32);
        auto first = state();
        first->DoWork();
        QVERIFY(!busy.empty() && busy.front() && !busy.back());
        first->layout().dropLabel(2, {1010, 6010});
        QCOMPARE(first->arrangement().positionsSaved(), Global::False);
        Global::LabelPos[7] = {-5, 40};
        const PositionTable saved = Global::LabelPos;
        first->arrangement().SavePositions();
        first->arrangement().SavePositions(); // replaces, never adds
        QCOMPARE(first->arrangement().positionsSaved(), Global::True);
        const Rows rows = stored(3);
        QCOMPARE(int(rows.size()), 8);
        for (int i = 1; i <= 8; ++i)
            QCOMPARE(rows[i - 1], (QVariantList{i, saved[i][0], saved[i][1]}));
        QCOMPARE(stored(0), (Rows{{1, 11, 12}}));
        QCOMPARE(stored(3, other), (Rows{{1, 31, 32}}));

        Global::LabelPos = {};
        auto s = state();
        s->DoWork();
        QCOMPARE(Global::LabelPos, saved);
        const Arrangement& placed = s->arrangement();
        QVERIFY(placed.defaultDistributionEnabled() && !placed.savedDistributionEnabled());
        // Restored where it was saved, yet its tag names its ring.
        QCOMPARE(s->labels().get(2)->Tag, first->labels().get(2)->Tag);

        s->layout().dropLabel(1, {10, 10});
        lineDraws = 0;
        s->DefaultDistribution();
        QCOMPARE(placed.positionsSaved(), Global::False); // left alone
        QVERIFY(!placed.defaultDistributionEnabled() && placed.savedDistributionEnabled());
        QVERIFY(Global::LabelPos[2] != saved[2]);
        QCOMPARE(lineDraws, 1);
        s->SavedDistribution();
        QVERIFY(placed.defaultDistributionEnabled() && !placed.savedDistributionEnabled());
        QCOMPARE(placed.positionsSaved(), Global::True);
        QCOMPARE(Global::LabelPos, saved);
        // The rows gone meanwhile: the layout gives whole labels.
        QVERIFY(db->exec("DELETE FROM POSITION WHERE HEADER = ?", {Global::CurrentRecord}));
        s->SavedDistribution();
        QVERIFY(s->labels().exists(1) && s->labels().exists(6));

        // A study never stored saves nothing (rows left under record 0 go).
        db->addPosition(0, 3, 1, 5, 5);
        Global::CurrentRecord = 0;
        s->arrangement().SavePositions();
        QVERIFY(stored(3, 0).empty());
        QCOMPARE(messages->count(), 0);
        Global::CurrentRecord = 77; // and a layout of a study not in the file says so
        s->layout().SquareDraw();
        QCOMPARE(messages->count(), 1);
        QVERIFY(messages->texts().first().contains("Error Number 3021"));
    }

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
        QCOMPARE(form->state().arrangement().positionsSaved(), Global::False);
        const double per = Twips::perPixel();
        QCOMPARE(Global::LabelPos[1], (Pos{Global::Integer(qRound((drop.x() - grab.x()) * per)),
                                           Global::Integer(qRound((drop.y() - grab.y()) * per))}));
        // The line of subject 1's choice now starts at the label's new centre.
        QCOMPARE(form->state().drawing().front().p1,
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

    void targetDropSnapsToTheRing()
    {
        // Nobody chosen: one ring of radius (6915 / 2 - 400) / 2 = 1528.75 about the
        // centre (3457.5, 3315); a drop right of the centre puts the label's centre on it.
        defineStudy(12);
        DrawForm* form = openSociogram(3);
        const double per = Twips::perPixel();
        drag(form, 5, QPoint(2, 2), QPoint(qRound(5800 / per), qRound(3315 / per)));
        QCOMPARE(Global::LabelPos[5], (Pos{Global::Integer(qRound(3457.5 + 1528.75 - 180)),
                                           Global::Integer(3315 - 180)}));
    }

    // Tidy widens a ring too small for its two labels (11 and 12, chosen by six each) and
    // moves the ring outside out as far: until a layout runs again, the outer guide circle
    // keeps its distance from its labels and a drop snaps where they now stand.
    void tidiedTargetSnapsToTheWidenedRing()
    {
        std::vector<QStringList> choices(12, {"12"});
        for (int s : {1, 2, 3, 4, 5, 12})
            choices[s - 1] = {"11"};
        defineStudy(12, choices, 3);
        auto s = state();
        s->DoWork();
        const QPointF centre(3457.5, 3315);
        const auto distance = [&](int subject) {
            const auto& at = Global::LabelPos[subject];
            return QLineF(centre, QPointF(at[0] + 180, at[1] + 180)).length();
        };
        const auto guideGap = [&] {
            qreal outer = 0;
            for (const Primitive& p : s->drawing())
                outer = std::max(outer, p.kind == Primitive::Kind::Circle ? p.radius : 0);
            return outer - distance(6);
        };
        const double designed = distance(6), gap = guideGap();
        const auto& mate = Global::LabelPos[11]; // 12 dropped on its ring mate, for Tidy to mend
        s->layout().dropLabel(12, QPointF(mate[0] + 180, mate[1] + 180));
        s->layout().TidyLabels();
        const double used = distance(6);
        QVERIFY(used > designed + 10 && qAbs(guideGap() - gap) <= 1);
        for (const bool laidOutAgain : {false, true}) {
            if (laidOutAgain)
                s->DefaultDistribution();
            s->layout().dropLabel(5, centre + QPointF(2000, 0));
            QVERIFY(qAbs(distance(5) - (laidOutAgain ? designed : used)) <= 1);
        }
    }

    // Quit and the close box ask about a moved label; a drop on another label moves
    // nothing, so nothing is asked.
    void quitAndCloseBoxAsk_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<bool>("ontoLabel");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rows");
        QTest::newRow("Quit, No") << false << false << int(Answer::No) << 0;
        QTest::newRow("close box, Yes") << true << false << int(Answer::Yes) << 6;
        QTest::newRow("dropped on a label") << false << true << int(Answer::Yes) << 0;
    }
    void quitAndCloseBoxAsk()
    {
        QFETCH(bool, closeBox);
        QFETCH(bool, ontoLabel);
        QFETCH(int, answer);
        defineStudy(6);
        DrawForm* form = openSociogram(0);
        const auto before = Global::LabelPos;
        drag(form, 2, QPoint(4, 4),
             ontoLabel ? form->canvas()->labelDesignRect(1).center() : QPoint(60, 400));
        QCOMPARE(Global::LabelPos == before, ontoLabel);
        messages->answer({Answer(answer)});
        closeBox ? (void)form->close() : form->Quit_Click();
        QCOMPARE(messages->count(), ontoLabel ? 0 : 1);
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
        key->move(key->pos() + QPoint(40, 30)); // placed once, it keeps the user's place
        const QPoint userPlace = key->pos();
        form->Key_Click();
        QVERIFY(!key->isVisible());
        form->Key_Click();
        QCOMPARE(key->pos(), userPlace);
        // Its own close box unloads it while the flag stays set: the next Key only
        // flips the flag, the one after shows a fresh key.
        key->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        QString why = QStringLiteral("cancelled"); // the print dialog tells why
        DrawForm::setPrinterChooser([&why](QPrinter& printer, QWidget*, QString& reason) {
            reason = why;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent-folder/x/page.pdf"));
            return why.isEmpty();
        });
        form->Print_Click();
        QCOMPARE(messages->texts(), QStringList{"cancelled"});
        messages->clear();
        why.clear();
        form->Print_Click();
        // The error report names the procedure; the window then says where it failed.
        QCOMPARE(messages->count(), 2);
        QVERIFY(messages->texts().front().contains(QStringLiteral("DataForm:SocioPrint")));
        QVERIFY(messages->texts().back().contains(QStringLiteral("/nonexistent-folder/x")));
    }

    // Export Picture asks the options (starting from the last ones) and the file, then
    // writes what the window shows; a file it cannot write is named.
    void exportPicture()
    {
        ExportDialog dialog;
        QVERIFY(dialog.Resolution->isEnabled());
        dialog.Format[int(PictureFormat::Svg)]->click();
        QVERIFY(!dialog.Resolution->isEnabled()); // only PNG has a resolution

        defineStudy(6, {{"2"}, {"1"}});
        DrawForm* form = openSociogram(0);
        QString file;
        int filesAsked = 0;
        PictureExport::setFileChooser([&](QWidget*, const PictureOptions&) {
            ++filesAsked;
            return file;
        });
        whenDialogOpens([](ExportDialog& d) { d.CancelButton->click(); });
        form->exportPicture();
        whenDialogOpens([](ExportDialog& d) {
            d.Format[int(PictureFormat::Png)]->click();
            d.Resolution->setValue(96);
            d.IncludeKey->setChecked(true);
            d.OkButton->click();
        });
        form->exportPicture(); // file dialog cancelled
        QCOMPARE(filesAsked, 1);
        QCOMPARE(QDir(db->folder()).entryList({"*.png"}, QDir::Files), QStringList());

        file = db->folder() + QStringLiteral("/picture");
        bool startedFromLast = false;
        whenDialogOpens([&startedFromLast](ExportDialog& d) {
            startedFromLast = d.Format[int(PictureFormat::Png)]->isChecked() &&
                              d.Resolution->value() == 96 && d.IncludeKey->isChecked();
            d.OkButton->click();
        });
        form->ExportPicture->trigger();
        QVERIFY(startedFromLast);
        const QImage image(file + QStringLiteral(".png")); // the format's ending added
        QVERIFY(image.width() > image.height());           // the key stands beside the drawing
        for (int s = 1; s <= 6; ++s) {
            const QColor c = image.pixelColor((Global::LabelPos[s][0] + 60) / 15,
                                              (Global::LabelPos[s][1] + 60) / 15);
            QVERIFY2(c.red() > 200 && c.green() < 60, qPrintable(QString::number(s)));
        }
        QCOMPARE(messages->count(), 0);
        file = QStringLiteral("/nonexistent-folder/x/picture");
        whenDialogOpens([](ExportDialog& d) { d.OkButton->click(); });
        form->exportPicture();
        QCOMPARE(messages->count(), 1);
        QVERIFY(messages->texts().first().contains("\"/nonexistent-folder/x/picture.png\""));
    }
};

QTEST_MAIN(SociogramTest)
#include "tst_sociogram.moc"
