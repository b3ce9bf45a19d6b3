#pragma once
// The ties of two surveys of the study, when the comparison hands them over: which were
// kept, which are new and which are gone since the other survey, and whether the window
// draws them ("Show C&hanges") or the study's own choices. Held for as long as the
// window is open; nothing of it is stored.

#include "tiechange.h"

#include <QObject>
#include <QString>

class SurveyChanges : public QObject {
    Q_OBJECT
public:
    const TieChanges& ties() const { return changes; }
    // The other survey, as the key and the title name it.
    const QString& comparedWith() const { return other; }
    bool available() const { return !changes.empty(); }
    // Drawn instead of the study's own choices.
    bool shown() const { return available() && on; }

    // New ties shown at once; none puts the study's own choices back.
    void setChanges(const TieChanges& ties, const QString& comparedWith);
    // "Show C&hanges": back to the study's own choices and forth again.
    void setShown(bool shown);

Q_SIGNALS:
    // The lines, the key and the View command follow.
    void changed();

private:
    TieChanges changes;
    QString other;
    bool on = false;
};
