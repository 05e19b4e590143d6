// The influence balance of a board, surveyed on a copy.
#include "game/influence_map.h"

#include "game/headless.h"

namespace orizen {

InfluenceMap::InfluenceMap() : survey_(std::make_unique<Headless>()) {}

InfluenceMap::~InfluenceMap() = default;

bool InfluenceMap::update(const Cells& board) {
    if (surveyed_ && board == board_) return false;
    Game& g = survey_->game;
    g.arrange().pos.Board = board;
    g.勢力調査();
    Grid<int16_t> next{};
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y)
            next(x, y) = int16_t(g.survey().LowerInfluence(x, y) - g.survey().UpperInfluence(x, y));
    board_ = board;
    const bool changed = !surveyed_ || !(next == balance_);
    balance_ = next;
    surveyed_ = true;
    return changed;
}

}  // namespace orizen
