#include "example.h"

#include "classlist.h"
#include "classlistfile.h"
#include "exampleclass.h"
#include "forms.h"
#include "globals.h"
#include "projectlist.h"

#include <QFile>

namespace {

// The shipped names, or none when the file is missing: the surveys work without them.
SubjectNames exampleNames()
{
    QFile file(Global::AppPath + ExampleClass::NamesFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const ClassListRead read =
        readClassList(QString::fromUtf8(file.readAll()), ExampleClass::GroupSize);
    return read.names.value_or(SubjectNames());
}

long storedRecord(const std::vector<ProjectEntry>& list, const QString& name)
{
    for (const ProjectEntry& entry : list)
        if (entry.name == name)
            return entry.record;
    return 0;
}

} // namespace

bool openExampleClass()
{
    // The study in the data window settles first, while the globals are still its own.
    if (!Forms::mayChangeStudy())
        return false;
    const std::vector<ProjectEntry> stored = readProjectList();
    const SubjectNames names = exampleNames();
    long spring = 0;
    // A second use opens what the first stored: the user may have worked on it.
    for (const ExampleSurvey& survey : ExampleClass::surveys()) {
        long record = storedRecord(stored, survey.name);
        if (record == 0)
            record = storeExampleSurvey(survey);
        if (record == 0)
            return false;
        if (!names.empty() && ClassList::instance().names(record).empty())
            ClassList::instance().setNames(record, names);
        spring = record;
    }
    Global::CurrentRecord = spring;
    Global::NewProject = Global::False;
    Forms::show(Forms::Window::Data);
    return true;
}
