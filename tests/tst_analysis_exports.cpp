// The analysis's exports: the choices as an edge list and as GraphML, and the table of
// figures, undefined ones included.
#include "analysistable.h"
#include "csv.h"
#include "exports.h"
#include "sociometry.h"
#include "statusstudy.h"

#include <QXmlStreamReader>
#include <QtTest>

class AnalysisExportsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void edgeListAndCsvQuoting()
    {
        const Csv::Text csv = Csv::parse(choicesEdgeListCsv(statusStudy()), u',');
        QCOMPARE(csv.records.size(), std::size_t(1 + 15 + 15));
        QCOMPARE(csv.records[1].fields, QStringList({u"2"_qs, u"1"_qs, u"1"_qs, u"Positive"_qs}));
        const auto has = [&](const QStringList& fields) {
            return std::any_of(csv.records.begin(), csv.records.end(),
                               [&](const Csv::Record& r) { return r.fields == fields; });
        };
        QVERIFY(has({u"6"_qs, u"7"_qs, u"3"_qs, u"Positive"_qs}));
        QVERIFY(has({u"10"_qs, u"9"_qs, u"1"_qs, u"Negative"_qs}));
        QCOMPARE(Csv::line({u"a"_qs, u"b,c"_qs, u"say \"hi\""_qs, u"two\nlines"_qs}),
                 u"a,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\"\n"_qs);
    }

    void graphMl_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("edges"); // count, then source>target:sign:slot
        QTest::newRow("both criteria") << int(Codes::CriterionType::Both) << "30 6>7:1:3 1>10:-1:3";
        QTest::newRow("negative only") << int(Codes::CriterionType::Negative) << "15 1>10:-1:3";
    }
    void graphMl()
    {
        QFETCH(int, type);
        QFETCH(QString, edges);
        ChoiceSet set = statusStudy();
        set.criterionType = type;
        QXmlStreamReader xml(choicesGraphMl(set));
        int nodes = 0;
        QStringList found;
        std::map<QString, QString> data;
        while (!xml.atEnd()) {
            xml.readNext();
            const QXmlStreamAttributes at = xml.attributes();
            nodes += xml.isStartElement() && xml.name() == u"node";
            if (xml.isEndElement() && xml.name() == u"edge")
                found.last() += u':' + data[u"sign"_qs] + u':' + data[u"slot"_qs];
            else if (xml.isStartElement() && xml.name() == u"edge")
                found << at.value(u"source"_qs).toString() + u'>' +
                             at.value(u"target"_qs).toString();
            else if (xml.isStartElement() && xml.name() == u"data")
                data[at.value(u"key"_qs).toString()] = xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(nodes, 10);
        const QStringList want = edges.split(u' ');
        QCOMPARE(found.size(), want[0].toInt());
        for (const QString& e : want.mid(1))
            QVERIFY2(found.contains(e), qPrintable(e));
    }

    void analysisTableWithUndefinedFigures()
    {
        const Csv::Text coie = Csv::parse(
            analysisTableCsv(analyseChoices(statusStudy()), StatusMethod::CoieDodgeCoppotelli),
            u',');
        QCOMPARE(coie.records.size(), std::size_t(11));
        const QStringList header = coie.records[0].fields;
        const QStringList first = coie.records[1].fields;
        QCOMPARE(first[header.indexOf(u"Positive received"_qs)], u"5"_qs);
        QCOMPARE(first[header.indexOf(u"SP"_qs)], u"1.970"_qs);
        QCOMPARE(first.last(), u"Popular"_qs);
        QCOMPARE(coie.records[2].fields[header.indexOf(u"Rejected only"_qs)], u"yes"_qs);
        ChoiceSet ring = emptyChoiceSet(6, 1, Codes::CriterionType::Both);
        ring.positive = choicesOf(Ring); // and no negative choice
        const SociometricAnalysis r = analyseChoices(ring);
        const TextTable table = subjectTable(r, StatusMethod::CoieDodgeCoppotelli);
        QCOMPARE(table.rows[0][table.header.indexOf(u"zLM"_qs)], u"undefined"_qs);
        QCOMPARE(table.rows[0].last(), u"undefined"_qs);
        std::map<QString, QString> figures;
        for (const auto& [name, value] : groupFigures(r, StatusMethod::NewcombBukowski))
            figures[name] = value;
        QCOMPARE(figures[u"Negative reciprocity"_qs], u"undefined"_qs);
        QCOMPARE(figures[u"Positive reciprocity"_qs], u"0.000"_qs);
        QCOMPARE(figures[u"Positive density"_qs], u"0.200"_qs);
        QCOMPARE(figures[u"undefined"_qs], u"6"_qs); // every subject's status group
    }
};

QTEST_GUILESS_MAIN(AnalysisExportsTest)
#include "tst_analysis_exports.moc"
