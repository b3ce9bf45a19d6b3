// The sociogram's saved arrangements through its state: saved, restored, and the View
// commands switching between the layout and the saved arrangement.
#include "classlist.h"
#include "globals.h"
#include "gridfill.h"
#include "labelset.h"
#include "linesteps.h"
#include "picturebuild.h"
#include "picturetitle.h"
#include "scriptedmessages.h"
#include "sociogramstate.h"
#include "statusmethod.h"
#include "testdb.h"
#include "viewmemory.h"

#include <QtTest>
#include <memory>
#include <set>

class SociogramTest : public QObject {
    Q_OBJECT

    using Rows = std::vector<QVariantList>;
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    int lineDraws = 0;
    std::vector<bool> busy; // the busy pointer, on and off

    Rows stored(int type, int record = Global::CurrentRecord)
    {
        return db->rows("SELECT LABEL, X, Y FROM POSITION WHERE HEADER = ? AND SOCIOGRAM = ? "
                        "ORDER BY rowid",
                        {record, type});
    }
    std::unique_ptr<SociogramState> state()
    {
        auto s = std::make_unique<SociogramState>();
        QObject::connect(s.get(), &SociogramState::drawingChanged, s.get(),
                         [this] { ++lineDraws; });
        QObject::connect(s.get(), &SociogramState::busyChanged, s.get(),
                         [this](bool b) { busy.push_back(b); });
        return s;
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
        messages.reset();
        db.reset();
    }

    // A test starts from the program's start, whatever the one before it left of the run.
    void resetForgetsTheRun()
    {
        ChosenStatusMethod::instance().setMethod(StatusMethod::NewcombBukowski);
        ViewChoices shown;
        shown.showStatus = true;
        ViewMemory::keep(3, shown);
        ClassList::instance().setNames(3, {{}, u"Al"_qs});
        resetProgram();
        QCOMPARE(ChosenStatusMethod::instance().method(), StatusMethod::CoieDodgeCoppotelli);
        QVERIFY(!ViewMemory::recall(3).showStatus);
        QVERIFY(ClassList::instance().names(3).empty());
    }

