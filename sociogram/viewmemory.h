#pragma once
// The View choices of each study, kept from one opening of its sociogram to the next
// until the program ends, whichever layout is opened. Nothing of it goes to a file:
// they are choices of the moment, not part of the study. Keyed by the study's record
// number, 0 for a study never stored.

#include <QList>
#include <cstdint>

struct ViewChoices {
    bool colourChoices = false;
    bool otherCriterion = true;
    // The group (from 0) of each subject, by subject number; empty when none are shown.
    QList<int> groups;
    bool showStatus = false;
    // Names under the labels; shown only while a class list is loaded for the study.
    bool showNames = true;
    // Lines round labels, as last chosen, for an arrangement restored or moved; a layout
    // just run draws its straight lines whatever was chosen.
    bool linesRound = true;
};

class ViewMemory {
public:
    // The choices last kept for `study`, or those a sociogram opens with.
    static ViewChoices recall(std::int32_t study);
    static void keep(std::int32_t study, const ViewChoices& choices);
};
