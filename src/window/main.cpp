// orizen: the game in its window. `orizen --files` prints where it keeps and finds its files.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "classic/search.h"
#include "game/places.h"
#include "window/main_window.h"
#include "window/qt_sound.h"

#ifndef ORIZEN_INSTALLED_ASSETS
#define ORIZEN_INSTALLED_ASSETS ""
#endif

namespace {

orizen::Places places() {
    return orizen::findPlaces(QDir::currentPath().toStdString(), QCoreApplication::applicationDirPath().toStdString(),
                              [](const char* name) { return static_cast<const char*>(std::getenv(name)); },
                              ORIZEN_INSTALLED_ASSETS);
}

// What --files prints; exit status 0 when every sound and the help page are there.
int printFiles(const orizen::Places& p) {
    std::printf("settings and records: %s\nsounds and help: %s\n", p.data.c_str(), p.assets.c_str());
    bool all = true;
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav", "BGM.wav", "Orizen.htm", "Orizen.en.htm"}) {
        const bool there = QFileInfo(QString::fromStdString(p.assets + "/" + name)).isFile();
        std::printf("  %s: %s\n", name, there ? "found" : "missing");
        all = all && there;
    }
    return all ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--files") == 0) {
        QCoreApplication app(argc, argv);
        return printFiles(places());
    }
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Orizen"));
    const orizen::Places where = places();
    std::string error;
    if (!where.portable && !orizen::makeFolders(where.data, error))
        std::fprintf(stderr, "orizen: %s\n", error.c_str());  // the settings writer says so too

    orizen::QtSoundLibrary sound;
    orizen::window::MainWindow window(sound);
    // The computer's threads and buffers are made while the game loads and the person thinks.
    const orizen::search::Warmup warmup(window.players().classic());
    window.usePlaces(where);
    const QStringList languages = QLocale::system().uiLanguages();
    window.setSystemLanguage(orizen::languageOfLocale(
        (languages.isEmpty() ? QLocale::system().name() : languages.first()).toStdString()));
    window.load();
    if (window.game().state().Ended) return 0;  // told to end during start-up
    window.show();
    return app.exec();
}
