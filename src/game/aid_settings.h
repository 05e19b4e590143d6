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
    // The language the player chose; none: the system's.
    std::optional<Language> language;
};

// The aids' file in the folder of the settings file at `settingsPath`.
std::string aidSettingsPath(const std::string& settingsPath);

// What the file says; everything off when it is missing or unreadable. Lines are "key=ON" or
// "key=OFF"; unknown lines are skipped.
AidSettings readAidSettings(const std::string& path);
// Rewrites the file whole; false with a reason when it cannot be written.
bool writeAidSettings(const std::string& path, const AidSettings& settings, std::string& error);

}  // namespace orizen
