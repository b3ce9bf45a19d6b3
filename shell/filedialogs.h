#pragma once
// The file dialogs of every window, so that all start in the folder used last and
// suggest a name from the study (FileFolder), and all answer to the same kind of test
// hook.

#include "subjectnames.h"

#include <QString>
#include <QStringList>
#include <functional>

class QCheckBox;
class QWidget;

// Asks for a file, starting at `start` (a suggested file, or a folder); empty when the
// user cancelled. A window keeps one of these as its test hook: tests answer in place
// of the dialog and see where it would have started.
using FileNameAsker = std::function<QString(QWidget* parent, const QString& caption,
                                            const QString& start, const QString& filter)>;

// Asks for a file to write, starting at FileFolder::suggested(what, suffix); a name
// typed without an ending gets `suffix`. The folder chosen is remembered for the next
// dialog. `ask` answers instead of the dialog when set.
QString askSaveFile(QWidget* parent, const QString& caption, const QString& what,
                    const QString& suffix, const QString& filter, const FileNameAsker& ask = {});
// Asks for a file to read, starting in FileFolder::lastUsed(); remembers its folder.
QString askOpenFile(QWidget* parent, const QString& caption, const QString& filter,
                    const FileNameAsker& ask = {});

// Tests answer the question of where to save here; empty shows the dialog.
FileNameAsker& saveFileName();
// Asks where (askSaveFile, suggesting `what` and `suffix`, through saveFileName) and
// writes the text there; a file that cannot be written is said in a message. Every
// window's export saves this way.
void saveText(QWidget* parent, const QString& caption, const QString& what, const QString& suffix,
              const QString& filter, const QString& text);
// The file dialog's choice of comma-separated files, in the language of the run.
QString csvFilter();
inline const QString CsvSuffix = QStringLiteral("csv");
// "With names" beside an export: off at first and after every export, and open only
// while the study has a class list, so that a file carries names only when asked.
// `names` is the window's class list; the window offers its list again whenever it
// changes.
QCheckBox* makeNamesBox(QWidget* parent, const SubjectNames& names);
void offerNames(QCheckBox* box, const SubjectNames& names);
// Its caption, for a window that changes language.
QString namesBoxText();
// The names the box asks for, of the window's `names` (none when it is off); the box is
// off again afterwards.
SubjectNames takeNames(QCheckBox* box, const SubjectNames& names);
