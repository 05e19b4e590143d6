// Sound: opening the sound library, loading the five wave files, closing it.
#include <sys/stat.h>

#include "game/files.h"
#include "game/game.h"

namespace orizen {

namespace {

constexpr std::size_t kSoundMaxBytes = std::size_t(128) << 20;

}  // namespace

void Game::サウンド_初期化(std::intptr_t window) {
    sounds.SoundSystem = sound.dsInitialize(window);
    if (sounds.SoundSystem == 0) サウンド_エラー表示("Direct Soundインターフェースが作成できません。");
}

std::intptr_t Game::サウンド_読込(const std::string& name, int mode) {
    if (sounds.SoundSystem == 0) return 0;
    const std::string path = 素材パス(name);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 0;  // a missing file is silent
    // Only a regular file is read, and only up to a size no wave file of the game comes near:
    // a name that leads to a device or a pipe would never end.
    if (!S_ISREG(st.st_mode)) {
        サウンド_エラー表示("not a regular file: " + name);
        return 0;
    }
    std::string bytes, error;
    if (!readWholeFile(path, kSoundMaxBytes, bytes, error)) {
        サウンド_エラー表示(error + ": " + name);
        return 0;
    }
    if (bytes.empty()) {
        サウンド_エラー表示("ファイルが空です: " + name);
        return 0;
    }
    return sound.dsCreateDSB(sounds.SoundSystem, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                             mode);
}

void Game::サウンド_終了() {
    if (sounds.SoundSystem != 0) sound.dsTerminate(sounds.SoundSystem);
}

void Game::サウンド_エラー表示(const std::string& text) {
    host.message(text, "Orizen.dll", Buttons::Ok, Icon::Warning);
}

}  // namespace orizen
