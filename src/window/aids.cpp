#include "window/aids.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

#include "game/choose.h"
#include "game/controller.h"
#include "game/settings.h"
#include "game/move_notes.h"

namespace orizen::window {

Aids::Aids(QMainWindow* window, Host& host, Game& game, BoardWidget* board, const BufferCanvas& canvas,
           const PictureSet& pictures, MenuBarItems& menus)
    : window_(window), host_(host), game_(game), board_(board), canvas_(canvas), picture_(pictures), list_(window) {
    QMenu* play = menus.action(Menu::TAIKYOKU)->menu();
    hintAction_ = new QAction(QStringLiteral("ヒント"), window);
    hintAction_->setObjectName(QStringLiteral("HINT"));
    play->insertAction(menus.action(Menu::OWARI), hintAction_);
    QObject::connect(play, &QMenu::aboutToShow, hintAction_, [this] { hintAction_->setEnabled(hintSide(game_) != 0); });
    QObject::connect(hintAction_, &QAction::triggered, hintAction_, [this] { showHint(); });

    QMenu* options = menus.action(Menu::OPTION)->menu();
    options->addSeparator();
    influenceAction_ = options->addAction(QStringLiteral("勢力図"));
    influenceAction_->setObjectName(QStringLiteral("SEIRYOKUZU"));
    listAction_ = options->addAction(QStringLiteral("棋譜一覧"));
    listAction_->setObjectName(QStringLiteral("KIFU_ICHIRAN"));
    for (QAction* a : {influenceAction_, listAction_}) a->setCheckable(true);
    QMenu* seconds = secondsMenu_ = options->addMenu(QStringLiteral("LEVEL4の持ち時間"));
    seconds->menuAction()->setObjectName(QStringLiteral("LEVEL4_TIME"));
    auto* times = new QActionGroup(seconds);
    for (int i = 0; i < 3; ++i) {
        const int n = kLevel4Seconds[i];
        QAction* a = secondsActions_[i] = seconds->addAction(QStringLiteral("%1秒").arg(n));
        a->setObjectName(QStringLiteral("LEVEL4_%1S").arg(n));
        a->setCheckable(true);
        a->setChecked(n == settings_.level4Seconds);
        times->addAction(a);
        QObject::connect(a, &QAction::triggered, a, [this, n] { setLevel4Seconds(n); });
    }
    QObject::connect(influenceAction_, &QAction::triggered, influenceAction_, [this](bool on) { setInfluenceMap(on); });
    QObject::connect(listAction_, &QAction::triggered, listAction_, [this](bool on) { setMoveList(on); });

    // その他 → Language / 言語: the same words in both languages, and each language in its own.
    QMenu* languages = menus.action(Menu::SONOTA)->menu()->addMenu(QStringLiteral("Language / 言語"));
    languages->menuAction()->setObjectName(QStringLiteral("LANGUAGE"));
    auto* group = new QActionGroup(languages);
    englishAction_ = languages->addAction(QStringLiteral("English"));
    japaneseAction_ = languages->addAction(QStringLiteral("日本語"));
    for (const auto& [a, language] : {std::pair{englishAction_, Language::English}, std::pair{japaneseAction_, Language::Japanese}}) {
        a->setCheckable(true);
        a->setActionGroup(group);
        a->setObjectName(QString::fromUtf8(languageCode(language).data(), 2));
        QObject::connect(a, &QAction::triggered, a, [this, language] {
            settings_.language = language;
            save();
            if (onLanguage) onLanguage(language);
        });
    }
    japaneseAction_->setChecked(true);

    auto key = [window](Qt::Key k, std::function<void()> act) {
        auto* s = new QShortcut(QKeySequence(k), window);
        QObject::connect(s, &QShortcut::activated, s, std::move(act));
    };
    key(Qt::Key_Left, [this] {
        clearHint();
        onCommand(Menu::REPLAY);
    });
    key(Qt::Key_Right, [this] {
        clearHint();
        onCommand(Menu::AFTER);
    });
    key(Qt::Key_Escape, [this] { escape(); });

    watcher_.aids = this;
    game_.players().searching().watcher = &watcher_;
    onCommand = [this](Menu item) { runCommand(game_, item); };
    board_->substitute = [this](std::uint64_t& generation) { return shownImage(generation); };
    list_.onPick = [this](int n) { stepTo(n); };
}

Aids::~Aids() {
    if (game_.players().searching().watcher == &watcher_) game_.players().searching().watcher = nullptr;
}

void Aids::load() {
    settings_ = readAidSettings(aidSettingsPath(settingsPath(game_)));
    for (int i = 0; i < 3; ++i) secondsActions_[i]->setChecked(kLevel4Seconds[i] == settings_.level4Seconds);
    game_.players().searching().moveTimeMs = settings_.level4Seconds * 1000;
    influenceAction_->setChecked(settings_.influenceMap);
    listAction_->setChecked(settings_.moveList);
    list_.setShown(settings_.moveList);
    if (settings_.moveList) list_.follow(game_);
    board_->update();
}

void Aids::setLanguage(Language language) {
    language_ = language;
    hintAction_->setText(QString::fromStdString(shown(language, "ヒント")));
    influenceAction_->setText(QString::fromStdString(shown(language, "勢力図")));
    listAction_->setText(QString::fromStdString(shown(language, "棋譜一覧")));
    secondsMenu_->setTitle(QString::fromStdString(shown(language, "LEVEL4の持ち時間")));
    for (int i = 0; i < 3; ++i)
        secondsActions_[i]->setText(QString::fromStdString(shown(language, std::to_string(kLevel4Seconds[i]) + "秒")));
    languageAction(language)->setChecked(true);
    picture_.language = language;
    list_.setLanguage(language);
    if (list_.shown()) list_.follow(game_);
    board_->update();
}

void Aids::save() {
    std::string error;
    if (writeAidSettings(aidSettingsPath(settingsPath(game_)), settings_, error) || saveFailed_) return;
    saveFailed_ = true;  // said once; the aids go on working
    host_.message("補助表示の設定を保存できません（" + error + "）", "Orizen", Buttons::Ok, Icon::Warning);
}

bool Aids::showHint() {
    clearHint();
    const int side = hintSide(game_);
    if (side == 0) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    clearThinking();
    ScoredMove m;
    Player& hinting = hintPlayer_ != nullptr ? *hintPlayer_ : game_.players().hint();
    struct Last final : Listener {
        std::optional<level4::Thinking> last;
        void thinking(const level4::Thinking& t) override { last = t; }
    } last;
    const bool found = hinting.choose(game_, side < 0, m, &last);
    QApplication::restoreOverrideCursor();
    if (!found) return false;
    Hint h{HintMarks{m.move.fx, m.move.fy, m.move.tx, m.move.ty,
                     moveText(m.move.fx, m.move.tx, m.move.ty, m.move.before, m.move.after)},
           last.last ? thinkingLines(*last.last, side < 0, lowerMovesFirst(game_, side < 0), kThinkingMoves)
                     : std::vector<std::string>{},
           game_.position().Board, game_.position().HandLower, game_.position().HandUpper, game_.state().Turn};
    if (m.move.fx == -1) h.marks.fromY = 8 - m.move.fy;  // an upper drop: its hand slot's row on the screen
    hint_ = std::move(h);
    board_->update();
    return true;
}

void Aids::clearHint() {
    if (!hint_) return;
    hint_.reset();
    board_->update();
}

void Aids::clearThinking() {
    if (thinking_.empty()) return;
    thinking_.clear();
    board_->update();
}

void Aids::Watcher::thinking(const level4::Thinking& t) {
    // The window's thread reads the game; the search's only hands over what it found.
    QMetaObject::invokeMethod(
        aids->board_,
        [a = aids, t] {
            a->thinking_ = thinkingLines(t, true, lowerMovesFirst(a->game_, t.lower), kThinkingMoves);
            a->board_->update();
        },
        Qt::QueuedConnection);
}

void Aids::setLevel4Seconds(int seconds) {
    for (int i = 0; i < 3; ++i) secondsActions_[i]->setChecked(kLevel4Seconds[i] == seconds);
    game_.players().searching().moveTimeMs = seconds * 1000;
    if (settings_.level4Seconds == seconds) return;
    settings_.level4Seconds = seconds;
    save();
}

QAction* Aids::secondsAction(int seconds) const {
    for (int i = 0; i < 3; ++i)
        if (kLevel4Seconds[i] == seconds) return secondsActions_[i];
    return nullptr;
}

bool Aids::hintCurrent() const {
    return hint_ && hint_->board == game_.position().Board && hint_->lower == game_.position().HandLower &&
           hint_->upper == game_.position().HandUpper && hint_->turn == game_.state().Turn;
}

const QImage* Aids::shownImage(std::uint64_t& generation) {
    if (hint_ && !hintCurrent()) hint_.reset();
    if (!settings_.influenceMap && !hint_ && thinking_.empty()) return nullptr;
    return &picture_.compose(canvas_.image(), canvas_.generation(), game_.position().Board, settings_.influenceMap,
                             hint(), hint_ ? hint_->lines : thinking_, generation);
}

void Aids::setInfluenceMap(bool on) {
    influenceAction_->setChecked(on);
    if (settings_.influenceMap == on) return;
    settings_.influenceMap = on;
    board_->update();
    save();
}

void Aids::setMoveList(bool on) {
    listAction_->setChecked(on);
    if (settings_.moveList == on) return;
    settings_.moveList = on;
    list_.setShown(on);
    if (on) list_.follow(game_);
    save();
}

void Aids::stepTo(int n) {
    clearHint();
    clearThinking();
    orizen::stepTo(game_, n, onCommand);
    if (list_.shown()) list_.follow(game_);
}

void Aids::escape() {
    clearHint();
    if (!game_.state().Ended) game_.putBackSelection();
}

void Aids::canvasChanged() {
    if (!list_.shown() || followPending_) return;
    followPending_ = true;
    QTimer::singleShot(0, window_, [this] {
        followPending_ = false;
        if (list_.shown()) list_.follow(game_);
    });
}

}  // namespace orizen::window
