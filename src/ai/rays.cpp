// Straight rays of lances, rooks and dragons. A negative code walks for the lower side.
#include "ai/reach.h"

namespace orizen {

void Game::勢力確定上直進(int p, int x, int y) {
    if (p < 0)
        reach::ray<false, 0, -1>(*this, p, x, y);
    else
        reach::ray<true, 0, -1>(*this, p, x, y);
}

void Game::勢力確定下直進(int p, int x, int y) {
    if (p < 0)
        reach::ray<false, 0, 1>(*this, p, x, y);
    else
        reach::ray<true, 0, 1>(*this, p, x, y);
}

void Game::勢力確定右直進(int p, int x, int y) {
    if (p < 0)
        reach::ray<false, 1, 0>(*this, p, x, y);
    else
        reach::ray<true, 1, 0>(*this, p, x, y);
}

void Game::勢力確定左直進(int p, int x, int y) {
    if (p < 0)
        reach::ray<false, -1, 0>(*this, p, x, y);
    else
        reach::ray<true, -1, 0>(*this, p, x, y);
}

}  // namespace orizen
