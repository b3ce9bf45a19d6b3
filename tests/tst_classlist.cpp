// Class-list files: names read with or without numbers, or refused whole with every
// problem found, and what the program writes read back unchanged.
#include "classlistfile.h"
#include "csvimport.h"

#include <QtTest>

class ClassListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void classListText_data()
    {
        // Six subjects: subject=name of every name read, or the problems.
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("numbers in any order, a header")
            << u"Number;Name\n5; Zo\u00eb  Ng \n1;\"Smith, Anna\"\n"_qs
            << u"1=Smith, Anna 5=Zo\u00eb Ng"_qs;
        QTest::newRow("a name a line, CRLF, empty lines at the end")
            << u"Anna\r\nO\u2019Brien, Ben\r\n\r\n \r\n"_qs << u"1=Anna 2=O\u2019Brien, Ben"_qs;
        QTest::newRow("number outside the group")
            << u"7,Gus\n"_qs << u"Line 1, column 1: 7 is not a subject number from 1 to 6."_qs;
        QTest::newRow("number twice")
            << u"1,Al\n1,Bo\n"_qs
            << u"Line 2, column 1: Subject 1 is given a second time; the first row is line 1."_qs;
        QTest::newRow("a name of blanks")
            << u"1,Al\n2,  \n"_qs << u"Line 2, column 2: The name is empty."_qs;
        QTest::newRow("an empty line among names")
            << u"Al\n \nCy\n"_qs
            << u"Line 2, column 1: The line holds no name: without numbers, each line is the "
               "name of the next subject."_qs;
        QTest::newRow("more names than subjects")
            << u"A\nB\nC\nD\nE\nF\nG\nH\n"_qs
            << u"Line 7, column 1: The list holds 8 names for the 6 subjects of the study."_qs;
        QTest::newRow("not text") << u"Al\nB;\u0001;x\n"_qs
                                  << u"Line 2, column 2: The file is not text: it holds control "
                                     "characters."_qs;
        QTest::newRow("a header only")
            << u"Number,Name\n"_qs << u"Line 1, column 1: The file holds no names."_qs;
    }
    void classListText()
    {
        QFETCH(QString, text);
        const ClassListRead read = readClassList(text, 6);
        QStringList found;
        for (const ImportProblem& p : read.problems)
            found << p.text();
        for (int s = 1; read.names && s <= 6; ++s)
            if (!read.names->at(s - 1).isEmpty())
                found << QStringLiteral("%1=%2").arg(s).arg(read.names->at(s - 1));
        QTEST(found.join(u' '), "result");
        if (read.names) // what the program writes, it reads back unchanged
            QCOMPARE(readClassList(classListCsv(*read.names), 6).names, read.names);
    }
};

QTEST_GUILESS_MAIN(ClassListTest)
#include "tst_classlist.moc"
