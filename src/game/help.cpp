// The help page and the version dialog.
#include "game/game.h"

#ifndef ORIZEN_HOMEPAGE
#define ORIZEN_HOMEPAGE ""
#endif

namespace orizen {

void Game::KAISETU_Click() {
    // A failure to open the page stays silent.
    host.openUrl(places.StartFolder + "/Orizen.htm");
}

void Game::VER_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    効果音(sounds.SoundOther);
    if (places.HomePage.empty()) places.HomePage = ORIZEN_HOMEPAGE;
    host.showVersionDialog();
}

}  // namespace orizen
