// The player's aids: ヒント (the computer's choice for the side to move, shown on the board),
// 勢力図 (the influence tint), 棋譜一覧 (the list of moves), the keys ← → and Esc, and the on/off
// state of the aids kept across runs. All of it only reads the game or drives it through its
// own commands; with the aids off the window is exactly the game's.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/choose.h"
#include "game/player.h"
#include "game/game.h"
#include "game/aid_settings.h"
#include "window/aid_picture.h"
#include "window/board_widget.h"
#include "window/buffer_canvas.h"
#include "window/menu_bar.h"
#include "window/move_list.h"

namespace orizen::window {

class Aids {
public:
    Aids(QMainWindow* window, Host& host, Game& game, BoardWidget* board, const BufferCanvas& canvas,
         const PictureSet& pictures, MenuBarItems& menus);
    ~Aids();

    // Applies the remembered on/off state. Call once the game has started up.
    void load();

    // ヒント: works out the hint and shows it; false (nothing shown) when none can be given.
    bool showHint();
    bool hintShown() const { return hint_.has_value(); }
    // Who hints come from, the game's hint player by default (tests ask a level whose choice is
    // known).
    void setHintPlayer(Player& player) { hintPlayer_ = &player; }
    void clearHint();
    // LEVEL4's thinking beside the board: shown while it thinks and after its move, until the
    // board is pressed or a command is given.
    void clearThinking();
    const std::vector<std::string>& thinking() const { return thinking_; }
    // LEVEL4's time a move: 1, 3 or 10 seconds.
    void setLevel4Seconds(int seconds);
    void setInfluenceMap(bool on);
    void setMoveList(bool on);
    // Goes to the position after move n, stepping with 戻 or 進.
    void stepTo(int n);
    // Esc: the hint and the selection go.
    void escape();

    // A press on the board: the hint and the thinking go (the game then handles the press).
    void boardPressed() {
        clearHint();
        clearThinking();
    }
    // Something was drawn: the list follows (once the window is back in its event loop).
    void canvasChanged();

    // The captions, the hint and the list in `language`, and the language menu's mark.
    void setLanguage(Language language);
    // The language the player chose from the menu and kept in the aids' file; none: the system's.
    std::optional<Language> chosenLanguage() const { return settings_.language; }
    // The player chose a language from the menu (it is kept already).
    std::function<void(Language)> onLanguage;

    // Runs 戻 and 進 for the keys and the list as the menu runs them; the game's own by default.
    std::function<void(Menu)> onCommand;

    QAction* hintAction() const { return hintAction_; }
    QAction* influenceAction() const { return influenceAction_; }
    QAction* listAction() const { return listAction_; }
    QAction* secondsAction(int seconds) const;
    QAction* languageAction(Language language) const {
        return language == Language::English ? englishAction_ : japaneseAction_;
    }
    MoveList& moveList() { return list_; }
    const AidPicture& picture() const { return picture_; }
    const HintMarks* hint() const { return hint_ ? &hint_->marks : nullptr; }

private:
    // Hears LEVEL4's thinking on the searching thread and hands it to the window's.
    struct Watcher final : Listener {
        Aids* aids;
        void thinking(const level4::Thinking& t) override;
    };
    struct Hint {
        HintMarks marks;
        std::vector<std::string> lines;  // the hint's search: depth, score and line
        // The position it was given for; once the game leaves it, the hint is stale.
        Cells board;
        Row<int, 8> lower, upper;
        int turn;
    };
    bool hintCurrent() const;
    const QImage* shownImage(std::uint64_t& generation);
    void save();

    QMainWindow* window_;
    Host& host_;
    Game& game_;
    BoardWidget* board_;
    const BufferCanvas& canvas_;
    AidPicture picture_;
    MoveList list_;
    AidSettings settings_;
    std::optional<Hint> hint_;
    std::vector<std::string> thinking_;
    Watcher watcher_{};
    Player* hintPlayer_ = nullptr;
    bool followPending_ = false;
    bool saveFailed_ = false;
    QAction* hintAction_;
    QAction* influenceAction_;
    QAction* listAction_;
    QMenu* secondsMenu_;
    QAction* secondsActions_[3];
    QAction* englishAction_;
    QAction* japaneseAction_;
    Language language_ = Language::Japanese;
};

}  // namespace orizen::window
