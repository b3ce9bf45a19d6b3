#pragma once
// The words of a subject's status, written once for the figures, the files they write
// and the picture's key. The English word is what a file keeps; shown() gives it in the
// language in use. Unlike codes.h this header needs Qt: only the figures and the
// drawing, which have it, include it.

#include <QCoreApplication>
#include <QString>

namespace StatusWords {

inline constexpr char Context[] = "Analysis";
inline constexpr const char* Popular = QT_TRANSLATE_NOOP("Analysis", "Popular");
inline constexpr const char* Rejected = QT_TRANSLATE_NOOP("Analysis", "Rejected");
inline constexpr const char* Neglected = QT_TRANSLATE_NOOP("Analysis", "Neglected");
inline constexpr const char* Controversial = QT_TRANSLATE_NOOP("Analysis", "Controversial");
inline constexpr const char* Isolate = QT_TRANSLATE_NOOP("Analysis", "Isolate");

inline QString english(const char* word)
{
    return QString::fromLatin1(word);
}
inline QString shown(const char* word)
{
    return QCoreApplication::translate(Context, word);
}

} // namespace StatusWords
