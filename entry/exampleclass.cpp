#include "exampleclass.h"

#include "choicegrid.h"
#include "codes.h"
#include "datastate.h"
#include "globals.h"

#include <QCoreApplication>

namespace {

using Row = std::array<int, 3>;

// Both surveys: pupils 10 to 13 all chose one another in the autumn and 13 has moved
// on by the spring, where 20, 21 and 22 have found each other; 7 and 19 are chosen by
// nobody in the autumn, 7 is taken in by the spring; most reject 16 in the autumn and
// 19 in the spring.
const std::vector<Row> AutumnPositive{
    {},           {2, 3, 4},   {1, 3, 5},    {1, 2, 6},    {5, 8, 14},   {4, 6, 9},    {5, 4, 17},
    {4, 1, 20},   {9, 4, 14},  {8, 5, 22},   {11, 12, 13}, {10, 12, 13}, {10, 11, 13}, {10, 11, 12},
    {15, 8, 4},   {14, 18, 4}, {4, 15, 18},  {18, 6, 24},  {17, 15, 23}, {4, 22, 24},  {21, 23, 9},
    {20, 22, 24}, {21, 9, 23}, {24, 22, 18}, {23, 21, 17}};
const std::vector<Row> AutumnNegative{
    {},   {16, 7}, {16}, {16, 19}, {16, 7}, {16},    {19}, {16}, {16, 19}, {16}, {7},  {16}, {16},
    {19}, {16, 7}, {16}, {4, 14},  {16},    {16, 7}, {16}, {16}, {16, 19}, {7},  {16}, {19}};
const std::vector<Row> SpringPositive{
    {},           {2, 3, 4},    {1, 3, 4},    {1, 2, 5},   {5, 8, 1},    {4, 6, 9},    {5, 7, 17},
    {6, 20, 4},   {9, 4, 14},   {8, 5, 22},   {11, 12, 4}, {10, 12, 8},  {10, 11, 13}, {14, 15, 12},
    {13, 15, 8},  {14, 13, 18}, {15, 18, 4},  {18, 6, 24}, {17, 15, 23}, {4, 22, 24},  {21, 22, 7},
    {20, 22, 24}, {21, 20, 23}, {24, 22, 18}, {23, 21, 17}};
const std::vector<Row> SpringNegative{{},   {16},     {19}, {16}, {16, 19}, {},   {19}, {16}, {16},
                                      {16}, {16, 19}, {19}, {16}, {19},     {16}, {19}, {4},  {16},
                                      {19}, {16},     {19}, {16}, {19},     {16}, {19}};

void fill(ChoiceGrid& grid, const std::vector<Row>& choices)
{
    for (int s = 1; s < int(choices.size()); ++s)
        for (int slot = 1; slot <= ExampleClass::Choices; ++slot) {
            const int chosen = choices[std::size_t(s)][std::size_t(slot - 1)];
            grid.setTextMatrix(s + 1, slot, chosen > 0 ? QString::number(chosen) : QString());
        }
}

} // namespace

QString ExampleClass::question()
{
    return QCoreApplication::translate("ExampleClass", "Sitting next to each other in class");
}

std::vector<ExampleSurvey> ExampleClass::surveys()
{
    return {{QStringLiteral("Example class - autumn"), AutumnPositive, AutumnNegative},
            {QStringLiteral("Example class - spring"), SpringPositive, SpringNegative}};
}

long storeExampleSurvey(const ExampleSurvey& survey)
{
    Global::RefName = survey.name;
    Global::GroupSize = ExampleClass::GroupSize;
    Global::MaxChoices = ExampleClass::Choices;
    Global::Question = ExampleClass::question();
    Global::CriterionType = Codes::CriterionType::Both;
    Global::CurrentRecord = 0;
    ChoiceGrid grid;
    DataState state(grid);
    state.SetGrid();
    fill(grid, survey.positive);
    if (!state.SaveChanges(Codes::AnswerType::Positive))
        return 0;
    state.ClearGrid();
    fill(grid, survey.negative);
    if (!state.SaveChanges(Codes::AnswerType::Negative))
        return 0;
    return Global::CurrentRecord;
}
