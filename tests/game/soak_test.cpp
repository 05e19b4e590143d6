// The whole program driven by many thousands of pseudo-random events, as a restless person would:
// clicks anywhere on the window with either button, legal and illegal moves, every menu command
// but "終わり", records written and read back (some of them damaged), and random answers to every
// Yes/No box, against the computer and between two people. After every event the position must
// still be one that play can reach, the history within its bounds and every drawing call sane.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>

#include "fakes.h"
#include "game/files.h"
#include "invariants.h"

namespace orizen::test {

namespace {

// Checks every drawing call as it is made: a picture the window has, a palette colour, a place
// on or near the window.
struct CheckingCanvas : Canvas {
    std::string fault;
    long calls = 0;
    int thinking = 0;  // "思考中" shown: one computer turn each

    void check(bool ok, const char* what, double X, double Y) {
        ++calls;
        if (!ok && fault.empty()) fault = std::string(what) + " at " + std::to_string(X) + "," + std::to_string(Y);
    }
    static bool near(double X, double Y) {
        return std::isfinite(X) && std::isfinite(Y) && X >= -2000 && X <= 12000 && Y >= -1000 && Y <= 10000;
    }
    static bool colour(int c) { return c >= 0 && c <= 15; }
    void picture(int code, double X, double Y) override {
        check((code >= 0 && code <= BG_RENGA) || isPieceCode(code), "picture of no code", X, Y);
        check(near(X, Y), "picture off the window", X, Y);
    }
    void outline(int c, double X, double Y) override { check(colour(c) && near(X, Y), "outline", X, Y); }
    void text(double X, double Y, const std::string& s, int c, int size, bool) override {
        check(colour(c) && size > 0 && near(X, Y), "text", X, Y);
        thinking += s == "思考中" && c == ResultColour;
    }
    void fill(int c) override { check(colour(c), "fill", 0, 0); }
    void refresh() override {}
};

// Answers Yes/No boxes at random; "play again?" mostly Yes so that the run goes on.
struct RandomHost : FakeHost {
    std::mt19937* rng = nullptr;
    std::deque<std::string>* log = nullptr;
    int playAgainNo = 0, historyFull = 0, gameEnds = 0;

    Answer message(const std::string& text, const std::string& title, Buttons b, Icon) override {
        if (text == "棋譜は500手までです。これ以上指せません") ++historyFull;
        if (title == "終了") ++gameEnds;
        Answer a = Answer::Ok;
        if (b == Buttons::Ok)
            a = Answer::Ok;
        else if (text == "続けますか？")
            a = (*rng)() % 4 == 0 ? Answer::No : Answer::Yes, playAgainNo += a == Answer::No;
        else
            a = (*rng)() % 2 ? Answer::Yes : Answer::No;
        log->push_back("  box \"" + text + "\" " + (a == Answer::Ok ? "OK" : a == Answer::Yes ? "Yes" : "No"));
        return a;
    }
};

struct Rig {
    TempFolder folder;
    CheckingCanvas canvas;
    RandomHost host;
    FakeSound sound;
    Players players;
    Game game{canvas, host, sound, players};

    Rig(std::mt19937& rng, std::deque<std::string>& log) {
        host.rng = &rng;
        host.log = &log;
        host.folder = folder.path.string();
        folder.writeSounds();
        game.setFolders(folder.path.string(), game.locations().AssetFolder);
        game.Form_Load();
    }
};

const Menu kCommands[] = {
    Menu::SENTE, Menu::GOTE, Menu::START, Menu::START, Menu::START, Menu::LEVEL1, Menu::LEVEL2, Menu::LEVEL3,
    Menu::REPLAY, Menu::REPLAY, Menu::REPLAY, Menu::AFTER, Menu::AFTER, Menu::AFTER, Menu::REVERSE, Menu::CANCEL,
    Menu::TAIKYOKU, Menu::STOP, Menu::OPTION, Menu::KIFU_READ, Menu::KIFU_WRITE, Menu::KAISETU, Menu::VER,
    Menu::MATCH_MAN,
};
// The options rewrite the settings file, each write waiting for the disk: fewer of them.
const Menu kOptions[] = {Menu::SIDOU, Menu::MIDORI, Menu::TATAMI, Menu::TAKE, Menu::UCHU, Menu::RENGA, Menu::BGM};

// One event mix for a stretch of the run: how often a legal move, a random click, a click on a
// hand slot, a menu command or a record file; whether moves aim at the other king.
struct Mix {
    int move, click, hand, menu, file;
    bool aim;
};
const Mix kMixes[] = {
    {100, 0, 0, 0, 0, false},  // one long game: towards the full history
    {90, 5, 3, 2, 0, true},    // sharp games: towards a captured king
    {30, 50, 10, 9, 1, true},  // a person clicking about
    {25, 25, 5, 40, 5, true},  // menu and history commands, records
};

class Soak {
public:
    explicit Soak(uint32_t seed) : rng(seed) { rig = std::make_unique<Rig>(rng, log); }

