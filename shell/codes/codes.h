#pragma once
// The program's codes and shared constants, in one place. The numeric values are
// those the study file stores and the error report shows: never renumber them.
// Header only and free of Qt, so that the geometry and the drawing can use it
// without linking anything else of the program.

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

} // namespace Codes
