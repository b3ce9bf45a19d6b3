// A user's whole road in real windows: define a study, key choices through the entry
// window, save, plot a Target sociogram and print it, and open the study again from
// the project list. A modal window left open fails the step at once.
#include "classlist.h"
#include "dataform.h"
#include "drawform.h"
#include "entryform.h"
#include "files.h"
#include "globals.h"
#include "infoform.h"
#include "keyform.h"
#include "loadform.h"
#include "printdialog.h"
#include "projectlist.h"
#include "startform.h"
#include "windowfixture.h"
#include "windowlinks.h"

#include <QDir>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

// Checked after each step of the road.
#define CHECK_NO_MODAL_LEFT                                                                        \
    QVERIFY2(guard.left.isEmpty(), qPrintable("a modal window was left open: " + guard.left))

namespace {

// A window's part by its object name.
template <class Part = QWidget> Part* part(const QObject* window, const QString& name)
{
    return window->findChild<Part*>(name);
}

// No caption of a window loses letters: every label and button is at least as wide
// as its text needs (a wrapped label and the elided criterion line aside).
void verifyCaptionsFit(QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->wordWrap() || label->text().isEmpty() ||
            !label->toolTip().isEmpty())
            continue;
        QVERIFY2(label->width() >= label->sizeHint().width(),
                 qPrintable(window->windowTitle() + QStringLiteral(": ") + label->text()));
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty())
            continue;
        // A push button's hint has a minimum width of the style's; its text is what counts.
        const int needed =
            qobject_cast<QPushButton*>(button)
                ? button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) + 6
                : button->sizeHint().width();
        QVERIFY2(button->width() >= needed,
                 qPrintable(window->windowTitle() + QStringLiteral(": ") + button->text()));
    }
}

// Watches for a modal window that stays open: after two seconds it notes the window's
// title and words and closes it, so that the step returns and the test fails there.
class ModalGuard : public QObject {
public:
    ModalGuard()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != seen) {
                seen = modal;
                since.start();
            } else if (modal && since.elapsed() > 2000) {
                QStringList words{modal->windowTitle()};
                for (const QLabel* label : modal->findChildren<QLabel*>())
                    words << label->text();
                if (left.isEmpty())
                    left = words.join(QStringLiteral(" | "));
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        timer.start(50);
    }
    QString left; // the modal window that was left open, if any

private:
    QTimer timer;
    QPointer<QWidget> seen;
    QElapsedTimer since;
};

// The first of the names found in the study file or its journal, with the file; empty
// when there is none, in UTF-8, Latin-1 or UTF-16.
QString nameInStore(const QStringList& names)
{
    const QDir folder = QFileInfo(Global::databasePath()).dir();
    for (const QString& file : folder.entryList({u"KELVAROX.MDB*"_qs}, QDir::Files)) {
        const QByteArray bytes = fileBytes(folder.filePath(file));
        for (const QString& name : names)
            for (const QByteArray& form :
                 {name.toUtf8(), name.toLatin1(),
                  QByteArray(reinterpret_cast<const char*>(name.utf16()), name.size() * 2)})
                if (bytes.contains(form))
                    return file + u": "_qs + name;
    }
    return {};
}

} // namespace

class RoadTest : public QObject {
    Q_OBJECT

    WindowFixture f;
    QTemporaryDir out;