    std::mt19937 rng;
    std::deque<std::string> log;  // the last events and boxes, to tell how a fault came about
    bool outside = false;          // a record was written outside the chosen folder
    std::unique_ptr<Rig> rig;
    int computerTurnsLeft = 0;
    int restarts = 0, recordsRead = 0, kingsTaken = 0, moves = 0, longestHistory = 0, computerTurns = 0;
    int playAgainNo = 0, historyFull = 0, gameEnds = 0;

    int pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    // A click at a window point, or on cell (x, y) at a random spot inside it.
    void clickAt(int button, double X, double Y) {
        const Game& g = rig->game;
        note("click " + std::to_string(button) + " on " +
             std::to_string(int(std::floor((X - BoardLeft) / SquareWidth))) + "," +
             std::to_string(int(std::floor((Y - BoardTop) / SquareHeight))) + " (turn " +
             std::to_string(g.state().Turn) + ", mode " + std::to_string(g.state().GameMode) + ", history " +
             std::to_string(g.moveHistory().RecordCount) + "/" + std::to_string(g.moveHistory().RecordLength) + ")");
        rig->game.Form_MouseDown(button, 0, X, Y);
    }
    void note(const std::string& what) {
        log.push_back(what);
        while (log.size() > 24) log.pop_front();
    }
    void clickCell(int button, int x, int y) {
        clickAt(button, BoardLeft + (x + (1 + pick(98)) / 100.0) * SquareWidth,
                BoardTop + (y + (1 + pick(98)) / 100.0) * SquareHeight);
    }
    int button() {
        const int r = pick(20);
        return r < 12 ? LEFT_BUTTON : r < 19 ? RIGHT_BUTTON : 4;
    }

    // A legal move or drop of the side to move, as clicks; the king is taken when it can be.
    void legalMove(bool aim) {
        Game& g = rig->game;
        if (g.state().Turn == NO_GAME) {
            clickCell(LEFT_BUTTON, 1 + pick(27), 1 + pick(27));  // resumes or asks to start
            return;
        }
        const bool lower = g.state().Turn == g.state().HumanSide;
        struct Source {
            int x, y, code;
        };
        std::vector<Source> sources;
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y)
                if (lower ? g.position().Board(x, y) <= -30 : g.position().Board(x, y) >= 30)
                    sources.push_back({x, y, g.position().Board(x, y)});
        for (int k = 1; k <= 7; ++k)
            if ((lower ? g.position().HandLower(k) : g.position().HandUpper(k)) > 0)
                sources.push_back(lower ? Source{29, 20 + k, -kHandCode[k]} : Source{-1, 8 - k, kHandCode[k]});
        g.調査_2歩フラグ設定();
        // Among the moves of a few pieces, often the one that takes most or comes closest to the
        // other king, so that games do end.
        int enemyX = 14, enemyY = lower ? 1 : 27;
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y)
                if (g.position().Board(x, y) == (lower ? 950 : -950)) enemyX = x, enemyY = y;
        struct Choice {
            Source s;
            int tx, ty, score;
        };
        std::vector<Choice> all;
        for (int tries = 0; tries < 6 && !sources.empty(); ++tries) {
            const Source s = sources[pick(static_cast<int>(sources.size()))];
            for (int tx = 1; tx <= 27; ++tx)
                for (int ty = 1; ty <= 27; ++ty)
                    if (g.移動チェック(s.x, s.y, tx, ty, s.code) == YES) {
                        const int taken = std::abs(g.position().Board(tx, ty));
                        const int distance = std::max(std::abs(tx - enemyX), std::abs(ty - enemyY));
                        all.push_back({s, tx, ty, taken * 10 - distance * 20 + pick(100)});
                    }
        }
        if (all.empty()) return;
        Choice c = all[pick(static_cast<int>(all.size()))];
        if (aim && pick(3) != 0)
            for (const Choice& o : all)
                if (o.score > c.score) c = o;
        const int taken = g.position().Board(c.tx, c.ty);
        const int before = g.moveHistory().RecordLength;
        clickCell(button(), c.s.x, c.s.y);
        clickCell(Game::移動後チェック(c.ty, c.s.code) == NO || pick(3) == 0 ? RIGHT_BUTTON : LEFT_BUTTON, c.tx, c.ty);
        if (g.moveHistory().RecordLength != before || g.state().Turn == NO_GAME) {
            ++moves;
            kingsTaken += taken == 950 || taken == -950;
        }
    }

