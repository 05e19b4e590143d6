#include "window/move_list.h"

#include <QFontMetrics>

#include <algorithm>

#include "window/buffer_canvas.h"

namespace orizen::window {

MoveList::MoveList(QMainWindow* window) : window_(window) {
    dock_ = new QDockWidget(QStringLiteral("棋譜一覧"), window);
    dock_->setObjectName(QStringLiteral("MoveList"));
    dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    view_ = new QListWidget(dock_);
    view_->setObjectName(QStringLiteral("MoveListView"));
    // The arrow keys stay with the window (戻 and 進), not the list.
    view_->setFocusPolicy(Qt::NoFocus);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setUniformItemSizes(true);
    QFont f = windowFont();
    f.setPointSize(10);
    view_->setFont(f);
    const QFontMetrics fm(f);
    // As wide as the widest row in either language.
    int widest = 0;
    for (Language language : {Language::Japanese, Language::English}) {
        const std::string row = rowText(MoveRow{500, true, orizen::shown(language, "27 27飛成打")});
        widest = std::max(widest, fm.horizontalAdvance(QString::fromStdString(" " + row + " ")));
    }
    view_->setMinimumWidth(widest + 24);
    dock_->setWidget(view_);
    window->addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    QObject::connect(view_, &QListWidget::itemClicked, view_, [this](QListWidgetItem* item) {
        if (onPick) onPick(view_->row(item));
    });
}

MoveList::~MoveList() {
    if (!dock_) return;
    window_->removeDockWidget(dock_);
    delete dock_;
}

void MoveList::setShown(bool shown) {
    if (shown == shown_) return;
    shown_ = shown;
    const bool free = !(window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    const int width = view_->minimumWidth() + 8;
    dock_->setVisible(shown);
    if (shown) window_->resizeDocks({dock_}, {width}, Qt::Horizontal);
    if (free) window_->resize(window_->width() + (shown ? width : -width), window_->height());
}

void MoveList::setLanguage(Language language) {
    language_ = language;
    dock_->setWindowTitle(QString::fromStdString(orizen::shown(language, "棋譜一覧")));
    view_->clear();  // follow() makes the rows again
    texts_.clear();
}

void MoveList::follow(const Game& g) {
    const std::vector<MoveRow> rows = historyRows(g);
    std::vector<std::string> texts;
    texts.reserve(rows.size());
    for (const MoveRow& r : rows) texts.push_back(rowText(MoveRow{r.n, r.first, orizen::shown(language_, r.text)}));
    const int current = g.moveHistory().RecordCount;
    if (texts != texts_ || view_->count() == 0) {
        view_->clear();
        view_->addItem(QString::fromStdString(rowText(MoveRow{0, true, orizen::shown(language_, "開始")})));
        for (const std::string& t : texts) view_->addItem(QString::fromStdString(t));
        texts_ = std::move(texts);
        current_ = -1;
    }
    if (current != current_ || int(texts_.size()) != length_) {
        // Moves after the current one are there to step forward into: shown paler.
        for (int i = 0; i < view_->count(); ++i)
            view_->item(i)->setForeground(i <= current ? view_->palette().text() : view_->palette().placeholderText());
        current_ = current;
        length_ = int(texts_.size());
    }
    // Also after a click on a row that could not be reached: the highlight is the position's.
    if (current >= 0 && current < view_->count()) {
        if (view_->currentRow() != current) {
            view_->setCurrentRow(current);
            view_->scrollToItem(view_->item(current));
        }
    } else {
        view_->clearSelection();
    }
}

}  // namespace orizen::window
