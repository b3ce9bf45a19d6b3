#pragma once
// The user's guide the Help menu shows: the sections of the README on using the
// program, from "Using it" up to the first section for those who build it.

#include <QString>

namespace GuideText {
inline const QString FirstSection = QStringLiteral("Using it");
inline const QString EndSection = QStringLiteral("Reliability");

// The sections from `FirstSection` to the one before `EndSection`, as Markdown; the
// whole text when the README has no such section.
QString fromReadme(const QString& readme);
} // namespace GuideText
