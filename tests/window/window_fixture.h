// A started main window with a silent sound library, in a private folder.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

#include "fakes.h"
#include "qt_app.h"
#include "window/main_window.h"

namespace orizen::window::test {

struct WindowFixture {
    QApplication& application = app();
    orizen::test::TempFolder folder;
    orizen::test::FakeSound sound;
    MainWindow window{sound};

    WindowFixture() {
        window.game().setFolders(folder.path.string(), window.game().locations().AssetFolder);
        window.load();
    }
};

// Runs `act` on the next modal message box as soon as it is up (the caller then opens it).
inline void onNextBox(std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) act(box);
        else onNextBox(act);
    });
}

}  // namespace orizen::window::test
