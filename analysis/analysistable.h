#pragma once
// The analysis as tables of text: the per-subject table (shown by the analysis window
// and written by "Export Table...") and the group figures, each figure that cannot
// be computed shown as the word "undefined".

#include "sociometry.h"
#include "subjectnames.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

struct TextTable {
    QStringList header;
    std::vector<QStringList> rows;
};

TextTable subjectTable(const SociometricAnalysis& analysis, StatusMethod method);
// The table with a "Name" column after the subject's number; no names leave it as it is.
TextTable withNames(TextTable table, const SubjectNames& names);
// The table as comma-separated text: the header line, then a line per row.
QString tableCsv(const TextTable& table);

// A number of a table as the language in use writes it ("0.256" is "0,256" in German),
// with as many decimals; any other text as it is. The tables keep the point, as the CSV
// files do.
QString shownNumber(const QString& text);

// How the analysis writes a figure: three decimals, or "undefined".
QString figureText(const std::optional<double>& value, int decimals = 3);

// Figure name and value, in the order a reader wants them.
using FigureList = std::vector<std::pair<QString, QString>>;
FigureList groupFigures(const SociometricAnalysis& analysis, StatusMethod method);

// The line under the analysis table: every maximal set of three or more subjects whose
// every pair chose each other under the positive criterion, such as "Cliques (every pair
// chose each other): 5, 9, 14, 20; 3, 7, 12", or "No cliques". With names each number is followed
// by its subject's name, as the table shows them: "5 Anna, 9 Ben, 14 Chloé".
QString cliquesText(const ChoiceSet& choices, const SubjectNames& names = {});
