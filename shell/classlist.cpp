#include "classlist.h"

#include "globals.h"

#include <QHash>

namespace {

// The one table of the run; only ClassList reaches it.
QHash<std::int32_t, SubjectNames>& lists()
{
    static QHash<std::int32_t, SubjectNames> table;
    return table;
}

bool allEmpty(const SubjectNames& names)
{
    for (const QString& name : names)
        if (!name.isEmpty())
            return false;
    return true;
}

} // namespace

ClassList& ClassList::instance()
{
    static ClassList one;
    return one;
}

SubjectNames ClassList::names(std::int32_t study) const
{
    return lists().value(study);
}

void ClassList::setNames(std::int32_t study, const SubjectNames& names)
{
    if (allEmpty(names)) {
        forget(study);
        return;
    }
    if (lists().value(study) == names)
        return;
    lists().insert(study, names);
    Q_EMIT changed();
}

void ClassList::forget(std::int32_t study)
{
    if (lists().remove(study) > 0)
        Q_EMIT changed();
}

void ClassList::moveTo(std::int32_t from, std::int32_t to)
{
    if (from == to || !lists().contains(from))
        return;
    lists().insert(to, lists().take(from));
    Q_EMIT changed();
}

bool ClassList::loaded() const
{
    return lists().contains(Global::CurrentRecord);
}

SubjectNames ClassList::currentNames() const
{
    return names(Global::CurrentRecord);
}

QString ClassList::nameOf(int subject) const
{
    const auto found = lists().constFind(Global::CurrentRecord);
    return found == lists().constEnd() ? QString() : ::nameOf(*found, subject);
}

QString ClassList::numberAndName(int subject) const
{
    return ::numberAndName(currentNames(), subject);
}

void ClassList::forgetAll()
{
    if (lists().isEmpty())
        return;
    lists().clear();
    Q_EMIT changed();
}
