// Reading choices from comma-separated text: every problem with its line and column
// and nothing taken, the accepted shapes of a file, and the way back from an export.

#include "csvimport.h"
#include "exports.h"
#include "tst_analysis_fixtures.h"

#include <QTemporaryDir>
#include <QtTest>

class TestAnalysisImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void problems_data();
    void problems();
    void everyProblemIsReported();
    void cleanText_data();
    void cleanText();
    void applyingReplacesEveryChoiceCell();
    void applyingToAGridOfAnotherShapeChangesNothing();
    void fileReading();
};

void TestAnalysisImport::problems_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("sentence");
    // Six subjects, two choices.
    QTest::newRow("not a number") << u"1,2,x\n"_qs << 1 << 3 << u"\"x\" is not a number."_qs;
    QTest::newRow("out of the group after a header")
        << u"Chooser,Choice 1,Choice 2\n1,2,9\n"_qs << 2 << 3
        << u"9 is not a subject number from 1 to 6."_qs;
    QTest::newRow("zero") << u"1,0\n"_qs << 1 << 2 << u"0 is not a subject number from 1 to 6."_qs;
    QTest::newRow("fraction") << u"1,2.5\n"_qs << 1 << 2
                              << u"2.5 is not a subject number from 1 to 6."_qs;
    QTest::newRow("chooser out of the group")
        << u"7,1\n"_qs << 1 << 1 << u"7 is not a subject number from 1 to 6."_qs;
    QTest::newRow("self-choice") << u"1,2\n2,2\n"_qs << 2 << 2
                                 << u"Subject 2 cannot choose himself."_qs;
    QTest::newRow("too many choices")
        << u"1,2,3,4\n"_qs << 1 << 4 << u"More choices are given than the study allows (2)."_qs;
    QTest::newRow("chooser given twice")
        << u"1,2\n3,4\n1,5\n"_qs << 3 << 1
        << u"Subject 1 is given a second time; the first row is line 1."_qs;
    QTest::newRow("chosen twice in a row")
        << u"1,2,2\n"_qs << 1 << 3 << u"Subject 2 is chosen twice in this row."_qs;
    QTest::newRow("no chooser") << u"1,2\n,3\n"_qs << 2 << 1
                                << u"The row does not begin with the chooser's number."_qs;
    QTest::newRow("quote never closed")
        << u"1,\"2\n"_qs << 1 << 2 << u"A quoted field is not closed."_qs;
    QTest::newRow("header only") << u"Chooser,Choice 1\n"_qs << 1 << 1
                                 << u"The text holds no rows of choices."_qs;
    QTest::newRow("empty text") << QString() << 1 << 1 << u"The text holds no rows of choices."_qs;
    QTest::newRow("blank lines still count")
        << u"\r\n\r\n1;4\r\n2;x\r\n"_qs << 4 << 2 << u"\"x\" is not a number."_qs;
    QTest::newRow("a quoted line break moves the lines on")
        << u"\"1\",\"3\n\"\n2,y\n"_qs << 3 << 2 << u"\"y\" is not a number."_qs;
}

void TestAnalysisImport::problems()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, sentence);
    const ImportResult result = importChoicesCsv(text, 6, 2);
    QVERIFY(!result.ok());
    QVERIFY(!result.choices);
    QCOMPARE(result.problems.size(), std::size_t(1));
    QCOMPARE(result.problems[0].line, line);
    QCOMPARE(result.problems[0].column, column);
    QCOMPARE(result.problems[0].sentence, sentence);
    QCOMPARE(result.problems[0].text(),
             QStringLiteral("Line %1, column %2: %3").arg(line).arg(column).arg(sentence));
}

void TestAnalysisImport::everyProblemIsReported()
{
    const ImportResult result = importChoicesCsv(u"1,1,9\n2,3\n2,q\n"_qs, 6, 2);
    QVERIFY(!result.ok());
    QCOMPARE(result.problems.size(), std::size_t(4));
    QCOMPARE(result.problems[0].column, 2); // himself
    QCOMPARE(result.problems[1].column, 3); // 9
    QCOMPARE(result.problems[2].line, 3);   // 2 again
    QCOMPARE(result.problems[2].column, 1);
    QCOMPARE(result.problems[3].sentence, u"\"q\" is not a number."_qs);
}

