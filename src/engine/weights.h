// The evaluation's weights in one flat table, so that a tuner can fit them all alike: where each
// group starts, and the hand-set weights a fit starts from and stays near. The weights in use are
// made by the tuner (fitted.h).
#pragma once

#include <array>

#include "rules/pieces.h"

namespace orizen::engine {

namespace weight {
inline constexpr int kTypes = pieces::kTypes;
enum : int {
    Value = 0,                     // a type on the board
    Hand = Value + kTypes,         // a kind in hand (index 1 .. 7)
    PullFar = Hand + 8,            // a type, by the squares it is nearer the enemy king than 27 away
    PullNear = PullFar + kTypes,   // a type, by its closeness to the enemy king (steep near it)
    Guard1 = PullNear + kTypes,    // a type next to its own king
    Guard2 = Guard1 + kTypes,      // a type two squares from its own king
    Camp = Guard2 + kTypes,        // a type inside the enemy camp
    PawnRank = Camp + kTypes,      // a pawn, by how far it has come
    ShelterHeld = PawnRank + 1,    // a square next to the king the enemy reaches, held by its own piece
    ShelterOpen,                   // the same, empty or the enemy's
    HandCount,                     // a piece in hand, whatever it is
    HandDanger,                    // a kind in the enemy's hand (at most 2 counted) by the empty
                                   // squares next to the king (index 1 .. 7)
    Tempo = HandDanger + 8,        // the side to move
    Count
};
}  // namespace weight

using Weights = std::array<int, weight::Count>;

// The groups by name, as the tuner writes them.
struct WeightGroup {
    const char* name;
    int at, count;
};
inline constexpr WeightGroup kWeightGroups[] = {
    {"Value", weight::Value, weight::kTypes},       {"Hand", weight::Hand, 8},
    {"PullFar", weight::PullFar, weight::kTypes},   {"PullNear", weight::PullNear, weight::kTypes},
    {"Guard1", weight::Guard1, weight::kTypes},     {"Guard2", weight::Guard2, weight::kTypes},
    {"Camp", weight::Camp, weight::kTypes},         {"PawnRank ShelterHeld ShelterOpen HandCount", weight::PawnRank, 4},
    {"HandDanger", weight::HandDanger, 8},          {"Tempo", weight::Tempo, 1},
};

inline constexpr Weights kHandSet = {
    // Value
    0, 100, 430, 260, 430, 290, 430, 400, 430, 450, 700, 950, 850, 1150, 0,
    // Hand
    0, 105, 270, 300, 420, 470, 730, 880,
    // PullFar
    0, 0, 3, 1, 3, 1, 3, 2, 3, 2, 2, 5, 2, 6, 0,
    // PullNear
    0, 4, 7, 5, 7, 5, 7, 6, 7, 6, 6, 9, 6, 10, 0,
    // Guard1
    0, 2, 7, 1, 7, 1, 7, 7, 7, 9, 2, 8, 1, 6, 0,
    // Guard2
    0, 1, 3, 0, 3, 0, 3, 3, 3, 4, 1, 4, 0, 3, 0,
    // Camp
    0, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 0,
    // PawnRank ShelterHeld ShelterOpen HandCount
    2, -20, -50, 6,
    // HandDanger
    0, 0, 0, 0, 0, 0, 0, 0,
    // Tempo
    0,
};

}  // namespace orizen::engine

#include "engine/fitted.h"
