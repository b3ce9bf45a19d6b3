#include "messages.h"

#include <utility>

namespace {

// Without a window system a message cannot be shown; the safe answer is the one
// that changes nothing.
Answer headlessAnswer(const Message& m)
{
    switch (m.buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::YesNoCancel:
    case Buttons::RetryCancel:
        return Answer::Cancel;
    }
    return Answer::Ok;
}

MessageHandler& handler()
{
    static MessageHandler h = headlessAnswer;
    return h;
}

} // namespace

Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    return handler()(Message{title, text, buttons, icon});
}

MessageHandler setMessageHandler(MessageHandler h)
{
    return std::exchange(handler(), h ? std::move(h) : MessageHandler(headlessAnswer));
}
