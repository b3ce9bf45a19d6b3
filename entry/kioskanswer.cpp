#include "kioskanswer.h"

#include "choicegrid.h"
#include "codes.h"
#include "errorreport.h"
#include "globals.h"
#include "statements.h"
#include "store.h"
#include "trappedopen.h"

#include <QCoreApplication>
#include <set>

namespace {

// The context of this file's texts in the catalogues.
struct KioskAnswerText {
    Q_DECLARE_TR_FUNCTIONS(KioskAnswerText)
};

QString problemOf(const std::vector<int>& chosen, int pupil, int groupSize, int maxChoices)
{
    if (static_cast<int>(chosen.size()) > maxChoices)
        return KioskAnswerText::tr("More classmates are chosen than the study allows (%1).")
            .arg(maxChoices);
    std::set<int> seen;
    for (int c : chosen) {
        if (c < 1 || c > groupSize)
            return KioskAnswerText::tr("%1 is not a subject number from 1 to %2.")
                .arg(c)
                .arg(groupSize);
        if (c == pupil)
            return KioskAnswerText::tr("A pupil cannot choose themselves.");
        if (!seen.insert(c).second)
            return KioskAnswerText::tr("%1 is chosen twice.").arg(c);
    }
    return {};
}

struct Criterion {
    Global::Long type;
    const std::vector<int>* chosen;
};

std::vector<Criterion> criteriaOf(const KioskAnswer& answer)
{
    namespace Type = Codes::CriterionType;
    std::vector<Criterion> out;
    if (Global::CriterionType != Type::Negative)
        out.push_back({Codes::AnswerType::Positive, &answer.positive});
    if (Global::CriterionType == Type::Negative || Global::CriterionType == Type::Both)
        out.push_back({Codes::AnswerType::Negative, &answer.negative});
    return out;
}

} // namespace

QString kioskProblem(const KioskAnswer& answer, int groupSize, int maxChoices)
{
    if (answer.pupil < 1 || answer.pupil > groupSize)
        return KioskAnswerText::tr("%1 is not a subject number from 1 to %2.")
            .arg(answer.pupil)
            .arg(groupSize);
    const QString positive = problemOf(answer.positive, answer.pupil, groupSize, maxChoices);
    return positive.isEmpty() ? problemOf(answer.negative, answer.pupil, groupSize, maxChoices)
                              : positive;
}

bool storeKioskAnswer(const KioskAnswer& answer, ChoiceGrid& grid)
{
    const Global::Long record = Global::CurrentRecord;
    const int row = answer.pupil + ChoiceGrid::FixedRows - 1;
    if (record == 0 || !kioskProblem(answer, Global::GroupSize, Global::MaxChoices).isEmpty())
        return false;
    const std::vector<Criterion> criteria = criteriaOf(answer);
    Trap trap(QStringLiteral("PupilsAnswer:StoreAnswer"));
    const bool stored = writeInOneTransaction(trap, [&](Store& store) {
        for (const Criterion& c : criteria) {
            const Statement remove = Statements::deleteSubjectAnswers(record, row, c.type);
            if (!trap.step([&] { return store.execute(remove).failure(); }))
                return false;
            for (std::size_t slot = 0; slot < c.chosen->size(); ++slot) {
                const int col = static_cast<int>(slot) + ChoiceGrid::FixedCols;
                const double chosen = (*c.chosen)[slot];
                if (!trap.step([&] {
                        return store.appendAnswer(record, col, row, chosen, c.type).failure();
                    }))
                    return false;
            }
        }
        return true;
    });
    if (!stored)
        return false;
    for (const Criterion& c : criteria) {
        if (c.type != Global::CurrentCriterion)
            continue;
        for (int col = ChoiceGrid::FixedCols; col < grid.Cols(); ++col) {
            const auto slot = static_cast<std::size_t>(col - ChoiceGrid::FixedCols);
            grid.setTextMatrix(
                row, col, slot < c.chosen->size() ? QString::number((*c.chosen)[slot]) : QString());
        }
    }
    return true;
}
