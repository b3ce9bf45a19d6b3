#pragma once
// Help > Open Example Class.

// Stores the example's two surveys through the program's own saving when the study
// file does not hold them yet, gives them the shipped names and opens the spring
// survey in the data window. False when it could not be opened (the user was told, or
// chose to keep the study in the data window).
bool openExampleClass();
