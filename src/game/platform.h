// What the game needs from the platform: a canvas to draw on, a host for dialogs, menus and the
// browser, and a sound library. The Qt window implements them; tests use recording fakes; the
// command-line tool uses the silent ones below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "game/menu.h"

namespace orizen {

// Drawing onto the window's persistent image. Every position is in window units (1/1440 inch,
// origin at the top-left of the client area); colours are indices 0..15 of the classic palette.
class Canvas {
public:
    virtual ~Canvas() = default;
    // Paint the picture of a piece code (0 empty square, ±30..±950) or a tile code (1 title,
    // 2..6 backgrounds) with its top-left corner at (X, Y). Codes without a picture draw nothing.
    virtual void picture(int code, double X, double Y) = 0;
    // Unfilled 270 × 300 rectangle with its top-left corner at (X, Y).
    virtual void outline(int colour, double X, double Y) = 0;
    // Text with its top-left corner at (X, Y), font size in points.
    virtual void text(double X, double Y, const std::string& utf8, int colour, int sizePt, bool bold) = 0;
    // Fill the whole window.
    virtual void fill(int colour) = 0;
    // Show what has been drawn at once (the window may not get back to its event loop soon).
    virtual void refresh() = 0;
};

enum class Buttons { Ok, YesNo };

// What happened in a game, told to the host as a value before the box that shows it: the
// computer announcing mate or check after its move, a game over (the box that names the winner
// and the question whether to play again follow).
enum class Event { MateAnnounced, CheckAnnounced, GameOver };
enum class Icon { None, Warning };
enum class Answer { Ok, Yes, No };

// Everything else the game asks of the window system.
class Host {
public:
    virtual ~Host() = default;
    // A modal message box; returns the button pressed.
    virtual Answer message(const std::string& text, const std::string& title, Buttons buttons,
                           Icon icon = Icon::None) = 0;
    // An event of the game, before its box; nothing by default.
    virtual void notify(Event event) { (void)event; }
    // Set or clear a menu item's check mark.
    virtual void setChecked(Menu item, bool on) = 0;
    // End the program (after the game has run its shutdown).
    virtual void quit() = 0;
    // Open an address (a file path or a URL) in the desktop's browser; false on failure.
    virtual bool openUrl(const std::string& address) = 0;
    // Let the window repaint now, so that what was drawn shows during a long computation.
    virtual void repaintNow() = 0;
    // Record panel: show or hide the folder list (the drive list folds into it here) and the file
    // list; show (true) or hide and empty (false) the four labelled fields and the RETURN button.
    virtual void showPanelLists(bool drive, bool folder, bool files) = 0;
    virtual void showPanelFields(bool shown) = 0;
    // The text typed into a panel field: 1 file name, 2 game name, 3 first player, 4 second player.
    virtual std::string panelField(int index) = 0;
    // The folder shown by the panel's folder list; the file list is refreshed after a write.
    virtual std::string panelFolder() = 0;
    virtual void refreshPanelFiles() = 0;
    // The modal version dialog.
    virtual void showVersionDialog() = 0;
    // Runs `work` off the window's thread and then `done` on it, keeping the window alive
    // meanwhile; false when the host has no such thread (the caller then does both itself).
    virtual bool runInBackground(std::function<void()> work, std::function<void()> done) {
        (void)work, (void)done;
        return false;
    }
};

// The sound library: whole wave-file images in, handles out. Every call is harmless with 0.
class SoundLibrary {
public:
    virtual ~SoundLibrary() = default;
    virtual std::intptr_t dsInitialize(std::intptr_t window) = 0;
    virtual std::intptr_t dsCreateDSB(std::intptr_t device, const unsigned char* image, std::size_t size,
                                      int mode) = 0;
    virtual void dsPlay(std::intptr_t buffer) = 0;
    virtual void dsPlayLooping(std::intptr_t buffer) = 0;
    virtual void dsStop(std::intptr_t buffer) = 0;
    virtual void dsFree(std::intptr_t buffer) = 0;
    virtual void dsTerminate(std::intptr_t device) = 0;
};

// Silent stand-ins for the command-line tool and the benchmarks.
class NullCanvas final : public Canvas {
public:
    void picture(int, double, double) override {}
    void outline(int, double, double) override {}
    void text(double, double, const std::string&, int, int, bool) override {}
    void fill(int) override {}
    void refresh() override {}
};

// Every box answered No or OK; hosts that answer otherwise override message().
class NullHost : public Host {
public:
    Answer message(const std::string&, const std::string&, Buttons b, Icon) override {
        return b == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    void setChecked(Menu, bool) override {}
    void quit() override {}
    bool openUrl(const std::string&) override { return false; }
    void repaintNow() override {}
    void showPanelLists(bool, bool, bool) override {}
    void showPanelFields(bool) override {}
    std::string panelField(int) override { return {}; }
    std::string panelFolder() override { return "."; }
    void refreshPanelFiles() override {}
    void showVersionDialog() override {}
};

class NullSound final : public SoundLibrary {
public:
    std::intptr_t dsInitialize(std::intptr_t) override { return 0; }
    std::intptr_t dsCreateDSB(std::intptr_t, const unsigned char*, std::size_t, int) override { return 0; }
    void dsPlay(std::intptr_t) override {}
    void dsPlayLooping(std::intptr_t) override {}
    void dsStop(std::intptr_t) override {}
    void dsFree(std::intptr_t) override {}
    void dsTerminate(std::intptr_t) override {}
};

}  // namespace orizen
