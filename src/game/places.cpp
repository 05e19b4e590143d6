#include "game/places.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace orizen {

namespace {

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A folder that holds the settings file (data) or any of the game's own files (assets).
bool holdsGameFiles(const std::string& folder, bool settingsToo) {
    static const char* const kAssets[] = {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav", "BGM.wav", "Orizen.htm"};
    if (settingsToo && exists(folder + "/Orizen.ini")) return true;
    for (const char* name : kAssets)
        if (exists(folder + "/" + name)) return true;
    return false;
}

}  // namespace

Places findPlaces(const std::string& cwd, const std::string& programDir,
                  const std::function<const char*(const char*)>& env, const std::string& installedAssets) {
    Places here{cwd, cwd, true};
    if (holdsGameFiles(cwd, true)) return here;

    std::string assets;
    for (const std::string& candidate : {programDir + "/../share/orizen", installedAssets})
        if (!candidate.empty() && candidate != "/../share/orizen" && holdsGameFiles(candidate, false)) {
            assets = candidate;
            break;
        }
    if (assets.empty()) return here;  // not installed: a build run from anywhere keeps to cwd

    std::string data;
    const char* xdg = env("XDG_DATA_HOME");
    const char* home = env("HOME");
    if (xdg != nullptr && xdg[0] == '/')
        data = std::string(xdg) + "/orizen";
    else if (home != nullptr && home[0] == '/')
        data = std::string(home) + "/.local/share/orizen";
    else
        return Places{cwd, assets, false};
    return Places{data, assets, false};
}

bool makeFolders(const std::string& path, std::string& error) {
    if (path.empty()) {
        error = "no folder";
        return false;
    }
    for (std::size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
        const std::string part = path.substr(0, at);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            error = std::strerror(errno) + (": " + part);
            return false;
        }
        if (at == std::string::npos) break;
    }
    if (!isFolder(path)) {
        error = "not a folder: " + path;
        return false;
    }
    return true;
}

}  // namespace orizen
