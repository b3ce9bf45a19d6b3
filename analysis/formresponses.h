#pragma once
// The responses a form tool exports: one row per respondent, a header naming the
// questions. The respondent is a name or a number; each criterion's choices are one
// column holding every classmate picked (joined by ";" or ",") or one column per
// choice slot. Names are matched to the class list; every problem comes back with its
// line and column, and only the rows without one are taken.

#include "csv.h"
#include "csvimport.h"
#include "subjectnames.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

enum class FormRole { Ignored, Respondent, Positive, Negative };

struct FormSheet {
    QStringList header;                  // the first row that holds anything
    std::vector<Csv::Record> rows;       // the rows after it
    int columns = 0;                     // of the widest row
    std::vector<ImportProblem> problems; // a file with no responses or that is not text
};

FormSheet readFormSheet(const QString& text);

// What each column holds, guessed from its heading: timestamps and e-mail addresses are
// ignored, the respondent comes first, then the study's criteria.
std::vector<FormRole> guessFormRoles(const QStringList& header, int criterionType);

struct FormStudy {
    int groupSize = 0;
    int maxChoices = 0;
    int criterionType = 0;
    SubjectNames names; // empty without a class list
};

struct FormResponses {
    // Only the criteria some column holds, and in them only the rows without a problem.
    std::optional<ImportedChoices> positive;
    std::optional<ImportedChoices> negative;
    std::vector<ImportProblem> problems;
    int rowsTaken = 0;
    int rowsLeftOut = 0;
};

FormResponses readFormResponses(const FormSheet& sheet, const std::vector<FormRole>& roles,
                                const FormStudy& study);

// How a name is compared: case, accents, runs of blanks and a final period do not count.
QString nameKey(const QString& name);
