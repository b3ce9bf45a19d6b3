#pragma once
// Painting text needs the application's fonts and the database driver is a plugin: both
// need an application object, which benchmarks that draw or store create once here (one
// that holds widgets, since the language benchmark opens windows).

#include <QApplication>

inline void ensureBenchApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "sociogram_bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: its clean-up at exit would reach the database driver's own statics,
    // which are gone by then once a benchmark has opened a study.
    static auto* app = new QApplication(argc, argv);
    (void)app;
}
