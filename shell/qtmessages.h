#pragma once
#include "messages.h"

// Shows a message in a modal message box and returns the button chosen.
Answer showMessageBox(const Message& message);
