#pragma once
// The program's codes and shared constants, in one place. The numeric values are
// those the study file stores and the error report shows: never renumber them.
// Header only and free of Qt, so that the geometry and the drawing can use it
// without linking anything else of the program.

#include <cmath>
#include <cstdint>

namespace Codes {

// SOCIOMETRY.CRITERIONTYPE and the study's criterion type.
namespace CriterionType {
enum Code : int { Positive = 1, Negative = 2, Both = 3 };
}

// SOCIDATA.ANSWERTYPE and the criterion in view.
namespace AnswerType {
enum Code : int { Positive = 1, Negative = 2 };
}

// POSITION.SOCIOGRAM and the layout in force; the order of the Type menu.
namespace SociogramType {
enum Code : int { Circle = 0, Random = 1, Square = 2, Target = 3 };
}

// Sizes of a study.
constexpr int MinGroupSize = 6;
constexpr int MaxGroupSize = 40;
constexpr int MinChoices = 1;
constexpr int MaxChoices = 10;
// Labels and positions are kept for subjects 0 to MaxSubjects; 0 is the template.
constexpr int MaxSubjects = MaxGroupSize;

constexpr double TwipsPerInch = 1440;

// Geometry the layouts and the drawing share: a label placed on a ring and the ring
// drawn under it must come from the same numbers.
namespace Geometry {
// The layouts' value of pi; arrangements users have saved were made with it.
constexpr double Pi = 3.14159;
constexpr float LabelSide = 360;
constexpr double CircleRadius = 2500;
// The outer ring of the Target layout stays this far from the sides.
constexpr float TargetInset = 400;
// The sociogram window's drawing area as designed, in twips.
constexpr float DesignWidth = 6915;
constexpr float DesignHeight = 6630;

// The point `radius` from the centre (cx, cy), `angle` radians clockwise from twelve
// o'clock, y growing downwards: where a label's centre stands on the circle or a ring.
struct PolarPoint {
    double x = 0, y = 0;
};
inline PolarPoint polarPoint(double cx, double cy, double radius, double angle)
{
    return {cx + radius * std::sin(angle), cy - radius * std::cos(angle)};
}

// The Square's frame stands a tenth of the area in from each edge: along an extent of the
// area its near side, its far side, half its length and its length.
template <typename T> constexpr T squareFrameNear(T extent)
{
    return extent / 10;
}
template <typename T> constexpr T squareFrameFar(T extent)
{
    return extent * 9 / 10;
}
template <typename T> constexpr T squareFrameHalf(T extent)
{
    return extent * 4 / 10;
}
template <typename T> constexpr T squareFrameLength(T extent)
{
    return extent * 4 / 5;
}

// The Target rings are `rings` equal steps out to the inset edge of the width: ring
// k (from 1) is drawn at k steps, and its labels sit half a step inside it.
constexpr double ringStep(float width, long long rings)
{
    return static_cast<double>(width / 2 - TargetInset) / static_cast<double>(rings);
}
constexpr double ringRadius(float width, long long rings, long long k)
{
    return ringStep(width, rings) * static_cast<double>(k);
}
constexpr double labelRingRadius(float width, long long rings, double k)
{
    return ringStep(width, rings) * (k - 0.5);
}
} // namespace Geometry

// Numbers of run-time errors outside the database, as the error report shows them.
namespace ErrorNumber {
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int InvalidUseOfNull = 94;
constexpr int MissingLabel = 340; // a control array element that does not exist
constexpr int ObjectAlreadyLoaded = 360;
constexpr int InvalidPropertyValue = 380;
constexpr int PrinterError = 482;
constexpr int NoCurrentRecord = 3021;
} // namespace ErrorNumber

// Numbers of the database errors, in the numbering of the error report. Lock and
// conflict trouble falls in the class that the report retries quietly.
namespace DbNumber {
constexpr int FileNotFound = 3024; // no file at the path
constexpr int CannotOpen = 3051;   // the file cannot be opened for writing (trouble)
constexpr int FileLocked = 3050;   // the locking protocol failed (trouble)
constexpr int Busy = 3260;         // another program holds the write lock (trouble)
constexpr int TableLocked = 3262;  // a table is locked by this process (trouble)
constexpr int Corrupt = 3049;      // damaged file
constexpr int NotADatabase = 3343; // not a database at all
constexpr int DiskFull = 3026;     // the disk or the file's size limit is full
constexpr int DiskError = 3043;    // a read or write of the file failed
constexpr int NoSuchTable = 3078;
constexpr int NoSuchField = 3265;
constexpr int NoSuchIndex = 3015;
constexpr int Constraint = 3022;
constexpr int DataTooBig = 3163;
constexpr int Other = 3001;

// The database engine's numbers for a database, table or record that is locked,
// in use by someone else, or changed under the program.
constexpr int Trouble[] = {3000, 3006, 3008, 3009, 3046, 3050, 3051, 3158, 3164, 3186, 3187, 3188,
                           3189, 3196, 3197, 3202, 3211, 3212, 3218, 3260, 3261, 3262, 3624};
} // namespace DbNumber

} // namespace Codes
