// The browser edition: the game draws on the page's canvas, asks through the page's dialogs,
// plays its sounds through Web Audio and keeps its files in the page's memory. The page
// (page/orizen-page.js) provides the functions named below and calls the exported ones.
#include <emscripten.h>
#include <sys/stat.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "game/autosave.h"
#include "game/controller.h"
#include "game/files.h"
#include "game/aid_settings.h"
#include "game/game.h"
#include "game/language.h"
#include "game/level4.h"
#include "game/settings.h"
#include "game/places.h"
#include "game/player.h"
#include "web/aids.h"

namespace {

using namespace orizen;

// ---- What the page provides -------------------------------------------------------------------

EM_JS(void, pagePicture, (int code, double x, double y), { Orizen.picture(code, x, y); });
EM_JS(void, pageOutline, (int colour, double x, double y), { Orizen.outline(colour, x, y); });
// `key` is the game's own text when the words shown depend on the language, else empty: the page
// shows such texts again when the language changes.
EM_JS(void, pageText, (double x, double y, const char* s, int colour, int size, int bold, const char* key),
      { Orizen.text(x, y, UTF8ToString(s), colour, size, bold, UTF8ToString(key)); });
EM_JS(void, pageFill, (int colour), { Orizen.fill(colour); });
EM_JS(int, pageMessage, (const char* text, const char* title, int yesNo, int warning),
      { return Orizen.message(UTF8ToString(text), UTF8ToString(title), yesNo, warning); });
EM_JS(void, pageMenu, (int item, int level, const char* caption, const char* key, int checked),
      { Orizen.menu(item, level, UTF8ToString(caption), UTF8ToString(key), checked); });
EM_JS(char*, pageLanguage, (), { return allocateUTF8(navigator.language || ""); });
EM_JS(void, pageRelabel, (), { Orizen.relabel(); });
EM_JS(void, pageChecked, (int item, int on), { Orizen.checked(item, on); });
EM_JS(int, pageOpen, (const char* address), { return Orizen.open(UTF8ToString(address)); });
EM_JS(void, pageVersion, (const char* homePage), { Orizen.version(UTF8ToString(homePage)); });
EM_JS(int, pageSoundCreate, (const unsigned char* data, int size),
      { return Orizen.soundCreate(HEAPU8.slice(data, data + size)); });
EM_JS(void, pageSoundPlay, (int id, int loop), { Orizen.soundPlay(id, loop); });
EM_JS(void, pageSoundStop, (int id), { Orizen.soundStop(id); });
EM_JS(void, pageSoundFree, (int id), { Orizen.soundFree(id); });
EM_JS(void, pagePickRecord, (), { Orizen.pickRecord(); });
EM_JS(void, pageFields, (int shown), { Orizen.fields(shown); });
EM_JS(char*, pageField, (int index), { return allocateUTF8(Orizen.field(index)); });
EM_JS(void, pageRecordWritten, (), { Orizen.recordWritten(); });
EM_JS(void, pageKeep, (), { Orizen.keep(); });
// The worker `which` (0 the turn's, 1 the hint's) searches a position as the engine holds it.
EM_JS(void, pageThink, (int which, const void* position, int size, const void* seen, int count, int ms), {
    Orizen.think(which, HEAPU8.slice(position, position + size), HEAPU8.slice(seen, seen + 8 * count), ms);
});
EM_JS(void, pageStopThinking, (), { Orizen.stopThinking(); });

// Where the page keeps its files (kept in the browser's storage), and its records among them.
constexpr const char* kFolder = "/orizen";
constexpr const char* kRecords = "/orizen/records";

// ---- The platform interfaces on the page ------------------------------------------------------

class PageCanvas final : public Canvas {
public:
    Language language = Language::Japanese;
    void picture(int code, double X, double Y) override { pagePicture(code, X, Y); }
    void outline(int colour, double X, double Y) override { pageOutline(colour, X, Y); }
    void text(double X, double Y, const std::string& utf8, int colour, int sizePt, bool bold) override {
        const bool worded = english(utf8).has_value();
        pageText(X, Y, shown(language, utf8).c_str(), colour, sizePt, bold, worded ? utf8.c_str() : "");
    }
    void fill(int colour) override { pageFill(colour); }
    void refresh() override {}  // the canvas shows what is drawn as soon as the page gets to it
};

class PageHost final : public NullHost {
public:
    // Runs the computer's long thinking elsewhere (the page's worker); false when it cannot.
    std::function<bool(std::function<void()>, std::function<void()>)> background;
    bool runInBackground(std::function<void()> work, std::function<void()> done) override {
        return background && background(std::move(work), std::move(done));
    }

