#pragma once
// The state that every window shares. Values live for the whole run, start at
// zero, empty or False, and are the only way windows pass a study to each other.

#include "codes.h"
#include "picture.h"

#include <QString>
#include <array>
#include <cstdint>

namespace Global {

using Integer = std::int16_t; // 16-bit signed whole number
using Long = std::int32_t;    // 32-bit signed whole number
using Single = float;         // single-precision float

// Flags are Integers holding -1 for True and 0 for False.
constexpr Integer True = -1;
constexpr Integer False = 0;
constexpr Integer flag(bool b)
{
    return b ? True : False;
}

constexpr int MaxSubjects = Codes::MaxSubjects;

inline QString AppPath;           // program directory, always ending in one separator
inline Integer NewProject = 0;    // True while the study was begun with "&New Project"
inline Long CurrentRecord = 0;    // RECORD of the current study; 0 = never stored
inline QString RefName;           // NAME
inline QString Question;          // QUESTION
inline Long GroupSize = 0;        // GROUPSIZE, 6 to 40
inline Long MaxChoices = 0;       // CHOICES, 1 to 10
inline Long CriterionType = 0;    // 1 Positive, 2 Negative, 3 Both
inline Long CurrentCriterion = 0; // criterion in view: 1 positive, 2 negative
inline Integer SociogramType = Codes::SociogramType::Circle; // the layout in view
inline PositionTable LabelPos{}; // Left (0) and Top (1) of each label, in twips
inline std::array<Integer, MaxSubjects + 1> ChoicesReceived{};
inline std::array<QString, MaxSubjects + 1> RingMembers{};
inline Long MaxReceived = 0;

// The study database lies beside the executable.
inline QString databasePath()
{
    return AppPath + QStringLiteral("KELVAROX.MDB");
}

// Back to the start-of-run values; used by tests that need a clean program.
void reset();

} // namespace Global
