// The menu bar against the game's table, and the rule that only the game sets check marks.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <vector>

#include "window_fixture.h"

namespace orizen::window::test {

namespace {

struct Seen {
    int level;
    QString caption, name;
    bool checked;
};

void walk(const QList<QAction*>& actions, int level, std::vector<Seen>& out) {
    for (QAction* a : actions) {
        out.push_back({level, a->text(), a->objectName(), a->isChecked()});
        if (a->menu()) walk(a->menu()->actions(), level + 1, out);
    }
}

}  // namespace

TEST(MenuBar, MatchesTheTableInOrderNestingCaptionsAndDesignMarks) {
    app();
    QMenuBar bar;
    MenuBarItems items(&bar, [](Menu) {});
    std::vector<Seen> seen;
    walk(bar.actions(), 1, seen);
    ASSERT_EQ(seen.size(), kMenuBar.size());
    for (std::size_t i = 0; i < kMenuBar.size(); ++i) {
        const MenuEntry& e = kMenuBar[i];
        SCOPED_TRACE(std::string(e.name));
        EXPECT_EQ(seen[i].level, e.level);
        EXPECT_EQ(seen[i].caption.toStdString(), e.caption);
        EXPECT_EQ(seen[i].name.toStdString(), e.name);
        EXPECT_EQ(seen[i].checked, e.checked);
        EXPECT_EQ(items.action(e.item)->text().toStdString(), e.caption);
    }
    // 戻 and 進 are commands on the bar itself.
    for (Menu m : {Menu::REPLAY, Menu::AFTER}) {
        EXPECT_EQ(items.action(m)->menu(), nullptr);
        EXPECT_TRUE(bar.actions().contains(items.action(m)));
    }
}

TEST(MenuBar, ClicksReachTheGameButMarksChangeOnlyThroughSetMark) {
    app();
    QMenuBar bar;
    std::vector<Menu> clicks;
    MenuBarItems items(&bar, [&](Menu m) { clicks.push_back(m); });

    items.action(Menu::LEVEL3)->trigger();  // marked: Qt would clear it
    items.action(Menu::BGM)->trigger();     // unmarked: Qt would set it
    items.action(Menu::REPLAY)->trigger();
    EXPECT_EQ(clicks, (std::vector<Menu>{Menu::LEVEL3, Menu::BGM, Menu::REPLAY}));
    EXPECT_TRUE(items.action(Menu::LEVEL3)->isChecked());
    EXPECT_FALSE(items.action(Menu::BGM)->isChecked());

    items.setMark(Menu::BGM, true);
    items.setMark(Menu::LEVEL3, false);
    EXPECT_TRUE(items.action(Menu::BGM)->isChecked());
    EXPECT_FALSE(items.action(Menu::LEVEL3)->isChecked());
    items.action(Menu::BGM)->trigger();
    EXPECT_TRUE(items.action(Menu::BGM)->isChecked());

    // An item that never had a mark can still be given one.
    items.setMark(Menu::START, true);
    EXPECT_TRUE(items.action(Menu::START)->isChecked());
    EXPECT_TRUE(items.mark(Menu::START));
}

TEST(MenuBar, OpeningATopLevelMenuIsACommand) {
    app();
    QMenuBar bar;
    std::vector<Menu> clicks;
    MenuBarItems items(&bar, [&](Menu m) { clicks.push_back(m); });
    for (Menu m : {Menu::TAIKYOKU, Menu::STOP, Menu::KIFU, Menu::OPTION, Menu::SONOTA}) {
        QMenu* menu = items.action(m)->menu();
        ASSERT_NE(menu, nullptr);
        emit menu->aboutToShow();
    }
    EXPECT_EQ(clicks, (std::vector<Menu>{Menu::TAIKYOKU, Menu::STOP, Menu::KIFU, Menu::OPTION, Menu::SONOTA}));
}

TEST(MenuBar, TheWindowsMarksFollowTheGame) {
    WindowFixture f;
    MenuBarItems& items = f.window.menuItems();
    EXPECT_TRUE(items.action(Menu::LEVEL3)->isChecked());
    items.action(Menu::LEVEL2)->trigger();
    EXPECT_TRUE(items.action(Menu::LEVEL2)->isChecked());
    EXPECT_FALSE(items.action(Menu::LEVEL3)->isChecked());
    EXPECT_EQ(f.window.game().options().ComputerLevel, 2);
    // Whatever the game does with 移動指導, the menu shows the game's mark.
    items.action(Menu::SIDOU)->trigger();
    EXPECT_EQ(items.action(Menu::SIDOU)->isChecked(), f.window.game().isChecked(Menu::SIDOU));
}

TEST(MenuBar, EndingFromTheMenuOrTheCloseBoxShutsTheGameDownOnce) {
    {
        WindowFixture f;
        f.window.show();
        f.window.menuItems().action(Menu::OWARI)->trigger();
        EXPECT_TRUE(f.window.game().state().Ended);
        EXPECT_FALSE(f.window.isVisible());
        const auto frees = std::count_if(f.sound.calls.begin(), f.sound.calls.end(),
                                         [](const std::string& c) { return c.rfind("dsTerminate", 0) == 0; });
        f.window.close();  // a second shutdown must not run
        EXPECT_EQ(std::count_if(f.sound.calls.begin(), f.sound.calls.end(),
                                [](const std::string& c) { return c.rfind("dsTerminate", 0) == 0; }),
                  frees);
    }
    {
        WindowFixture f;
        f.window.show();
        f.window.close();
        EXPECT_TRUE(f.window.game().state().Ended);
    }
}

}  // namespace orizen::window::test