    // Writes the game as a record and reads it back, or reads a damaged copy, or no file at all.
    void recordFile() {
        Game& g = rig->game;
        FakeHost& h = rig->host;
        const std::string path = rig->folder.path.string() + "/soak.棋譜";
        switch (pick(4)) {
            case 0:
            case 1:
            {
                // Now and then a name the panel must refuse, or a header with no Shift_JIS form.
                static const char* const kOdd[] = {"", ".", "..", "../escape", "a/b", "\xF0\x9F\x98\x80", "x\ny"};
                const bool odd = pick(4) == 0;
                runCommand(g, Menu::KIFU_WRITE);
                h.fields[1] = odd && pick(2) ? kOdd[pick(5)] : "soak";
                h.fields[2] = odd && pick(2) ? kOdd[5 + pick(2)] : pick(2) ? "耐久" : "";
                h.fields[3] = "先手さん";
                h.fields[4] = pick(2) ? "ｺﾝﾋﾟｭｰﾀ" : "後手";
                note("record written as \"" + h.fields[1] + "\"");
                g.Command1_Click();
                if (std::filesystem::exists(rig->folder.path.parent_path() / "escape.棋譜")) outside = true;
                break;
            }
            case 2: {
                std::string bytes, error;
                if (readWholeFile(path, 1 << 20, bytes, error) && !bytes.empty()) {
                    for (int i = 0, n = 1 + pick(4); i < n; ++i)
                        bytes[pick(static_cast<int>(bytes.size()))] ^= char(1 << pick(8));
                    rig->folder.write("damaged.棋譜", bytes);
                    note("damaged record read");
                    g.File1_Click(rig->folder.path.string() + "/damaged.棋譜");
                    ++recordsRead;
                }
                break;
            }
            default:
                note("record read");
                runCommand(g, Menu::KIFU_READ);
                g.File1_Click(pick(8) ? path : rig->folder.path.string() + "/missing.棋譜");
                ++recordsRead;
                break;
        }
    }

    void menu() {
        Game& g = rig->game;
        Menu m = pick(30) ? kCommands[pick(static_cast<int>(std::size(kCommands)))]
                          : kOptions[pick(static_cast<int>(std::size(kOptions)))];
        if (computerTurnsLeft <= 0 && (m == Menu::SENTE || m == Menu::GOTE)) m = Menu::START;
        note(std::string("menu ") + std::string(kMenuBar[static_cast<int>(m)].caption));
        runCommand(g, m);
    }

    void event(const Mix& m) {
        const int r = pick(m.move + m.click + m.hand + m.menu + m.file);
        if (r < m.move)
            legalMove(m.aim);
        else if (r < m.move + m.click)
            clickAt(button(), -100 + pick(11501), -100 + pick(9901));
        else if (r < m.move + m.click + m.hand)
            pick(2) ? clickCell(button(), 29, 20 + pick(9)) : clickCell(button(), -1, pick(9));
        else if (r < m.move + m.click + m.hand + m.menu)
            menu();
        else
            recordFile();
    }

