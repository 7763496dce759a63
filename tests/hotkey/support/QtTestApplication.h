#pragma once

#include <QApplication>

namespace quorvex::hotkey {

// Widget tests need one QApplication for the whole test program.
inline void ensureQtApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "hotkey-tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

} // namespace quorvex::hotkey
