// What the exports write: the edge list, the GraphML graph read back with an XML
// reader, the analysis table with its undefined figures, and the file writing.

#include "analysistable.h"
#include "csv.h"
#include "exports.h"
#include "tst_analysis_fixtures.h"

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <map>

class TestAnalysisExports : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void edgeList();
    void graphMl();
    void graphMlOfAOneCriterionStudy();
    void analysisTable();
    void undefinedFiguresAreWords();
    void csvFieldsAreQuotedWhenNeeded();
    void writingFiles();
};

void TestAnalysisExports::edgeList()
{
    const ChoiceSet set = statusStudy();
    const Csv::Text csv = Csv::parse(choicesEdgeListCsv(set), u',');
    QCOMPARE(csv.records.size(), std::size_t(1 + 15 + 15));
    QCOMPARE(csv.records[0].fields,
             QStringList({u"Chooser"_qs, u"Chosen"_qs, u"Slot"_qs, u"Criterion"_qs}));
    QCOMPARE(csv.records[1].fields, QStringList({u"2"_qs, u"1"_qs, u"1"_qs, u"Positive"_qs}));
    // Subject 6 chose 7 in its third slot; subject 10 disliked 9 in its first.
    const auto has = [&](const QStringList& fields) {
        return std::any_of(csv.records.begin(), csv.records.end(),
                           [&](const Csv::Record& r) { return r.fields == fields; });
    };
    QVERIFY(has({u"6"_qs, u"7"_qs, u"3"_qs, u"Positive"_qs}));
    QVERIFY(has({u"10"_qs, u"9"_qs, u"1"_qs, u"Negative"_qs}));
}

void TestAnalysisExports::graphMl()
{
    const ChoiceSet set = statusStudy();
    QXmlStreamReader xml(choicesGraphMl(set));
    int nodes = 0;
    std::map<QString, int> signs;
    std::map<QString, QString> keyFor;
    QString dataKey;
    QString source, target;
    QStringList ids;
    bool directed = false;
    std::vector<std::tuple<int, int, int, int>> edges; // source, target, sign, slot
    int sign = 0, slot = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto attr = xml.attributes();
            if (xml.name() == u"key")
                keyFor[attr.value(QStringLiteral("id")).toString()] =
                    attr.value(QStringLiteral("for")).toString();
            if (xml.name() == u"graph")
                directed = attr.value(QStringLiteral("edgedefault")) == u"directed";
            if (xml.name() == u"node") {
                ++nodes;
                ids << attr.value(QStringLiteral("id")).toString();
            }
            if (xml.name() == u"edge") {
                source = attr.value(QStringLiteral("source")).toString();
                target = attr.value(QStringLiteral("target")).toString();
            }
            if (xml.name() == u"data") {
                dataKey = attr.value(QStringLiteral("key")).toString();
                const QString value = xml.readElementText();
                if (dataKey == u"sign") {
                    sign = value.toInt();
                    ++signs[value];
                } else if (dataKey == u"slot") {
                    slot = value.toInt();
                }
            }
        }
        if (xml.isEndElement() && xml.name() == u"edge")
            edges.emplace_back(source.toInt(), target.toInt(), sign, slot);
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(directed);
    QCOMPARE(nodes, 10);
    QCOMPARE(ids.first(), u"1"_qs);
    QCOMPARE(ids.last(), u"10"_qs);
    QCOMPARE(edges.size(), std::size_t(30));
    QCOMPARE(signs[u"1"_qs], 15);
    QCOMPARE(signs[u"-1"_qs], 15);
    QCOMPARE(keyFor[u"sign"_qs], u"edge"_qs);
    QCOMPARE(keyFor[u"slot"_qs], u"edge"_qs);
    QVERIFY(std::find(edges.begin(), edges.end(), std::make_tuple(6, 7, 1, 3)) != edges.end());
    QVERIFY(std::find(edges.begin(), edges.end(), std::make_tuple(1, 10, -1, 3)) != edges.end());
}

void TestAnalysisExports::graphMlOfAOneCriterionStudy()
{
    ChoiceSet set = emptyChoiceSet(6, 1, Codes::CriterionType::Negative);
    set.negative = choicesOf({{1, {2}}});
    set.positive = choicesOf({{2, {1}}}); // not part of the study: never written
    QXmlStreamReader xml(choicesGraphMl(set));
    int edges = 0, nodes = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            edges += xml.name() == u"edge" ? 1 : 0;
            nodes += xml.name() == u"node" ? 1 : 0;
        }
    }
    QVERIFY(!xml.hasError());
    QCOMPARE(nodes, 6);
    QCOMPARE(edges, 1);
}

