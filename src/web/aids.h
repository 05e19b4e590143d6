// The player's aids on the page: the hint, the influence map and the list of moves, worked out
// here and drawn by the page over the game's picture.
#pragma once

#include <optional>
#include <string>

#include "engine/search.h"
#include "game/controller.h"
#include "game/game.h"
#include "game/influence_map.h"
#include "game/language.h"
#include "game/level4.h"

namespace orizen::web {

class Aids {
public:
    Aids(Game& game, Controller& controller) : game_(game), controller_(controller) {}

    // The aids' settings, read from the file beside the settings file; switching one keeps them.
    void load();
    void setInfluenceMap(bool on);
    void setMoveList(bool on);
    // LEVEL4's time a move: 1, 3 or 10 seconds (the hint keeps its own).
    void setLevel4Seconds(int seconds);

    // The hint for the side to move is searched elsewhere (the page's worker): what to search, and
    // false when no hint can be given; then what the search found, shown while its position stands.
    bool askHint(level4::Request& request);
    void hintFound(const engine::Report& report);
    void clearHint() { hint_.reset(); }
    // Esc: the hint and the selection go.
    void escape();
    // Steps with 戻 and 進 to move n of the history, as a click on the list does.
    void stepTo(int n);

    // What the page draws over the game, as JSON: the settings, the hint while its position is on the
    // board, the balance of each square when the influence map is on, the list's rows and the
    // current one.
    std::string state();

    // The language the aids write in, and the one the player chose (kept with the aids' settings).
    Language language = Language::Japanese;
    std::optional<Language> chosenLanguage() const { return chosen_; }
    void chooseLanguage(Language language);

private:
    struct Hint {
        int fromX, fromY, toX, toY;
        std::string text;
        Cells board;
        Row<int, 8> lower, upper;
        int turn;
    };
    bool hintCurrent() const;
    void save();

    Game& game_;
    Controller& controller_;
    bool influenceMap_ = false, moveList_ = false;
    std::optional<Language> chosen_;
    int level4Seconds_ = 1;
    std::optional<Hint> hint_;
    std::optional<level4::Request> asked_;
    InfluenceMap map_;
};

}  // namespace orizen::web
