// The end of a game: who won, and whether to play again.
#include "game/game.h"

namespace orizen {

void Game::終了(const std::string& winner) {
    if (flow.Ended) return;
    効果音(sounds.SoundGameEnd);
    host.notify(Event::GameOver);
    host.message(winner + "の勝ちです", "終了", Buttons::Ok);
    if (host.message("続けますか？", "再ゲーム", Buttons::YesNo) == Answer::Yes) {
        初期設定();
        画面_再描画();
        効果音(sounds.SoundPiece);
    } else {
        Form_Unload();
    }
}

}  // namespace orizen
