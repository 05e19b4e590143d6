// Plays a scripted run of the game through the real sound library against an audio server and
// records the server's output (parec on a monitor source) while it does, then tells from the
// recording whether every sound arrived whole, the music played and stopped, and no box about a
// missing device appeared.
//
//   orizen_audio_probe ASSETS_FOLDER MONITOR_SOURCE
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "game/wave.h"
#include "window/main_window.h"
#include "window/qt_sound.h"

namespace {

using orizen::Menu;

constexpr int kRate = 22050;
constexpr int kFrame = kRate / 100;  // 10 ms
constexpr int kLoud = 500;           // a 10 ms frame whose peak passes this is sounding (−36 dBFS)

std::vector<int16_t> captured;

int peakOf(std::size_t frame) {
    int peak = 0;
    for (std::size_t i = frame * kFrame; i < (frame + 1) * kFrame && i < captured.size(); ++i)
        peak = std::max(peak, std::abs(int(captured[i])));
    return peak;
}
std::size_t frames() { return captured.size() / kFrame; }

// How many 10 ms frames of a wave file are sounding, by the same measure.
int soundingFramesOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray raw = f.readAll();
    std::string wave;
    if (!orizen::normalizeWave(reinterpret_cast<const unsigned char*>(raw.data()), raw.size(), false, wave)) return 0;
    const int channels = static_cast<unsigned char>(wave[22]);
    const int rate = static_cast<unsigned char>(wave[24]) | static_cast<unsigned char>(wave[25]) << 8 |
                     static_cast<unsigned char>(wave[26]) << 16;
    const std::size_t samples = (wave.size() - 44) / 2, perFrame = std::size_t(rate / 100) * channels;
    int count = 0;
    for (std::size_t at = 0; at + perFrame <= samples; at += perFrame) {
        int peak = 0;
        for (std::size_t i = at; i < at + perFrame; ++i) {
            const auto* p = reinterpret_cast<const unsigned char*>(wave.data() + 44 + 2 * i);
            peak = std::max(peak, std::abs(int(int16_t(p[0] | p[1] << 8))));
        }
        count += peak > kLoud;
    }
    return count;
}

struct Effect {
    const char* what;
    QString file;
    std::size_t at;  // frame of the recording when it was asked for
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: orizen_audio_probe ASSETS_FOLDER MONITOR_SOURCE\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the answered boxes are the only windows
    const QString assets = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir folder;
    for (const QString& name : QDir(assets).entryList({QStringLiteral("*.wav")}, QDir::Files))
        QFile::copy(QDir(assets).filePath(name), folder.filePath(name));