    // Saved with a row for every subject of the grid as it stands, restored as saved,
    // and the View commands switching between the layout and the saved arrangement.
    void saveRestoreAndView()
    {
        openStudy(*db, 6, 1);
        Global::SociogramType = 3;
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

    // Tidy widens a ring too small for its two labels (11 and 12, chosen by six each) and
    // moves the ring outside out as far: until a layout runs again, the outer guide circle
    // keeps its distance from its labels and a drop snaps where they now stand.
    void tidiedTargetSnapsToTheWidenedRing()
    {
        std::vector<QStringList> choices(12, {"12"});
        for (int s : {1, 2, 3, 4, 5, 12})
            choices[s - 1] = {"11"};
        openStudy(*db, 12, 1);
        Global::SociogramType = 3;
        fillGrid(DataGrid(), 12, 1, choices);
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
        s->TidyLabels();
        const double used = distance(6);
        QVERIFY(used > designed + 10 && qAbs(guideGap() - gap) <= 1);
        s->undoStack().undo(); // the rings go back with the labels, and come again
        QVERIFY(qAbs(distance(6) - designed) <= 1 && qAbs(guideGap() - gap) <= 1);
        s->undoStack().redo();
        for (const bool laidOutAgain : {false, true}) {
            if (laidOutAgain)
                s->DefaultDistribution();
            s->layout().dropLabel(5, centre + QPointF(2000, 0));
            QVERIFY(qAbs(distance(5) - (laidOutAgain ? designed : used)) <= 1);
        }
    }

    // Tidy on the Target and in the Random layout leaves each status mark its room: no other
    // label within a marked label's reach, and every mark inside the area.
    void tidyLeavesRoomForTheMarks()
    {
        for (const int type : {1, 3}) {
            SociogramState s;
            Global::SociogramType = type;
            LabelSet& labels = s.arrangement().labels();
            std::vector<double> room{0};
            std::vector<Choice> ties;
            for (int i = 1; i <= 12; ++i) {
                QVERIFY(!labels.load(i));
                labels.move(i, float(400 * i - 400), float(i % 2 ? 3000 : 3400));
                labels.setTag(i, QStringLiteral("%1").arg(i % 3 ? 1200 : 2400));
                room.push_back(i % 4 ? 0 : 140);
                ties.push_back({i, i % 12 + 1});
            }
            s.layout().setShownTies(ties);
            s.layout().setMarkRoom(room);
            s.layout().TidyLabels();
            const QRectF area(0, 0, Codes::Geometry::DesignWidth, Codes::Geometry::DesignHeight);
            const auto square = [&](int i, qreal r) {
                const SubjectLabel* l = labels.get(i);
                return QRectF(l->Left - r, l->Top - r, l->Width + 2 * r, l->Height + 2 * r);
            };
            for (int i = 1; i <= 12; ++i) {
                QVERIFY(area.contains(square(i, room[i])));
                for (int j = 1; j <= 12; ++j)
                    QVERIFY(i == j || !square(i, room[i]).intersects(square(j, 0)));
            }
        }
    }

    // A rejected pupil's label 100 twips from a neighbour's: a layout just drawn shows the
    // mark whole, an arranged picture draws it smaller, clear of the neighbour.
    void marksFitAnArrangedPicture_data()
    {
        QTest::addColumn<bool>("arranged");
        QTest::newRow("just laid out") << false;
        QTest::newRow("arranged") << true;
    }
    void marksFitAnArrangedPicture()
    {
        QFETCH(bool, arranged);
        LabelSet labels;
        for (int i = 1; i <= 2; ++i) {
            QVERIFY(!labels.load(i));
            labels.move(i, float(1000 + 460 * i), 2000);
        }
        PictureValues v;
        v.sociogramType = Codes::SociogramType::Random;
        v.area = QSizeF(Codes::Geometry::DesignWidth, Codes::Geometry::DesignHeight);
        v.labels = &labels;
        v.labelSize = QSizeF(360, 360);
        v.marks = {Status::None, Status::Rejected, Status::None};
        v.arranged = arranged;
        const PrimitiveList picture = wholePicture(v);
        const auto mark = std::find_if(picture.begin(), picture.end(), [](const Primitive& p) {
            return p.kind == Primitive::Kind::Rectangle && p.p2.x() - p.p1.x() < 1000;
        });
        QVERIFY(mark != picture.end());
        const Primitive whole =
            statusMarkPrimitives(QRectF(1460, 2000, 360, 360), Status::Rejected)[0];
        const qreal w = mark->width / 2;
        const QRectF box = QRectF(mark->p1, mark->p2).adjusted(-w, -w, w, w);
        QCOMPARE(mark->width < whole.width, arranged);
        QCOMPARE(box.intersects(QRectF(1920, 2000, 360, 360)), !arranged);
    }

    // The title names the kinds of choice drawn and no other.
    void titleNamesWhatIsDrawn()
    {
        const struct {
            int type, inView;
            bool other;
            QString kinds;
        } rows[] = {{1, 1, true, "(positive)"},
                    {3, 1, true, "(positive and negative)"},
                    {3, 1, false, "(positive)"},
                    {3, 2, false, "(negative)"}};
        Global::Question = QStringLiteral("Who?");
        for (const auto& row : rows) {
            Global::CriterionType = row.type;
            Global::CurrentCriterion = row.inView;
            const QStringList title = pictureTitle(
                {false, row.other}, false, StatusMethod::CoieDodgeCoppotelli, QDate(2026, 5, 4));
            QCOMPARE(title.value(1), QStringLiteral("Who? ") + row.kinds);
        }
    }
};

QTEST_GUILESS_MAIN(SociogramTest)
#include "tst_sociogram.moc"
