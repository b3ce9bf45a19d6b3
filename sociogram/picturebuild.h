#pragma once
// The whole sociogram picture as one primitive list: the guide, the choice lines or the
// ties of two surveys, the names, the labels in their groups' colours and the status marks,
// and on a page or in a file the title above and the key beside.
// The window, the printed page and every exported file paint what this builds, so that
// none of them can show another picture. Values in, primitives out: what is shown is
// handed over, nothing is fetched from the run.

#include "changedraw.h"
#include "choice.h"
#include "linedraw.h"
#include "picture.h"
#include "primitives.h"
#include "statusmarks.h"
#include "subjectnames.h"
#include "titlekey.h"

#include <QList>
#include <QSizeF>
#include <QStringList>
#include <vector>

class LabelSet;

struct PictureValues {
    // The layout and its guide.
    int sociogramType = 0;
    long long maxReceived = 0;
    QSizeF area;                           // the drawing area, twips
    std::vector<Layout::RingRadius> moved; // the rings or frame the last Tidy widened
    // Where the labels stand: the lines run between the centres of `positions`, the labels
    // are drawn from `labels`.
    PositionTable positions{};
    const LabelSet* labels = nullptr;
    QSizeF labelSize;
    // What the lines show: the choices, or while two surveys are compared their ties.
    std::vector<Choice> choices;
    TieChanges ties;
    bool changes = false;
    bool colour = false; // "Colour Choices"
    bool routed = false; // "Lines Round Labels": lines that would run under a label go round
    // The labels stand where Tidy, a drag or a saved arrangement put them, not where a layout
    // just drew them: each status mark is then fitted to the room its neighbours leave.
    bool arranged = false;
    // What the labels carry, each by subject number (entry 0 unused); empty shows none.
    SubjectNames names;
    std::vector<Status> marks;
    QList<int> groups;
    // What stands round the drawing: the title's text and the key's entries (none on the
    // window).
    TitleAndKey around;
};

// The lines, their markers and the guide, under the labels.
PrimitiveList pictureLines(const PictureValues& values);
// The whole picture: the lines, the names under the labels (a long name never hides a
// neighbour's number), the labels, and the status marks over them; with a title, all of
// that under it, and the title's and the key's items after (framedPicture).
PrimitiveList wholePicture(const PictureValues& values);
