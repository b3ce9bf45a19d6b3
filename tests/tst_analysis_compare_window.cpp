// The data window's Compare With command and the comparison window, offscreen.
#include "comparewindow.h"
#include "dataform.h"
#include "forms.h"
#include "studypicker.h"
#include "surveypair.h"
#include "windowfixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

class CompareWindowTest : public QObject {
    Q_OBJECT

    WindowFixture f;
    QStringList listed; // what the picker offered
    int sociogramCalls = 0;

    // A stored study with its choices as the data window saves them.
    int store(const QString& name, const ChoiceSet& set)
    {
        const int record =
            f.db().addStudy(name, set.groupSize, set.maxChoices, u"Who?"_qs, set.criterionType);
        for (Criterion c : {Criterion::Positive, Criterion::Negative})
            for (const Choice& ch : set.of(c))
                f.db().addAnswer(record, int(c), ch.chooser + 1, ch.slot, ch.chosen);
        return record;
    }

    // Runs Compare With on the open study; the picker is read and then answered with
    // `keys`. No keys: no picker is expected, and none is waited for.
    CompareWindow* compare(const QList<Qt::Key>& keys)
    {
        listed.clear();
        DataForm* form = SingleInstance<DataForm>::ifLoaded();
        if (!form) // showing it again would load it afresh, closing what it holds
            form = WindowFixture::openWindow<DataForm>(showDataForm);
        if (keys.isEmpty()) // a picker opened all the same is listed and closed, not waited on
            QTimer::singleShot(0, this, [this] {
                if (auto* picker = qobject_cast<StudyPicker*>(QApplication::activeModalWidget()))
                    listed << u"(a picker)"_qs, picker->reject();
            });
        else
            whenModalOpens<StudyPicker>([this, keys](StudyPicker& picker) {
                for (int i = 0; i < picker.list()->count(); ++i)
                    listed << picker.list()->item(i)->text();
                for (Qt::Key key : keys)
                    QTest::keyClick(picker.list(), key);
            });
        form->CompareItem->trigger();
        return form->findChild<CompareWindow*>();
    }

private Q_SLOTS:
    void init()
    {
        f.init();
        sociogramCalls = 0;
        Forms::Show = [](Forms::Window w, QWidget* parent) {
            if (w == Forms::Window::Compare)
                compareWithStoredStudy(parent);
        };
        Forms::ShowChangesOnSociogram = [this](const TieChanges&, const QString&) {
            ++sociogramCalls;
            return true;
        };
    }
    void cleanup() { f.cleanup(); }

    void menuListsComparableStudies_data()
    {
        QTest::addColumn<int>("groupSize");
        QTest::addColumn<int>("criterionType");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("positive") << 6 << 1 << true
                                  << QStringList{u"P (record 1)"_qs, u"B (record 3)"_qs};
        QTest::newRow("negative") << 6 << 2 << true
                                  << QStringList{u"N (record 2)"_qs, u"B (record 3)"_qs};
        QTest::newRow("both, never saved")
            << 6 << 3 << false
            << QStringList{u"P (record 1)"_qs, u"N (record 2)"_qs, u"B (record 3)"_qs};
        QTest::newRow("no study of the size") << 7 << 3 << true << QStringList();
    }
    void menuListsComparableStudies()
    {
        QFETCH(int, groupSize);
        QFETCH(int, criterionType);
        QFETCH(bool, stored);
        for (const auto& [name, type] : {std::pair{u"P"_qs, 1}, {u"N"_qs, 2}, {u"B"_qs, 3}})
            f.db().addStudy(SampleStudy{name, 0, 6, 3, type, {}});
        f.db().addStudy(SampleStudy{u"Eight"_qs, 0, 8, 3, 3, {}});
        f.db().addStudy(u"No answers"_qs, 6, 3, u"Who?"_qs, 3);
        const int open = f.openStudy(groupSize, 3, criterionType, stored);
        if (open)
            f.db().addAnswer(open, 1, 2, 1, 2);
        QFETCH(QStringList, offered);
        QVERIFY(!compare(offered.isEmpty() ? QList<Qt::Key>() : QList{Qt::Key_Escape}));
        QCOMPARE(listed, offered);
        QCOMPARE(f.messages.texts(),
                 offered.isEmpty()
                     ? QStringList{u"No other study has 7 subjects, a criterion in common with "
                                   "this one and stored answers."_qs}
                     : QStringList());
    }

    void windowComparesAndWritesNothing()
    {
        const int autumn = store(u"Autumn 4b"_qs, survey(EarlierPositive, EarlierNegative));
        f.db().addAnswer(autumn, 1, 3, 3, 9); // subject 2's third choice names no pupil
        store(u"Summer 4b"_qs, survey(LaterPositive, {}, 1));
        const int spring = store(u"Spring 4b"_qs, survey(LaterPositive, LaterNegative));
        f.openStudy(6, 2, 3);
        Global::CurrentRecord = spring;
        Global::RefName = u"Spring 4b"_qs;
        const QStringList before = f.db().dump();

        CompareWindow* w = compare({Qt::Key_Return});
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->earlierStudy().name, u"Autumn 4b"_qs);
        QStringList lines;
        for (const QLabel* label : w->findChildren<QLabel*>())
            lines << label->text();
        QVERIFY(lines.contains(
            u"Subject numbers are taken to name the same pupils in both surveys."_qs));
        QVERIFY(w->skippedLine()->toolTip().contains(u"subject 2, choice 3: \"9\""_qs));
        w->sociogramButton()->click();
        QCOMPARE(sociogramCalls, 1);
        QCOMPARE(f.db().dump(), before);

        // Arrows choose another study; the open window takes it.
        QCOMPARE(compare({Qt::Key_Down, Qt::Key_Return}), w);
        QCOMPARE(w->earlierStudy().name, u"Summer 4b"_qs);

        // The earlier survey deleted from the file: said when the window next reads it.
        f.db().exec(u"DELETE FROM SOCIOMETRY WHERE NAME = 'Summer 4b'"_qs);
        w->sociogramButton()->click();
        QCOMPARE(sociogramCalls, 1);
        QCOMPARE(f.messages.texts(),
                 QStringList{u"The study \"Summer 4b\" is no longer in the study file."_qs});

        // The window belongs to the data window's study: it closes with it.
        const QPointer<CompareWindow> open = w;
        DataForm::unloadWithSociogram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!open);
    }
};

QTEST_MAIN(CompareWindowTest)
#include "tst_analysis_compare_window.moc"
