// The program directory, the shared globals and where a centred window goes.

#include "globals.h"
#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QtTest>
#include <type_traits>

// The widths of the shared values are part of the contract between the windows:
// flags and positions are 16-bit Integers, record numbers and sizes 32-bit Longs.
static_assert(std::is_same_v<decltype(Global::NewProject), Global::Integer>);
static_assert(std::is_same_v<decltype(Global::SociogramType), Global::Integer>);
static_assert(std::is_same_v<decltype(Global::CurrentRecord), Global::Long>);
static_assert(std::is_same_v<decltype(Global::GroupSize), Global::Long>);
static_assert(std::is_same_v<decltype(Global::MaxChoices), Global::Long>);
static_assert(std::is_same_v<decltype(Global::CriterionType), Global::Long>);
static_assert(std::is_same_v<decltype(Global::CurrentCriterion), Global::Long>);
static_assert(std::is_same_v<decltype(Global::MaxReceived), Global::Long>);
static_assert(sizeof(Global::Integer) == 2 && std::is_signed_v<Global::Integer>);
static_assert(sizeof(Global::Long) == 4 && std::is_signed_v<Global::Long>);
static_assert(std::is_same_v<decltype(Global::LabelPos)::value_type::value_type, Global::Integer>);
static_assert(std::tuple_size_v<decltype(Global::LabelPos)> == 41);
static_assert(std::tuple_size_v<decltype(Global::LabelPos)::value_type> == 2);
static_assert(std::tuple_size_v<decltype(Global::ChoicesReceived)> == 41);
static_assert(std::tuple_size_v<decltype(Global::RingMembers)> == 41);
static_assert(Global::True == -1 && Global::False == 0);
static_assert(Global::flag(true) == -1 && Global::flag(false) == 0);

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void appPath_data();
    void appPath();
    void databaseBesideTheProgram();
    void resetRestoresStartOfRun();
    void centeredTopLeft_data();
    void centeredTopLeft();
};

void TestStartup::appPath_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no trailing separator") << u"/opt/sociogram"_qs << u"/opt/sociogram/"_qs;
    QTest::newRow("trailing separator kept") << u"/opt/sociogram/"_qs << u"/opt/sociogram/"_qs;
    QTest::newRow("root stays root") << u"/"_qs << u"/"_qs;
    QTest::newRow("drive root stays") << u"C:/"_qs << u"C:/"_qs;
    QTest::newRow("drive folder") << u"C:/Programs"_qs << u"C:/Programs/"_qs;
    QTest::newRow("doubled separator folded") << u"/opt/sociogram//"_qs << u"/opt/sociogram/"_qs;
    QTest::newRow("doubled root folded") << u"//"_qs << u"/"_qs;
    QTest::newRow("network share") << u"//server/share"_qs << u"//server/share/"_qs;
}

void TestStartup::appPath()
{
    QFETCH(QString, directory);
    QFETCH(QString, expected);
    const QString path = appPathFrom(directory);
    QCOMPARE(path, expected);
    // Whatever the start, the database path never holds a doubled separator
    // before the file name.
    Global::AppPath = path;
    QCOMPARE(Global::databasePath(), expected + u"KELVAROX.MDB"_qs);
    QVERIFY(!Global::databasePath().endsWith(u"//KELVAROX.MDB"_qs));
}

void TestStartup::databaseBesideTheProgram()
{
    Global::AppPath = appPathFrom(QCoreApplication::applicationDirPath());
    const QFileInfo db(Global::databasePath());
    QCOMPARE(db.fileName(), u"KELVAROX.MDB"_qs);
    QCOMPARE(QDir(db.absolutePath()), QDir(QCoreApplication::applicationDirPath()));
}

void TestStartup::resetRestoresStartOfRun()
{
    Global::AppPath = u"/x/"_qs;
    Global::NewProject = Global::True;
    Global::CurrentRecord = 12;
    Global::RefName = u"Class 4b"_qs;
    Global::Question = u"Who?"_qs;
    Global::GroupSize = 40;
    Global::MaxChoices = 10;
    Global::CriterionType = 3;
    Global::CurrentCriterion = 2;
    Global::SociogramType = 3;
    Global::LabelPos[40][1] = 7000;
    Global::LabelPos[0][0] = -1;
    Global::ChoicesReceived[17] = 9;
    Global::RingMembers[3] = u"1 2 3"_qs;
    Global::MaxReceived = 9;

    Global::reset();

    QVERIFY(Global::AppPath.isEmpty());
    QCOMPARE(Global::NewProject, Global::False);
    QCOMPARE(Global::CurrentRecord, 0);
    QVERIFY(Global::RefName.isEmpty());
    QVERIFY(Global::Question.isEmpty());
    QCOMPARE(Global::GroupSize, 0);
    QCOMPARE(Global::MaxChoices, 0);
    QCOMPARE(Global::CriterionType, 0);
    QCOMPARE(Global::CurrentCriterion, 0);
    QCOMPARE(Global::SociogramType, 0);
    QCOMPARE(Global::MaxReceived, 0);
    for (int s = 0; s <= Global::MaxSubjects; ++s) {
        QCOMPARE(Global::LabelPos[s][0], 0);
        QCOMPARE(Global::LabelPos[s][1], 0);
        QCOMPARE(Global::ChoicesReceived[s], 0);
        QVERIFY(Global::RingMembers[s].isEmpty());
    }
}

void TestStartup::centeredTopLeft_data()
{
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<QSizeF>("window");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("start window on 1280x1024")
        << QSizeF(19200, 15360) << QSizeF(4950, 4590) << QPointF(7125, 5385);
    QTest::newRow("odd difference keeps its half")
        << QSizeF(100, 100) << QSizeF(33, 50) << QPointF(33.5, 25);
    QTest::newRow("same size") << QSizeF(9000, 7000) << QSizeF(9000, 7000) << QPointF(0, 0);
    QTest::newRow("larger than the screen goes negative")
        << QSizeF(9600, 7200) << QSizeF(12000, 7320) << QPointF(-1200, -60);
    // 16777217 has no single-precision value; the sum is done in single precision.
    QTest::newRow("single precision")
        << QSizeF(16777217, 16777217) << QSizeF(0, 1) << QPointF(8388608, 8388607.5);
}

void TestStartup::centeredTopLeft()
{
    QFETCH(QSizeF, screen);
    QFETCH(QSizeF, window);
    QFETCH(QPointF, expected);
    const QPointF p = ::centeredTopLeft(screen, window);
    QCOMPARE(p.x(), expected.x());
    QCOMPARE(p.y(), expected.y());
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_shell_startup.moc"
