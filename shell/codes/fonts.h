#pragma once
// The program's type, in one place: the families its windows, pictures and pages were
// designed in. A family missing on a machine falls back to the nearest the system has,
// which is why the windows fit themselves to their texts. Needs Qt Gui: only the
// windows and the drawing include it.

#include <QFont>
#include <QString>

namespace Fonts {

inline const QString Sans = QStringLiteral("MS Sans Serif");     // controls, the labels
inline const QString Serif = QStringLiteral("Times New Roman");  // the windows' captions
inline const QString Ballot = QStringLiteral("Arial");           // the printed slips
inline const QString Report = QStringLiteral("Liberation Sans"); // the class report's page

// A font of `family` at `points`, bold or not.
inline QFont font(const QString& family, double points, bool bold = false)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The small type of the windows' lists and dialogs.
inline QFont small()
{
    return font(Sans, 8.25);
}

} // namespace Fonts