    // Runs `events` events; returns the first fault found, empty when none.
    std::string run(int events) {
        for (int i = 0; i < events; ++i) {
            if (i % 600 == 0) {
                mix = &kMixes[pick(static_cast<int>(std::size(kMixes)))];
                if (mix == &kMixes[0]) {
                    note("menu スタート (a long game)");
                    runCommand(rig->game, Menu::START);
                }
            }
            event(*mix);
            Game* g = &rig->game;
            computerTurns += rig->canvas.thinking;
            computerTurnsLeft -= rig->canvas.thinking;
            rig->canvas.thinking = 0;
            if (computerTurnsLeft <= 0 && g->state().GameMode == MODE_COMPUTER) {
                note("menu スタート (no computer turns left)");
                runCommand(*g, Menu::START);
            }
            longestHistory = std::max(longestHistory, g->moveHistory().RecordLength);
            std::string why = unsound(*g);
            if (why.empty() && !rig->canvas.fault.empty()) why = rig->canvas.fault;
            if (why.empty() && outside) why = "a record written outside its folder";
            if (why.empty() && g->selected().SelectState != 0 && g->selected().SelectState != 1) why = "select state";
            if (why.empty() && g->state().Turn != NO_GAME && g->state().Turn != TURN_FIRST &&
                g->state().Turn != TURN_SECOND)
                why = "turn";
            // Against the computer, every event ends with the person to move, or no game, or the
            // program ended.
            if (why.empty() && !g->state().Ended && g->state().GameMode == MODE_COMPUTER &&
                g->state().Turn != NO_GAME && g->state().Turn != g->state().HumanSide)
                why = "the computer's turn left pending";
            if (!why.empty()) {
                why = "event " + std::to_string(i) + ": " + why + "; the last events:";
                for (const std::string& e : log) why += "\n" + e;
                return why;
            }
            rig->host.boxes.clear();
            rig->sound.calls.clear();
            if (g->state().Ended) {  // "No" to "続けますか？": the program ended; start it again
                collect();
                note("the program ended; started again");
                rig = std::make_unique<Rig>(rng, log);
                ++restarts;
            }
        }
        collect();
        return {};
    }

private:
    const Mix* mix = &kMixes[0];
    void collect() {
        playAgainNo += rig->host.playAgainNo, historyFull += rig->host.historyFull, gameEnds += rig->host.gameEnds;
        rig->host.playAgainNo = rig->host.historyFull = rig->host.gameEnds = 0;
    }
};

}  // namespace

// ORIZEN_SOAK_SEED, ORIZEN_SOAK_EVENTS and ORIZEN_SOAK_COMPUTER_TURNS run another stretch (the
// checks of what was reached hold only for the default one).
TEST(Soak, ThousandsOfRandomEventsKeepThePositionSound) {
    const char* seed = std::getenv("ORIZEN_SOAK_SEED");
    const char* events = std::getenv("ORIZEN_SOAK_EVENTS");
    const char* turns = std::getenv("ORIZEN_SOAK_COMPUTER_TURNS");
    Soak soak(seed ? static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)) : 20240612);
    // Turns of the computer are the dearest events (a few milliseconds each, ten times that under
    // the sanitizers): a fixed number of them, then games between two people only.
    const int budget = turns ? std::atoi(turns) : 300;
    soak.computerTurnsLeft = budget;
    const std::string fault = soak.run(events ? std::atoi(events) : 30000);
    EXPECT_EQ(fault, "");
    EXPECT_LE(soak.computerTurns, budget);
    if (seed || events || turns) return;
    // The run reached what it is meant to shake.
    EXPECT_GT(soak.moves, 3000);
    EXPECT_GT(soak.kingsTaken, 0);
    EXPECT_GT(soak.gameEnds, 0);
    EXPECT_GT(soak.playAgainNo, 0);
    EXPECT_GT(soak.restarts, 0);
    EXPECT_GT(soak.recordsRead, 10);
    EXPECT_GT(soak.historyFull, 0);
    EXPECT_EQ(soak.longestHistory, HISTORY_MAX);
    EXPECT_EQ(soak.computerTurns, 300);
}

}  // namespace orizen::test
