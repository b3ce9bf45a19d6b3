#include "validate.h"

#include "errorreport.h"
#include "messages.h"
#include "numbers.h"
#include "store.h"

#include <optional>
#include <vector>

namespace {

using Step = std::optional<Failure>;

bool within(double value, double low, double high)
{
    return value >= low && value <= high;
}

void refuse(bool& accepted, const QString& message, Icon icon)
{
    accepted = false;
    MsgBox(message, Buttons::Ok, icon);
}

bool sameName(const QVariant& stored, const QString& name)
{
    // An empty field equals nothing, not even an empty name.
    return stored.isValid() && !stored.isNull() && stored.toString() == name;
}

// The two counts lie within 6..40 and 1..10 once checked, so rounding cannot overflow.
Global::Long wholeCount(const QString& text)
{
    return static_cast<Global::Long>(Numbers::roundHalfEven(Numbers::leadingValue(text)));
}

} // namespace

bool nameIsStored(const QString& name)
{
    Trap trap(QStringLiteral("InfoForm:Validate"));
    std::optional<Store> store;
    const bool opened = trap.step([&]() -> Step {
        Result<Store> s = Store::open(Global::databasePath());
        if (!s)
            return s.failure();
        store.emplace(std::move(s.value()));
        return std::nullopt;
    });
    if (!opened)
        return false;
    std::vector<QVariant> names;
    trap.step([&]() -> Step {
        Result<std::vector<QVariant>> read = store->namesInTableOrder();
        if (!read)
            return read.failure();
        names = std::move(read.value());
        return std::nullopt;
    });
    store->close();
    for (const QVariant& stored : names) {
        if (sameName(stored, name))
            return true;
    }
    return false;
}

bool Validate(const StudyEntries& entries, Global::Long currentRecord)
{
    bool accepted = true;
    if (entries.criterion.isEmpty())
        refuse(accepted, StudyMessages::NoCriterion, Icon::Exclamation);
    if (currentRecord == 0 && nameIsStored(entries.referenceName))
        refuse(accepted, StudyMessages::DuplicateName, Icon::Information);
    if (entries.referenceName.isEmpty())
        refuse(accepted, StudyMessages::NoReferenceName, Icon::Information);
    if (!within(Numbers::leadingValue(entries.groupSize), Codes::MinGroupSize, Codes::MaxGroupSize))
        refuse(accepted, StudyMessages::BadGroupSize, Icon::Information);
    if (!within(Numbers::leadingValue(entries.choices), Codes::MinChoices, Codes::MaxChoices))
        refuse(accepted, StudyMessages::BadChoices, Icon::Information);
    if (!accepted)
        return false;
    Global::RefName = entries.referenceName;
    Global::Question = entries.criterion;
    Global::GroupSize = wholeCount(entries.groupSize);
    Global::MaxChoices = wholeCount(entries.choices);
    Global::CriterionType = entries.criterionType;
    return true;
}
