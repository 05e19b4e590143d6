#include "window/menu_bar.h"

#include <QMenu>

namespace orizen::window {

namespace {

// The items whose check marks the game sets: the levels, guidance, the backgrounds and music.
bool carriesMark(Menu item) {
    switch (item) {
        case Menu::LEVEL1: case Menu::LEVEL2: case Menu::LEVEL3: case Menu::LEVEL4: case Menu::SIDOU:
        case Menu::MIDORI: case Menu::TATAMI: case Menu::TAKE: case Menu::UCHU: case Menu::RENGA:
        case Menu::BGM:
            return true;
        default:
            return false;
    }
}

}  // namespace

MenuBarItems::MenuBarItems(QMenuBar* bar, std::function<void(Menu)> click) {
    QMenu* open[4] = {};  // the menu being filled at levels 1 and 2
    for (std::size_t i = 0; i < kMenuBar.size(); ++i) {
        const MenuEntry& e = kMenuBar[i];
        const QString caption = QString::fromUtf8(e.caption.data(), int(e.caption.size()));
        const bool parent = i + 1 < kMenuBar.size() && kMenuBar[i + 1].level > e.level;
        const Menu item = e.item;
        QAction* a;
        if (parent) {
            QMenu* m = e.level == 1 ? bar->addMenu(caption) : open[e.level - 1]->addMenu(caption);
            // Opening a menu is a command of its own: 対局, 局面 and ｵﾌﾟｼｮﾝ close the record panel.
            QObject::connect(m, &QMenu::aboutToShow, m, [click, item] { click(item); });
            open[e.level] = m;
            a = m->menuAction();
        } else {
            a = e.level == 1 ? bar->addAction(caption) : open[e.level - 1]->addAction(caption);
            QObject::connect(a, &QAction::triggered, a, [this, a, click, item] {
                // Qt has already flipped the mark; put back the game's and let the game decide.
                if (a->isCheckable()) a->setChecked(marks_[item]);
                click(item);
            });
        }
        a->setObjectName(QString::fromUtf8(e.name.data(), int(e.name.size())));
        marks_[item] = e.checked;
        if (carriesMark(item) || e.checked) {
            a->setCheckable(true);
            a->setChecked(e.checked);
        }
        actions_[item] = a;
    }
}

void MenuBarItems::setMark(Menu item, bool on) {
    QAction* a = actions_.at(item);
    marks_[item] = on;
    if (!a->isCheckable()) a->setCheckable(true);
    a->setChecked(on);
}

void MenuBarItems::setLanguage(Language language) {
    for (const MenuEntry& e : kMenuBar)
        actions_.at(e.item)->setText(QString::fromStdString(shown(language, e.caption, Where::Menu)));
}

bool MenuBarItems::mark(Menu item) const {
    const auto it = marks_.find(item);
    return it != marks_.end() && it->second;
}

}  // namespace orizen::window
