#include "viewmemory.h"

#include <QHash>

namespace {

// The one table of the run; only ViewMemory reaches it.
QHash<std::int32_t, ViewChoices>& kept()
{
    static QHash<std::int32_t, ViewChoices> table;
    return table;
}

} // namespace

ViewChoices ViewMemory::recall(std::int32_t study)
{
    return kept().value(study);
}

void ViewMemory::keep(std::int32_t study, const ViewChoices& choices)
{
    kept().insert(study, choices);
}

void ViewMemory::forgetAll()
{
    kept().clear();
}
