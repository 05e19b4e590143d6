// The whole window over a fixed game, step by step, for telling whether a change of the code left
// every pixel as it was. The game is played through the window's own paths: menu actions and
// mouse presses on the board; every box is answered with its default button.
//   window_shots OUT            pictures at scale 1 and 2 in OUT/s1 and OUT/s2 (the window, and the
//                               back buffer as *_buffer.png), and OUT/manifest: the SHA-256 of
//                               each picture's pixels, so that two runs compare by `diff`
//   window_shots --compare A B  the pictures of two runs that differ, with their differing pixels
//   window_shots --bench        the time of 100 clicks that select and deselect a piece, guidance on
//   window_shots --english OUT  the window in English at scale 1 and 2 in OUT/en1 and OUT/en2: a game
//                               with its hint and move list, the menus, the record panel and the
//                               version dialog (and the その他 menu in Japanese, with the language item)
#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "drive.h"
#include "window/main_window.h"
#include "window/version_dialog.h"

using namespace orizen;
using namespace orizen::window;

namespace {

void menu(MainWindow& w, Menu item) {
    w.menuItems().action(item)->trigger();
    settle();
}

// The pixels' digest: independent of how the PNG encoder packs them.
QByteArray digest(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash h(QCryptographicHash::Sha256);
    const std::int32_t size[2] = {img.width(), img.height()};
    h.addData(QByteArrayView(reinterpret_cast<const char*>(size), sizeof size));
    for (int y = 0; y < img.height(); ++y)
        h.addData(QByteArrayView(reinterpret_cast<const char*>(img.constScanLine(y)), img.width() * 4));
    return h.result().toHex();
}

// A fresh window with a silent sound library, in a scratch folder under `out`.
struct Session {
    QTimer boxes;
    NullSound sound;
    MainWindow w{sound};

