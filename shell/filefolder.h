#pragma once
// Where the program's file dialogs start: the folder the user last chose a file in
// during this run (the documents folder at first), with a name made from the study's
// reference name, so that a teacher's files of one class land together and can be
// told apart. Nothing is stored: each run starts from the documents folder again.

#include <QString>

namespace FileFolder {

// The folder a file was last opened from or saved to in this run.
QString lastUsed();
// Notes the folder of a file the user chose; an empty path (a cancelled dialog) is
// passed over.
void remember(const QString& path);
// A path in lastUsed() named after the study and what the file holds:
// suggested("analysis", "csv") is ".../Class 4b - analysis.csv", suggested({}, "graphml")
// ".../Class 4b.graphml". Characters a file name cannot hold are left out.
QString suggested(const QString& what, const QString& suffix);
// Back to the documents folder, as at start-up.
void forget();

} // namespace FileFolder

// Writes the whole text as UTF-8, replacing the file only once it is complete.
bool writeTextFile(const QString& path, const QString& text, QString* error = nullptr);
