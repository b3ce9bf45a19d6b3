// The sociogram window driven through its menus and the mouse, offscreen: drops at any
// size, the questions on leaving, the key, undo, the view choices, two surveys' ties through
// the hook between the windows, the class list's names, and the picture on paper and in a
// file.
#include "changedraw.h"
#include "classlist.h"
#include "classreportprint.h"
#include "dataform.h"
#include "drawform.h"
#include "exportdialog.h"
#include "files.h"
#include "forms.h"
#include "globals.h"
#include "gridfill.h"
#include "groupcolours.h"
#include "keyform.h"
#include "paint.h"
#include "pictures.h"
#include "printdialog.h"
#include "statusmethod.h"
#include "viewmemory.h"
#include "windowfixture.h"
#include "windowlinks.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>

class SociogramWindowTest : public QObject {
    Q_OBJECT

    using Rows = std::vector<QVariantList>;
    using Pos = std::array<Global::Integer, 2>;
    WindowFixture f;
    ScriptedMessages* messages = &f.messages;

    // A stored study of `size` subjects, one choice slot, the given choices in the grid.
    void defineStudy(int size, const std::vector<QStringList>& choices = {})
    {
        f.openStudy(size, 1);
        fillGrid(DataGrid(), size, 1, choices);
    }
    Rows stored(int type)
    {
        return f.db().rows("SELECT LABEL, X, Y FROM POSITION WHERE HEADER = ? AND SOCIOGRAM = ? "
                           "ORDER BY rowid",
                           {Global::CurrentRecord, type});
    }
    static SocioCanvas* canvas(DrawForm* form)
    {
        return form->findChild<SocioCanvas*>(u"DrawingArea"_qs);
    }
    // A menu command of the window, by name.
    static QAction* item(DrawForm* form, const char* name)
    {
        return form->findChild<QAction*>(QLatin1String(name));
    }
    static DrawForm* openSociogram(int type)
    {
        Global::SociogramType = Global::Integer(type);
        return WindowFixture::openWindow<DrawForm>([] { showDrawForm(QString()); });
    }
    // Prints the open sociogram with the options `choose` ticks into a PDF file of the test's
    // folder, named back.
    QString printed(DrawForm* form, const std::function<void(PictureOptions&)>& choose)
    {
        const QString pdf = f.db().folder() + u"/page.pdf"_qs;
        PictureOptions options;
        choose(options);
        PrintChoices::setAsker([options](QWidget*, ShownOnWindow) { return options; });
        DrawForm::setPrinterChooser([pdf](QPrinter& printer, QWidget*, QString&) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        form->Print_Click();
        return pdf;
    }
    // Drags a label by a point inside it to a point of the picture, both in pixels of
    // the picture at its designed size, at whatever size the window shows it.
    static void drag(DrawForm* form, int subject, QPoint grab, QPoint drop)
    {
        SocioCanvas* area = canvas(form);
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
        f.init();
        // The designed page unless a test asks for more.
        PrintChoices::setAsker([](QWidget*, ShownOnWindow) { return PictureOptions{}; });
    }
    void cleanup()
    {
        f.cleanup();
        PrintChoices::setAsker(nullptr);
        DrawForm::setPrinterChooser(nullptr);
        PictureExport::setFileChooser(nullptr);
        PictureExport::setOptionsChooser(nullptr);
    }

    // A drop stores the same twips whatever size the window shows the picture at.
    void dropStoresTheSamePositionAtAnySize()
    {
        defineStudy(6, {{"2"}});
        DrawForm* form = openSociogram(0);
        QVERIFY(form);
        for (int s = 1; s <= 6; ++s)
            QVERIFY(!canvas(form)->labelRect(s).isEmpty());
        QVERIFY(canvas(form)->labelRect(7).isEmpty());
        QVERIFY(!item(form, "View_0")->isEnabled() && !item(form, "View_1")->isEnabled());
        const QPoint grab(5, 7), drop(200, 150);
        drag(form, 1, grab, drop);
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
        QVERIFY(item(form, "View_1")->isEnabled());
        form->resize(form->size() * 2);
        QTRY_VERIFY(canvas(form)->zoom() > 1.5);
        drag(form, 1, grab, drop);
        QCOMPARE(canvas(form)->labelRect(1).topLeft(),
                 (canvas(form)->pictureOrigin() + QPointF(drop - grab) * canvas(form)->zoom())
                     .toPoint());
        form->Save_Click();
        QCOMPARE(stored(0), designed);
    }

    // Quit and the close box ask about a moved label; a drop on another label moves
    // nothing, so nothing is asked.
    void quitAndCloseBoxAsk_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<bool>("ontoLabel");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("stays");
        QTest::newRow("Quit, No") << false << false << int(Answer::No) << 0 << false;
        QTest::newRow("close box, Yes") << true << false << int(Answer::Yes) << 6 << false;
        QTest::newRow("close box, Cancel") << true << false << int(Answer::Cancel) << 0 << true;
        QTest::newRow("dropped on a label") << false << true << int(Answer::Yes) << 0 << false;
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
             ontoLabel ? canvas(form)->labelDesignRect(1).center() : QPoint(60, 400));
        QCOMPARE(Global::LabelPos == before, ontoLabel);
        messages->answer({Answer(answer)});
        closeBox ? (void)form->close() : form->Quit_Click();
        QCOMPARE(messages->count(), ontoLabel ? 0 : 1);
        QTEST(int(stored(0).size()), "rows");
        QTEST(SingleInstance<DrawForm>::loaded(), "stays");
    }

    void endingTheProgramAsksAboutAChangedArrangement()
    {
        QVERIFY(DrawForm::mayEnd()); // no window: nothing to ask
        defineStudy(6);
        DrawForm* form = openSociogram(0);
        QVERIFY(DrawForm::mayEnd());
        drag(form, 2, QPoint(4, 4), QPoint(60, 400));
        // Yes, and the arrangement cannot be stored: the program keeps running with it.
        QVERIFY(f.db().failOn(u"POSITION"_qs, u"INSERT"_qs));
        messages->answer({Answer::Yes});
        QVERIFY(!DrawForm::mayEnd());
        QVERIFY(SingleInstance<DrawForm>::loaded());
        QVERIFY(f.db().allow(u"POSITION"_qs, u"INSERT"_qs));
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
        form->showMaximized(); // no room beside it: the key stays on the screen
        QTRY_VERIFY(form->isMaximized());
        form->Key_Click();
        key = SingleInstance<KeyForm>::ifLoaded();
        QVERIFY(key->isVisible() &&
                form->screen()->availableGeometry().contains(key->frameGeometry()));
    }

    // Undo and Redo take a drop (a Target one snapped) or Tidy back and do it again
    // exactly, lines included, each leaving the arrangement unsaved; a layout run
    // afresh leaves nothing to undo.
    void undoAndRedoMoves_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("tidy");
        QTest::newRow("Circle drop") << 0 << false;
        QTest::newRow("Target drop") << 3 << false;
        QTest::newRow("Circle Tidy") << 0 << true;
    }
    void undoAndRedoMoves()
    {
        QFETCH(int, type);
        QFETCH(bool, tidy);
        defineStudy(8, {{"5"}, {"7"}, {"3"}, {"1"}});
        DrawForm* form = openSociogram(type);
        const auto placed = [form] {
            return std::tuple(Global::LabelPos, canvas(form)->labelDesignRect(1),
                              form->state().drawing().front().p1);
        };
        const auto before = placed();
        tidy ? item(form, "Tidy")->trigger() : drag(form, 1, {3, 3}, {330, 200});
        const auto after = placed();
        QVERIFY(after != before);
        for (QAction* go :
             {item(form, "Undo"), item(form, "Redo"), item(form, "Undo"), item(form, "Redo")}) {
            form->Save_Click();
            go->trigger();
            QCOMPARE(form->state().arrangement().positionsSaved(), Global::False);
            QVERIFY(placed() == (go == item(form, "Undo") ? before : after));
        }
        form->View_Click(0);
        QVERIFY(!item(form, "Undo")->isEnabled() && !item(form, "Redo")->isEnabled());
    }

    // Colour Choices, Show Other Criterion and the groups stay as the user left them
    // for the study, whatever layout is opened next; another study opens as designed.
    void viewChoicesKeptForTheStudy_data()
    {
        QTest::addColumn<bool>("otherStudy");
        QTest::newRow("same study") << false;
        QTest::newRow("another study") << true;
    }
    void viewChoicesKeptForTheStudy()
    {
        QFETCH(bool, otherStudy);
        defineStudy(6);
        ClassList::instance().setNames(Global::CurrentRecord, {{}, u"Anna"_qs});
        DrawForm* form = openSociogram(0);
        item(form, "ShowNames")->trigger();
        item(form, "ColourChoices")->trigger();
        item(form, "OtherCriterion")->trigger();
        const QList<int> groups{0, 1, 1, 0, 2, 2};
        form->setShownGroups(groups);
        form->close();
        if (otherStudy) {
            defineStudy(6);
            ClassList::instance().setNames(Global::CurrentRecord, {{}, u"Anna"_qs});
        }
        form = openSociogram(3);
        const ViewOptions& view = form->state().view();
        QVERIFY(item(form, "ShowNames")->isChecked() == otherStudy &&
                view.showNames() == otherStudy);
        QVERIFY(item(form, "ColourChoices")->isChecked() != otherStudy &&
                view.colourChoices() != otherStudy);
        QVERIFY(item(form, "OtherCriterion")->isChecked() == otherStudy &&
                view.otherCriterion() == otherStudy);
        QCOMPARE(view.groups(), otherStudy ? QList<int>() : groups);
    }

    // Show Status marks the labels by the analysis: a Both study by the method chosen
    // in the analysis window, which may change while the sociogram is open; a study of
    // one criterion its most chosen and its isolates.
    void statusMarksFollowTheAnalysis()
    {
        using M = Status;
        const std::vector<QStringList> positive{{"3"}, {"6"}, {"6"}, {"2"}, {"3"}, {"5"}};
        const int negative[] = {5, 6, 1, 6, 1, 4};
        const struct {
            int type;
            StatusMethod method;
            std::vector<M> marks;
        } rows[] = {
            {3,
             StatusMethod::CoieDodgeCoppotelli,
             // 1 and 4 were chosen by nobody: 1 is rejected as well.
             {M::None, M::RejectedIsolate, M::None, M::Popular, M::Isolate, M::None,
              M::Controversial}},
            {3,
             StatusMethod::NewcombBukowski,
             {M::None, M::Isolate, M::None, M::None, M::Isolate, M::None, M::None}},
            {1,
             StatusMethod::CoieDodgeCoppotelli,
             {M::None, M::Isolate, M::None, M::MostChosen, M::Isolate, M::None, M::MostChosen}},
        };
        defineStudy(6, positive);
        for (int s = 1; s <= 6; ++s)
            QVERIFY(f.db().addAnswer(Global::CurrentRecord, 2, s + 1, 1, negative[s - 1]));
        DrawForm* form = nullptr;
        for (const auto& row : rows) {
            ChosenStatusMethod::instance().setMethod(row.method);
            if (Global::CriterionType != row.type || !form) {
                SingleInstance<DrawForm>::unload();
                Global::CriterionType = row.type;
                form = openSociogram(0);
                item(form, "ShowStatus")
                    ->setChecked(true); // kept from the last opening, or set now
            }
            QCOMPARE(form->state().statusMarks(), row.marks);
            // The window paints each mark around its own label.
            const PrimitiveList painted = canvas(form)->picture();
            for (int s = 1; s <= 6; ++s) {
                const QRectF square(Global::LabelPos[s][0], Global::LabelPos[s][1], 360, 360);
                for (const Primitive& p : statusMarkPrimitives(square, row.marks[s]))
                    QVERIFY(std::any_of(painted.begin(), painted.end(), [&](const Primitive& q) {
                        return q.kind == p.kind && QLineF(q.p1, p.p1).length() < 1 &&
                               q.width == p.width;
                    }));
            }
        }
        item(form, "ShowStatus")->trigger();
        QVERIFY(form->state().statusMarks().empty());
    }

    // Between two surveys Tidy arranges the ties drawn: a clique of the earlier survey (its
    // ties gone) sits together as well as one of the later.
    void tidyKeepsTheCliquesOfEitherSurvey()
    {
        TieChanges ties;
        for (const auto& [clique, change] : {std::pair{std::array{1, 5, 9}, TieChange::Gone},
                                             std::pair{std::array{2, 6, 10}, TieChange::New}})
            for (int a : clique)
                for (int b : clique)
                    if (a != b)
                        ties.push_back({{a, b}, change});
        connectWindows();
        std::vector<QStringList> choices;
        for (int s = 1; s <= 12; ++s)
            choices.push_back({QString::number(s % 12 + 1)});
        defineStudy(12, choices);
        QVERIFY(WindowFixture::openWindow<DataForm>(showDataForm));
        Global::SociogramType = Codes::SociogramType::Circle;
        QVERIFY(Forms::ShowChangesOnSociogram(ties, u"Autumn"_qs));
        DrawForm* form = SingleInstance<DrawForm>::ifLoaded();
        item(form, "Tidy")->trigger();
        std::vector<std::pair<double, int>> round; // angle, subject
        for (int s = 1; s <= 12; ++s)
            round.emplace_back(
                std::atan2(Global::LabelPos[s][0] - 3277.0, 3135.0 - Global::LabelPos[s][1]), s);
        std::sort(round.begin(), round.end());
        for (const std::array<int, 3> clique : {std::array{1, 5, 9}, std::array{2, 6, 10}}) {
            int runs = 0; // members entered going round
            for (int k = 0; k < 12; ++k) {
                const auto in = [&](int at) {
                    return std::count(clique.begin(), clique.end(), round[at % 12].second) > 0;
                };
                runs += in(k + 1) && !in(k);
            }
            QCOMPARE(runs, 1);
        }
    }

    // The comparison's ties through the hook: the sociogram opened in the layout last shown
    // or filled where its labels stand, "Show Changes", the key and the print following.
    void hookShowsTheChanges()
    {
        using T = TieChange;
        const TieChanges ties = {{{1, 2}, T::Kept},
                                 {{2, 1}, T::New},
                                 {{3, 4, ChoiceKind::Negative}, T::Gone},
                                 {{4, 6}, T::Gone}};
        const auto show = [&ties] { return Forms::ShowChangesOnSociogram(ties, u"Autumn 4b"_qs); };
        connectWindows();
        QVERIFY(!show()); // no study in a data window to draw
        f.openStudy(6, 1, Codes::CriterionType::Both);
        for (int s = 1; s <= 6; ++s)
            QVERIFY(f.db().addAnswer(Global::CurrentRecord, 1, s + 1, 1, s % 6 + 1));
        QVERIFY(WindowFixture::openWindow<DataForm>(showDataForm));
        Global::SociogramType = Codes::SociogramType::Target; // as the Type menu left it
        QVERIFY(show());
        DrawForm* form = SingleInstance<DrawForm>::ifLoaded();
        QVERIFY(form && item(form, "ShowChanges")->isChecked());
        QVERIFY(Global::SociogramType == Codes::SociogramType::Target);
        const auto lines = [form](bool changed) { // the study's own choices are hairlines
            const PrimitiveList& drawn = form->state().drawing();
            return std::count_if(drawn.begin(), drawn.end(), [changed](const Primitive& p) {
                return p.kind == Primitive::Kind::Line && (p.width > 0) == changed;
            });
        };
        QCOMPARE(lines(true), 4);
        // Given again to the open window: its labels stay, the criteria it shows are drawn.
        item(form, "OtherCriterion")->setChecked(false);
        form->state().dropLabel(3, {300, 300});
        const auto placed = Global::LabelPos;
        QVERIFY(show() && Global::LabelPos == placed && lines(true) == 3);
        form->Key_Click();
        const int keyHeight = SingleInstance<KeyForm>::ifLoaded()->height();
        item(form, "ShowChanges")->trigger(); // back to the study's choices, and the key with them
        QVERIFY(lines(true) == 0 && lines(false) > 0);
        QVERIFY(SingleInstance<KeyForm>::ifLoaded()->height() < keyHeight);
        item(form, "ShowChanges")->trigger();
        QVERIFY(lines(true) == 3 && SingleInstance<KeyForm>::ifLoaded()->height() == keyHeight);

        // The printed page draws the ties in their looks, its title naming the other survey.
        const QString pdf = printed(form, [](PictureOptions& o) { o.includeTitle = true; });
        QVERIFY(pdfText(pdf).contains(u"Autumn 4b"_qs));
        const QStringList render = {u"-r"_qs, u"72"_qs, u"-png"_qs, u"-singlefile"_qs, pdf, pdf};
        QCOMPARE(QProcess::execute(u"pdftoppm"_qs, render), 0);
        const QImage page(pdf + u".png"_qs);
        QVERIFY(hasColour(page, changeLook(T::New).colour, 40));
        QVERIFY(hasColour(page, changeLook(T::Gone).colour, 40));
        QVERIFY(Forms::ShowChangesOnSociogram({}, {})); // the study's own choices back
        QVERIFY(lines(true) == 0 && !item(form, "ShowChanges")->isEnabled());
    }

    // The names of the list go under their labels while Show Names is on.
    // The class report of forty pupils of both criteria: every row, every heading,
    // nothing under 7 pt or off the page, names only when asked; a second page only
    // for rows the first cannot hold.
    void classReportCarriesEverythingUncut_data()
    {
        QTest::addColumn<bool>("withNames");
        QTest::newRow("numbers only") << false;
        QTest::newRow("with names") << true;
    }
    void classReportCarriesEverythingUncut()
    {
        QFETCH(bool, withNames);
        connectWindows();
        f.openStudy(40, 10, Codes::CriterionType::Both);
        for (int s = 1; s <= 40; ++s)
            for (int slot = 1; slot <= 10; ++slot) {
                QVERIFY(
                    f.db().addAnswer(Global::CurrentRecord, 1, s + 1, slot, (s + slot) % 40 + 1));
                if (slot <= 3)
                    QVERIFY(f.db().addAnswer(Global::CurrentRecord, 2, s + 1, slot,
                                             (s + 20 + slot) % 40 + 1));
            }
        SubjectNames names(1);
        for (int s = 1; s <= 40; ++s)
            names.push_back(u"Pupil%1name"_qs.arg(s));
        ClassList::instance().setNames(Global::CurrentRecord, names);
        QVERIFY(WindowFixture::openWindow<DataForm>(showDataForm));
        const QString pdf = f.db().folder() + u"/report.pdf"_qs;
        ClassReportPrint::setNamesAsker([withNames](QWidget*) { return withNames; });
        ClassReportPrint::setPrinterChooser([pdf](QPrinter& printer, QWidget*, QString&) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        Forms::PrintClassReport(nullptr);
        ClassReportPrint::setNamesAsker(nullptr);
        ClassReportPrint::setPrinterChooser(nullptr);
        QVERIFY(SingleInstance<DrawForm>::loaded()); // the picture is the window's
        QVERIFY(pdfPages(pdf) >= 1 && pdfPages(pdf) <= 2);
        const PdfWords words = pdfWords(pdf);
        QVERIFY(!words.empty());
        QStringList text;
        for (const PdfWord& w : words) {
            text << w.text;
            QVERIFY2(w.box.height() >= 7.0, qPrintable(w.text));
            QVERIFY2(QRectF(0, 0, 595.3, 841.9).contains(w.box), qPrintable(w.text));
        }
        const QString all = text.join(u' ');
        for (const QString& piece : {u"Coie,"_qs, u"density:"_qs, u"cliques"_qs, u"Popular"_qs})
            QVERIFY2(all.contains(piece), qPrintable(piece));
        for (int s = 1; s <= 40; ++s)
            QCOMPARE(all.contains(names[std::size_t(s)]), withNames);
    }

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
            ClassList::instance().setNames(Global::CurrentRecord, {{}, u"Anna"_qs, u"Ben"_qs, {}});
        DrawForm* form = openSociogram(0);
        QCOMPARE(item(form, "ShowNames")->isEnabled(), list);
        if (turnOff)
            item(form, "ShowNames")->trigger();
        QStringList names;
        for (const Primitive& p : canvas(form)->picture())
            if (p.kind == Primitive::Kind::Name) {
                names << p.text;
                const QRect label = canvas(form)->labelDesignRect(names.size());
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
        SubjectNames names(1);
        names.resize(41, u"Name"_qs);
        ClassList::instance().setNames(Global::CurrentRecord, names);
        item(openSociogram(Codes::SociogramType::Random), "Tidy")->trigger();
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
            return fileBytes(file);
        };
        const QByteArray noList = exported(false);
        ClassList::instance().setNames(Global::CurrentRecord, {{}, u"Anna"_qs, u"Ben"_qs, {}});
        QVERIFY(item(form, "ShowNames")->isChecked());
        QVERIFY(!noList.isEmpty());
        QCOMPARE(exported(false), noList);
        const QByteArray named = exported(true);
        QVERIFY(named.contains("Anna") && named.contains("Ben"));
        for (bool withNames : {false, true})
            QCOMPARE(
                pdfText(printed(form, [withNames](PictureOptions& o) { o.withNames = withNames; }))
                    .contains(u"Anna"_qs),
                withNames);
    }

    // A cancelled print says why the print dialog gave; a page that cannot be written
    // is reported under the procedure and named. Printed with the title, the key and the
    // status, the page carries their words.
    void printing()
    {
        defineStudy(6, {{"2"}, {"3"}, {"2"}});
        DrawForm* form = openSociogram(0);
        Global::RefName = QStringLiteral("Class 4b");
        Global::Question = QStringLiteral("Who sits with whom?");
        QString why = QStringLiteral("cancelled");
        QString pdf = QStringLiteral("/nonexistent-folder/x/page.pdf");
        DrawForm::setPrinterChooser([&](QPrinter& printer, QWidget*, QString& reason) {
            reason = why;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return why.isEmpty();
        });
        form->Print_Click();
        QCOMPARE(messages->texts(), QStringList{"cancelled"});
        messages->clear();
        why.clear();
        form->Print_Click();
        QCOMPARE(messages->count(), 2);
        QVERIFY(messages->texts().front().contains(QStringLiteral("DataForm:SocioPrint")));
        QVERIFY(messages->texts().back().contains(QStringLiteral("/nonexistent-folder/x")));
        messages->clear();
        item(form, "ShowStatus")->trigger();
        const QString page = pdfText(printed(form, [](PictureOptions& o) {
                                 o.includeKey = o.includeTitle = o.statusMarks = true;
                             })).simplified();
        QCOMPARE(messages->count(), 0);
        for (const char* words : {"Class 4b", "Who sits with whom? (positive)", "Circle layout",
                                  "Positive Choice", "Mutual", "Status", "Most chosen", "Isolate"})
            QVERIFY2(page.contains(QLatin1String(words)), qPrintable(page));
        QVERIFY(!page.contains(u"Negative"_qs)); // no negative choice is drawn
    }

    // The window, the print and the export paint one list: with everything shown and asked
    // for, it holds the names, the groups' colours and the status marks, moved under the title
    // with the key beside, and the file written is that list painted.
    void onePictureEverywhere()
    {
        defineStudy(6, {{"2"}, {"1"}, {"1"}});
        ClassList::instance().setNames(Global::CurrentRecord, {{}, u"Al"_qs, u"Bo"_qs});
        DrawForm* form = openSociogram(0);
        item(form, "ShowStatus")->setChecked(true);
        form->setShownGroups({-1, 0, 0, 1, 1, 1, 1});
        const PrimitiveList& shown = canvas(form)->picture();
        const auto count = [&](auto take) {
            return std::count_if(shown.begin(), shown.end(), take);
        };
        QCOMPARE(count([](const Primitive& p) { return p.kind == Primitive::Kind::Name; }), 2);
        // Each group's colour, and its number for a greyscale copy.
        QVERIFY(count([](const Primitive& p) {
                    return p.fill == groupColour(1) && p.text.endsWith(u"G2"_qs);
                }) == 4);
        QVERIFY(count([](const Primitive& p) { return p.width > 0; }) > 0); // status outlines
        PictureOptions all;
        all.format = PictureFormat::Svg;
        all.groupColours = all.statusMarks = all.withNames = true;
        QCOMPARE(form->pictureFor(all), shown);
        all.includeTitle = all.includeKey = true;
        PictureOptions chosen = all;
        const PrimitiveList framed = form->pictureFor(all);
        const qreal title = framed.front().p1.y(); // the drawing cut to its area under it
        QVERIFY(title > 0 && framed.size() > shown.size() + 1);
        QCOMPARE(
            PrimitiveList(framed.begin() + 1, framed.begin() + 1 + std::ptrdiff_t(shown.size())),
            translated(shown, {0, title}));
        QStringList texts;
        for (const Primitive& p : framed)
            texts << p.text;
        for (const char* words : {"Class", "Positive Choice", "Mutual", "Status", "Group 2"})
            QVERIFY2(texts.contains(QLatin1String(words)), words);
        const QString file = f.db().folder() + u"/all.svg"_qs, again = file + u"2.svg"_qs;
        PictureExport::setOptionsChooser([chosen](QWidget*, ShownOnWindow) { return chosen; });
        PictureExport::setFileChooser(
            [file](QWidget*, const QString&, const QString&, const QString&) { return file; });
        form->exportPicture();
        const Layout::Area area = form->state().layout().area();
        QVERIFY(!::exportPicture(again, framed, QSizeF(area.W, area.H), all));
        QCOMPARE(fileBytes(file), fileBytes(again));
    }

    // Lines round labels: off while a layout has just run, on after Tidy, for a drop and for
    // a restored arrangement, off again for "Default Distribution".
    void linesRoundFollowThePlacement()
    {
        std::vector<QStringList> choices;
        for (int s = 1; s <= 30; ++s)
            choices.push_back({QString::number((s + 1) % 30 + 1)}); // past a neighbour
        defineStudy(30, choices);
        DrawForm* form = openSociogram(0);
        const auto routed = [&] {
            const PrimitiveList& shown = canvas(form)->picture();
            return std::any_of(shown.begin(), shown.end(),
                               [](const Primitive& p) { return p.kind == Primitive::Kind::Path; });
        };
        QVERIFY(!item(form, "LinesRound")->isChecked() && !routed());
        item(form, "Tidy")->trigger();
        QVERIFY(item(form, "LinesRound")->isChecked());
        form->state().DefaultDistribution();
        QVERIFY(!item(form, "LinesRound")->isChecked() && !routed());
        item(form, "LinesRound")->trigger();
        QVERIFY(routed());
    }

    // Export Picture asks the options (starting from the last ones) and the file, then
    // writes what the window shows; a file it cannot write is named.
    void exportPicture()
    {
        ExportDialog dialog;
        const auto* resolution = dialog.findChild<QSpinBox*>(u"Resolution"_qs);
        QVERIFY(resolution->isEnabled());
        dialog.findChild<QRadioButton*>(u"Format_1"_qs)->click();
        QVERIFY(!resolution->isEnabled()); // only PNG has a resolution

        defineStudy(6, {{"2"}, {"1"}});
        DrawForm* form = openSociogram(0);
        QString file;
        QStringList starts;
        PictureExport::setFileChooser(
            [&](QWidget*, const QString&, const QString& start, const QString&) {
                starts.append(start);
                return file;
            });
        bool namesOpen = true;
        whenModalOpens<ExportDialog>([&namesOpen](ExportDialog& d) {
            namesOpen = d.findChild<QCheckBox*>(u"WithNames"_qs)->isEnabled();
            d.findChild<QPushButton*>(u"CancelButton"_qs)->click();
        });
        form->exportPicture();
        QVERIFY(!namesOpen); // no class list
        ClassList::instance().setNames(Global::CurrentRecord, {{}, u"Al"_qs});
        bool namesChosen = false;
        whenModalOpens<ExportDialog>([&namesChosen](ExportDialog& d) {
            d.findChild<QRadioButton*>(u"Format_0"_qs)->click();
            d.findChild<QSpinBox*>(u"Resolution"_qs)->setValue(96);
            d.findChild<QCheckBox*>(u"IncludeKey"_qs)->setChecked(true);
            d.findChild<QCheckBox*>(u"WithNames"_qs)->setChecked(true);
            namesChosen = d.options().withNames;
            d.findChild<QPushButton*>(u"OkButton"_qs)->click();
        });
        form->exportPicture(); // file dialog cancelled
        QCOMPARE(starts.size(), 1);
        QVERIFY(namesChosen);
        QCOMPARE(QDir(f.db().folder()).entryList({"*.png"}, QDir::Files), QStringList());

        file = f.db().folder() + QStringLiteral("/picture");
        bool startedFromLast = false;
        whenModalOpens<ExportDialog>([&startedFromLast](ExportDialog& d) {
            // ... but for the names, asked afresh each time
            const auto* names = d.findChild<QCheckBox*>(u"WithNames"_qs);
            startedFromLast = d.findChild<QRadioButton*>(u"Format_0"_qs)->isChecked() &&
                              d.findChild<QSpinBox*>(u"Resolution"_qs)->value() == 96 &&
                              d.findChild<QCheckBox*>(u"IncludeKey"_qs)->isChecked() &&
                              names->isEnabled() && !names->isChecked();
            d.findChild<QPushButton*>(u"OkButton"_qs)->click();
        });
        item(form, "ExportPicture")->trigger();
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
        whenModalOpens<ExportDialog>(
            [](ExportDialog& d) { d.findChild<QPushButton*>(u"OkButton"_qs)->click(); });
        form->exportPicture();
        QCOMPARE(messages->count(), 1);
        QVERIFY(messages->texts().first().contains("\"/nonexistent-folder/x/picture.png\""));
        // The study and the layout name the file; the folder is the one chosen before.
        QCOMPARE(starts.value(2), QDir(f.db().folder()).filePath("Class - Circle.png"));
    }
};

QTEST_MAIN(SociogramWindowTest)
#include "tst_sociogram_window.moc"
