// Sound: opening the sound library, loading the five wave files, closing it.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include <sys/stat.h>

#include "game/game.h"

namespace orizen {

void Game::サウンド_初期化(std::intptr_t window) {
    SoundSystem = sound.dsInitialize(window);
    if (SoundSystem == 0) サウンド_エラー表示("Direct Soundインターフェースが作成できません。");
}

std::intptr_t Game::サウンド_読込(const std::string& name, int mode) {
    if (SoundSystem == 0) return 0;
    const std::string path = 作業パス(name);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 0;  // a missing file is silent
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in || bytes.empty() || !S_ISREG(st.st_mode)) {
        const int err = errno;
        サウンド_エラー表示(bytes.empty() && in ? "ファイルが空です: " + name
                                                  : std::string(std::strerror(err ? err : EIO)) + ": " + name);
        return 0;
    }
    return sound.dsCreateDSB(SoundSystem, bytes.data(), bytes.size(), mode);
}

void Game::サウンド_終了() {
    if (SoundSystem != 0) sound.dsTerminate(SoundSystem);
}

void Game::サウンド_エラー表示(const std::string& text) {
    host.message(text, "Orizen.dll", Buttons::Ok, Icon::Warning);
}

}  // namespace orizen
