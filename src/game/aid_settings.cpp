// The aids' on/off file.
#include "game/aid_settings.h"

#include "game/files.h"

namespace orizen {

namespace {

constexpr const char* kFileName = "OrizenAids.ini";
constexpr const char* kInfluenceKey = "InfluenceMap";
constexpr const char* kListKey = "MoveList";
constexpr const char* kSecondsKey = "Level4Seconds";
constexpr const char* kLanguageKey = "Language";
constexpr std::size_t kMaxBytes = 4096;

}  // namespace

std::string aidSettingsPath(const std::string& settingsPath) {
    const std::size_t slash = settingsPath.find_last_of('/');
    return slash == std::string::npos ? kFileName : settingsPath.substr(0, slash + 1) + kFileName;
}

AidSettings readAidSettings(const std::string& path) {
    AidSettings s;
    std::string bytes, error;
    if (!readWholeFile(path, kMaxBytes, bytes, error)) return s;
    for (const std::string& line : splitLines(bytes)) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        const bool on = value == "ON";
        if (key == kInfluenceKey) s.influenceMap = on;
        if (key == kListKey) s.moveList = on;
        if (key == kSecondsKey)
            for (int n : kLevel4Seconds)
                if (line.substr(eq + 1) == std::to_string(n)) s.level4Seconds = n;
        if (key == kLanguageKey) s.language = parseLanguage(value);
    }
    return s;
}

bool writeAidSettings(const std::string& path, const AidSettings& s, std::string& error) {
    std::string text = std::string(kInfluenceKey) + (s.influenceMap ? "=ON\n" : "=OFF\n") + kListKey +
                       (s.moveList ? "=ON\n" : "=OFF\n") + kSecondsKey + "=" + std::to_string(s.level4Seconds) + "\n";
    if (s.language) text += std::string(kLanguageKey) + "=" + std::string(languageCode(*s.language)) + "\n";
    return writeWholeFile(path, text, error);
}

}  // namespace orizen
