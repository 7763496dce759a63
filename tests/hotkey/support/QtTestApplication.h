#pragma once

#include <QApplication>

namespace quorvex::hotkey {

// Widget tests need one QApplication for the whole test program.
inline void ensureQtApplication()
{
    if (QApplication::instance())
        return;
    // Widget tests need no display, whatever the environment offers.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "hotkey-tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down among the other statics at exit crashes.
    new QApplication(argc, argv);
}

} // namespace quorvex::hotkey
