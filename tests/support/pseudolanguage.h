#pragma once
// A language made up for tests: every text from a catalogue comes back 40 % longer and
// with its vowels accented, its placeholders, markup and access keys kept. A window shown
// in it reveals a text that never went through a catalogue (it stays plain ASCII) and a
// caption with too little room.

#include <QString>
#include <QTranslator>
#include <algorithm>

inline QString pseudoText(const QString& source)
{
    static const QString plain = QStringLiteral("aeiouAEIOU");
    static const QString accented = QStringLiteral("áéíóúÁÉÍÓÚ");
    QString out;
    bool inTag = false;
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        const qsizetype semicolon = source.indexOf(u';', i);
        if (c == u'<' || (c == u'&' && semicolon > i && semicolon - i < 6))
            inTag = true; // a tag or an entity stays as written
        const bool keep =
            inTag || (i > 0 && source[i - 1] == u'&') || (i > 0 && source[i - 1] == u'%');
        const qsizetype at = plain.indexOf(c);
        out += keep || at < 0 ? c : accented[at];
        if (c == u'>' || c == u';')
            inTag = false;
    }
    const int letters =
        int(std::count_if(source.begin(), source.end(), [](QChar c) { return c.isLetter(); }));
    return out + QString(qMax(1, letters * 2 / 5), u'·');
}

class PseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return pseudoText(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};
