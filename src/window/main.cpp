// orizen: the game in its window.
#include <QApplication>

#include "window/main_window.h"
#include "window/qt_sound.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orizen::QtSoundLibrary sound;
    orizen::window::MainWindow window(sound);
    window.load();
    if (window.game().Ended) return 0;  // told to end during start-up
    window.show();
    return app.exec();
}
