#pragma once
// The file dialogs of every window, so that all start in the folder used last and
// suggest a name from the study (FileFolder), and all answer to the same kind of test
// hook.

#include <QString>
#include <functional>

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
