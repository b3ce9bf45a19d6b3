#pragma once
// Opening the study database as the first step of a labelled procedure.

#include "errorreport.h"
#include "store.h"

#include <functional>
#include <optional>

// Opens the program's database file as a step of the procedure's trap: a failure is
// reported (and retried when the user asks). Nothing when it could not be opened.
std::optional<Store> openTrapped(Trap& trap);

// Every stored answer of the current study, read as a step of the procedure's trap;
// none when the file could not be read.
std::vector<AnswerRow> storedAnswersTrapped(Trap& trap);

// Opens the database and runs `steps` in one transaction, each step of them trapped by
// the caller: `steps` returns false when a step was passed over, and then nothing of
// the transaction stays. True when everything was committed.
bool writeInOneTransaction(Trap& trap, const std::function<bool(Store& store)>& steps);
