#pragma once
// "&Import Choices...": reads a file of choices into the grid of the criterion in view.

#include "csvimport.h"
#include "filedialogs.h"

#include <QString>
#include <optional>
#include <vector>

class ChoiceGrid;
class QWidget;

// Asks for the file, reads it and, when it is clean and the user agrees to replace
// the choices already in the grid, writes its choices into the grid. Every problem
// of the file is reported and leaves the grid as it was. True when the grid was
// changed, so that the caller can note unsaved changes.
bool ImportChoices(ChoiceGrid& grid, QWidget* parent);
// The same with a file already chosen.
bool ImportChoicesFrom(const QString& path, ChoiceGrid& grid);

// The text of a file a teacher picked, or nothing after a message saying why it could
// not be read.
std::optional<QString> readPickedFile(const QString& path);

struct ImportTarget {
    ChoiceGrid* grid;
    const ImportedChoices* choices;
};
// Before an import changes grids that hold choices: true when the rows the file does
// not name keep their choices, false when they become empty (or there is nothing to
// keep), nothing when the user cancelled.
std::optional<bool> askKeepOtherRows(const std::vector<ImportTarget>& targets);

// Tests answer the question of which file to read here; empty shows the dialog.
FileNameAsker& importFileName();
