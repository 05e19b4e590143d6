// Recording stand-ins for the window, the dialogs and the sound library, so that the whole game
// runs headless and a test can see what was drawn, asked and played.
#pragma once

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game/controller.h"
#include "game/game.h"
#include "game/player.h"

namespace orizen::test {

struct RecordingCanvas : Canvas {
    enum class Kind { Picture, Outline, Text, Fill, Refresh };
    struct Op {
        Kind kind;
        int code = 0;  // picture code, or colour of an outline, text or fill
        double X = 0, Y = 0;
        std::string text;
        int size = 0;
        bool bold = false;
    };
    std::vector<Op> ops;

    void picture(int code, double X, double Y) override { ops.push_back({Kind::Picture, code, X, Y, {}, 0, false}); }
    void outline(int colour, double X, double Y) override { ops.push_back({Kind::Outline, colour, X, Y, {}, 0, false}); }
    void text(double X, double Y, const std::string& s, int colour, int size, bool bold) override {
        ops.push_back({Kind::Text, colour, X, Y, s, size, bold});
    }
    void fill(int colour) override { ops.push_back({Kind::Fill, colour, 0, 0, {}, 0, false}); }
    void refresh() override { ops.push_back({Kind::Refresh, 0, 0, 0, {}, 0, false}); }

    void clear() { ops.clear(); }
    std::vector<Op> texts() const {
        std::vector<Op> r;
        for (const Op& o : ops)
            if (o.kind == Kind::Text) r.push_back(o);
        return r;
    }
};

struct FakeHost : Host {
    struct Box {
        std::string text, title;
        Buttons buttons;
        Icon icon;
    };
    std::vector<Box> boxes;
    // Answers for Yes/No boxes, taken in order; when none is queued, `defaultAnswer` is used.
    std::deque<Answer> answers;
    Answer defaultAnswer = Answer::Yes;
    std::map<Menu, bool> checks;
    std::vector<std::string> opened;
    bool openSucceeds = true;
    int quits = 0, repaints = 0, versionDialogs = 0, fileRefreshes = 0;
    bool panelDrive = false, panelFolder_ = false, panelFiles = false, panelFields = false;
    std::string fields[5];
    std::string folder = ".";

    Answer message(const std::string& text, const std::string& title, Buttons b, Icon icon) override {
        boxes.push_back({text, title, b, icon});
        if (b == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) return defaultAnswer;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void setChecked(Menu item, bool on) override { checks[item] = on; }
    void quit() override { ++quits; }
    bool openUrl(const std::string& address) override {
        opened.push_back(address);
        return openSucceeds;
    }
    void repaintNow() override { ++repaints; }
    void showPanelLists(bool d, bool f, bool l) override { panelDrive = d, panelFolder_ = f, panelFiles = l; }
    void showPanelFields(bool shown) override {
        panelFields = shown;
        if (!shown)
            for (auto& s : fields) s.clear();
    }
    std::string panelField(int index) override { return index >= 1 && index <= 4 ? fields[index] : ""; }
    std::string panelFolder() override { return folder; }
    void refreshPanelFiles() override { ++fileRefreshes; }
    void showVersionDialog() override { ++versionDialogs; }

    std::vector<std::string> texts() const {
        std::vector<std::string> r;
        for (const Box& b : boxes) r.push_back(b.text);
        return r;
    }
};

struct FakeSound : SoundLibrary {
    std::vector<std::string> calls;  // "dsPlay 3", ...
    bool deviceAvailable = true;
    std::intptr_t next = 0;
    std::map<std::intptr_t, std::size_t> sizes;

    std::intptr_t dsInitialize(std::intptr_t) override {
        calls.push_back("dsInitialize");
        return deviceAvailable ? 1000 : 0;
    }
    std::intptr_t dsCreateDSB(std::intptr_t, const unsigned char*, std::size_t size, int mode) override {
        const std::intptr_t h = ++next;
        sizes[h] = size;
        calls.push_back("dsCreateDSB " + std::to_string(size) + " " + std::to_string(mode) + " -> " +
                        std::to_string(h));
        return h;
    }
    void dsPlay(std::intptr_t b) override { calls.push_back("dsPlay " + std::to_string(b)); }
    void dsPlayLooping(std::intptr_t b) override { calls.push_back("dsPlayLooping " + std::to_string(b)); }
    void dsStop(std::intptr_t b) override { calls.push_back("dsStop " + std::to_string(b)); }
    void dsFree(std::intptr_t b) override { calls.push_back("dsFree " + std::to_string(b)); }
    void dsTerminate(std::intptr_t d) override { calls.push_back("dsTerminate " + std::to_string(d)); }
};

// A private folder holding the five wave files (each of a different size, so a test can tell the
// buffers apart), removed when the test ends.
struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("orizen-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
    }
    void writeSounds() const {
        write("その他.wav", std::string(11, 'o'));
        write("禁止.wav", std::string(12, 'f'));
        write("駒打音.wav", std::string(13, 'p'));
        write("終局.wav", std::string(14, 'e'));
        write("BGM.wav", std::string(15, 'b'));
    }
    static int& counter() {
        static int n = 0;
        return n;
    }
};

// A started game with recording fakes, in a private folder with the wave files. Sound handles
// follow the loading order: その他 1, 禁止 2, 駒打音 3, 終局 4, BGM 5.
struct Harness {
    TempFolder folder;
    RecordingCanvas canvas;
    FakeHost host;
    FakeSound sound;
    Players players;
    Game game{canvas, host, sound, players};

    // A started harness begins with guidance on and the tatami background, as a settings file
    // "背景画=畳 / 移動指導=ON / BGM=OFF" gives; Harness(false) leaves the folder without one.
    explicit Harness(bool start = true) {
        folder.writeSounds();
        if (start) folder.write("Orizen.ini", "\x94\x77\x8c\x69\x89\xe6=\x8f\xf4\r\n\x88\xda\x93\xae\x8e\x77\x93\xb1=ON\r\nBGM=OFF\r\n");
        game.setFolders(folder.path.string(), game.locations().AssetFolder);
        if (start) game.Form_Load();
    }

    // Press a mouse button on the centre of board cell (x, y), in window units.
    void click(int x, int y, int button = LEFT_BUTTON) {
        game.Form_MouseDown(button, 0, BoardLeft + x * SquareWidth + SquareWidth / 2.0,
                            BoardTop + y * SquareHeight + SquareHeight / 2.0);
    }
    // Plays made since the last call, as handles.
    std::vector<std::intptr_t> played() {
        std::vector<std::intptr_t> r;
        for (const std::string& c : sound.calls)
            if (c.rfind("dsPlay ", 0) == 0) r.push_back(std::stoll(c.substr(7)));
        sound.calls.clear();
        return r;
    }
};

}  // namespace orizen::test