void TestAnalysisExports::analysisTable()
{
    const SociometricAnalysis a = analyseChoices(statusStudy());
    const Csv::Text coie = Csv::parse(analysisTableCsv(a, StatusMethod::CoieDodgeCoppotelli), u',');
    QCOMPARE(coie.records.size(), std::size_t(11));
    const QStringList header = coie.records[0].fields;
    QCOMPARE(header.first(), u"Subject"_qs);
    QCOMPARE(header.last(), u"Coie-Dodge-Coppotelli"_qs);
    const QStringList first = coie.records[1].fields;
    QCOMPARE(first[header.indexOf(u"Positive received"_qs)], u"5"_qs);
    QCOMPARE(first[header.indexOf(u"zLM"_qs)], u"2.040"_qs);
    QCOMPARE(first[header.indexOf(u"SP"_qs)], u"1.970"_qs);
    QCOMPARE(first.last(), u"Popular"_qs);
    QCOMPARE(coie.records[5].fields.last(), u"Unclassified"_qs);
    QCOMPARE(coie.records[2].fields[header.indexOf(u"Isolate"_qs)], u"yes"_qs);
    QCOMPARE(coie.records[2].fields[header.indexOf(u"Rejected only"_qs)], u"yes"_qs);

    const Csv::Text newcomb = Csv::parse(analysisTableCsv(a, StatusMethod::NewcombBukowski), u',');
    QCOMPARE(newcomb.records[0].fields.last(), u"Newcomb-Bukowski"_qs);
    QCOMPARE(newcomb.records[5].fields.last(), u"Average"_qs);

    ChoiceSet positive = emptyChoiceSet(6, 1, Codes::CriterionType::Positive);
    positive.positive = choicesOf({{1, {2}}});
    const Csv::Text plain =
        Csv::parse(analysisTableCsv(analyseChoices(positive), StatusMethod::NewcombBukowski), u',');
    QVERIFY(!plain.records[0].fields.contains(u"zLM"_qs));
    QCOMPARE(plain.records[0].fields.last(), u"Rejected only"_qs);
}

void TestAnalysisExports::undefinedFiguresAreWords()
{
    ChoiceSet ring = emptyChoiceSet(6, 1, Codes::CriterionType::Both);
    ring.positive = choicesOf({{1, {2}}, {2, {3}}, {3, {4}}, {4, {5}}, {5, {6}}, {6, {1}}});
    const SociometricAnalysis a = analyseChoices(ring); // no negative choice either
    const TextTable table = subjectTable(a, StatusMethod::CoieDodgeCoppotelli);
    const int zLM = static_cast<int>(table.header.indexOf(u"zLM"_qs));
    QCOMPARE(table.rows[0][zLM], u"undefined"_qs);
    QCOMPARE(table.rows[0].last(), u"undefined"_qs);

    const FigureList figures = groupFigures(a, StatusMethod::NewcombBukowski);
    const auto value = [&](const QString& name) {
        for (const auto& [n, v] : figures)
            if (n == name)
                return v;
        return u"(missing)"_qs;
    };
    QCOMPARE(value(u"Negative reciprocity"_qs), u"undefined"_qs);
    QCOMPARE(value(u"Positive choices received, standard deviation"_qs), u"undefined"_qs);
    QCOMPARE(value(u"Positive reciprocity"_qs), u"0.000"_qs);
    QCOMPARE(value(u"Positive density"_qs), u"0.200"_qs);
    QCOMPARE(value(u"undefined"_qs), u"6"_qs); // every subject's status group
    QCOMPARE(value(u"Negative received chance per chooser"_qs), u"undefined"_qs);
}

void TestAnalysisExports::csvFieldsAreQuotedWhenNeeded()
{
    QCOMPARE(Csv::line({u"a"_qs, u"b,c"_qs, u"say \"hi\""_qs, u"two\nlines"_qs}),
             u"a,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\"\n"_qs);
    const Csv::Text back = Csv::parse(Csv::line({u"b,c"_qs, u"say \"hi\""_qs}), u',');
    QCOMPARE(back.records[0].fields, QStringList({u"b,c"_qs, u"say \"hi\""_qs}));
}

void TestAnalysisExports::writingFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"table.csv"_qs);
    QVERIFY(writeTextFile(path, u"Sch\u00fcler\n"_qs));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Sch\xC3\xBCler\n"));
    QString error;
    QVERIFY(!writeTextFile(dir.filePath(u"no/such/folder/t.csv"_qs), u"x"_qs, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestAnalysisExports)
#include "tst_analysis_exports.moc"