    Language language = Language::Japanese;
    Answer message(const std::string& text, const std::string& title, Buttons b, Icon icon) override {
        const int answer = pageMessage(shown(language, text, Where::Box).c_str(), shown(language, title, Where::Box).c_str(),
                                       b == Buttons::YesNo, icon == Icon::Warning);
        return b == Buttons::Ok ? Answer::Ok : answer != 0 ? Answer::Yes : Answer::No;
    }
    void setChecked(Menu item, bool on) override { pageChecked(int(item), on); }
    bool openUrl(const std::string& address) override { return pageOpen(address.c_str()) != 0; }
    void showVersionDialog() override { pageVersion(game != nullptr ? game->locations().HomePage.c_str() : ""); }
    const Game* game = nullptr;  // whose homepage the version dialog opens

    // The record panel: reading opens the browser's file chooser; writing shows the four fields and
    // RETURN, and a record written is handed to the browser as a download.
    void showPanelLists(bool, bool, bool files) override {
        if (files) pagePickRecord();
    }
    void showPanelFields(bool shown) override { pageFields(shown); }
    std::string panelField(int index) override {
        char* s = pageField(index);
        std::string text = s != nullptr ? s : "";
        std::free(s);
        return text;
    }
    std::string panelFolder() override { return kRecords; }
    void refreshPanelFiles() override { pageRecordWritten(); }
};

class PageSound final : public SoundLibrary {
public:
    std::intptr_t dsInitialize(std::intptr_t) override { return 1; }
    std::intptr_t dsCreateDSB(std::intptr_t device, const unsigned char* image, std::size_t size, int) override {
        return device != 0 && image != nullptr ? pageSoundCreate(image, int(size)) : 0;
    }
    void dsPlay(std::intptr_t b) override {
        if (b != 0) pageSoundPlay(int(b), 0);
    }
    void dsPlayLooping(std::intptr_t b) override {
        if (b != 0) pageSoundPlay(int(b), 1);
    }
    void dsStop(std::intptr_t b) override {
        if (b != 0) pageSoundStop(int(b));
    }
    void dsFree(std::intptr_t b) override {
        if (b != 0) pageSoundFree(int(b));
    }
    void dsTerminate(std::intptr_t) override {}
};

// LEVEL4 thinking in the page's worker: the turn takes the request, the worker searches it with the
// same engine, and the answer is what the turn then plays. Hints and self-play search here.
class WorkerLevel final : public Player {
public:
    explicit WorkerLevel(SearchingLevel& here) : here_(here) {}
    std::function<Choice()> turn(Game& g, Listener*) override {
        request_ = level4::requestOf(g, engine::UPPER);
        asked_ = true;
        answer_ = Choice{};
        return [this] { return answer_; };
    }
    bool choose(const Game& g, bool lower, ScoredMove& out, Listener* l = nullptr) override { return here_.choose(g, lower, out, l); }
    bool thinksLong() const override { return true; }

