#pragma once
// A subject's status, one vocabulary for the figures, the files they write, the marks on
// the labels and the picture's key, with its words written once. The English word is
// what a file keeps; shown() gives it in the language in use. Unlike codes.h this header
// needs Qt: only the figures and the drawing, which have it, include it.

#include <QCoreApplication>
#include <QString>

// The four groups and the two remainders of a classification of both criteria, and
// what a study of one criterion can tell: its most chosen and its isolates. None: not
// classified, or nothing to mark. RejectedIsolate: rejected and chosen by nobody.
enum class Status {
    None,
    Popular,
    Rejected,
    Neglected,
    Controversial,
    Average,
    Unclassified,
    MostChosen,
    Isolate,
    RejectedIsolate
};

namespace StatusWords {

inline constexpr char Context[] = "Analysis";

constexpr const char* source(Status status)
{
    switch (status) {
    case Status::None:
        return QT_TRANSLATE_NOOP("Analysis", "undefined");
    case Status::Popular:
        return QT_TRANSLATE_NOOP("Analysis", "Popular");
    case Status::Rejected:
        return QT_TRANSLATE_NOOP("Analysis", "Rejected");
    case Status::Neglected:
        return QT_TRANSLATE_NOOP("Analysis", "Neglected");
    case Status::Controversial:
        return QT_TRANSLATE_NOOP("Analysis", "Controversial");
    case Status::Average:
        return QT_TRANSLATE_NOOP("Analysis", "Average");
    case Status::Unclassified:
        return QT_TRANSLATE_NOOP("Analysis", "Unclassified");
    case Status::MostChosen:
        return QT_TRANSLATE_NOOP("Analysis", "Most chosen");
    case Status::Isolate:
        return QT_TRANSLATE_NOOP("Analysis", "Isolate");
    case Status::RejectedIsolate:
        return QT_TRANSLATE_NOOP("Analysis", "Rejected, chosen by nobody");
    }
    return "";
}

inline QString english(Status status)
{
    return QString::fromLatin1(source(status));
}
inline QString shown(Status status)
{
    return QCoreApplication::translate(Context, source(status));
}

} // namespace StatusWords
