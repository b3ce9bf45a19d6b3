// Randomised runs of the readers that take what a user types or what a file holds:
// random texts through the number readers against an independent reading, and
// damaged copies of a study database through every request of the store. Not part of
// the suite: build with -DSOCIOGRAM_FUZZ=ON and run `ctest -R fuzz` or the program.
// SOCIOGRAM_FUZZ_SEED and SOCIOGRAM_FUZZ_COUNT change the seed and the number of
// inputs; an input that breaks a rule is printed (texts) or kept in a file (databases)
// so that it can become a row of tst_shell or tst_store.

#include "numbers.h"
#include "store.h"
#include "testdb.h"

#include <QCryptographicHash>
#include <QDir>
#include <QtTest>
#include <charconv>
#include <cmath>
#include <random>

namespace {

quint64 envNumber(const char* name, quint64 fallback)
{
    bool ok = false;
    const quint64 v = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? v : fallback;
}

const quint64 Seed = envNumber("SOCIOGRAM_FUZZ_SEED", 19460101);
const quint64 Count = envNumber("SOCIOGRAM_FUZZ_COUNT", 200000);

QString escaped(const QString& s)
{
    QString out;
    for (QChar c : s)
        out += c.unicode() >= 0x20 && c.unicode() < 0x7f
                   ? QString(c)
                   : u"\\u%1"_qs.arg(int(c.unicode()), 4, 16, QChar(u'0'));
    return out;
}

// The longest decimal number at the start of an ASCII text, read by the standard
// library: the value, or 0 when there is none or it is out of range; `used` is how
// many characters it took and `tooLarge` says a number was there but too large.
double referenceRead(const std::string& t, size_t& used, bool& tooLarge)
{
    used = 0;
    tooLarge = false;
    const size_t start = !t.empty() && t[0] == '+' ? 1 : 0;
    size_t body = start;
    if (body < t.size() && t[body] == '-') {
        if (start == 1)
            return 0;
        ++body;
    }
    const auto digit = [&](size_t i) { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
    if (!(digit(body) || (body < t.size() && t[body] == '.' && digit(body + 1))))
        return 0; // not inf, nan or hex
    double v = 0;
    const auto [end, ec] = std::from_chars(t.data() + start, t.data() + t.size(), v);
    used = size_t(end - t.data());
    if (ec != std::errc::result_out_of_range)
        return v;
    // Out of range: too large when the first significant digit stands left of the point.
    const std::string n = t.substr(body, used - body);
    const size_t e = n.find_first_of("eE");
    const long long exponent =
        e == std::string::npos
            ? 0
            : std::clamp(std::strtoll(n.c_str() + e + 1, nullptr, 10), -1000000000LL, 1000000000LL);
    const std::string mantissa = n.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    tooLarge = first != std::string::npos &&
               exponent + (long long)point - (long long)first + (first > point ? 1 : 0) > 0;
    return 0;
}

std::string ascii(const QString& s)
{
    std::string out;
    for (QChar c : s)
        out += c.unicode() < 0x80 && c.unicode() != 0 ? char(c.unicode()) : '#';
    return out;
}

QString randomText(std::mt19937_64& random)
{
    static const char16_t pieces[] = {u'0',  u'1',   u'2',   u'5',   u'9',   u'+',  u'-',
                                      u'.',  u'.',   u'e',   u'E',   u' ',   u'\t', u'\n',
                                      u'x',  u'd',   u'i',   u'n',   u'f',   u'&',  u'H',
                                      u'\0', 0x0663, 0x00a0, 0x2003, 0xd800, 0x000b};
    const auto pick = [&](int n) { return int(random() % quint64(n)); };
    QString s;
    if (pick(10) == 0)
        s = QString(pick(400), u'0') + QString::number(pick(1000));
    else if (pick(10) == 0)
        s = u"%1e%2%3"_qs.arg(pick(100)).arg(pick(2) ? u"-"_qs : QString()).arg(pick(700));
    for (int i = pick(14); i > 0; --i)
        s.insert(pick(int(s.size()) + 1), QChar(pieces[pick(int(std::size(pieces)))]));
    return s;
}

// A study database with small pages, so that every page matters to a mutation.
QByteArray smallDatabase()
{
    TestDatabase db(512);
    db.addStudy();
    db.addStudy({.name = u"Team"_qs, .groupSize = 40, .choices = 10, .criterionType = 2});
    return db.bytes();
}

QByteArray mutate(const QByteArray& good, std::mt19937_64& random)
{
    const auto pick = [&](int n) { return n <= 0 ? 0 : int(random() % quint64(n)); };
    QByteArray b = good;
    switch (pick(5)) {
    case 0:
        return b.left(pick(int(b.size())));
    case 1: // flipped bits anywhere, or in the first page with the header and the schema
    case 2:
        for (int i = pick(16) + 1; i > 0; --i) {
            const int at = pick(pick(2) ? int(b.size()) : 512);
            b[at] = char(b[at] ^ (1 << pick(8)));
        }
        return b;
    case 3: { // one page copied over another
        const int pages = int(b.size() / 512);
        b.replace(pick(pages) * 512, 512, good.mid(pick(pages) * 512, 512));
        return b;
    }
    default: // a run of random bytes
        for (int at = pick(int(b.size())), n = pick(64) + 1; n > 0 && at < b.size(); --n, ++at)
            b[at] = char(pick(256));
        return b;
    }
}

QByteArray hashOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// Every request on a damaged file gives a value or a numbered error with a sentence,
// and reading leaves the file as it was. Empty when every rule held.
QString checkDamaged(const QString& path)
{
    const QByteArray hash = hashOf(path);
    Result<Store> opened = Store::open(path);
    if (!opened)
        return opened.error().number == 0 ? u"open failed without a number"_qs : QString();
    Store& store = opened.value();
    QStringList broken;
    const auto note = [&](const auto& r, const char* what) {
        if (!r.ok() && (r.error().number == 0 || r.error().sentence.isEmpty()))
            broken << QLatin1String(what);
    };
    for (int record : {1, 2, 0})
        note(store.seekStudy(record), "seekStudy");
    note(store.studiesByRecord(), "studiesByRecord");
    note(store.namesInTableOrder(), "namesInTableOrder");
    note(store.answersOf(1), "answersOf");
    for (int layout : {0, 3})
        note(store.savedPositions(1, layout), "savedPositions");
    if (hashOf(path) != hash)
        broken << u"reading changed the file"_qs;
    note(store.begin(), "begin");
    note(store.writeStudy(1, {u"Old"_qs, 8, 2, u"Q"_qs, 1}), "writeStudy");
    note(store.execute(Statements::deleteAllAnswers(1)), "deleteAllAnswers");
    note(store.appendAnswer(1, 1, 2, 2.5, 1), "appendAnswer");
    note(store.appendPosition(1, 3, 1, 15, 30), "appendPosition");
    note(store.rollback(), "rollback");
    return broken.join(u", "_qs);
}

} // namespace

class FuzzReaders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numberTexts()
    {
        std::mt19937_64 random(Seed);
        QStringList faults;
        for (quint64 i = 0; i < Count && faults.size() < 10; ++i) {
            const QString text = randomText(random);
            size_t used = 0;
            bool tooLarge = false;
            QString kept;
            for (QChar c : text)
                if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
                    kept += c;
            const double leading = referenceRead(ascii(kept), used, tooLarge);
            const std::string trimmed = ascii(text.trimmed());
            const double wholeValue = referenceRead(trimmed, used, tooLarge);
            const bool isWhole = used > 0 && used == trimmed.size() && !tooLarge;
            const std::optional<double> whole = Numbers::wholeValue(text);
            if (Numbers::leadingValue(text) != leading || whole.has_value() != isWhole ||
                (whole && *whole != wholeValue))
                faults << escaped(text);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(u"texts read wrongly: "_qs + faults.join(u" | "_qs)));
    }

    void damagedFiles()
    {
        const QByteArray good = smallDatabase();
        QTemporaryDir dir;
        const QString path = dir.filePath(u"KELVAROX.MDB"_qs);
        std::mt19937_64 random(Seed);
        QStringList faults;
        for (quint64 i = 0; i < Count / 100 && faults.size() < 5; ++i) {
            const QByteArray bytes = mutate(good, random);
            for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
                QFile::remove(dir.filePath(name));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
            f.close();
            const QString broken = checkDamaged(path);
            if (broken.isEmpty())
                continue;
            const QString kept = QDir::temp().filePath(u"fuzz-fault-%1.mdb"_qs.arg(i));
            QFile::remove(kept);
            QFile keep(kept);
            if (keep.open(QIODevice::WriteOnly))
                keep.write(bytes);
            faults << broken + u" (kept as "_qs + kept + u')';
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(FuzzReaders)
#include "fuzz_readers.moc"