    explicit Session(const QString& work, Language language = Language::Japanese) {
        answerBoxes(boxes, 5);
        QDir(work).removeRecursively();
        QDir().mkpath(work);
        w.game().setFolders(QDir(work).absolutePath().toStdString(), w.game().locations().AssetFolder);
        w.setSystemLanguage(language);
        w.load();
        w.show();
        settle();
    }
};

int shoot(const QString& out, int scale) {
    const QString dir = out + QStringLiteral("/s%1").arg(scale);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    Session s(out + QStringLiteral("/work%1").arg(scale));
    MainWindow& w = s.w;
    QString manifest;
    int step = 0;
    auto shot = [&](const char* name) {
        settle();
        const QString base = QStringLiteral("%1_%2").arg(++step, 2, 10, QLatin1Char('0')).arg(QLatin1String(name));
        const QImage window = w.grab().toImage();
        const QImage& buffer = w.canvas().image();
        window.save(dir + "/" + base + ".png");
        buffer.save(dir + "/" + base + "_buffer.png");
        manifest += QString::fromLatin1(digest(window)) + "  s" + QString::number(scale) + "/" + base + ".png\n";
        manifest += QString::fromLatin1(digest(buffer)) + "  s" + QString::number(scale) + "/" + base + "_buffer.png\n";
    };

    shot("start");
    menu(w, Menu::LEVEL1);
    if (!w.menuItems().mark(Menu::SIDOU)) menu(w, Menu::SIDOU);
    shot("level1_guidance");
    menu(w, Menu::SENTE);
    shot("sente");
    press(w, 14, 18);
    shot("select_pawn");
    press(w, 14, 17);
    shot("pawn_moved");
    press(w, 2, 2);
    shot("their_bishop");
    press(w, 20, 14);
    shot("empty_square");
    press(w, 22, 20);
    shot("select_knight");
    press(w, 22, 20);
    shot("knight_again");
    for (int y = 17; y > 11; --y) {
        press(w, 14, y);
        press(w, 14, y - 1);
    }
    shot("pawn_at_11");
    press(w, 14, 11);
    press(w, 14, 10);
    shot("capture");
    press(w, 14, 10);
    press(w, 14, 9, Qt::RightButton);
    shot("promote");
    press(w, 29, 21);
    shot("select_hand_pawn");
    press(w, 14, 14);
    shot("drop");
    menu(w, Menu::REPLAY);
    shot("back");
    menu(w, Menu::REPLAY);
    shot("back_again");
    menu(w, Menu::AFTER);
    shot("forward");
    w.aids().influenceAction()->trigger();
    shot("influence");
    w.aids().listAction()->trigger();
    shot("move_list");
    QListWidget* list = w.aids().moveList().view();
    emit list->itemClicked(list->item(3));
    shot("list_to_3");
    menu(w, Menu::UCHU);
    shot("background_uchu");
    menu(w, Menu::TATAMI);
    shot("background_tatami");
    press(w, 10, 18);
    shot("select_with_aids");
    menu(w, Menu::REVERSE);
    shot("reverse");
    menu(w, Menu::RENGA);
    shot("background_renga");

    QFile file(dir + "/manifest");
    if (!file.open(QIODevice::WriteOnly) || file.write(manifest.toUtf8()) < 0) return 1;
    return 0;
}

// A top-level menu as it opens.
QImage menuPicture(MainWindow& w, Menu item) {
    QMenu* m = w.menuItems().action(item)->menu();
    m->popup(w.mapToGlobal(QPoint(0, 0)));
    settle();
    const QImage img = m->grab().toImage();
    m->hide();
    settle();
    return img;
}

int shootEnglish(const QString& out, int scale) {
    const QString dir = out + QStringLiteral("/en%1").arg(scale);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    Session s(out + QStringLiteral("/work-en%1").arg(scale), Language::English);
    MainWindow& w = s.w;
    int step = 0;
    auto save = [&](const QImage& image, const char* name) {
        image.save(dir + QStringLiteral("/%1_%2.png").arg(++step, 2, 10, QLatin1Char('0')).arg(QLatin1String(name)));
    };
    auto shot = [&](const char* name) {
        settle();
        save(w.grab().toImage(), name);
    };

    shot("start");
    menu(w, Menu::LEVEL1);
    menu(w, Menu::SENTE);
    for (int y = 18; y > 11; --y) {
        press(w, 14, y);
        press(w, 14, y - 1);
    }
    press(w, 14, 11);
    press(w, 14, 10);
    press(w, 14, 10);
    press(w, 14, 9, Qt::RightButton);
    press(w, 29, 21);
    press(w, 14, 14);
    shot("game");
    w.aids().listAction()->trigger();
    w.aids().showHint();
    shot("hint_and_list");
    w.aids().clearHint();
    w.aids().listAction()->trigger();
    for (Menu m : {Menu::TAIKYOKU, Menu::STOP, Menu::KIFU, Menu::OPTION, Menu::SONOTA})
        save(menuPicture(w, m), w.menuItems().action(m)->objectName().toLatin1().constData());
    menu(w, Menu::KIFU_WRITE);
    shot("record_panel");
    {
        VersionDialog d(&w, nullptr, Language::English);
        d.show();
        settle();
        save(d.grab().toImage(), "version");
    }
    w.aids().languageAction(Language::Japanese)->trigger();
    shot("japanese_again");
    save(menuPicture(w, Menu::SONOTA), "SONOTA_japanese");
    return 0;
}

int bench() {
    Session s(QDir::temp().filePath(QStringLiteral("window_shots_bench")));
    MainWindow& w = s.w;
    menu(w, Menu::LEVEL1);
    if (!w.menuItems().mark(Menu::SIDOU)) menu(w, Menu::SIDOU);
    menu(w, Menu::SENTE);
    // The best of five rounds of 100 clicks each: the game's part alone (the click handling and
    // its drawing in the buffer), then through the mouse with the window repainted after each.
    constexpr int kClicks = 100, kRounds = 5;
    double drawing = 1e9, shown = 1e9;
    QElapsedTimer t;
    for (int round = 0; round < kRounds; ++round) {
        t.start();
        for (int i = 0; i < kClicks; ++i)
            w.board()->onMouseDown(LEFT_BUTTON, 0, BoardLeft + (i % 2 ? 14.5 : 10.5) * SquareWidth,
                                   BoardTop + (i % 2 ? 14.5 : 18.5) * SquareHeight);
        drawing = std::min(drawing, double(t.nsecsElapsed()) / 1e6);
        settle();
        t.start();
        for (int i = 0; i < kClicks; ++i) press(w, i % 2 ? 14 : 10, i % 2 ? 14 : 18);
        shown = std::min(shown, double(t.nsecsElapsed()) / 1e6);
    }
    std::printf(
        "%d clicks (select, deselect), best of %d: %.1f ms drawing in the buffer, %.1f ms with the window repainted\n",
        kClicks, kRounds, drawing, shown);
    return 0;
}

// Every picture under A that differs from B's, or is missing from either.
int compare(const QString& a, const QString& b) {
    std::map<QString, int> names;
    for (const QString& top : {a, b})
        for (const QString& sub : QDir(top).entryList({QStringLiteral("s*")}, QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString& f : QDir(top + "/" + sub).entryList({QStringLiteral("*.png")}, QDir::Files))
                names[sub + "/" + f] |= top == a ? 1 : 2;
    int differing = 0;
    for (const auto& [name, where] : names) {
        if (where != 3) {
            std::printf("%s: only in %s\n", qPrintable(name), qPrintable(where == 1 ? a : b));
            ++differing;
            continue;
        }
        const QImage x = QImage(a + "/" + name).convertToFormat(QImage::Format_ARGB32);
        const QImage y = QImage(b + "/" + name).convertToFormat(QImage::Format_ARGB32);
        if (x.size() != y.size()) {
            std::printf("%s: %dx%d against %dx%d\n", qPrintable(name), x.width(), x.height(), y.width(), y.height());
            ++differing;
            continue;
        }
        long pixels = 0;
        for (int row = 0; row < x.height(); ++row) {
            const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
            const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
            for (int col = 0; col < x.width(); ++col) pixels += p[col] != q[col];
        }
        if (pixels) {
            std::printf("%s: %ld pixels differ\n", qPrintable(name), pixels);
            ++differing;
        }
    }
    std::printf("%zu pictures, %d differ\n", names.size(), differing);
    return differing ? 1 : 0;
}

// Runs this program again for one scale, on the offscreen platform.
bool runScale(const char* out, int scale, bool english = false) {
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("QT_SCALE_FACTOR", scale == 2 ? "2" : "1", 1);
        unsetenv("QT_SCREEN_SCALE_FACTORS");
        unsetenv("QT_ENABLE_HIGHDPI_SCALING");
        const std::string s = std::to_string(scale);
        execl("/proc/self/exe", "window_shots", english ? "--scale-en" : "--scale", s.c_str(), out,
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--compare") == 0) {
        QCoreApplication app(argc, argv);
        return compare(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "--scale") == 0) {
        QApplication app(argc, argv);
        return shoot(QString::fromLocal8Bit(argv[3]), std::atoi(argv[2]));
    }
    if (argc == 4 && std::strcmp(argv[1], "--scale-en") == 0) {
        QApplication app(argc, argv);
        return shootEnglish(QString::fromLocal8Bit(argv[3]), std::atoi(argv[2]));
    }
    if (argc == 3 && std::strcmp(argv[1], "--english") == 0) {
        for (int scale : {1, 2})
            if (!runScale(argv[2], scale, true)) {
                std::fprintf(stderr, "window_shots: the English run at scale %d failed\n", scale);
                return 1;
            }
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--bench") == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        QApplication app(argc, argv);
        return bench();
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: window_shots OUT | --english OUT | --compare A B | --bench\n");
        return 2;
    }
    std::string manifest;
    for (int scale : {1, 2}) {
        if (!runScale(argv[1], scale)) {
            std::fprintf(stderr, "window_shots: the run at scale %d failed\n", scale);
            return 1;
        }
        const std::string path = std::string(argv[1]) + "/s" + std::to_string(scale) + "/manifest";
        if (FILE* f = std::fopen(path.c_str(), "rb")) {
            char buf[4096];
            for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) manifest.append(buf, n);
            std::fclose(f);
        }
    }
    const std::string path = std::string(argv[1]) + "/manifest";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(manifest.data(), 1, manifest.size(), f) != manifest.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "window_shots: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: %zu pictures\n", path.c_str(), size_t(std::count(manifest.begin(), manifest.end(), '\n')));
    return 0;
}
