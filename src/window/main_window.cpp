#include "window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "game/aid_settings.h"
#include "game/settings.h"
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
    menus_ = std::make_unique<MenuBarItems>(menuBar(), [this](Menu item) { command(item); });

    aids_ = std::make_unique<Aids>(this, *this, game_, board_, canvas_, pictures_, *menus_);
    aids_->onCommand = [this](Menu item) { command(item); };
    aids_->onLanguage = [this](Language language) { setLanguage(language); };

    canvas_.onRefresh = [this] { board_->repaint(); };
    canvas_.onChange = [this] {
        board_->update();
        aids_->canvasChanged();
    };
    controller_.abandon = [this] { abandonThinking(); };
    board_->onMouseDown = [this](int button, int shift, double X, double Y) {
        if (controller_.busy) return controller_.press(button, shift, X, Y);  // refused
        aids_->boardPressed();
        controller_.press(button, shift, X, Y);
        keepGame();
    };
    board_->onLayout = [this] { panel_->place(); };
    panel_->onReturn = [this] { controller_.writeRecord(); };
    panel_->onFile = [this](const QString& path) { controller_.readRecord(path.toStdString()); };
}

MainWindow::~MainWindow() {
    // The search reads the game: it stops and is joined before anything goes.
    abandonThinking();
    // Qt deletes the child widgets only after every member is gone. What could still paint from
    // the canvas, lay out the panel or call into the game or the aids goes first, while all of
    // that is whole: the canvas's hooks, the saving timer, the board with the panel's controls
    // on it, then the aids with the move list.
    canvas_.onRefresh = nullptr;
    canvas_.onChange = nullptr;
    delete keeper_;
    delete takeCentralWidget();
    board_ = nullptr;
    aids_.reset();
}

bool MainWindow::runInBackground(std::function<void()> work, std::function<void()> done) {
    if (controller_.busy || quitting_) return false;
    controller_.busy = true;
    done_ = std::move(done);
    players_.resume();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    thinker_ = std::thread([this, work = std::move(work)] {
        work();
        QMetaObject::invokeMethod(this, [this] { finishThinking(); }, Qt::QueuedConnection);
    });
    return true;
}

void MainWindow::finishThinking() {
    if (!controller_.busy) return;
    if (thinker_.joinable()) thinker_.join();
    controller_.busy = false;
    QApplication::restoreOverrideCursor();
    auto done = std::move(done_);
    done_ = nullptr;
    if (done) done();
}

void MainWindow::abandonThinking() {
    if (!controller_.busy) return;
    players_.stop();
    if (thinker_.joinable()) thinker_.join();
    controller_.busy = false;
    done_ = nullptr;
    QApplication::restoreOverrideCursor();
}

void MainWindow::usePlaces(const Places& places) {
    game_.setFolders(places.data, places.assets);
    panel_->setFolder(QString::fromStdString(places.data));
    autosave_ = std::make_unique<Autosave>(places.data + "/" + kLastGameFile);
    // Moves that arrive outside a click or a command are caught within a second.
    keeper_ = new QTimer(this);
    connect(keeper_, &QTimer::timeout, this, [this] { keepGame(); });
    keeper_->start(1000);
}

void MainWindow::command(Menu item) {
    aids_->clearThinking();
    controller_.command(item);
    keepGame();
}

void MainWindow::keepGame() {
    if (!autosave_) return;
    const bool wasGood = autosave_->error().empty();
    autosave_->check(game_.moveHistory(), game_.state());
    if (wasGood && !autosave_->error().empty())
        qWarning("orizen: the game in progress cannot be saved to %s: %s", autosave_->path().c_str(),
                 autosave_->error().c_str());
}

void MainWindow::setLanguage(Language language) {
    language_ = language;
    canvas_.setLanguage(language);
    menus_->setLanguage(language);
    panel_->setLanguage(language);
    aids_->setLanguage(language);
    help_.language = language;
}

void MainWindow::load() {
    // The language the player chose last, else the system's; before anything is drawn or asked.
    setLanguage(readAidSettings(aidSettingsPath(settingsPath(game_))).language.value_or(systemLanguage_));
    game_.Form_Load();
    // At least the client area of the original 11400 × 9800 window (the whole drawing at one
    // pixel per 15 window units), and as large as fits in 85% of the screen's free area.
    const QSize board = board_->sizeHint();
    const int menu = menuBar()->sizeHint().height();
    QSize size = board;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() * 0.85 - QSize(0, menu);
        size = board.scaled(room, Qt::KeepAspectRatio).expandedTo(board);
    }
    resize(size.width(), size.height() + menu);
    aids_->load();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    abandonThinking();
    if (!quitting_) game_.Form_Unload();
    e->accept();
}

Answer MainWindow::message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    keepGame();  // a box may wait long, and the move before it (a game's last) is kept first
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    qs(shown(language_, title, Where::Box)), qs(shown(language_, text, Where::Box)),
                    QMessageBox::NoButton, isVisible() ? this : nullptr);
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    // Yes before No whatever the desktop's habit: the two are added in that order as plain
    // buttons, and closing the box counts as No.
    QPushButton* yes = box.addButton(qs(shown(language_, "はい(&Y)")), QMessageBox::ActionRole);
    QPushButton* no = box.addButton(qs(shown(language_, "いいえ(&N)")), QMessageBox::ActionRole);
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
    if (url.isLocalFile()) {
        QString path = url.toLocalFile();
        // The English help page lies beside the Japanese one.
        if (language_ == Language::English && QFileInfo(path).fileName() == QStringLiteral("Orizen.htm")) {
            const QString english = QFileInfo(path).dir().filePath(QStringLiteral("Orizen.en.htm"));
            if (QFileInfo::exists(english)) path = english;
        }
        help_.open(path);  // in our own window when no browser takes it
        return true;
    }
    return QDesktopServices::openUrl(url);
}

void MainWindow::repaintNow() {
    keepGame();  // the person's move is kept before the computer thinks
    board_->repaint();
}

void MainWindow::showPanelLists(bool drive, bool folder, bool files) {
    // Without drives the folder list stands for both lists.
    panel_->showLists(drive || folder, files);
}

void MainWindow::showPanelFields(bool shown) { panel_->showFields(shown); }

std::string MainWindow::panelField(int index) { return panel_->field(index).toStdString(); }

std::string MainWindow::panelFolder() { return panel_->folder().toStdString(); }

void MainWindow::refreshPanelFiles() { panel_->refreshFiles(); }

void MainWindow::showVersionDialog() {
    VersionDialog dialog(this, [this] { return openUrl(game_.locations().HomePage); }, language_);
    dialog.exec();
}

}  // namespace orizen::window