    void keyChoice(DataForm* form, int subject, int slot, int chosen)
    {
        const QModelIndex i =
            part<QTableView>(form, u"Dgrid"_qs)->model()->index(subject - 1, slot - 1);
        part<QTableView>(form, u"Dgrid"_qs)->scrollTo(i);
        // Types the choice into the entry window the click opens and presses Enter there.
        whenModalOpens<EntryForm>([chosen](EntryForm& entry) {
            auto* box = entry.findChild<QLineEdit*>(u"DText_2"_qs);
            QTest::keyClicks(box, QString::number(chosen));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::mouseClick(part<QTableView>(form, u"Dgrid"_qs)->viewport(), Qt::LeftButton, {},
                          part<QTableView>(form, u"Dgrid"_qs)->visualRect(i).center());
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    // What the screen shows: a red label at every LabelPos, and the green rings of the
    // Target layout.
    void checkScreenshot(DrawForm* draw)
    {
        QTest::qWait(200);
        auto* canvas = draw->findChild<SocioCanvas*>(u"DrawingArea"_qs);
        const QPoint origin = canvas->mapToGlobal(QPoint(0, 0));
        const QImage shot =
            canvas->screen()
                ->grabWindow(0, origin.x(), origin.y(), canvas->width(), canvas->height())
                .toImage();
        QCOMPARE(shot.size(), canvas->size());
        const double per = Twips::perPixel();
        for (int s = 1; s <= 12; ++s) {
            // Beside the caption, inside the border: the label's own red.
            const QPoint p(qRound(Global::LabelPos[s][0] / per) + 4,
                           qRound((Global::LabelPos[s][1] + 180) / per));
            QCOMPARE(shot.pixelColor(p), QColor(255, 0, 0));
        }
        int green = 0; // the rings: the layout's drawing is on the screen too
        for (int i = 0; i < shot.width() * shot.height(); ++i) {
            const QColor c = shot.pixelColor(i % shot.width(), i / shot.width());
            green += c.green() > 100 && c.red() < 60 && c.blue() < 60;
        }
        QVERIFY2(green > 200, qPrintable(QString::number(green)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        f.init();
        connectWindows();
        StartForm::instance()->show();
        QVERIFY(QTest::qWaitForWindowExposed(StartForm::instance()));
    }

    void wholeRoad()
    {
        ModalGuard guard;
        ScriptedMessages& messages = f.messages;
        StartForm::instance()->findChild<QAction*>(u"New"_qs)->trigger();
        InfoForm* info = nullptr;
        QTRY_VERIFY((info = qobject_cast<InfoForm*>(QApplication::activeWindow())));
        verifyCaptionsFit(info);
        QTRY_COMPARE(QApplication::focusWidget(), part(info, u"IText_3"_qs));
        QTest::keyClicks(part(info, u"IText_3"_qs),
                         QStringLiteral("Who would you like to sit next to?"));
        QTest::keyClick(part(info, u"IText_3"_qs), Qt::Key_Tab);
        QTest::keyClick(part(info, u"ICombo_0"_qs), Qt::Key_Tab);
        QTest::keyClicks(part(info, u"IText_2"_qs), QStringLiteral("Class 4B"));
        QTest::keyClick(part(info, u"IText_2"_qs), Qt::Key_Tab);
        QTest::keyClicks(part(info, u"IText_0"_qs), QStringLiteral("12"));
        QTest::keyClick(part(info, u"IText_0"_qs), Qt::Key_Tab);
        QTest::keyClicks(part(info, u"IText_1"_qs), QStringLiteral("2"));
        QTest::mouseClick(part(info, u"Action_0"_qs), Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        CHECK_NO_MODAL_LEFT;

        DataForm* data = SingleInstance<DataForm>::ifLoaded();
        QVERIFY(data);
        QVERIFY(QTest::qWaitForWindowExposed(data));
        verifyCaptionsFit(data);

        // Every subject chooses the next one (11 the first) and subject 12 (who chooses
        // 2 and 1), so that the Target layout has inner rings.
        for (int s = 1; s <= 12; ++s) {
            keyChoice(data, s, 1, s % 11 + 1);
            keyChoice(data, s, 2, s == 12 ? 1 : 12);
            CHECK_NO_MODAL_LEFT;
        }

        // File > Class List with the keyboard only: a name typed on each of three rows,
        // then Tab to OK.
        const QStringList names{u"Zo\u00eb Quill"_qs, u"\u00ddmir \u00d8rn"_qs, u"Kwame Adjei"_qs};
        data->activateWindow();
        QTRY_VERIFY(data->isActiveWindow());
        QTest::keyClick(data, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) ==
                    part<QMenu>(data, u"File"_qs));
        QTest::keyClick(part<QMenu>(data, u"File"_qs), Qt::Key_L);
        QTRY_VERIFY(qobject_cast<QTableWidget*>(QApplication::focusWidget()));
        for (const QString& name : names) {
            for (QChar c : name) // as a keyboard layout of the pupils' letters types them
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, c,
                                    Qt::NoModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTRY_VERIFY(qobject_cast<QTableWidget*>(QApplication::focusWidget()));
        }
        for (int tab = 0; tab < 3; ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(
            part<QTableView>(data, u"Dgrid"_qs)->model()->headerData(1, Qt::Vertical).toString(),
            "2  " + names[1]);
        CHECK_NO_MODAL_LEFT;

        part<QAction>(data, u"Save"_qs)->trigger();
        QCOMPARE(messages.texts(), QStringList{"Changes Saved As Requested"});
        const int record = Global::CurrentRecord;
        QVERIFY(record > 0);
        QCOMPARE(ClassList::instance().nameOf(1), names[0]); // the study's number took them

        // Plot Sociogram > Type > Target, with the keyboard through the real menus.
        messages.clear();
        data->activateWindow();
        QTRY_VERIFY(data->isActiveWindow());
        QTest::keyClick(data, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) ==
                    part<QMenu>(data, u"Plot"_qs));
        // Just saved: opening the menu has nothing to ask.
        QCOMPARE(messages.count(), 0);
        QTest::keyClick(part<QMenu>(data, u"Plot"_qs), Qt::Key_T);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) ==
                    part<QMenu>(data, u"Type0"_qs));
        QTest::keyClick(part<QMenu>(data, u"Type0"_qs), Qt::Key_T);
        QTRY_VERIFY(SingleInstance<DrawForm>::loaded());
        QCOMPARE(Global::SociogramType, 3);
        DrawForm* draw = SingleInstance<DrawForm>::ifLoaded();
        QVERIFY(draw);
        QVERIFY(QTest::qWaitForWindowExposed(draw));
        verifyCaptionsFit(draw);
        part<QAction>(draw, u"Key"_qs)->trigger();
        QTRY_VERIFY(SingleInstance<KeyForm>::loaded());
        verifyCaptionsFit(SingleInstance<KeyForm>::ifLoaded());
        part<QAction>(draw, u"Key"_qs)->trigger();
        checkScreenshot(draw);

        const QString pdf = out.filePath(QStringLiteral("class.pdf"));
        DrawForm::setPrinterChooser([pdf](QPrinter& printer, QWidget*, QString&) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        // The print asks what the page carries first: the key, here.
        whenModalOpens<PrintDialog>([](PrintDialog& choices) {
            part<QCheckBox>(&choices, u"IncludeKey"_qs)->click();
            QTest::mouseClick(part(&choices, u"OkButton"_qs), Qt::LeftButton);
        });
        part<QAction>(draw, u"Print"_qs)->trigger();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(pdfPages(pdf), 1);
        CHECK_NO_MODAL_LEFT;

        part<QAction>(draw, u"Save"_qs)->trigger();
        QCOMPARE(
            f.db().scalar(u"SELECT count(*) FROM POSITION WHERE HEADER = ?"_qs, {record}).toInt(),
            12);
        QCOMPARE(nameInStore(names), QString());
        part<QAction>(draw, u"Quit"_qs)->trigger();
        QTRY_VERIFY(!SingleInstance<DrawForm>::loaded());

        part<QAction>(data, u"Quit"_qs)->trigger();
        QCOMPARE(messages.count(), 0); // opening the Plot menu settled the changes
        QVERIFY(!SingleInstance<DataForm>::loaded());
        QVERIFY(!SingleInstance<InfoForm>::loaded());
        CHECK_NO_MODAL_LEFT;

        // The project list opens the stored study.
        StartForm::instance()->findChild<QAction*>(u"Load"_qs)->trigger();
        LoadForm* list = nullptr;
        QTRY_VERIFY((list = SingleInstance<LoadForm>::ifLoaded()));
        QVERIFY(QTest::qWaitForWindowExposed(list));
        verifyCaptionsFit(list);
        auto* studies = list->findChild<QListWidget*>(u"LList"_qs);
        QCOMPARE(studies->count(), 1);
        QCOMPARE(studies->item(0)->text(), QStringLiteral("Class 4B"));
        studies->setCurrentRow(0);
        QTest::mouseClick(part(list, u"Action_0"_qs), Qt::LeftButton);

        QTRY_VERIFY((data = SingleInstance<DataForm>::ifLoaded()));
        QCOMPARE(DataGrid().Rows(), 14);
        QCOMPARE(DataGrid().TextMatrix(2, 1), QStringLiteral("2"));
        QCOMPARE(DataGrid().TextMatrix(13, 2), QStringLiteral("1"));
        part<QAction>(data, u"Quit"_qs)->trigger();
        QCOMPARE(messages.count(), 0);
        CHECK_NO_MODAL_LEFT;

        // Deleted, the study leaves no name in the file nor in its journal.
        StartForm::instance()->findChild<QAction*>(u"Load"_qs)->trigger();
        QTRY_VERIFY((list = SingleInstance<LoadForm>::ifLoaded()));
        studies = list->findChild<QListWidget*>(u"LList"_qs);
        studies->setCurrentRow(0);
        messages.answer({Answer::Yes});
        QTest::mouseClick(part(list, u"Action_1"_qs), Qt::LeftButton);
        QCOMPARE(studies->count(), 0);
        QVERIFY(ClassList::instance().names(record).empty());
        QCOMPARE(nameInStore(names), QString());
    }

    // The Help menu of a first start: the example class is stored once and opens with
    // its names; the guide shows its pictures; About says where the file lies.
    void exampleClassAndHelp()
    {
        ScriptedMessages& messages = f.messages;
        messages.clear();
        QVERIFY(studyFileIsEmpty());
        QVERIFY(QFile::copy(QStringLiteral(SOCIOGRAM_EXAMPLE_NAMES),
                            Global::AppPath + u"example-class.csv"_qs));
        const auto help = [](const QString& caption) {
            for (QAction* a : StartForm::instance()->findChildren<QAction*>())
                if (a->text() == caption)
                    return a;
            return static_cast<QAction*>(nullptr);
        };
        for (int use = 0; use < 2; ++use) {
            help(u"Open &Example Class"_qs)->trigger();
            DataForm* data = nullptr;
            QTRY_VERIFY((data = SingleInstance<DataForm>::ifLoaded()));
            QCOMPARE(data->windowTitle(), u"Example class - spring"_qs);
            QCOMPARE(ClassList::instance().nameOf(1), u"Amira Haddad"_qs);
            part<QAction>(data, u"Quit"_qs)->trigger();
        }
        QCOMPARE(messages.count(), 0);
        QCOMPARE(f.db().scalar(u"SELECT count(*) FROM SOCIOMETRY"_qs).toInt(), 2);
        QCOMPARE(f.db().scalar(u"SELECT count(DISTINCT ANSWERTYPE) FROM SOCIDATA"_qs).toInt(), 2);
        QVERIFY(!studyFileIsEmpty());

        help(u"User &Guide"_qs)->trigger();
        QTextBrowser* guide = nullptr;
        const auto openGuide = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->windowTitle() == u"User Guide"_qs)
                    return w->findChild<QTextBrowser*>(u"guide"_qs);
            return static_cast<QTextBrowser*>(nullptr);
        };
        QTRY_VERIFY((guide = openGuide()));
        QVERIFY(guide->toPlainText().startsWith(u"Using it"_qs));
        const QVariant picture = guide->document()->resource(QTextDocument::ImageResource,
                                                             QUrl(u"docs/target-sociogram.png"_qs));
        QVERIFY(!picture.value<QImage>().isNull());
        guide->window()->close();

        help(u"&About"_qs)->trigger();
        QVERIFY(
            messages.texts().value(0).contains(QDir::toNativeSeparators(Global::databasePath())));
        QVERIFY(messages.texts().value(0).contains(QString::fromLatin1(qVersion())));
    }
};

QTEST_MAIN(RoadTest)
#include "tst_road_window.moc"
