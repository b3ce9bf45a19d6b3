#pragma once
// Every message box of the program goes through MsgBox, so that a test can answer
// it and read its words. The program installs the real dialog at start-up.

#include <QCoreApplication>
#include <QString>
#include <functional>

enum class Buttons { Ok, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Information, Exclamation, Question };
enum class Answer { Ok, Yes, No, Cancel, Retry };

struct Message {
    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

using MessageHandler = std::function<Answer(const Message&)>;

// Title of the message boxes that have no title of their own. The box shows them in the
// language in use; a message keeps the English, which tests compare.
inline const QString ProgramTitle = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Sociogram"));
inline const QString HelpTitle = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Help"));

Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title = HelpTitle);

// Installs the function that shows a message and returns the previous one.
MessageHandler setMessageHandler(MessageHandler handler);
