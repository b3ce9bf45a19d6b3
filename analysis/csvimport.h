#pragma once
// Choices typed or exported elsewhere, read from comma-separated text in the shape of
// the survey sheet: one row per chooser, the chooser's number first and then the
// chosen subjects' numbers in slot order. A file either reads cleanly as a whole or
// gives back every problem found, and then nothing is taken from it.

#include "textfile.h"

#include <QString>
#include <optional>
#include <vector>

class ChoiceGrid;

struct ImportProblem {
    int line = 0;   // from 1
    int column = 0; // field of the row, from 1 (the chooser's number is column 1)
    QString sentence;
    QString text() const; // "Line 3, column 2: ..."
};

// Choice cells by subject and slot; 0 is an empty cell.
class ImportedChoices {
public:
    ImportedChoices(int groupSize, int maxChoices);
    int groupSize() const { return size; }
    int maxChoices() const { return slots; }
    int at(int subject, int slot) const;
    void set(int subject, int slot, int chosen);
    int filled() const; // cells holding a choice
    // A subject the file gives a row for, even an empty one.
    void markNamed(int subject);
    bool named(int subject) const;

private:
    int size;
    int slots;
    std::vector<int> cells;
    std::vector<bool> rows;
};

struct ImportResult {
    std::optional<ImportedChoices> choices; // only when there is no problem
    std::vector<ImportProblem> problems;
    bool ok() const { return choices.has_value(); }
};

// The subject number a field holds, from 1 to groupSize; otherwise nothing, and `why`
// holds the sentence that says what is wrong.
std::optional<int> subjectField(const QString& field, int groupSize, QString& why);

ImportResult importChoicesCsv(const QString& text, int groupSize, int maxChoices);

// Replaces the choice cells of the grid with the imported ones; the rows of subjects the
// file does not name become empty, or keep their choices with `keepOtherRows`. False, and
// the grid untouched, when its shape is not the study's.
bool applyImportedChoices(const ImportedChoices& choices, ChoiceGrid& grid,
                          bool keepOtherRows = false);

// How many problems one message lists before it only counts the rest.
constexpr int ProblemsListed = 10;
// The heading, then a line for each problem up to ProblemsListed, then how many more.
QString problemListing(const QString& heading, const std::vector<ImportProblem>& problems);