    QProcess parec;
    parec.start(QStringLiteral("parec"), {QStringLiteral("-d"), QString::fromLocal8Bit(argv[2]), QStringLiteral("--raw"),
                                         QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRate),
                                         QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=10")});
    QObject::connect(&parec, &QProcess::readyReadStandardOutput, [&parec] {
        static QByteArray odd;
        odd += parec.readAllStandardOutput();
        const std::size_t n = odd.size() / 2;
        const auto* p = reinterpret_cast<const unsigned char*>(odd.constData());
        for (std::size_t i = 0; i < n; ++i) captured.push_back(int16_t(p[2 * i] | p[2 * i + 1] << 8));
        odd.remove(0, static_cast<int>(2 * n));
    });
    if (!parec.waitForStarted(5000)) {
        std::fprintf(stderr, "cannot start parec\n");
        return 1;
    }

    orizen::QtSoundLibrary sound;
    orizen::window::MainWindow window(sound);
    orizen::Game& game = window.game();
    game.setFolders(folder.path().toStdString(), game.locations().AssetFolder);

    // Every box is answered (Yes where asked) after three seconds, so that no sound it leads to
    // overlaps the one before it; boxes about the sound device are counted.
    int deviceBoxes = 0;
    QElapsedTimer boxUp;
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            boxUp.invalidate();
            return;
        }
        if (!boxUp.isValid()) {
            boxUp.start();
            std::printf("box \"%s\": %s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
            if (box->windowTitle() == QStringLiteral("Orizen.dll")) ++deviceBoxes;
        }
        if (boxUp.elapsed() < 3000) return;
        boxUp.invalidate();
        for (QAbstractButton* b : box->buttons())
            if (b->text().startsWith(QStringLiteral("はい"))) return b->click();
        box->accept();
    });
    boxes.start(20);

    const auto click = [&game](int x, int y) {
        game.Form_MouseDown(orizen::LEFT_BUTTON, 0, orizen::BoardLeft + x * orizen::SquareWidth + 100,
                            orizen::BoardTop + y * orizen::SquareHeight + 100);
    };
    std::vector<Effect> effects;
    std::size_t musicOn = 0, musicOff = 0;
    const auto effect = [&](const char* what, const char* file, std::function<void()> act) {
        return [&effects, what, file, act] {
            effects.push_back({what, QString::fromUtf8(file), frames()});
            act();
        };
    };
    // Seconds after the capture has settled, and what happens then.
    const std::vector<std::pair<double, std::function<void()>>> script = {
        {0.0, [&] { window.load(); runCommand(game, Menu::START); }},
        {4.0, effect("first move of the run", "駒打音.wav", [&] { click(5, 18), click(5, 17); })},
        {6.0, effect("second move", "駒打音.wav", [&] { click(5, 10), click(5, 11); })},
        {8.0, effect("refused move", "禁止.wav", [&] { click(6, 18), click(6, 15); })},
        {10.0, effect("game end", "終局.wav", [&] { game.終了("先手"); })},
        // The two boxes of the end are answered at 13 and 16 s; play again sets out the pieces.
        {18.0, [&] { musicOn = frames(), runCommand(game, Menu::BGM); }},
        {21.0, [&] { musicOff = frames(), runCommand(game, Menu::BGM); }},
        {23.0, effect("最初 (sounds loaded afresh)", "駒打音.wav", [&] { runCommand(game, Menu::CANCEL); })},
        {25.0, effect("refused 戻", "禁止.wav", [&] { runCommand(game, Menu::REPLAY); })},
        {29.0, [&] { QApplication::quit(); }},
    };

    // The script starts once the recording has run steadily for a second.
    QElapsedTimer clock;
    QTimer settle;
    QObject::connect(&settle, &QTimer::timeout, [&] {
        if (captured.size() < std::size_t(kRate)) return;
        settle.stop();
        clock.start();
        for (const auto& [seconds, act] : script) QTimer::singleShot(int(seconds * 1000), act);
    });
    settle.start(50);
    QTimer::singleShot(60000, [] { QApplication::exit(3); });
    const int status = app.exec();
    const double wall = clock.isValid() ? clock.elapsed() / 1000.0 : 0;
    parec.kill();
    parec.waitForFinished();
    if (status != 0) {
        std::printf("FAIL: the recording never started or the run did not end (%zu samples)\n", captured.size());
        return 1;
    }
    std::printf("recorded %.1f s of audio in %.1f s\n", double(captured.size()) / kRate, wall + 1.0);

    bool ok = deviceBoxes == 0;
    if (deviceBoxes != 0) std::printf("FAIL: %d box(es) about the sound device\n", deviceBoxes);
    std::printf("%-30s %-10s %8s %9s %9s %6s\n", "sound", "file", "onset ms", "heard ms", "in file", "peak");
    for (const Effect& e : effects) {
        // Quiet for 0.3 s before it was asked for, then sounding within 0.7 s.
        bool quietBefore = true;
        for (std::size_t f = e.at >= 30 ? e.at - 30 : 0; f < e.at; ++f) quietBefore = quietBefore && peakOf(f) <= kLoud;
        std::size_t onset = e.at;
        while (onset < e.at + 70 && onset < frames() && peakOf(onset) <= kLoud) ++onset;
        const int expected = soundingFramesOf(folder.filePath(e.file));
        int heard = 0, peak = 0;
        for (std::size_t f = onset; f < onset + expected + 50 && f < frames(); ++f) {
            heard += peakOf(f) > kLoud;
            peak = std::max(peak, peakOf(f));
        }
        const bool arrived = onset < e.at + 70;
        // Whole: at least 80% of the sounding frames of the file (the decay may differ a little).
        const bool whole = arrived && heard * 10 >= expected * 8;
        std::printf("%-30s %-10s %8s %9d %9d %6d %s\n", e.what, qPrintable(e.file),
                    arrived ? std::to_string((onset - e.at) * 10).c_str() : "-", heard * 10, expected * 10, peak,
                    !quietBefore ? "FAIL (not quiet before)" : !arrived ? "FAIL (never arrived)" : !whole ? "FAIL (cut short)" : "ok");
        ok = ok && quietBefore && whole;
    }
    // Music: sounding through most of 0.5 .. 2.5 s after BGM on, silent from 0.6 s after BGM off.
    int loud = 0, span = 0, after = 0;
    for (std::size_t f = musicOn + 50; f < musicOn + 250 && f < frames(); ++f, ++span) loud += peakOf(f) > kLoud;
    for (std::size_t f = musicOff + 60; f < musicOff + 190 && f < frames(); ++f) after += peakOf(f) > kLoud;
    const bool musicOk = span == 200 && loud * 10 >= span * 9;
    std::printf("%-30s sounding in %d of %d frames after BGM on: %s\n", "music", loud, span, musicOk ? "ok" : "FAIL");
    std::printf("%-30s sounding in %d frames from 0.6 to 1.9 s after BGM off: %s\n", "music off", after,
                after == 0 ? "ok" : "FAIL");
    ok = ok && musicOk && after == 0;
    std::printf("%s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
