#include "window/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "window/version_dialog.h"

namespace orizen::window {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MainWindow::MainWindow(SoundLibrary& sound) : sound_(sound) {
    setWindowTitle(QStringLiteral("Orizen"));
    board_ = new BoardWidget(canvas_, this);
    setCentralWidget(board_);
    panel_ = std::make_unique<RecordPanel>(board_);
    menus_ = std::make_unique<MenuBarItems>(menuBar(), [this](Menu item) { game_.menuClick(item); });

    aids_ = std::make_unique<Aids>(this, game_, board_, canvas_, pictures_, *menus_);

    canvas_.onRefresh = [this] { board_->repaint(); };
    canvas_.onChange = [this] {
        board_->update();
        aids_->canvasChanged();
    };
    board_->onMouseDown = [this](int button, int shift, double X, double Y) {
        aids_->boardPressed();
        game_.Form_MouseDown(button, shift, X, Y);
    };
    board_->onLayout = [this] { panel_->place(); };
    panel_->onReturn = [this] { game_.Command1_Click(); };
    panel_->onFile = [this](const QString& path) { game_.File1_Click(path.toStdString()); };
}

MainWindow::~MainWindow() = default;

void MainWindow::load() {
    game_.Form_Load();
    // The client area of the original 11400 × 9800 window: the whole drawing at one pixel per
    // 15 window units, on any screen scaled by its device pixel ratio.
    const QSize board = board_->sizeHint();
    resize(board.width(), board.height() + menuBar()->sizeHint().height());
    aids_->load();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (!quitting_) game_.Form_Unload();
    e->accept();
}

Answer MainWindow::message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, qs(title), qs(text),
                    QMessageBox::NoButton, isVisible() ? this : nullptr);
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    // Yes before No whatever the desktop's habit: the two are added in that order as plain
    // buttons, and closing the box counts as No.
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::ActionRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::ActionRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

void MainWindow::setChecked(Menu item, bool on) { menus_->setMark(item, on); }

void MainWindow::quit() {
    if (quitting_) return;
    quitting_ = true;
    hide();
    QCoreApplication::quit();
}

bool MainWindow::openUrl(const std::string& address) {
    const QString a = qs(address);
    if (a.isEmpty()) return false;
    const QUrl url = a.contains(QStringLiteral("://")) ? QUrl(a) : QUrl::fromLocalFile(QFileInfo(a).absoluteFilePath());
    if (!url.isValid()) return false;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
    return QDesktopServices::openUrl(url);
}

void MainWindow::repaintNow() { board_->repaint(); }

void MainWindow::showPanelLists(bool drive, bool folder, bool files) {
    // Without drives the folder list stands for both lists.
    panel_->showLists(drive || folder, files);
}

void MainWindow::showPanelFields(bool shown) { panel_->showFields(shown); }

std::string MainWindow::panelField(int index) { return panel_->field(index).toStdString(); }

std::string MainWindow::panelFolder() { return panel_->folder().toStdString(); }

void MainWindow::refreshPanelFiles() { panel_->refreshFiles(); }

void MainWindow::showVersionDialog() {
    VersionDialog dialog(this, [this] { return openUrl(game_.HomePage); });
    dialog.exec();
}

}  // namespace orizen::window
