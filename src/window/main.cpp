// orizen: the game in its window.
#include <QApplication>

#include "window/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orizen::NullSound sound;  // no sound back end yet: the game says so once and stays silent
    orizen::window::MainWindow window(sound);
    window.load();
    if (window.game().Ended) return 0;  // told to end during start-up
    window.show();
    return app.exec();
}
