// The player's aids on the page: the hint, the influence map and the list of moves, worked out
// here and drawn by the page over the game's picture.
#pragma once

#include <optional>
#include <string>
#include <vector>

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
    // false when no hint can be given; then what the search found, shown while its position stands,
    // with the search's lines beside the board (they show after each depth while it searches).
    bool askHint(level4::Request& request);
    void hintDepth(const engine::Report& report);
    void hintFound(const engine::Report& report);
    void clearHint() { hint_.reset(); }
    // LEVEL4's thinking on its turn from `root`, after each depth and at its end: shown beside the
    // board while it thinks and after its move, until the board is pressed or a command is given.
    void thinking(const engine::Position& root, const engine::Report& report);
    void clearThinking() { thinking_.clear(); }
    // Esc: the hint and the selection go.
    void escape();
    // Steps with 戻 and 進 to move n of the history, as a click on the list does.
    void stepTo(int n);

    // What the page draws over the game, as JSON: the settings, the hint while its position is on the
    // board, the lines of a search beside the board, the balance of each square when the influence
    // map is on, the list's rows and the current one.
    std::string state();

    // The language the aids write in, and the one the player chose (kept with the aids' settings).
    Language language = Language::Japanese;
    std::optional<Language> chosenLanguage() const { return chosen_; }
    void chooseLanguage(Language language);

private:
    struct Hint {
        int fromX, fromY, toX, toY;
        std::string text;
        std::vector<std::string> lines;  // the hint's search: depth, score and line
        Cells board;
        Row<int, 8> lower, upper;
        int turn;
    };
    bool hintCurrent() const;
    // Whether the position the hint was asked for is still the one to hint (the side hinted or 0).
    int askedSide() const;
    void save();

    Game& game_;
    Controller& controller_;
    bool influenceMap_ = false, moveList_ = false;
    std::optional<Language> chosen_;
    int level4Seconds_ = 1;
    std::optional<Hint> hint_;
    std::vector<std::string> thinking_;
    std::optional<level4::Request> asked_;
    InfluenceMap map_;
};

}  // namespace orizen::web
