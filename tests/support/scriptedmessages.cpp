#include "scriptedmessages.h"

#include <QRegularExpression>
#include <QStringList>

ScriptedMessages::ScriptedMessages()
{
    previous = setMessageHandler([this](const Message& m) {
        messages.push_back(m);
        if (!script.empty()) {
            const Answer a = script.front();
            script.pop_front();
            return a;
        }
        switch (m.buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    });
}

ScriptedMessages::~ScriptedMessages()
{
    setMessageHandler(previous);
}

void ScriptedMessages::answer(std::initializer_list<Answer> answers)
{
    script.insert(script.end(), answers.begin(), answers.end());
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Message& m : messages)
        out << m.text;
    return out;
}

QStringList ScriptedMessages::reports() const
{
    static const QRegularExpression report(
        QStringLiteral("^Unexpected Error In - (.*), Error Number ?(-?\\d+), "));
    QStringList out;
    for (const Message& m : messages) {
        const QRegularExpressionMatch found = report.match(m.text);
        out << (found.hasMatch() ? found.captured(1) + u' ' + found.captured(2) : m.text);
    }
    return out;
}
