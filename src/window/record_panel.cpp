#include "window/record_panel.h"

#include <QApplication>
#include <QDir>
#include <QStyle>

#include <algorithm>
#include <cmath>

#include "window/board_widget.h"
#include "window/buffer_canvas.h"

namespace orizen::window {

namespace {

// Positions in window units: left, top, width, height.
struct Place {
    double x, y, w, h;
};
constexpr Place kFolders{240, 600, 2535, 1710};
constexpr Place kFiles{240, 2280, 2535, 930};
constexpr Place kLabels[4] = {{120, 2400, 855, 255}, {120, 2640, 855, 255}, {120, 2880, 855, 255}, {120, 3120, 855, 255}};
// Text2, Text3, Text4 beside the first three labels, Text1 (the file name) beside the last.
constexpr int kTextOfRow[4] = {2, 3, 4, 1};
constexpr Place kReturn{3360, 3000, 855, 375};

const char* const kLabelCaptions[4] = {"対 局 名：", "先    手 ：", "後    手 ：", "ﾌｧｲﾙ名 ："};

void put(const BoardWidget* board, QWidget* w, const Place& p) {
    w->setGeometry(board->fromUnits(QRectF(p.x, p.y, p.w, p.h)));
}

}  // namespace

RecordPanel::RecordPanel(BoardWidget* board) : board_(board), folder_(QDir::currentPath()) {
    folders_ = new QListWidget(board);
    files_ = new QListWidget(board);
    for (QListWidget* list : {folders_, files_}) {
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideRight);
    }
    for (int row = 0; row < 4; ++row) {
        labels_[row] = new QLabel(QString::fromUtf8(kLabelCaptions[row]), board);
        labels_[row]->setAutoFillBackground(true);
        texts_[kTextOfRow[row]] = new QLineEdit(board);
    }
    return_ = new QPushButton(QStringLiteral("RETURN"), board);

    QObject::connect(folders_, &QListWidget::itemActivated, folders_, [this](QListWidgetItem* item) {
        setFolder(item->data(Qt::UserRole).toString());
    });
    QObject::connect(files_, &QListWidget::itemClicked, files_, [this](QListWidgetItem* item) {
        if (onFile) onFile(QDir(folder_).filePath(item->text()));
    });
    QObject::connect(return_, &QPushButton::clicked, return_, [this] {
        if (onReturn) onReturn();
    });

    fillFolders();
    refreshFiles();
    showLists(false, false);
    showFields(false);
}

void RecordPanel::setLanguage(Language language) {
    for (int row = 0; row < 4; ++row) labels_[row]->setText(QString::fromStdString(shown(language, kLabelCaptions[row])));
}

void RecordPanel::showLists(bool folder, bool files) {
    if (folder || files) place();
    folders_->setVisible(folder);
    files_->setVisible(files);
    if (folder) folders_->raise();
    if (files) files_->raise();
}

void RecordPanel::showFields(bool shown) {
    if (shown) place();
    for (QLabel* l : labels_) l->setVisible(shown);
    for (int i = 1; i <= 4; ++i) {
        texts_[i]->setVisible(shown);
        if (!shown) texts_[i]->clear();
    }
    return_->setVisible(shown);
    if (shown) {
        for (QLabel* l : labels_) l->raise();
        for (int i = 1; i <= 4; ++i) texts_[i]->raise();
        return_->raise();
    }
}

QString RecordPanel::field(int index) const {
    return index >= 1 && index <= 4 ? texts_[index]->text() : QString();
}

void RecordPanel::setFolder(const QString& path) {
    const QString clean = QDir(path).absolutePath();
    if (!QDir(clean).exists()) return;
    folder_ = clean;
    fillFolders();
    refreshFiles();
}

void RecordPanel::fillFolders() {
    // Like a classic folder list: the open folders from the root down to the current one, then
    // the folders inside it, one step further in. Double-click (or Enter) opens one.
    folders_->clear();
    QStringList chain;
    for (QDir d(folder_);; ) {
        chain.prepend(d.absolutePath());
        if (!d.cdUp()) break;
    }
    const QIcon open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    for (const QString& path : chain) {
        const QString name = path == "/" ? path : QDir(path).dirName();
        auto* item = new QListWidgetItem(open, QString(depth * 2, ' ') + name, folders_);
        item->setData(Qt::UserRole, path);
        ++depth;
    }
    folders_->setCurrentRow(folders_->count() - 1);
    const QStringList subs = QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : subs) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, ' ') + sub, folders_);
        item->setData(Qt::UserRole, QDir(folder_).filePath(sub));
    }
    folders_->scrollToItem(folders_->currentItem());
}

void RecordPanel::refreshFiles() {
    files_->clear();
    files_->addItems(QDir(folder_).entryList({QStringLiteral("*.棋譜")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void RecordPanel::place() {
    put(board_, folders_, kFolders);
    put(board_, files_, kFiles);
    for (int row = 0; row < 4; ++row) {
        put(board_, labels_[row], kLabels[row]);
        put(board_, texts_[kTextOfRow[row]], {960, kLabels[row].y, 2295, 270});
    }
    put(board_, return_, kReturn);
    // The controls' type scales with the picture: 9 points are 180 window units.
    QFont f = windowFont();
    f.setPixelSize(std::max(6, int(std::lround(180 * board_->unitScale()))));
    folders_->setFont(f);
    files_->setFont(f);
    return_->setFont(f);
    for (QLabel* l : labels_) l->setFont(f);
    for (int i = 1; i <= 4; ++i) texts_[i]->setFont(f);
    folders_->setIconSize(QSize(f.pixelSize(), f.pixelSize()));
}

}  // namespace orizen::window
