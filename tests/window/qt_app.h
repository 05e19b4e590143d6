// One QApplication for every window test, on the offscreen platform unless told otherwise.
#pragma once

#include <QApplication>

namespace orizen::window::test {

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "orizen_window_tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: tearing Qt down among the exit handlers crashes.
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

}  // namespace orizen::window::test
