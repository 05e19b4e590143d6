// 棋譜一覧: the game's moves in a list beside the board, the current one highlighted. A click on a
// row asks to go to the position after that move (row 0: before the first move).
#pragma once

#include <QDockWidget>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <vector>

#include "game/game.h"
#include "game/language.h"
#include "game/move_notes.h"

namespace orizen::window {

class MoveList {
public:
    explicit MoveList(QMainWindow* window);
    // The list leaves the window with it.
    ~MoveList();
    MoveList(const MoveList&) = delete;
    MoveList& operator=(const MoveList&) = delete;

    // Shows or hides the list; the window grows or shrinks by its width, so the board keeps its size.
    void setShown(bool shown);
    bool shown() const { return shown_; }
    // Brings the rows and the highlight up to date with g's history.
    void follow(const Game& g);

    // The title and the moves in `language`; follow() shows the rows again.
    void setLanguage(Language language);

    QListWidget* view() const { return view_; }
    // A row was clicked: the move number to go to.
    std::function<void(int n)> onPick;

private:
    QMainWindow* window_;
    QPointer<QDockWidget> dock_;
    QListWidget* view_;
    bool shown_ = false;
    Language language_ = Language::Japanese;
    std::vector<std::string> texts_;  // the rows' texts as last shown
    int current_ = -1;
    int length_ = -1;
};

}  // namespace orizen::window
