// Two surveys of one class compared: the ties kept, new and gone, what each pupil
// received, the status groups and mutual pairs, the stability of the ties and the CSV.
#include "comparison.h"
#include "surveypair.h"

#include <QtTest>

namespace {

// The cell of a subject's row under a column, or "(missing)" without such a column.
QString cell(const TextTable& table, int subject, const QString& column)
{
    const qsizetype c = table.header.indexOf(column);
    return c < 0 ? u"(missing)"_qs : table.rows.at(std::size_t(subject - 1)).at(c);
}

SurveyComparison pair(const QString& name)
{
    if (name == u"status")
        return compareSurveys(swappedStatusStudy(), statusStudy());
    if (name == u"one criterion") // the later survey asked the positive criterion alone
        return compareSurveys(swappedStatusStudy(),
                              survey(StatusPositive, {}, Codes::CriterionType::Positive, 10));
    return compareSurveys(survey(EarlierPositive, EarlierNegative),
                          survey(LaterPositive, LaterNegative));
}

} // namespace

class CompareTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void subjectTable_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        const auto row = [](const char* name, const char* pair, int subject, const char* column,
                            const char* value) {
            QTest::newRow(name) << QString(pair) << subject << QString(column) << QString(value);
        };
        row("received, earlier", "six", 3, "Positive earlier", "2");
        row("received, later", "six", 5, "Positive later", "2");
        row("received more", "six", 5, "Positive change", "+2");
        row("received fewer", "six", 3, "Positive change", "-1");
        row("received as many", "six", 1, "Positive change", "0");
        row("rejected less", "six", 6, "Negative change", "-1");
        row("rejected anew", "six", 2, "Negative change", "+1");
        row("mutual kept", "six", 2, "Mutual positive kept", "1");
        row("mutual lost", "six", 4, "Mutual positive lost", "1");
        row("mutual gained", "six", 6, "Mutual positive gained", "1");
        row("no mutual gained", "six", 1, "Mutual positive gained", "0");
        row("status before", "status", 1, "Status earlier", "Rejected");
        row("status after", "status", 1, "Status later", "Popular");
        row("status changed", "status", 2, "Status changed", "changed");
        row("status kept", "status", 3, "Status changed", "");
        row("one criterion: no status", "one criterion", 1, "Status later", "");
        row("one criterion: no mark", "one criterion", 2, "Status changed", "");
        row("the other survey's status", "one criterion", 2, "Status earlier", "Popular");
        row("criterion of one survey only", "one criterion", 1, "Negative earlier", "(missing)");
        row("one survey's criterion compared", "one criterion", 1, "Positive change", "+5");
    }

    void subjectTable()
    {
        QFETCH(QString, pair);
        QFETCH(int, subject);
        QFETCH(QString, column);
        const TextTable table = comparisonTable(::pair(pair), StatusMethod::CoieDodgeCoppotelli);
        QTEST(cell(table, subject, column), "value");
    }

    void tiesAndStability()
    {
        const SurveyComparison c = pair(u"six"_qs);
        QCOMPARE(tieChangesCsv(c.ties),
                 u"Chooser,Chosen,Criterion,Change\n"
                 "1,2,Positive,kept\n1,3,Positive,gone\n1,4,Positive,new\n2,1,Positive,kept\n"
                 "3,4,Positive,gone\n3,5,Positive,new\n4,3,Positive,kept\n5,1,Positive,kept\n"
                 "5,6,Positive,new\n6,5,Positive,new\n"
                 "2,6,Negative,gone\n3,6,Negative,kept\n4,2,Negative,new\n"_qs);
        QCOMPARE(c.stability.size(), 2u);
        QCOMPARE(c.stability[0].share(), std::optional<double>(0.4));
        QCOMPARE(c.stability[1].share(), std::optional<double>(1.0 / 3));
        // Only the criterion both surveys asked is compared, tie by tie.
        const SurveyComparison one = pair(u"one criterion"_qs);
        QCOMPARE(one.stability.size(), 1u);
        QVERIFY(std::all_of(one.ties.begin(), one.ties.end(),
                            [](const ChangedTie& t) { return t.choice.positive(); }));
        QCOMPARE(TieStability{}.share(), std::optional<double>());

        // Each survey's figures stand beside the other's, as the analysis gives them.
        for (const FigurePair& f : comparisonFigures(c, StatusMethod::CoieDodgeCoppotelli))
            if (f.name == u"Positive choices")
                QCOMPARE(f.earlier + u'/' + f.later, u"6/8"_qs);
    }

    void csvWithNames()
    {
        const QStringList names{u"Anna"_qs, u"Ben, Jr."_qs};
        const SurveyComparison c = pair(u"six"_qs);
        QCOMPARE(tieChangesCsv({c.ties[3]}, names).section(u'\n', 1, 1),
                 u"2,1,Positive,kept,\"Ben, Jr.\",Anna"_qs);
        const QStringList lines =
            comparisonTableCsv(c, StatusMethod::CoieDodgeCoppotelli, names).split(u'\n');
        QCOMPARE(lines.size(), 8); // header, six subjects, the last line's end
        QVERIFY(lines[0].startsWith(u"Subject,Name,Positive earlier,"_qs));
        QVERIFY(lines[2].startsWith(u"2,\"Ben, Jr.\",1,1,0,"_qs));
        QVERIFY(!comparisonTableCsv(c, StatusMethod::CoieDodgeCoppotelli).contains(u"Anna"_qs));
    }
};

QTEST_GUILESS_MAIN(CompareTest)
#include "tst_analysis_compare.moc"
