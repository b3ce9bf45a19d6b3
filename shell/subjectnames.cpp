#include "subjectnames.h"

QString nameOf(const SubjectNames& names, int subject)
{
    const auto at = static_cast<std::size_t>(subject);
    return subject > 0 && at < names.size() ? names[at] : QString();
}

QString numberAndName(const SubjectNames& names, int subject)
{
    const QString name = nameOf(names, subject);
    // Appended, not formatted: a name may hold "%1".
    return name.isEmpty() ? QString::number(subject) : QString::number(subject) + u' ' + name;
}
