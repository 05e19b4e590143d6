// The person's input to the game: presses on the board, menu commands and the record panel's
// RETURN and file clicks, each routed to the game's procedure. While the computer thinks on another thread, what would change the game is
// refused with the forbidden sound; opening a menu, the help page or the version dialog still goes
// through, and 終わり first has the thinking given up.
#pragma once

#include <functional>
#include <string>

#include "game/game.h"

namespace orizen {

// Runs the procedure of a menu command.
void runCommand(Game& game, Menu item);

// Steps through the history to move n (0: the position before the first), one step at a time with
// 戻 and 進 given to `command`, as the person would; a refused step ends the walk.
void stepTo(const Game& game, int n, const std::function<void(Menu)>& command);

class Controller {
public:
    explicit Controller(Game& game) : game_(game) {}

    void press(int button, int shift, double X, double Y);
    void command(Menu item);
    void writeRecord();                         // the panel's RETURN
    void readRecord(const std::string& path);  // a record file clicked in the panel

    // Whether the computer is thinking, and what gives its thinking up (for 終わり).
    bool busy = false;
    std::function<void()> abandon;

private:
    bool refusedWhileBusy(Menu item);
    void forbidden() { game_.効果音(game_.soundHandles().SoundForbidden); }

    Game& game_;
};

}  // namespace orizen
