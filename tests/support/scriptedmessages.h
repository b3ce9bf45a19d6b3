#pragma once
// Answers the program's message boxes from a script and records what they said.

#include "messages.h"

#include <deque>
#include <vector>

class ScriptedMessages {
public:
    ScriptedMessages();
    ~ScriptedMessages();

    // Answers given in order; when the script runs out the box gets its safe answer
    // (OK, No, Cancel).
    void answer(std::initializer_list<Answer> answers);
    const std::vector<Message>& shown() const { return messages; }
    QStringList texts() const;
    // Each message as a test expects it: an error report as "label number"
    // ("LoadForm:DeleteRecord 3024"), anything else as its text.
    QStringList reports() const;
    // Forgets what was shown and any answer left in the script.
    void clear()
    {
        messages.clear();
        script.clear();
    }
    int count() const { return static_cast<int>(messages.size()); }

private:
    std::deque<Answer> script;
    std::vector<Message> messages;
    MessageHandler previous;
};
