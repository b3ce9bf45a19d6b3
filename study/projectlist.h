#pragma once
// The studies stored in the database as the project list shows them, and deleting
// one of them with everything that belongs to it.

#include "globals.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

struct ProjectEntry {
    QString name;            // NAME; an empty field lists as an empty text
    Global::Long record = 0; // RECORD
};

namespace ProjectMessages {
inline const QString DeleteQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Delete the Current Record?"));
inline const QString NotDeleted = QStringLiteral(
    QT_TRANSLATE_NOOP("Messages", "The Project Could Not Be Deleted - It Has Been Left As It Was"));
} // namespace ProjectMessages

// Every study by ascending RECORD. Failures are reported under "LoadForm:LoadData";
// a row whose RECORD is no whole number is reported and left out, since it could be
// neither opened nor deleted.
std::vector<ProjectEntry> readProjectList();

// True when the study file opens and holds no study. Nothing is reported: a file that
// cannot be read is reported when the user first works with it.
bool studyFileIsEmpty();

// Removes the study's header, answers and saved positions of every layout, all or
// nothing: a step that fails and is passed over undoes the others and the user is
// told that the study was left as it was. Failures are reported under
// "LoadForm:DeleteRecord". Returns true when the study is gone.
bool deleteProject(Global::Long record);
