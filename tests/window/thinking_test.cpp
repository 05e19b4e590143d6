// Level 4 searches off the window's thread: the window stays alive, refuses what would change the
// game meanwhile, takes the move in when it comes, and can be closed at any moment.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <memory>

#include "game/level4.h"
#include "game/move_notes.h"
#include "window/board_widget.h"
#include "window_fixture.h"

namespace orizen::window::test {

namespace {

struct Level4Fixture : WindowFixture {
    explicit Level4Fixture(int ms = 300) {
        window.players().searching().moveTimeMs = ms;
        window.show();
        window.menuItems().action(Menu::LEVEL4)->trigger();
        window.menuItems().action(Menu::GOTE)->trigger();  // the computer moves first
    }
    long plays() const {
        return std::count_if(sound.calls.begin(), sound.calls.end(),
                             [](const std::string& c) { return c.rfind("dsPlay", 0) == 0; });
    }
};

}  // namespace

TEST(Thinking, CommandsAreRefusedWhileItThinksAndTheMoveComesInAfter) {
    Level4Fixture f;
    Game& g = f.window.game();
    ASSERT_EQ(g.options().ComputerLevel, 4);
    ASSERT_TRUE(f.window.thinking());
    EXPECT_EQ(g.moveHistory().RecordCount, 0);

    const long before = f.plays();
    f.window.board()->onMouseDown(LEFT_BUTTON, 0, BoardLeft + 14 * SquareWidth + 10, BoardTop + 18 * SquareHeight + 10);
    f.window.menuItems().action(Menu::CANCEL)->trigger();
    f.window.menuItems().action(Menu::LEVEL1)->trigger();
    f.window.panel().onFile(QStringLiteral("missing.kif"));  // no record is read under the search
    EXPECT_EQ(f.plays(), before + 4);  // four forbidden sounds, nothing else
    EXPECT_EQ(g.selected().SelectState, 0);
    EXPECT_EQ(g.options().ComputerLevel, 4);

    QElapsedTimer t;
    t.start();
    while (f.window.thinking() && t.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(f.window.thinking());
    EXPECT_EQ(g.moveHistory().RecordCount, 1);
    EXPECT_GT(g.moveHistory().RecPiece(1), 0);
    EXPECT_EQ(g.state().Turn, g.state().HumanSide);

    // Its thinking stays beside the board, its first move first and marked as the first mover's,
    // until the board is pressed.
    QApplication::processEvents();
    const std::vector<std::string> lines = f.window.aids().thinking();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("深さ ", 0), 0u);
    const History& h = g.moveHistory();
    EXPECT_EQ(lines[2], "▲ " + moveText(h.RecFromX(1), h.RecToX(1), h.RecToY(1), h.RecPiece(1), h.RecResult(1)));
    std::uint64_t generation = 0;
    EXPECT_NE(f.window.board()->substitute(generation), nullptr);
    f.window.aids().boardPressed();
    EXPECT_TRUE(f.window.aids().thinking().empty());
}

TEST(Thinking, ClosingTheWindowStopsTheSearchAtOnce) {
    Level4Fixture f(60000);
    ASSERT_TRUE(f.window.thinking());
    QElapsedTimer t;
    t.start();
    f.window.close();
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_FALSE(f.window.thinking());
    EXPECT_TRUE(f.window.game().state().Ended);
    EXPECT_EQ(f.window.game().moveHistory().RecordCount, 0);  // the move was dropped
}

// Destroyed while the search runs, with the move list, the tint and the record panel up and a
// paint pending: the search stops and nothing reaches a member that has gone.
TEST(Thinking, TheWindowCanBeDestroyedWhileItThinks) {
    auto f = std::make_unique<Level4Fixture>(60000);
    MainWindow& w = f->window;
    w.aids().listAction()->trigger();
    w.aids().influenceAction()->trigger();
    w.showPanelLists(true, true, true);
    w.showPanelFields(true);
    QApplication::processEvents();
    w.canvas().outline(COLOUR_SELECT, BoardLeft + 14 * SquareWidth, BoardTop + 14 * SquareHeight);
    ASSERT_TRUE(w.thinking());
    QElapsedTimer t;
    t.start();
    f.reset();
    EXPECT_LT(t.elapsed(), 2000);
    QApplication::processEvents();  // the search's last message has nowhere to go
}

}  // namespace orizen::window::test
