// Where play stands apart from the position: whose turn, the mode, the result.
#pragma once

#include "rules/codes.h"

namespace orizen {

// Where play stands: whose turn it is, who plays which side, the mode and the result.
struct Flow {
    int Turn = NO_GAME;
    int HumanSide = TURN_FIRST;
    int OtherSide = TURN_SECOND;
    int GameMode = NO_GAME;
    int Winner = NO_GAME;
    int MoveNumber = 0;
    int RecordMode = NO;
    int Reversed = NO;
    bool Ended = false;  // the program has been told to end
};

}  // namespace orizen