    // Sends the turn's request to the worker; false when no turn asked for one.
    bool send() {
        if (!asked_) return false;
        asked_ = false;
        pageThink(0, &request_.position, int(sizeof request_.position), request_.seen.data(),
                  int(request_.seen.size()), here_.moveTimeMs);
        return true;
    }
    void answer(const engine::Report& r) { answer_ = level4::toChoice(request_.position, r); }
    // The position the worker searches.
    const engine::Position& root() const { return request_.position; }

private:
    SearchingLevel& here_;
    level4::Request request_;
    bool asked_ = false;
    Choice answer_;
};

// The game on the page, for as long as the page is open.
struct Page {
    Page() {
        host.game = &game;
        players.playLevel4With(&level4);
        host.background = [this](std::function<void()> work, std::function<void()> done) {
            if (!level4.send()) return false;
            controller.busy = true;
            work_ = std::move(work), done_ = std::move(done);
            return true;
        };
        controller.abandon = [this] {
            pageStopThinking();
            controller.busy = false;
            work_ = nullptr, done_ = nullptr;
        };
    }
    // The worker's answer: the turn goes on with it.
    void thought(const engine::Report& r) {
        if (!controller.busy) return;  // given up meanwhile
        level4.answer(r);
        aids.thinking(level4.root(), r);
        controller.busy = false;
        auto work = std::move(work_);
        auto done = std::move(done_);
        work_ = nullptr, done_ = nullptr;
        if (work) work();
        if (done) done();
        keep();
    }

    Players players{1};
    WorkerLevel level4{players.searching()};
    std::function<void()> work_, done_;
    PageCanvas canvas;
    PageHost host;
    PageSound sound;
    Game game{canvas, host, sound, players};
    Controller controller{game};
    Autosave autosave{std::string(kFolder) + "/" + kLastGameFile};
    web::Aids aids{game, controller};

    // Everything the page shows from now on in `l`.
    void setLanguage(Language l) {
        canvas.language = host.language = aids.language = l;
    }

