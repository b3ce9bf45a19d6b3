#pragma once
// The teacher's class-list file, which keeps the pupils' names out of the study file.
// Two shapes are read: "number,name" rows in any order (a header row is passed over),
// or one name per line in the order of the subjects. As with the choices, a file is
// taken whole or not at all: every problem comes back with its line and column.

#include "csvimport.h"
#include "subjectnames.h"

#include <optional>
#include <vector>

struct ClassListRead {
    // An empty string for a subject the file leaves out; only when there is no problem.
    std::optional<SubjectNames> names;
    std::vector<ImportProblem> problems;
    bool ok() const { return names.has_value(); }
};

ClassListRead readClassList(const QString& text, int groupSize);

// The list as the program writes it: a header and a "number,name" row for each subject
// with a name, which readClassList reads back unchanged.
QString classListCsv(const SubjectNames& names);

// A name as the list keeps it: no blanks at the ends, and line breaks and runs of
// blanks made one space. Only blanks make an empty name.
QString cleanName(const QString& name);
