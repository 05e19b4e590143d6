#include "web/aids.h"

#include "game/aid_settings.h"
#include "game/choose.h"
#include "game/move_notes.h"
#include "game/player.h"
#include "game/settings.h"

namespace orizen::web {

namespace {

// A string as a JSON string.
std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) >= 0x20) out += c;
    }
    return out + '"';
}

}  // namespace

void Aids::load() {
    const AidSettings s = readAidSettings(aidSettingsPath(settingsPath(game_)));
    influenceMap_ = s.influenceMap, moveList_ = s.moveList, chosen_ = s.language;
    level4Seconds_ = s.level4Seconds;
    game_.players().searching().moveTimeMs = level4Seconds_ * 1000;
}

void Aids::chooseLanguage(Language l) {
    language = l;
    chosen_ = l;
    save();
}

void Aids::save() {
    std::string error;
    writeAidSettings(aidSettingsPath(settingsPath(game_)), AidSettings{influenceMap_, moveList_, level4Seconds_, chosen_}, error);
}

void Aids::setInfluenceMap(bool on) {
    influenceMap_ = on;
    save();
}

void Aids::setMoveList(bool on) {
    moveList_ = on;
    save();
}

void Aids::setLevel4Seconds(int seconds) {
    game_.players().searching().moveTimeMs = seconds * 1000;
    if (level4Seconds_ == seconds) return;
    level4Seconds_ = seconds;
    save();
}

void Aids::thinking(const engine::Position& root, const engine::Report& report) {
    if (report.move == engine::kNoMove) return;
    const level4::Thinking t = level4::thinkingOf(root, report);
    thinking_ = thinkingLines(t, true, lowerMovesFirst(game_, t.lower), kThinkingMoves);
}

bool Aids::askHint(level4::Request& request) {
    clearHint();
    const int side = hintSide(game_);
    if (side == 0) return false;
    clearThinking();
    request = level4::requestOf(game_, side < 0 ? engine::LOWER : engine::UPPER);
    asked_ = request;
    return true;
}

int Aids::askedSide() const {
    // The position may have changed while it was searched: then the search is for none.
    const int side = hintSide(game_);
    if (!asked_ || side == 0 || level4::positionOf(game_, side < 0 ? engine::LOWER : engine::UPPER).key != asked_->position.key)
        return 0;
    return side;
}

void Aids::hintDepth(const engine::Report& report) {
    const int side = askedSide();
    if (side == 0 || report.move == engine::kNoMove) return;
    thinking_ = thinkingLines(level4::thinkingOf(asked_->position, report), side < 0, lowerMovesFirst(game_, side < 0),
                              kThinkingMoves);
}

void Aids::hintFound(const engine::Report& report) {
    if (!asked_) return;
    const int side = askedSide();
    const level4::Request asked = std::move(*asked_);
    asked_.reset();
    if (side == 0) return;
    const Choice c = level4::toChoice(asked.position, report);
    if (!c.found) return;
    const Move& m = c.move;
    Hint h{m.fx, m.fy, m.tx, m.ty, moveText(m.fx, m.tx, m.ty, m.before, m.after),
           thinkingLines(level4::thinkingOf(asked.position, report), side < 0, lowerMovesFirst(game_, side < 0), kThinkingMoves),
           {}, game_.position().HandLower, game_.position().HandUpper, game_.state().Turn};
    h.board = game_.position().Board;
    if (m.fx == -1) h.fromY = 8 - m.fy;  // an upper drop: its hand slot's row on the screen
    hint_ = std::move(h);
    clearThinking();  // the hint shows its own
}

bool Aids::hintCurrent() const {
    return hint_ && hint_->board == game_.position().Board && hint_->lower == game_.position().HandLower &&
           hint_->upper == game_.position().HandUpper && hint_->turn == game_.state().Turn;
}

void Aids::escape() {
    clearHint();
    if (!game_.state().Ended) game_.putBackSelection();
}

void Aids::stepTo(int n) {
    clearHint();
    clearThinking();
    orizen::stepTo(game_, n, [this](Menu item) { controller_.command(item); });
}

std::string Aids::state() {
    if (hint_ && !hintCurrent()) hint_.reset();
    std::string j = "{\"influenceMap\":";
    j += influenceMap_ ? "true" : "false";
    j += ",\"moveList\":";
    j += moveList_ ? "true" : "false";
    j += ",\"seconds\":" + std::to_string(level4Seconds_);
    if (hint_) {
        j += ",\"hint\":{\"from\":[" + std::to_string(hint_->fromX) + "," + std::to_string(hint_->fromY) + "],\"to\":[" +
             std::to_string(hint_->toX) + "," + std::to_string(hint_->toY) + "],\"text\":" + quoted(shown(language, hint_->text)) + "}";
    }
    if (const auto& lines = hint_ ? hint_->lines : thinking_; !lines.empty()) {
        j += ",\"lines\":[";
        for (const std::string& l : lines) j += quoted(shownLine(language, l)) + (&l == &lines.back() ? "" : ",");
        j += "]";
    }
    if (influenceMap_) {
        map_.update(game_.position().Board);
        j += ",\"balance\":[";  // row by row
        for (int y = 1; y <= 27; ++y)
            for (int x = 1; x <= 27; ++x) j += std::to_string(map_.balance(x, y)) + (x == 27 && y == 27 ? "" : ",");
        j += "]";
    }
    if (moveList_) {
        j += ",\"rows\":[" + quoted(rowText(MoveRow{0, true, shown(language, "開始")}));
        for (const MoveRow& r : historyRows(game_))
            j += "," + quoted(rowText(MoveRow{r.n, r.first, shown(language, r.text)}));
        j += "],\"current\":" + std::to_string(game_.moveHistory().RecordCount);
    }
    return j + "}";
}

}  // namespace orizen::web
