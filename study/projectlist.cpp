#include "projectlist.h"

#include "errorreport.h"
#include "fieldvalue.h"
#include "messages.h"
#include "statements.h"
#include "store.h"
#include "trappedopen.h"

#include <optional>

namespace {

using Step = std::optional<Failure>;

// A RECORD as the list keeps it. The schema makes it a whole number; a file made
// elsewhere may hold anything. Only a whole number can be opened or deleted (a text
// or a fraction would be taken for another study), so anything else is refused.
Step recordFrom(const QVariant& field, Global::Long& out)
{
    return FieldValue::exactWholeLong(field, out);
}

QString nameFrom(const QVariant& field)
{
    return field.isNull() ? QString() : field.toString();
}

} // namespace

std::vector<ProjectEntry> readProjectList()
{
    Trap trap(QStringLiteral("LoadForm:LoadData"));
    std::optional<Store> store = openTrapped(trap);
    if (!store)
        return {};
    std::vector<StudyEntry> rows;
    trap.step([&]() -> Step {
        Result<std::vector<StudyEntry>> read = store->studiesByRecord();
        if (!read)
            return read.failure();
        rows = std::move(read.value());
        return std::nullopt;
    });
    store->close();

    std::vector<ProjectEntry> list;
    list.reserve(rows.size());
    for (const StudyEntry& row : rows) {
        Global::Long record = 0;
        // The report is reached only for a bad row: a good one costs no trapped step.
        if (recordFrom(row.record, record)) {
            trap.step([&] { return recordFrom(row.record, record); });
            continue;
        }
        list.push_back({nameFrom(row.name), record});
    }
    return list;
}

bool studyFileIsEmpty()
{
    Result<Store> store = Store::open(Global::databasePath());
    if (!store)
        return false;
    Result<std::vector<StudyEntry>> rows = store.value().studiesByRecord();
    store.value().close();
    return rows && rows.value().empty();
}

bool deleteProject(Global::Long record)
{
    Trap trap(QStringLiteral("LoadForm:DeleteRecord"));
    // The three deletes go together or not at all: a study without its header would
    // vanish from the list while its answers stay, and one without its answers would
    // come back empty.
    const bool deleted = writeInOneTransaction(trap, [&](Store& store) {
        auto run = [&](const Statement& s) {
            return trap.step([&] { return store.execute(s).failure(); });
        };
        return run(Statements::deleteStudy(record)) &&
               run(Statements::deleteStudyAnswers(record)) &&
               run(Statements::deleteStudyPositions(record));
    });
    if (!deleted)
        MsgBox(ProjectMessages::NotDeleted, Buttons::Ok, Icon::Exclamation);
    return deleted;
}
