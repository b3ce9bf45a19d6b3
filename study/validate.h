#pragma once
// Checking the entries of the study window before a new study is begun. Every
// failing check tells the user why, so that one press of OK lists all that is wrong;
// only entries that pass every check reach the globals.

#include "globals.h"

#include <QCoreApplication>
#include <QString>

// What the study window's boxes hold when OK is pressed.
struct StudyEntries {
    QString criterion;                                           // IText(3)
    QString referenceName;                                       // IText(2)
    QString groupSize;                                           // IText(0)
    QString choices;                                             // IText(1)
    Global::Long criterionType = Codes::CriterionType::Positive; // item data of ICombo(0)
};

namespace StudyMessages {
inline const QString NoCriterion =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "You Must Enter the Relevant Criterion"));
inline const QString DuplicateName =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Duplicate Reference Names Are Not Advisable"));
inline const QString NoReferenceName =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "You Must Enter a Reference Name"));
inline const QString BadGroupSize =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Invalid Group Size - Please Try Again"));
inline const QString BadChoices =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Invalid Number of Choices - Please Try Again"));
} // namespace StudyMessages

// Runs every check in order, showing each failure's message. A study that is not yet
// stored (currentRecord 0) may not take a name the database already holds; once it
// is stored its own row carries the name, so the look-up is left out. When all pass,
// copies the entries into RefName, Question, GroupSize, MaxChoices and CriterionType
// and returns true.
bool Validate(const StudyEntries& entries, Global::Long currentRecord);

// True when the database holds a study whose NAME is exactly `name` (same
// characters and case, no trimming). A database that cannot be read is reported
// under "InfoForm:Validate" and counts as holding no such name.
bool nameIsStored(const QString& name);
