#include "subjectnames.h"

QString numberAndName(const SubjectNames& names, int subject)
{
    const auto at = static_cast<std::size_t>(subject);
    const QString name = subject > 0 && at < names.size() ? names[at] : QString();
    // Appended, not formatted: a name may hold "%1".
    return name.isEmpty() ? QString::number(subject) : QString::number(subject) + u' ' + name;
}
