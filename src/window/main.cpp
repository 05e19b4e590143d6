// orizen: the game in its window.
#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

#include "options/places.h"
#include "window/main_window.h"
#include "window/qt_sound.h"

#ifndef ORIZEN_INSTALLED_ASSETS
#define ORIZEN_INSTALLED_ASSETS ""
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Orizen"));
    const orizen::Places places = orizen::findPlaces(QDir::currentPath().toStdString(),
                                                     QCoreApplication::applicationDirPath().toStdString(),
                                                     [](const char* name) { return std::getenv(name); },
                                                     ORIZEN_INSTALLED_ASSETS);
    std::string error;
    if (!places.portable && !orizen::makeFolders(places.data, error))
        std::fprintf(stderr, "orizen: %s\n", error.c_str());  // the settings writer says so too

    orizen::QtSoundLibrary sound;
    orizen::window::MainWindow window(sound);
    window.usePlaces(places);
    window.load();
    if (window.game().Ended) return 0;  // told to end during start-up
    window.show();
    return app.exec();
}
