#pragma once
// Paper ballots for a class without a form: slips to cut, several to an A4 page, each
// asking the study's question and giving the class by number, so that pupils write
// numbers. Geometry in twips; values in, painting out.

#include <QString>
#include <vector>

class QPainter;
class QPagedPaintDevice;

struct BallotStudy {
    QString name;
    QString question;
    int criterionType = 1;
    int groupSize = 0;
    int maxChoices = 0;
    // Subject s's name at s, entry 0 unused (as the class list hands them over); empty for
    // slips without names.
    std::vector<QString> names;
};

struct BallotText {
    enum class Kind { Title, Text, WriteLine, Pupil };
    Kind kind;
    QString text;
    int x;     // twips from the slip's left edge
    int y;     // twips from the slip's top edge, to the top of the line
    int width; // twips the text may take
};

struct BallotSlip {
    int width = 0;  // twips
    int height = 0; // twips
    std::vector<BallotText> texts;
};

// One slip's content laid out for a slip of `width` twips.
BallotSlip ballotSlip(const BallotStudy& study, int width);

struct BallotPage {
    int columns = 0;
    int rows = 0;
    int perPage() const { return columns * rows; }
};
// How many slips of a size fit on a page of `pageWidth` by `pageHeight` twips.
BallotPage ballotPage(const BallotSlip& slip, int pageWidth, int pageHeight);

// One slip per subject, on as many A4 pages as they take. False when the device
// could not be painted on.
bool printBallots(QPagedPaintDevice& device, const BallotStudy& study);