    // After every press and command: the game in progress and the settings are kept.
    void keep() {
        autosave.check(game.moveHistory(), game.state());
        pageKeep();
    }
};

Page* page = nullptr;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void orizen_press(int button, int shift, double X, double Y) {
    if (!page->controller.busy) {
        page->aids.clearHint();
        page->aids.clearThinking();
    }
    page->controller.press(button, shift, X, Y);
    page->keep();
}

EMSCRIPTEN_KEEPALIVE void orizen_command(int item) {
    page->aids.clearThinking();
    if (item >= 0 && item < kMenuCount) page->controller.command(Menu(item));
    page->keep();
}

// The record panel's RETURN, and a record file the person chose or dropped on the page.
EMSCRIPTEN_KEEPALIVE void orizen_write_record() {
    page->controller.writeRecord();
    page->keep();
}

// The aids: ヒント (true when a hint is searched), 勢力図 and 棋譜一覧 switched, LEVEL4's time,
// ← and → (-1, 1), Esc, a click on the list's move n, and what the page draws of them.
EMSCRIPTEN_KEEPALIVE int orizen_hint() {
    level4::Request r;
    if (page->controller.busy || !page->aids.askHint(r)) return 0;
    pageThink(1, &r.position, int(sizeof r.position), r.seen.data(), int(r.seen.size()), kHintTimeMs);
    return 1;
}

EMSCRIPTEN_KEEPALIVE void orizen_hint_found(const void* report) {
    page->aids.hintFound(*static_cast<const orizen::engine::Report*>(report));
}

EMSCRIPTEN_KEEPALIVE void orizen_aid(int moveList, int on) {
    if (moveList != 0) {
        page->aids.setMoveList(on != 0);
    } else {
        page->aids.setInfluenceMap(on != 0);
    }
    page->keep();
}

EMSCRIPTEN_KEEPALIVE void orizen_level4_seconds(int seconds) {
    for (const int s : kLevel4Seconds)
        if (s == seconds) page->aids.setLevel4Seconds(seconds);
    page->keep();
}

EMSCRIPTEN_KEEPALIVE void orizen_step(int direction) {
    if (!page->controller.busy) page->aids.clearHint();
    page->aids.clearThinking();
    page->controller.command(direction < 0 ? Menu::REPLAY : Menu::AFTER);
    page->keep();
}

EMSCRIPTEN_KEEPALIVE void orizen_escape() {
    if (!page->controller.busy) page->aids.escape();
}

EMSCRIPTEN_KEEPALIVE void orizen_step_to(int n) {
    if (!page->controller.busy) page->aids.stepTo(n);
    page->keep();
}

EMSCRIPTEN_KEEPALIVE const char* orizen_aids() {
    static std::string text;
    text = page->aids.state();
    return text.c_str();
}

// The worker's answer to the LEVEL4 turn: an engine::Report.
EMSCRIPTEN_KEEPALIVE void orizen_thought(const void* report) {
    page->thought(*static_cast<const orizen::engine::Report*>(report));
}

// A depth completed by the worker `which` (0 the turn's, 1 the hint's): the engine::Report so far.
EMSCRIPTEN_KEEPALIVE void orizen_depth(int which, const void* report) {
    const auto& r = *static_cast<const orizen::engine::Report*>(report);
    if (which == 0) {
        if (page->controller.busy) page->aids.thinking(page->level4.root(), r);
    } else {
        page->aids.hintDepth(r);
    }
}

// A text of the game as the page shows it now, for the page's own captions and for the texts it
// shows again when the language changes; the language (1 English, 0 Japanese) and choosing it.
EMSCRIPTEN_KEEPALIVE const char* orizen_text(const char* japanese, int where) {
    static std::string text;
    text = shown(page->canvas.language, japanese, Where(where));
    return text.c_str();
}

EMSCRIPTEN_KEEPALIVE int orizen_english() { return page->canvas.language == Language::English; }

EMSCRIPTEN_KEEPALIVE void orizen_language(int english) {
    const Language l = english != 0 ? Language::English : Language::Japanese;
    page->setLanguage(l);
    page->aids.chooseLanguage(l);
    page->keep();
}

EMSCRIPTEN_KEEPALIVE void orizen_read_record(const char* path) {
    page->controller.readRecord(path);
    page->keep();
}

// The moves the history holds, "FX FY TX TY BEFORE AFTER" each, one a line (for the page's tests).
EMSCRIPTEN_KEEPALIVE const char* orizen_history() {
    static std::string text;
    text.clear();
    const History& h = page->game.moveHistory();
    for (int n = 1; n <= h.RecordLength && n <= HISTORY_MAX; ++n) {
        for (int v : {h.RecFromX(n), h.RecFromY(n), h.RecToX(n), h.RecToY(n), h.RecPiece(n), h.RecResult(n)})
            text += std::to_string(v) + ' ';
        text.back() = '\n';
    }
    return text.c_str();
}

}  // extern "C"

int main() {
    mkdir(kFolder, 0755);
    mkdir(kRecords, 0755);
    page = new Page;
    page->game.setFolders(kFolder, "/assets");
    // The language the player chose last, else the browser's.
    char* browser = pageLanguage();
    const Language language = readAidSettings(aidSettingsPath(settingsPath(page->game)))
                                  .language.value_or(languageOfLocale(browser != nullptr ? browser : ""));
    std::free(browser);
    page->setLanguage(language);
    for (const MenuEntry& e : kMenuBar) {
        const std::string key(e.caption);
        pageMenu(int(e.item), e.level, shown(language, key, Where::Menu).c_str(), key.c_str(), e.checked);
    }
    pageRelabel();
    page->game.Form_Load();
    page->aids.load();
    // The game of the last visit, kept after its every move, is offered again.
    std::string kept, error;
    if (readWholeFile(page->autosave.path(), kRecordMaxBytes, kept, error) && !kept.empty() &&
        page->host.message("前回の対局を読み込みますか？", "棋譜", Buttons::YesNo, Icon::None) == Answer::Yes)
        page->controller.readRecord(page->autosave.path());
    page->keep();
    return 0;
}
