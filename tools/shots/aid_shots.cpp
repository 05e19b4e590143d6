// Pictures of the player's aids over a real game: the window driven through the game's own
// commands and mouse presses, the aids through their menu actions, every box answered at once.
//   aid_shots OUT_FOLDER     (QT_SCALE_FACTOR=2 for the doubled window)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>

#include "game/choose.h"
#include "drive.h"
#include "window/main_window.h"

using namespace orizen;
using namespace orizen::window;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: aid_shots OUT_FOLDER\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QDir work(out + "/work");
    work.removeRecursively();
    QDir().mkpath(work.path());

    // Every box is answered with its default button as soon as it is up.
    QTimer boxes;
    answerBoxes(boxes, 20);

    NullSound sound;
    MainWindow w(sound);
    w.game().setFolders(work.path().toStdString(), w.game().locations().AssetFolder);
    w.load();
    w.show();
    settle();
    Game& g = w.game();
    auto shot = [&](const char* name) {
        settle();
        w.grab().save(out + "/" + name + ".png");
    };

    shot("0_aids_off");
    runCommand(g, Menu::SENTE);
    settle();
    w.aids().hintAction()->trigger();
    shot("1_hint_opening");

    // The self-play game: the lower side's moves as the hint would give them, the computer answering.
    for (int i = 0; i < 15; ++i) {
        ScoredMove m;
        if (!g.players().hint().choose(g, true, m)) break;
        press(w, m.move.fx, m.move.fy, Qt::LeftButton);
        press(w, m.move.tx, m.move.ty, m.move.after != m.move.before ? Qt::RightButton : Qt::LeftButton);
    }
    QElapsedTimer hintTime;
    hintTime.start();
    w.aids().hintAction()->trigger();
    std::printf("hint at move 31: %.0f ms\n", double(hintTime.nsecsElapsed()) / 1e6);
    shot("2_hint_move31");
    w.aids().listAction()->trigger();
    shot("3_list_30");
    w.aids().moveList().view()->setCurrentRow(10);
    emit w.aids().moveList().view()->itemClicked(w.aids().moveList().view()->item(10));
    shot("4_list_back_to_10");
    w.aids().influenceAction()->trigger();
    shot("5_influence_midori");
    runCommand(g, Menu::UCHU);
    shot("6_influence_uchu");
    runCommand(g, Menu::TATAMI);
    shot("7_influence_tatami");
    w.aids().influenceAction()->trigger();

    // LEVEL4 at three seconds a move, its thinking beside the board while it thinks and after.
    QMenu* options = w.menuItems().action(Menu::OPTION)->menu();
    options->popup(w.mapToGlobal(QPoint(120, 20)));
    settle();
    QMenu* seconds = nullptr;
    for (QAction* a : options->actions())
        if (a->objectName() == "LEVEL4_TIME") seconds = a->menu();
    if (seconds != nullptr) {
        options->setActiveAction(seconds->menuAction());
        seconds->popup(options->mapToGlobal(QPoint(options->width(), 0)));
        settle();
        options->grab().save(out + "/8_options_menu.png");
        seconds->grab().save(out + "/8_level4_time_menu.png");
        seconds->close();
    }
    options->close();
    w.aids().secondsAction(3)->trigger();
    runCommand(g, Menu::LEVEL4);
    runCommand(g, Menu::GOTE);  // a new game, the computer moving first
    QElapsedTimer thinking;
    thinking.start();
    while (w.thinking() && thinking.elapsed() < 1500) QApplication::processEvents(QEventLoop::AllEvents, 20);
    shot("9_level4_thinking");
    while (w.thinking() && thinking.elapsed() < 20000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    shot("10_level4_moved");
    w.aids().languageAction(Language::English)->trigger();
    shot("11_level4_moved_english");
    w.aids().languageAction(Language::Japanese)->trigger();

    // What the tint costs a change of the picture: a copy of the buffer, tinted.
    QElapsedTimer timer;
    timer.start();
    constexpr int kRounds = 20;
    for (int i = 0; i < kRounds; ++i) {
        g.描画_桝輪郭(g.options().BackColourIndex, 14, 14);
        std::uint64_t generation = 0;
        w.board()->substitute(generation);
    }
    std::printf("tinted picture: %.1f ms a change\n", double(timer.nsecsElapsed()) / 1e6 / kRounds);
    return 0;
}
