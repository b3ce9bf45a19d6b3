#pragma once
// The choices of the study in the data window, for the analysis and the exports.

#include "choiceset.h"

// The criterion in view comes from the data window's grid, unsaved changes included;
// for a Both study the other criterion comes from the stored answers. A failure to
// read them goes to the error report under `label`; when the user goes on, the other
// criterion is left empty and storedUnread says so.
struct CurrentChoices {
    ChoiceSet choices;
    bool storedUnread = false;
};

CurrentChoices currentStudyChoices(const QString& label = QStringLiteral("DataForm:Analysis"));
