#pragma once
// The example class a newcomer can open from the start window: two surveys of one
// invented class of 24, autumn and spring, of both criteria with three choices each,
// with a clique, isolates, a rejected pupil and changes between the two.

#include <QString>
#include <array>
#include <vector>

struct ExampleSurvey {
    QString name;
    // Subject s's choices at s (entry 0 unused), 0 where a slot is left empty.
    std::vector<std::array<int, 3>> positive;
    std::vector<std::array<int, 3>> negative;
};

namespace ExampleClass {
inline constexpr int GroupSize = 24;
inline constexpr int Choices = 3;
QString question();
// The autumn survey first, then the spring one.
std::vector<ExampleSurvey> surveys();
// The shipped class-list file, beside the program.
inline const QString NamesFile = QStringLiteral("example-class.csv");
} // namespace ExampleClass

// Stores the survey as a new study the way the data window saves one (the header, then
// the answers of each criterion). Its record, or 0 when the save failed (the user has
// been told why). Leaves the globals holding the stored study.
long storeExampleSurvey(const ExampleSurvey& survey);
