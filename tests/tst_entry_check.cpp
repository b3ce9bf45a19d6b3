// The check of one typed choice in the entry window.
#include "entrycheck.h"
#include "scriptedmessages.h"

#include <QtTest>

class EntryCheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void check_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        const QString tooLarge = QStringLiteral("Choice Cannot Be Greater Than 12");
        const QString self = QStringLiteral("Subjects Cannot Choose Themselves ");
        const QString notNumber = QStringLiteral("Choice Must Be A Subject Number");
        QTest::newRow("another subject") << "7"
                                         << "3" << true << "";
        QTest::newRow("the last subject") << "12"
                                          << "3" << true << "";
        QTest::newRow("above the group") << "13"
                                         << "3" << false << tooLarge;
        QTest::newRow("far above") << "999"
                                   << "3" << false << tooLarge;
        QTest::newRow("oneself") << "3"
                                 << "3" << false << self;
        QTest::newRow("oneself written 03") << "03"
                                            << "3" << true << "";
        QTest::newRow("zero") << "0"
                              << "3" << true << "";
        QTest::newRow("negative") << "-1"
                                  << "3" << true << "";
        QTest::newRow("fraction") << "2.5"
                                  << "3" << true << "";
        QTest::newRow("empty clears") << ""
                                      << "3" << true << "";
        QTest::newRow("blanks clear") << "  "
                                      << "3" << true << "";
        QTest::newRow("a letter") << "x"
                                  << "3" << false << notNumber;
        QTest::newRow("digits then letter") << "3x"
                                            << "4" << false << notNumber;
        QTest::newRow("range before self") << "13"
                                           << "13" << false << tooLarge;
    }
    void check()
    {
        QFETCH(QString, typed);
        QFETCH(QString, subject);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        ScriptedMessages messages;
        QCOMPARE(ValidateChoice(typed, subject, 12), accepted);
        if (message.isEmpty()) {
            QCOMPARE(messages.count(), 0);
        } else {
            QCOMPARE(messages.texts(), QStringList{message});
            QCOMPARE(messages.shown()[0].buttons, Buttons::Ok);
            QCOMPARE(messages.shown()[0].icon, Icon::Information);
            QCOMPARE(messages.shown()[0].title, QStringLiteral("Help"));
        }
    }
};

QTEST_GUILESS_MAIN(EntryCheckTest)
#include "tst_entry_check.moc"
