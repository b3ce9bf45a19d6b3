#include "studychoices.h"

#include "choicegrid.h"
#include "errorreport.h"
#include "globals.h"
#include "store.h"

CurrentChoices currentStudyChoices() {
    const Criterion inView =
        Global::CurrentCriterion == 2 ? Criterion::Negative : Criterion::Positive;
    const int type = static_cast<int>(Global::CriterionType);
    std::vector<AnswerRow> stored;
    CurrentChoices current;
    // A study never saved has no stored answers, and a one-criterion study needs none.
    if (type == CriterionTypes::Both && Global::CurrentRecord != 0) {
        Trap trap(QStringLiteral("DataForm:Analysis"));
        const bool read = trap.step([&]() -> std::optional<Failure> {
            Result<Store> store = Store::open(Global::databasePath());
            if (!store)
                return store.failure();
            Result<std::vector<AnswerRow>> rows = store.value().answersOf(Global::CurrentRecord);
            store.value().close();
            if (!rows)
                return rows.failure();
            stored = std::move(rows.value());
            return std::nullopt;
        });
        current.storedUnread = !read;
    }
    current.choices = studyChoices(DataGrid(), type, inView, stored);
    return current;
}
