// Keeps the game in progress on disk: whenever the stored history has changed, all of it is
// written as a game record (replacing the file atomically), so that closing or killing the
// program loses no move. Observes the game from outside; the game knows nothing of it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "game/flow.h"
#include "game/history.h"
#include "game/record_file.h"

namespace orizen {

class Autosave {
public:
    explicit Autosave(std::string path) : path_(std::move(path)) {}

    // Writes the record when the history differs from the last one written. A record being
    // viewed, a reversed board and an empty history are not written. True when written.
    bool check(const History& history, const Flow& flow);

    const std::string& path() const { return path_; }
    // The reason the last write failed, empty after a good one.
    const std::string& error() const { return error_; }

private:
    std::string path_;
    std::vector<RecordMove> saved_, moves_;
    std::string error_;
};

}  // namespace orizen
