#include "entrycheck.h"

#include "messages.h"
#include "numbers.h"

bool ValidateChoice(const QString& choice, const QString& subject, Global::Long groupSize)
{
    if (choice.trimmed().isEmpty())
        return true;
    const std::optional<double> value = Numbers::wholeValue(choice);
    if (!value) {
        // Such a text would sit in the grid looking like an answer, and the save would
        // drop it without a word.
        MsgBox(QStringLiteral("Choice Must Be A Subject Number"), Buttons::Ok, Icon::Information);
        return false;
    }
    if (*value > groupSize) {
        MsgBox(QStringLiteral("Choice Cannot Be Greater Than ") + QString::number(groupSize),
               Buttons::Ok, Icon::Information);
        return false;
    }
    // Texts, not numbers: "05" for subject 5 passes.
    if (choice == subject) {
        MsgBox(QStringLiteral("Subjects Cannot Choose Themselves "), Buttons::Ok,
               Icon::Information);
        return false;
    }
    return true;
}
