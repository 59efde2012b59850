#pragma once

#include <QCoreApplication>

// The Qt application the event-driven benchmarks need, created on first use and kept until the process ends.
inline void ensureBenchApplication() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "glimmerbox-bench";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}
