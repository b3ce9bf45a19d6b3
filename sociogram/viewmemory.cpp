#include "viewmemory.h"

#include "runreset.h"

#include <QHash>

namespace {

// The one table of the run; only ViewMemory reaches it.
QHash<std::int32_t, ViewChoices>& kept()
{
    static QHash<std::int32_t, ViewChoices> table;
    static const bool resettable = (RunReset::onReset([] { table.clear(); }), true);
    Q_UNUSED(resettable);
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
