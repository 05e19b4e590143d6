// Builds the menu bar from the game's table of items. The game owns the check marks: an item
// never toggles its own mark, only setMark() (the game's Host::setChecked) changes it.
#pragma once

#include <QAction>
#include <QMenuBar>

#include <functional>
#include <map>

#include "game/language.h"
#include "game/menu.h"

namespace orizen::window {

class MenuBarItems {
public:
    // Fills `bar`; `click` receives every command, and the opening of every top-level menu.
    MenuBarItems(QMenuBar* bar, std::function<void(Menu)> click);

    QAction* action(Menu item) const { return actions_.at(item); }
    void setMark(Menu item, bool on);
    bool mark(Menu item) const;
    // Every caption in `language`.
    void setLanguage(Language language);

private:
    std::map<Menu, QAction*> actions_;
    std::map<Menu, bool> marks_;
};

}  // namespace orizen::window
