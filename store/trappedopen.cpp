#include "trappedopen.h"

#include "globals.h"

std::optional<Store> openTrapped(Trap& trap)
{
    std::optional<Store> store;
    trap.step([&]() -> std::optional<Failure> {
        Result<Store> opened = Store::open(Global::databasePath());
        if (!opened)
            return opened.failure();
        store.emplace(std::move(opened.value()));
        return std::nullopt;
    });
    return store;
}

std::vector<AnswerRow> storedAnswersTrapped(Trap& trap)
{
    std::vector<AnswerRow> rows;
    std::optional<Store> store = openTrapped(trap);
    if (!store)
        return rows;
    trap.step([&]() -> std::optional<Failure> {
        Result<std::vector<AnswerRow>> read = store->answersOf(Global::CurrentRecord);
        if (!read)
            return read.failure();
        rows = std::move(read.value());
        return std::nullopt;
    });
    store->close();
    return rows;
}

bool writeInOneTransaction(Trap& trap, const std::function<bool(Store& store)>& steps)
{
    std::optional<Store> store = openTrapped(trap);
    if (!store)
        return false;
    const bool done = trap.step([&] { return store->begin().failure(); }) && steps(*store) &&
                      trap.step([&] { return store->commit().failure(); });
    if (!done)
        store->rollback();
    store->close();
    return done;
}
