// What must hold of the game's state whatever the person clicks or a file holds: pieces only
// move between the board and the hands, kings are never made, and the history stays in bounds.
// Shared by the soak test and the fuzz targets; each check names the first thing that is wrong.
#pragma once

#include <string>

#include "game/game.h"

namespace orizen::test {

// Pieces of each hand kind (pawn .. rook) one side has in the opening array.
inline constexpr int kOpeningCount[8] = {0, 27, 8, 6, 18, 20, 4, 3};

// Empty when the board and the hands could have come from the opening array by moves, drops and
// captures; otherwise what is wrong. A captured king counts only in its captor's total.
inline std::string unsoundPosition(const Game& g) {
    int pieces[8] = {}, kings[2] = {};  // kings[0] lower, kings[1] upper
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int c = g.position().Board(x, y);
            if (c == EMPTY) continue;
            if (!isPieceCode(c))
                return "code " + std::to_string(c) + " at " + std::to_string(x) + "," + std::to_string(y);
            if (c == 950 || c == -950)
                ++kings[c > 0];
            else
                ++pieces[kindOf(c)];
        }
    if (kings[0] > 1 || kings[1] > 1) return "two kings of one side";
    int lowerSum = 0, upperSum = 0;
    for (int k = 1; k <= 7; ++k) {
        if (g.position().HandLower(k) < 0 || g.position().HandUpper(k) < 0)
            return "negative hand count of kind " + std::to_string(k);
        lowerSum += g.position().HandLower(k);
        upperSum += g.position().HandUpper(k);
        if (pieces[k] + g.position().HandLower(k) + g.position().HandUpper(k) != 2 * kOpeningCount[k])
            return "kind " + std::to_string(k) + " not conserved: " + std::to_string(pieces[k]) + " on the board, " +
                   std::to_string(g.position().HandLower(k)) + " + " + std::to_string(g.position().HandUpper(k)) +
                   " in hand";
    }
    if (g.position().LowerHandCount - lowerSum != 1 - kings[1])
        return "lower total " + std::to_string(g.position().LowerHandCount) + " for " + std::to_string(lowerSum) +
               " in hand";
    if (g.position().UpperHandCount - upperSum != 1 - kings[0])
        return "upper total " + std::to_string(g.position().UpperHandCount) + " for " + std::to_string(upperSum) +
               " in hand";
    return {};
}

// Empty when the history's counters are within what it holds.
inline std::string unsoundHistory(const Game& g) {
    if (g.moveHistory().RecordCount < 0 || g.moveHistory().RecordCount > g.moveHistory().RecordLength ||
        g.moveHistory().RecordLength > HISTORY_MAX)
        return "history at " + std::to_string(g.moveHistory().RecordCount) + " of " +
               std::to_string(g.moveHistory().RecordLength);
    return {};
}

// Empty when no two background items carry a check mark.
inline std::string unsoundMarks(const Game& g) {
    const Menu backgrounds[] = {Menu::MIDORI, Menu::TATAMI, Menu::TAKE, Menu::UCHU, Menu::RENGA};
    int marked = 0;
    for (Menu m : backgrounds) marked += g.isChecked(m);
    if (marked > 1) return std::to_string(marked) + " backgrounds marked";
    return {};
}

inline std::string unsound(const Game& g) {
    std::string why = unsoundPosition(g);
    if (why.empty()) why = unsoundHistory(g);
    if (why.empty()) why = unsoundMarks(g);
    return why;
}

}  // namespace orizen::test
