// Whether the player's aids are on, kept in a small file of their own beside "Orizen.ini", which
// keeps exactly its three lines.
#pragma once

#include <optional>
#include <string>

#include "game/language.h"

namespace orizen {

struct AidSettings {
    bool influenceMap = false;  // 勢力図
    bool moveList = false;      // 棋譜一覧
    int level4Seconds = 1;      // LEVEL4's time a move: 1, 3 or 10
    // The language the player chose; none: the system's.
    std::optional<Language> language;
};

inline constexpr int kLevel4Seconds[] = {1, 3, 10};

// The aids' file in the folder of the settings file at `settingsPath`.
std::string aidSettingsPath(const std::string& settingsPath);

// What the file says; everything off (and LEVEL4 at one second) when it is missing or unreadable.
// Lines are "key=ON" or "key=OFF", or "Level4Seconds=N"; unknown lines and values are skipped.
AidSettings readAidSettings(const std::string& path);
// Rewrites the file whole; false with a reason when it cannot be written.
bool writeAidSettings(const std::string& path, const AidSettings& settings, std::string& error);

}  // namespace orizen
