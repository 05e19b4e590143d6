// Where the game's files live. Started from a folder that holds the settings file or a sound,
// everything stays in that folder, as it always has. Otherwise (installed and started from the
// desktop's menu) the sounds and the help page come from the installed share/orizen folder, and
// the settings file, game records and any other file of the person's own live in their data
// folder ($XDG_DATA_HOME/orizen, by default ~/.local/share/orizen).
#pragma once

#include <functional>
#include <string>

namespace orizen {

struct Places {
    std::string data;    // Orizen.ini, game records and other settings files of the person's
    std::string assets;  // the five sounds and Orizen.htm
    bool portable = true;  // both are the start folder
};

// Looks for the files. `cwd` is the current folder, `programDir` the folder of the executable,
// `env` answers environment variables (nullptr when unset). `installedAssets` is the folder the
// build installs the sounds to, tried after the one beside the program's bin/.
Places findPlaces(const std::string& cwd, const std::string& programDir,
                  const std::function<const char*(const char*)>& env, const std::string& installedAssets = {});

// Creates a folder and its missing parents (mode 0700 for those it makes). False with a reason.
bool makeFolders(const std::string& path, std::string& error);

// The record written after every move of a game, in the data folder.
inline constexpr const char* kLastGameFile = "前回の対局.棋譜";

}  // namespace orizen
