#pragma once
// What the run keeps beside the study file (the globals, the folder used last, the
// error report, the class lists, the status method, the view choices, ...) goes back
// to the program's start in one call. A keeper above the shell names its way back the
// first time it is used, so that the list cannot miss one and the shell links nothing
// above it.

#include <functional>

namespace RunReset {

// `back` puts one run-wide object back to its start on every resetRun().
void onReset(std::function<void()> back);
// The whole run back to its start.
void resetRun();

} // namespace RunReset
