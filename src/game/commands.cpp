// Routes the person's input to the game's procedures.
#include "game/controller.h"

#include <algorithm>

namespace orizen {

void runCommand(Game& g, Menu item) {
    switch (item) {
        case Menu::TAIKYOKU: g.TAIKYOKU_Click(); break;
        case Menu::START: g.START_Click(); break;
        case Menu::SENTE: g.SENTE_Click(); break;
        case Menu::GOTE: g.GOTE_Click(); break;
        case Menu::LEVEL1: case Menu::LEVEL2: case Menu::LEVEL3: case Menu::LEVEL4:
            g.LEVEL_Click(int(item) - int(Menu::LEVEL1) + 1);
            break;
        case Menu::OWARI: g.OWARI_Click(); break;
        case Menu::STOP: g.STOP_Click(); break;
        case Menu::CANCEL: g.CANCEL_Click(); break;
        case Menu::REVERSE: g.REVERSE_Click(); break;
        case Menu::REPLAY: g.REPLAY_Click(); break;
        case Menu::AFTER: g.AFTER_Click(); break;
        case Menu::KIFU_READ: g.KIFU_READ_Click(); break;
        case Menu::KIFU_WRITE: g.KIFU_WRITE_Click(); break;
        case Menu::OPTION: g.OPTION_Click(); break;
        case Menu::SIDOU: g.SIDOU_Click(); break;
        case Menu::MIDORI: g.背景_Click(item, BG_MIDORI); break;
        case Menu::TATAMI: g.背景_Click(item, BG_TATAMI); break;
        case Menu::TAKE: g.背景_Click(item, BG_TAKE); break;
        case Menu::UCHU: g.背景_Click(item, BG_UCHU); break;
        case Menu::RENGA: g.背景_Click(item, BG_RENGA); break;
        case Menu::BGM: g.BGM_Click(); break;
        case Menu::KAISETU: g.KAISETU_Click(); break;
        case Menu::VER: g.VER_Click(); break;
        // Submenu parents only open their submenus.
        case Menu::MATCH_MAN: case Menu::START2: case Menu::LEVEL: case Menu::KIFU:
        case Menu::HAIKEI_GA: case Menu::SONOTA:
            break;
    }
}

void Controller::press(int button, int shift, double X, double Y) {
    if (busy) {
        forbidden();  // the computer is to move
        return;
    }
    game_.Form_MouseDown(button, shift, X, Y);
}

void Controller::command(Menu item) {
    if (busy && refusedWhileBusy(item)) return;
    runCommand(game_, item);
}

// The computer's move is found for the position it was asked about: no record is read or
// written under it.
void Controller::writeRecord() {
    if (busy) return forbidden();
    game_.Command1_Click();
}

void Controller::readRecord(const std::string& path) {
    if (busy) return forbidden();
    game_.File1_Click(path);
}

bool Controller::refusedWhileBusy(Menu item) {
    switch (item) {
        case Menu::OWARI:
            if (abandon) abandon();  // the program ends; the move is not wanted any more
            return false;
        case Menu::TAIKYOKU: case Menu::STOP: case Menu::OPTION: case Menu::MATCH_MAN: case Menu::START2:
        case Menu::LEVEL: case Menu::KIFU: case Menu::HAIKEI_GA: case Menu::SONOTA: case Menu::KAISETU:
        case Menu::VER:
            return false;  // opening a menu, the help page and the version dialog change no game
        default:
            forbidden();
            return true;
    }
}

void stepTo(const Game& game, int n, const std::function<void(Menu)>& command) {
    if (game.state().Ended) return;
    n = std::clamp(n, 0, game.moveHistory().RecordLength);
    while (game.moveHistory().RecordCount != n) {
        const int before = game.moveHistory().RecordCount;
        command(before > n ? Menu::REPLAY : Menu::AFTER);
        if (game.moveHistory().RecordCount == before || game.state().Ended) break;
    }
}

}  // namespace orizen
