// The sociogram window driven through its menus and the mouse: building, dragging,
// snapping, the save question, the key's flag rules and printing into a PDF file.

#include "choicegrid.h"
#include "drawform.h"
#include "errorreport.h"
#include "globals.h"
#include "keyform.h"
#include "scriptedmessages.h"
#include "testdb.h"
#include "tst_sociogram_study.h"
#include "windows.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QtTest>

namespace {

using SociogramTest::defineStudy;
using SociogramTest::openSociogram;

// Drags a label by the given point inside it and releases at a point of the drawing area.
void drag(DrawForm* form, int subject, QPoint grab, QPoint dropInArea)
{
    const QRect label = form->canvas()->labelRect(subject);
    QVERIFY(!label.isEmpty());
    QWidget* area = form->canvas();
    QTest::mousePress(area, Qt::LeftButton, {}, label.topLeft() + grab);
    QTest::mouseMove(area, label.topLeft() + grab + QPoint(3, 3));
    QTest::mouseRelease(area, Qt::LeftButton, {}, dropInArea);
}

int storedRows(TestDatabase& db, int type)
{
    return db
        .scalar(QStringLiteral("SELECT COUNT(*) FROM POSITION WHERE HEADER = ? AND "
                               "SOCIOGRAM = ?"),
                {Global::CurrentRecord, type})
        .toInt();
}

} // namespace

class TestDrawForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetProgram();
        db = std::make_unique<TestDatabase>();
        messages = std::make_unique<ScriptedMessages>();
    }
    void cleanup()
    {
        SingleInstance<DrawForm>::unload();
        SingleInstance<KeyForm>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages.reset();
        db.reset();
    }

    void windowHasItsDesignedShape()
    {
        defineStudy(*db, 6, {});
        DrawForm* form = openSociogram(0);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Sociogram"));
        QCOMPARE(form->canvas()->size(), QSize(Twips::toPixels(6915), Twips::toPixels(6630)));
        QCOMPARE(form->FileMenu->title(), QStringLiteral("&File"));
        QCOMPARE(form->Save->text(), QStringLiteral("&Save Current Sociogram"));
        QCOMPARE(form->Print->text(), QStringLiteral("&Print Sociogram"));
        QCOMPARE(form->Quit->text(), QStringLiteral("&Quit"));
        QCOMPARE(form->ViewMenu->title(), QStringLiteral("&View"));
        QCOMPARE(form->View[0]->text(), QStringLiteral("&Default Distribution"));
        QCOMPARE(form->View[1]->text(), QStringLiteral("&Saved Distribution"));
        QCOMPARE(form->Key->text(), QStringLiteral("&Key"));
        QCOMPARE(form->cursor().shape(), Qt::SizeAllCursor);
    }

    void firstShowBuildsTheCircleWithBothViewItemsOff()
    {
        defineStudy(*db, 6, {{1, 2}});
        DrawForm* form = openSociogram(0);
        for (int s = 1; s <= 6; ++s)
            QVERIFY2(!form->canvas()->labelRect(s).isEmpty(), qPrintable(QString::number(s)));
        QVERIFY(form->canvas()->labelRect(7).isEmpty());
        QCOMPARE(form->canvas()->labelPrimitives()[2].text, QStringLiteral("3"));
        QCOMPARE(Global::LabelPos[1][0], Global::Integer(3278));
        QCOMPARE(Global::LabelPos[1][1], Global::Integer(635));
        // The label control stands where LabelPos says, in pixels.
        QCOMPARE(form->canvas()->labelRect(1).topLeft(),
                 QPoint(qRound(3277.5 / Twips::perPixel()), qRound(635 / Twips::perPixel())));
        QVERIFY(!form->View[0]->isEnabled());
        QVERIFY(!form->View[1]->isEnabled());
        QVERIFY(!form->state.drawing().empty());
    }

    void quitAsksOnlyAfterADrop()
    {
        defineStudy(*db, 6, {{1, 2}});
        DrawForm* form = openSociogram(0);
        form->Quit_Click();
        QCOMPARE(messages->count(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        form = openSociogram(0);
        drag(form, 1, QPoint(5, 5), QPoint(200, 200));
        messages->answer({Answer::No});
        form->Quit_Click();
        QCOMPARE(messages->texts(),
                 QStringList{QStringLiteral("Save Current Sociogram Settings?")});
        QCOMPARE(messages->shown().front().buttons, Buttons::YesNo);
        QCOMPARE(storedRows(*db, 0), 0);
    }

    void dropMovesTheGrabbedPointUnderThePointer()
    {
        defineStudy(*db, 6, {{1, 2}});
        DrawForm* form = openSociogram(0);
        const auto before = form->state.drawing().front();
        drag(form, 1, QPoint(5, 5), QPoint(200, 200));
        const double per = Twips::perPixel();
        QCOMPARE(Global::LabelPos[1][0], Global::Integer(qRound((200 - 5) * per)));
        QCOMPARE(Global::LabelPos[1][1], Global::Integer(qRound((200 - 5) * per)));
        QCOMPARE(form->canvas()->labelRect(1).topLeft(), QPoint(195, 195));
        QCOMPARE(form->state.PositionsSaved, Global::False);
        // The line of subject 1's choice now starts at the label's new centre.
        const auto after = form->state.drawing().front();
        QVERIFY(before.p1 != after.p1);
        QCOMPARE(after.p1, QPointF(Global::LabelPos[1][0] + 180, Global::LabelPos[1][1] + 180));
    }

    void dropOnAnotherLabelMovesNothing()
    {
        defineStudy(*db, 6, {});
        DrawForm* form = openSociogram(0);
        const auto before = Global::LabelPos;
        const QPoint onLabel2 = form->canvas()->labelRect(2).center();
        drag(form, 1, QPoint(5, 5), onLabel2);
        QCOMPARE(Global::LabelPos, before);
        QCOMPARE(form->state.PositionsSaved, Global::True);
        form->Quit_Click();
        QCOMPARE(messages->count(), 0);
    }

    void targetDropSnapsToTheRing()
    {
        // Nobody chosen: one ring of radius (6915 / 2 - 400) / 2 = 1528.75.
        defineStudy(*db, 12, {});
        DrawForm* form = openSociogram(3);
        QCOMPARE(form->state.labels.get(5)->Tag.toDouble(), 1528.75);
        // Dropped straight right of the centre (3457.5, 3315): the label's centre goes
        // to (3457.5 + 1528.75, 3315).
        const double per = Twips::perPixel();
        const QPoint drop(qRound(5800 / per), qRound(3315 / per));
        drag(form, 5, QPoint(2, 2), drop);
        QCOMPARE(Global::LabelPos[5][0], Global::Integer(qRound(3457.5 + 1528.75 - 180)));
        QCOMPARE(Global::LabelPos[5][1], Global::Integer(3315 - 180));
    }

    void saveThenReopenRestoresTheArrangement()
    {
        defineStudy(*db, 6, {{2, 3}});
        DrawForm* form = openSociogram(2);
        drag(form, 4, QPoint(1, 1), QPoint(100, 300));
        const auto moved = Global::LabelPos;
        form->Save_Click();
        QCOMPARE(storedRows(*db, 2), 6);
        QCOMPARE(form->state.PositionsSaved, Global::True);
        form->Quit_Click();
        QCOMPARE(messages->count(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        Global::LabelPos = {};
        form = openSociogram(2);
        QCOMPARE(Global::LabelPos, moved);
        QVERIFY(form->View[0]->isEnabled());
        QVERIFY(!form->View[1]->isEnabled());
        form->View_Click(0);
        QVERIFY(!form->View[0]->isEnabled());
        QVERIFY(form->View[1]->isEnabled());
        QVERIFY(Global::LabelPos != moved);
        form->View_Click(1);
        QCOMPARE(Global::LabelPos, moved);
    }

    void closeBoxAsksLikeQuit()
    {
        defineStudy(*db, 6, {});
        DrawForm* form = openSociogram(0);
        drag(form, 2, QPoint(4, 4), QPoint(60, 400));
        messages->answer({Answer::Yes});
        form->close();
        QCOMPARE(messages->texts(),
                 QStringList{QStringLiteral("Save Current Sociogram Settings?")});
        QCOMPARE(storedRows(*db, 0), 6);
        QVERIFY(!SingleInstance<DrawForm>::loaded());
    }

    void endingTheProgramAsksAboutAChangedArrangement()
    {
        QVERIFY(DrawForm::mayEnd()); // no window: nothing to ask
        defineStudy(*db, 6, {});
        DrawForm* form = openSociogram(0);
        QVERIFY(DrawForm::mayEnd());
        QCOMPARE(messages->count(), 0);
        drag(form, 2, QPoint(4, 4), QPoint(60, 400));
        messages->answer({Answer::Yes});
        QVERIFY(DrawForm::mayEnd());
        QCOMPARE(messages->count(), 1);
        QCOMPARE(storedRows(*db, 0), 6);
    }

    // Yes, and the arrangement cannot be stored: the program keeps running with it.
    void endingTheProgramKeepsAnArrangementThatFailedToSave()
    {
        defineStudy(*db, 6, {});
        DrawForm* form = openSociogram(0);
        drag(form, 2, QPoint(4, 4), QPoint(60, 400));
        QVERIFY(db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON POSITION "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        messages->answer({Answer::Yes});
        QVERIFY(!DrawForm::mayEnd());
        QVERIFY(SingleInstance<DrawForm>::loaded());
        QCOMPARE(storedRows(*db, 0), 0);
        messages->answer({Answer::No});
        QVERIFY(DrawForm::mayEnd()); // No: the user let it go
    }

    void keyFlagRules()
    {
        defineStudy(*db, 6, {});
        DrawForm* form = openSociogram(0);
        form->Key_Click();
        KeyForm* key = SingleInstance<KeyForm>::ifLoaded();
        QVERIFY(key && key->isVisible());
        QCOMPARE(key->windowTitle(), QStringLiteral("Sociogram Key"));
        QCOMPARE(key->Tag, QStringLiteral("User"));
        QCOMPARE(key->size(), QSize(Twips::toPixels(2535), Twips::toPixels(3735)));
        // Beside the sociogram, frame to frame.
        QCOMPARE(key->frameGeometry().right() + 1, form->frameGeometry().left());
        QCOMPARE(key->frameGeometry().top(), form->frameGeometry().top());
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

    void printsOnePageIntoAPdfFile()
    {
        defineStudy(*db, 6, {{1, 2}, {2, 1}});
        DrawForm* form = openSociogram(0);
        const QString file = db->folder() + QStringLiteral("/page.pdf");
        DrawForm::setPrinterChooser([&](QPrinter& printer, QWidget*, QString&) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        });
        form->Print_Click();
        DrawForm::setPrinterChooser(nullptr);
        QCOMPARE(messages->count(), 0);
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                     bytes.count("/Type /Page "),
                 qsizetype(1));
    }

    void printFailuresAreExplained()
    {
        defineStudy(*db, 6, {});
        DrawForm* form = openSociogram(0);
        DrawForm::setPrinterChooser([](QPrinter&, QWidget*, QString& why) {
            why = QStringLiteral("Printing was cancelled; the sociogram was not printed.");
            return false;
        });
        form->Print_Click();
        QCOMPARE(messages->texts(), QStringList{QStringLiteral(
                                        "Printing was cancelled; the sociogram was not printed.")});
        messages->clear();
        DrawForm::setPrinterChooser([](QPrinter& printer, QWidget*, QString&) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent-folder/x/page.pdf"));
            return true;
        });
        form->Print_Click();
        DrawForm::setPrinterChooser(nullptr);
        // The error report names the procedure; the window then says where it failed.
        QCOMPARE(messages->count(), 2);
        QVERIFY(messages->texts().front().contains(QStringLiteral("DataForm:SocioPrint")));
        QVERIFY(messages->texts().back().startsWith(
            QStringLiteral("The sociogram could not be printed")));
        QVERIFY(
            messages->texts().back().contains(QStringLiteral("/nonexistent-folder/x/page.pdf")));
    }

private:
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
};

QTEST_MAIN(TestDrawForm)
#include "tst_sociogram_drawform.moc"
