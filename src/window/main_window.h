// The main window: owns the game, shows its drawing, routes the menu bar and the mouse to it and
// answers its requests for message boxes, check marks, the browser and the record panel.
#pragma once

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>
#include <thread>

#include "game/controller.h"
#include "game/game.h"
#include "game/player.h"
#include "game/places.h"
#include "game/autosave.h"
#include "game/language.h"
#include "window/aids.h"
#include "window/board_widget.h"
#include "window/buffer_canvas.h"
#include "window/help_window.h"
#include "window/menu_bar.h"
#include "window/pictures.h"
#include "window/record_panel.h"

namespace orizen::window {

class MainWindow final : public QMainWindow, public Host {
public:
    // The window plays through `sound`, which must outlive it.
    explicit MainWindow(SoundLibrary& sound);
    ~MainWindow() override;

    // Where the settings, records and sounds live; before load(). Without it the game keeps to
    // its WorkFolder and nothing is saved after each move.
    void usePlaces(const Places& places);
    // Runs the game's start-up and gives the window its first size. Call once, before show().
    void load();
    // Writes the game in progress when a move has been made since the last write.
    void keepGame();

    // The language of the system, used until the player chooses one; before load().
    void setSystemLanguage(Language language) { systemLanguage_ = language; }
    // Shows every menu, box, dialog and text of the window in `language` from now on, and the
    // texts on the board at once.
    void setLanguage(Language language);
    Language language() const { return language_; }

    Game& game() { return game_; }
    Players& players() { return players_; }
    BufferCanvas& canvas() { return canvas_; }
    BoardWidget* board() const { return board_; }
    RecordPanel& panel() { return *panel_; }
    MenuBarItems& menuItems() { return *menus_; }
    HelpOpener& help() { return help_; }
    Aids& aids() { return *aids_; }

    // Host
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    void setChecked(Menu item, bool on) override;
    void quit() override;
    bool openUrl(const std::string& address) override;
    void repaintNow() override;
    void showPanelLists(bool drive, bool folder, bool files) override;
    void showPanelFields(bool shown) override;
    std::string panelField(int index) override;
    std::string panelFolder() override;
    void refreshPanelFiles() override;
    void showVersionDialog() override;
    bool runInBackground(std::function<void()> work, std::function<void()> done) override;

    // True while the computer's move is being searched off the window's thread.
    bool thinking() const { return controller_.busy; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // A menu command (or the aids' 戻 and 進), then the game kept.
    void command(Menu item);

    PictureSet pictures_;
    BufferCanvas canvas_{pictures_};
    SoundLibrary& sound_;
    Players players_;  // the computer's, for the game, the hint and self-play
    Game game_{canvas_, *this, sound_, players_};
    Controller controller_{game_};  // busy while the computer thinks
    BoardWidget* board_;
    std::unique_ptr<RecordPanel> panel_;
    std::unique_ptr<MenuBarItems> menus_;
    std::unique_ptr<Autosave> autosave_;
    HelpOpener help_{this};
    std::unique_ptr<Aids> aids_;
    QTimer* keeper_ = nullptr;  // keeps the game on disk every second once places are known
    bool quitting_ = false;
    Language systemLanguage_ = Language::Japanese;
    Language language_ = Language::Japanese;

    // The computer's search: the thread, whether it runs, what to do with its result.
    std::thread thinker_;
    std::function<void()> done_;
    void finishThinking();
    void abandonThinking();  // stops the search and drops its result
};

}  // namespace orizen::window
