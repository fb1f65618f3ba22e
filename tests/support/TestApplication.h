// Widget tests need one application object for the whole test program.
#pragma once

#include <QApplication>

inline void EnsureApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "editzarn_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}
