#pragma once
// Measuring runs of the program for the benchmark table: "--probe startup" quits as
// soon as the start window is up; "--probe memory" opens a 40-subject Target
// sociogram with 10 choices each, prints the resident set size in kilobytes and quits.
// Neither writes to the study database.

#include <QString>

// The probe asked for on the command line, or an empty string.
QString probeFromArguments(const QStringList& arguments);
// Arranges the probe's measurement once the event loop runs.
void runProbe(const QString& probe);
