#include "entrycheck.h"

#include "messages.h"
#include "numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// The context of this file's texts in the catalogues.
struct EntryCheck {
    Q_DECLARE_TR_FUNCTIONS(EntryCheck)
};

bool digitsOnly(const QString& text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The subject a cell of the row already names, read as the entry reads it; cells of
// an earlier program that hold no whole number name nobody.
std::optional<double> namedSubject(const QString& cell)
{
    const std::optional<double> v = Numbers::wholeValue(cell);
    if (!v || *v != std::floor(*v))
        return std::nullopt;
    return v;
}

} // namespace

QString choiceRefusal(const QString& typed, Global::Long subject, int slot, const RowChoices& row,
                      Global::Long groupSize)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    const std::optional<double> value = Numbers::wholeValue(text);
    // Such a text would sit in the grid looking like an answer, and the save would
    // drop it without a word.
    if (!value || !std::isfinite(*value))
        return EntryCheck::tr("Choice Must Be A Subject Number");
    if (*value < 1)
        return EntryCheck::tr("Choice Cannot Be Less Than 1");
    if (*value > groupSize)
        return EntryCheck::tr("Choice Cannot Be Greater Than %1").arg(groupSize);
    // 3.5 would be stored as a fraction, 1e1 as 10: what is stored is what was typed.
    if (*value != std::floor(*value))
        return EntryCheck::tr("Choice Must Be A Whole Number");
    if (!digitsOnly(text))
        return EntryCheck::tr("Choice Must Be Written In Digits Only");
    // Numbers, not texts: "03" is subject 3 too.
    if (*value == double(subject))
        return QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Subjects Cannot Choose Themselves "));
    for (int other = 1; other < int(row.size()); ++other) {
        if (other != slot && namedSubject(row[std::size_t(other)]) == value)
            return EntryCheck::tr("Subject %1 Is Already Chosen As Choice %2")
                .arg(Numbers::decimalText(*value))
                .arg(other);
    }
    return {};
}

QString choiceText(const QString& typed)
{
    const std::optional<double> value = Numbers::wholeValue(typed);
    return value ? Numbers::decimalText(*value) : QString();
}

bool ValidateChoice(const QString& typed, Global::Long subject, int slot, const RowChoices& row,
                    Global::Long groupSize)
{
    const QString refusal = choiceRefusal(typed, subject, slot, row, groupSize);
    if (refusal.isEmpty())
        return true;
    MsgBox(refusal, Buttons::Ok, Icon::Information);
    return false;
}
