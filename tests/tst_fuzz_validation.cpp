// Randomised entries for the two checks a user's typing goes through: the entry
// window's one choice and the study window's header. Each input is judged by an
// independent reading of the rules; a fixed seed makes a failure repeat, and
// SOCIOGRAM_FUZZ_SEED / SOCIOGRAM_FUZZ_COUNT change the seed and the number of inputs.
#include "entrycheck.h"
#include "errorreport.h"
#include "globals.h"
#include "messages.h"
#include "numbers.h"
#include "store.h"
#include "testdb.h"
#include "validate.h"

#include <QtTest>
#include <random>

namespace {

quint64 envNumber(const char* name, quint64 fallback)
{
    bool ok = false;
    const quint64 v = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? v : fallback;
}

// Texts a user could type or paste: digits, signs, points, blanks, letters, and now
// and then a character far outside ASCII.
QString randomText(std::mt19937_64& rng, int maxLength)
{
    static const QString alphabet = QStringLiteral("0123456789 +-.,eExX\t05");
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    std::uniform_int_distribution<int> odd(0, 40);
    QString out;
    for (int i = length(rng); i > 0; --i) {
        if (odd(rng) == 0)
            out += QChar(char16_t(0x0660 + odd(rng) % 10)); // Arabic-Indic digits
        else
            out += alphabet[pick(rng)];
    }
    return out;
}

// Counts the message boxes and answers each with its safe answer.
struct CountingMessages {
    int shown = 0;
    QString last;
    MessageHandler previous;
    CountingMessages()
    {
        previous = setMessageHandler([this](const Message& m) {
            ++shown;
            last = m.text;
            return m.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
        });
    }
    ~CountingMessages() { setMessageHandler(previous); }
};

bool expectedChoice(const QString& typed, const QString& subject, int groupSize)
{
    if (typed.trimmed().isEmpty())
        return true;
    const std::optional<double> v = Numbers::wholeValue(typed);
    return v && *v <= groupSize && typed != subject;
}

bool sizeWithin(const QString& text, double low, double high)
{
    const double v = Numbers::leadingValue(text);
    return v >= low && v <= high;
}

} // namespace

class FuzzValidationTest : public QObject {
    Q_OBJECT

    quint64 seed = envNumber("SOCIOGRAM_FUZZ_SEED", 20261207);
    quint64 count = envNumber("SOCIOGRAM_FUZZ_COUNT", 1000000);

private Q_SLOTS:
    void entryChoice()
    {
        std::mt19937_64 rng(seed);
        std::uniform_int_distribution<int> group(6, 40);
        CountingMessages messages;
        for (quint64 i = 0; i < count; ++i) {
            const int groupSize = group(rng);
            const QString subject = QString::number(1 + int(rng() % groupSize));
            const QString typed = (i % 4 == 0) ? subject : randomText(rng, 4);
            const int before = messages.shown;
            const bool accepted = ValidateChoice(typed, subject, groupSize);
            if (accepted != expectedChoice(typed, subject, groupSize))
                QFAIL(qPrintable(QStringLiteral("'%1' for subject %2 of %3: accepted %4")
                                     .arg(typed, subject)
                                     .arg(groupSize)
                                     .arg(accepted)));
            // A refusal always says why, in exactly one message; a pass says nothing.
            if (messages.shown - before != (accepted ? 0 : 1))
                QFAIL(qPrintable(
                    QStringLiteral("'%1': %2 messages").arg(typed).arg(messages.shown - before)));
        }
    }

    // Stored studies skip the name look-up, so most inputs need no database; a share
    // of them runs against a real file with a stored name.
    void studyHeader()
    {
        TestDatabase db;
        QVERIFY(db.isValid());
        QVERIFY(
            db.exec(QStringLiteral("INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, QUESTION, "
                                   "CRITERIONTYPE) VALUES ('05', 6, 1, 'Q', 1)")));
        errorReport().setPause([] {});
        Store::setBusyTimeout(0);
        std::mt19937_64 rng(seed + 1);
        CountingMessages messages;
        const quint64 n = count / 10;
        const QString appPath = Global::AppPath;
        for (quint64 i = 0; i < n; ++i) {
            Global::reset();
            Global::AppPath = appPath;
            StudyEntries e;
            e.criterion = randomText(rng, 3);
            e.referenceName = randomText(rng, 2);
            e.groupSize = randomText(rng, 3);
            e.choices = randomText(rng, 3);
            e.criterionType = 1 + Global::Long(rng() % 3);
            const Global::Long record = (i % 50 == 0) ? 0 : 1;
            const bool nameTaken = record == 0 && e.referenceName == QStringLiteral("05");
            const bool expected = !e.criterion.isEmpty() && !e.referenceName.isEmpty() &&
                                  !nameTaken && sizeWithin(e.groupSize, 6, 40) &&
                                  sizeWithin(e.choices, 1, 10);
            const int before = messages.shown;
            const bool accepted = Validate(e, record);
            if (accepted != expected)
                QFAIL(qPrintable(QStringLiteral("'%1' '%2' '%3' '%4': accepted %5")
                                     .arg(e.criterion, e.referenceName, e.groupSize, e.choices)
                                     .arg(accepted)));
            if (accepted) {
                // Only whole sizes inside the ranges ever reach the study.
                if (Global::GroupSize < 6 || Global::GroupSize > 40 || Global::MaxChoices < 1 ||
                    Global::MaxChoices > 10 || messages.shown != before)
                    QFAIL(
                        qPrintable(QStringLiteral("accepted '%1' '%2' as %3 x %4 after: %5")
                                       .arg(e.groupSize, e.choices)
                                       .arg(Global::GroupSize)
                                       .arg(Global::MaxChoices)
                                       .arg(messages.shown != before ? messages.last : QString())));
            } else if (messages.shown == before || Global::GroupSize != 0 ||
                       !Global::RefName.isEmpty()) {
                QFAIL(qPrintable(QStringLiteral("refused without a word, or changed the study")));
            }
        }
    }
};

QTEST_GUILESS_MAIN(FuzzValidationTest)
#include "tst_fuzz_validation.moc"