void TestAnalysisImport::cleanText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cells"); // subject:slot=chosen, every filled cell
    QTest::newRow("commas") << u"1,2,3\n2,1\n"_qs << u"1:1=2 1:2=3 2:1=1"_qs;
    QTest::newRow("semicolons, CRLF, no final break")
        << u"1;2;3\r\n6;1"_qs << u"1:1=2 1:2=3 6:1=1"_qs;
    QTest::newRow("tabs") << u"4\t5\n"_qs << u"4:1=5"_qs;
    QTest::newRow("header with an empty corner") << u",Choice 1,Choice 2\n3,,1\n"_qs << u"3:2=1"_qs;
    QTest::newRow("quotes and blanks") << u"\"1\" , \" 2 \",\"4\"\n"_qs << u"1:1=2 1:2=4"_qs;
    QTest::newRow("trailing empty fields") << u"1,2,,,,\n"_qs << u"1:1=2"_qs;
    QTest::newRow("byte-order mark and header")
        << QString(QChar(0xFEFF)) + u"Chooser;Choice 1;Choice 2\n5;6;1\n"_qs << u"5:1=6 5:2=1"_qs;
    QTest::newRow("semicolons with a decimal-comma-free header")
        << u"Who; \"First, best\"; Second\n2;1;3\n"_qs << u"2:1=1 2:2=3"_qs;
}

void TestAnalysisImport::cleanText()
{
    QFETCH(QString, text);
    QFETCH(QString, cells);
    const ImportResult result = importChoicesCsv(text, 6, 2);
    for (const ImportProblem& p : result.problems)
        qWarning() << p.text();
    QVERIFY(result.ok());
    QVERIFY(result.problems.empty());
    QStringList found;
    for (int s = 1; s <= 6; ++s)
        for (int slot = 1; slot <= 2; ++slot)
            if (result.choices->at(s, slot) > 0)
                found
                    << QStringLiteral("%1:%2=%3").arg(s).arg(slot).arg(result.choices->at(s, slot));
    QCOMPARE(found.join(u' '), cells);
    QCOMPARE(result.choices->filled(), static_cast<int>(found.size()));
}

void TestAnalysisImport::applyingReplacesEveryChoiceCell()
{
    ChoiceGrid grid;
    shapeGrid(grid, 6, 2);
    grid.setTextMatrix(0, 1, u"Choice"_qs);
    fillRow(grid, 1, {u"5"_qs, u"6"_qs});
    fillRow(grid, 4, {u"x"_qs});
    const ImportResult result = importChoicesCsv(u"1,,3\n2,4\n"_qs, 6, 2);
    QVERIFY(result.ok());
    QVERIFY(applyImportedChoices(*result.choices, grid));
    QCOMPARE(grid.TextMatrix(2, 1), QString());
    QCOMPARE(grid.TextMatrix(2, 2), u"3"_qs);
    QCOMPARE(grid.TextMatrix(3, 1), u"4"_qs);
    QCOMPARE(grid.TextMatrix(5, 1), QString()); // not in the file: emptied
    QCOMPARE(grid.TextMatrix(0, 1), u"Choice"_qs);
    QCOMPARE(grid.TextMatrix(7, 0), u"6"_qs);
}

void TestAnalysisImport::applyingToAGridOfAnotherShapeChangesNothing()
{
    ChoiceGrid grid;
    shapeGrid(grid, 6, 3);
    fillRow(grid, 1, {u"5"_qs});
    const ImportResult result = importChoicesCsv(u"1,2\n"_qs, 6, 2);
    QVERIFY(result.ok());
    QVERIFY(!applyImportedChoices(*result.choices, grid));
    QCOMPARE(grid.TextMatrix(2, 1), u"5"_qs);
}

void TestAnalysisImport::fileReading()
{
    QTemporaryDir dir;
    const QString utf8 = dir.filePath(u"utf8.csv"_qs);
    const QString latin = dir.filePath(u"latin.csv"_qs);
    {
        QFile f(utf8);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBFSch\xC3\xBCler,Wahl\n1,2\n");
        QFile g(latin);
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write("Sch\xFCler;Wahl\n1;2\n");
    }
    const auto a = readTextFile(utf8);
    QVERIFY(a);
    QVERIFY(a->contains(u"Sch\u00fcler"_qs));
    QVERIFY(importChoicesCsv(*a, 6, 1).ok());
    const auto b = readTextFile(latin);
    QVERIFY(b);
    QVERIFY(b->startsWith(u"Sch\u00fcler"_qs));
    QVERIFY(importChoicesCsv(*b, 6, 1).ok());

    QString error;
    QVERIFY(!readTextFile(dir.filePath(u"missing.csv"_qs), &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestAnalysisImport)
#include "tst_analysis_import.moc"
