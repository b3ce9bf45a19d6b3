#include "exports.h"

#include "analysistable.h"
#include "csv.h"
#include "groups.h"

#include <QXmlStreamWriter>

namespace {

QString number(int v)
{
    return QString::number(v);
}

void writeKey(QXmlStreamWriter& xml, const QString& id, const QString& target, const QString& type)
{
    xml.writeStartElement(QStringLiteral("key"));
    xml.writeAttribute(QStringLiteral("id"), id);
    xml.writeAttribute(QStringLiteral("for"), target);
    xml.writeAttribute(QStringLiteral("attr.name"), id);
    xml.writeAttribute(QStringLiteral("attr.type"), type);
    xml.writeEndElement();
}

void writeData(QXmlStreamWriter& xml, const QString& key, const QString& value)
{
    xml.writeStartElement(QStringLiteral("data"));
    xml.writeAttribute(QStringLiteral("key"), key);
    xml.writeCharacters(value);
    xml.writeEndElement();
}

} // namespace

QString choicesEdgeListCsv(const ChoiceSet& choices, const SubjectNames& names)
{
    QStringList header{QStringLiteral("Chooser"), QStringLiteral("Chosen"), QStringLiteral("Slot"),
                       QStringLiteral("Criterion")};
    if (!names.empty())
        header << QStringLiteral("Chooser name") << QStringLiteral("Chosen name");
    QString out = Csv::line(header);
    for (Criterion c : {Criterion::Positive, Criterion::Negative}) {
        if (!choices.has(c))
            continue;
        for (const Choice& choice : choices.of(c)) {
            QStringList row{number(choice.chooser), number(choice.chosen), number(choice.slot),
                            criterionName(c)};
            if (!names.empty())
                row << nameOf(names, choice.chooser) << nameOf(names, choice.chosen);
            out += Csv::line(row);
        }
    }
    return out;
}

QString choicesGraphMl(const ChoiceSet& choices, const SubjectNames& names)
{
    QString out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("graphml"));
    xml.writeDefaultNamespace(QStringLiteral("http://graphml.graphdrawing.org/xmlns"));
    writeKey(xml, QStringLiteral("sign"), QStringLiteral("edge"), QStringLiteral("int"));
    writeKey(xml, QStringLiteral("slot"), QStringLiteral("edge"), QStringLiteral("int"));
    if (!names.empty())
        writeKey(xml, QStringLiteral("name"), QStringLiteral("node"), QStringLiteral("string"));
    xml.writeStartElement(QStringLiteral("graph"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("sociogram"));
    xml.writeAttribute(QStringLiteral("edgedefault"), QStringLiteral("directed"));
    for (int s = 1; s <= choices.groupSize; ++s) {
        xml.writeStartElement(QStringLiteral("node"));
        xml.writeAttribute(QStringLiteral("id"), number(s));
        if (const QString name = nameOf(names, s); !name.isEmpty())
            writeData(xml, QStringLiteral("name"), name);
        xml.writeEndElement();
    }
    int edge = 0;
    for (Criterion c : {Criterion::Positive, Criterion::Negative}) {
        if (!choices.has(c))
            continue;
        const QString sign = c == Criterion::Positive ? QStringLiteral("1") : QStringLiteral("-1");
        for (const Choice& choice : choices.of(c)) {
            xml.writeStartElement(QStringLiteral("edge"));
            xml.writeAttribute(QStringLiteral("id"), QStringLiteral("e%1").arg(++edge));
            xml.writeAttribute(QStringLiteral("source"), number(choice.chooser));
            xml.writeAttribute(QStringLiteral("target"), number(choice.chosen));
            writeData(xml, QStringLiteral("sign"), sign);
            writeData(xml, QStringLiteral("slot"), number(choice.slot));
            xml.writeEndElement();
        }
    }
    xml.writeEndElement(); // graph
    xml.writeEndElement(); // graphml
    xml.writeEndDocument();
    return out;
}

QString analysisTableCsv(const SociometricAnalysis& analysis, StatusMethod method,
                         const SubjectNames& names)
{
    return tableCsv(withNames(subjectTable(analysis, method), names));
}
