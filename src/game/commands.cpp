// Routes each menu command to its handler.
#include "game.h"

namespace orizen {

void Game::menuClick(Menu item) {
    switch (item) {
        case Menu::TAIKYOKU: TAIKYOKU_Click(); break;
        case Menu::START: START_Click(); break;
        case Menu::SENTE: SENTE_Click(); break;
        case Menu::GOTE: GOTE_Click(); break;
        case Menu::LEVEL1: LEVEL1_Click(); break;
        case Menu::LEVEL2: LEVEL2_Click(); break;
        case Menu::LEVEL3: LEVEL3_Click(); break;
        case Menu::LEVEL4: LEVEL4_Click(); break;
        case Menu::OWARI: OWARI_Click(); break;
        case Menu::STOP: STOP_Click(); break;
        case Menu::CANCEL: CANCEL_Click(); break;
        case Menu::REVERSE: REVERSE_Click(); break;
        case Menu::REPLAY: REPLAY_Click(); break;
        case Menu::AFTER: AFTER_Click(); break;
        case Menu::KIFU_READ: KIFU_READ_Click(); break;
        case Menu::KIFU_WRITE: KIFU_WRITE_Click(); break;
        case Menu::OPTION: OPTION_Click(); break;
        case Menu::SIDOU: SIDOU_Click(); break;
        case Menu::MIDORI: 背景_Click(item, BG_MIDORI); break;
        case Menu::TATAMI: 背景_Click(item, BG_TATAMI); break;
        case Menu::TAKE: 背景_Click(item, BG_TAKE); break;
        case Menu::UCHU: 背景_Click(item, BG_UCHU); break;
        case Menu::RENGA: 背景_Click(item, BG_RENGA); break;
        case Menu::BGM: BGM_Click(); break;
        case Menu::KAISETU: KAISETU_Click(); break;
        case Menu::VER: VER_Click(); break;
        // Submenu parents only open their submenus.
        case Menu::MATCH_MAN: case Menu::START2: case Menu::LEVEL: case Menu::KIFU:
        case Menu::HAIKEI_GA: case Menu::SONOTA:
            break;
    }
}

}  // namespace orizen
