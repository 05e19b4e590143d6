// A self-play game driven through the game's own entry points: the source of a lower move is
// clicked, the move committed by the click's own commit, and the computer answers with com_ban.
#include <cstdio>

#include "cli/commands.h"
#include "cli/selfplay.h"

namespace orizen::cli {

namespace {

// A press of the left button on the middle of cell (x, y), as the window delivers it.
void click(Game& g, int x, int y) {
    g.Form_MouseDown(LEFT_BUTTON, 0, BoardLeft + x * SquareWidth + SquareWidth / 2.0,
                     BoardTop + y * SquareHeight + SquareHeight / 2.0);
}

}  // namespace

void SelfplayHost::notify(Event e) {
    if (e == Event::MateAnnounced) ++mates;
    if (e == Event::CheckAnnounced) ++checks;
    if (e == Event::GameOver) gameOver = true;
}

Answer SelfplayHost::message(const std::string&, const std::string&, Buttons b, Icon) {
    if (b == Buttons::Ok) return Answer::Ok;
    return gameOver ? Answer::No : Answer::Yes;  // after a game over: not again
}

int commitLower(Game& g, const LowerMove& m) {
    if (g.state().Turn != g.state().HumanSide || g.state().GameMode != MODE_COMPUTER) return -1;
    click(g, m.move.fx, m.move.fy);
    if (g.selected().SelectState != 1 || g.selected().MoveFromX != m.move.fx || g.selected().MoveFromY != m.move.fy ||
        g.selected().MovePiece != m.move.before)
        return -1;

    // The destination click's checks; a right click where the move promotes.
    g.arrangeSelection().MoveToX = m.move.tx, g.arrangeSelection().MoveToY = m.move.ty;
    const int button = m.move.after != m.move.before ? RIGHT_BUTTON : LEFT_BUTTON;
    if (m.move.tx < 1 || m.move.tx > 27 || m.move.ty < 1 || m.move.ty > 27 ||
        g.position().Board(m.move.tx, m.move.ty) <= -30 ||
        g.移動チェック(m.move.fx, m.move.fy, m.move.tx, m.move.ty, m.move.before) == NO ||
        (button == LEFT_BUTTON && Game::移動後チェック(m.move.ty, m.move.before) == NO))
        return -1;
    // The commit asks the same question again, so asking here leaves PromotedCode as it finds it.
    const int promotes = g.調査_駒成(m.move.fx, m.move.fy, m.move.tx, m.move.ty, m.move.before);
    if (button == RIGHT_BUTTON && (promotes == NO || g.turnWork().PromotedCode != m.move.after)) return -1;
    return g.指し手反映(button);
}

Selfplay::Selfplay(const SelfplaySettings& settings, const Position* start, Players* players)
    : own_(players != nullptr ? nullptr : std::make_unique<Players>()),
      game(canvas, host, sound, players != nullptr ? *players : *own_), settings_(settings) {
    game.初期設定();
    if (start != nullptr) game.setPosition(start->board, start->handUpper, start->handLower);
    game.レベル_設定(settings.upperLevel);
}

void Selfplay::add(const Ply& p) {
    plies.push_back(p);
    if (onPly_ != nullptr) onPly_(context_, p);
}

// The computer's turn, through GOTE for the first move of a game it begins. True when the game
// goes on.
bool Selfplay::upperPly(bool first) {
    const int before = game.moveHistory().RecordCount;
    host.mates = host.checks = 0;
    if (first)
        game.GOTE_Click();
    else
        game.com_ban();
    if (game.moveHistory().RecordCount == before) {
        // Nothing played: com_ban found no move and gave the game to the person.
        winner = Winner::Lower, reason = Reason::NoMove;
        return false;
    }
    const int n = game.moveHistory().RecordCount;
    add(Ply{n, true, game.moveHistory().RecFromX(n), game.moveHistory().RecFromY(n), game.moveHistory().RecToX(n),
            game.moveHistory().RecToY(n), game.moveHistory().RecPiece(n), game.moveHistory().RecResult(n),
            game.turnWork().BestScore, host.mates > 0, host.checks > 0});
    if (game.state().Ended) {
        winner = Winner::Upper, reason = Reason::KingTaken;
        return false;
    }
    return true;
}

// The lower side's move; false when the game is over (`over`) or the move was refused.
bool Selfplay::lowerPly(bool& over) {
    LowerMove m;
    if (!game.players().computer(settings_.lowerLevel).choose(game, true, m)) {
        winner = Winner::Upper, reason = Reason::NoMove;
        over = true;
        return false;
    }
    const bool takesKing = m.move.tx >= 1 && m.move.tx <= 27 && m.move.ty >= 1 && m.move.ty <= 27 &&
                           game.position().Board(m.move.tx, m.move.ty) == OU;
    const int before = game.moveHistory().RecordCount;
    const int answer = commitLower(game, m);
    if (answer < 0 || game.moveHistory().RecordCount != before + 1) return false;
    const int n = game.moveHistory().RecordCount;
    add(Ply{n, false, game.moveHistory().RecFromX(n), game.moveHistory().RecFromY(n), game.moveHistory().RecToX(n),
            game.moveHistory().RecToY(n), game.moveHistory().RecPiece(n), game.moveHistory().RecResult(n), m.score,
            false, false});
    if (game.state().Ended) {
        winner = Winner::Lower, reason = takesKing ? Reason::KingTaken : Reason::Mate;
        over = true;
        return false;
    }
    return answer == YES;
}

bool Selfplay::play(void (*onPly)(void*, const Ply&), void* context) {
    onPly_ = onPly, context_ = context;
    winner = Winner::None, reason = Reason::Plies;
    const int limit = settings_.plies < 0 ? 0 : settings_.plies > HISTORY_MAX ? HISTORY_MAX : settings_.plies;
    if (limit == 0) return true;

    if (settings_.upperFirst) {
        if (!upperPly(true)) return true;
    } else {
        game.SENTE_Click();
    }
    for (;;) {
        if (int(plies.size()) >= limit) return true;
        bool over = false;
        if (!lowerPly(over)) return over;
        if (int(plies.size()) >= limit) return true;
        if (!upperPly(false)) return true;
    }
}

std::string plyText(const Ply& p) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "ply %d %s %d %d %d %d %d %d %.6f\n", p.n, p.upper ? "upper" : "lower", p.fromX,
                  p.fromY, p.toX, p.toY, p.before, p.after, p.score);
    std::string s = buf;
    if (p.mate) s += "announce mate\n";
    if (p.check) s += "announce check\n";
    return s;
}

std::string resultText(Winner w, Reason r) {
    static const char* const winners[] = {"none", "lower", "upper"};
    static const char* const reasons[] = {"king-taken", "mate", "no-move", "plies"};
    return std::string("result ") + winners[int(w)] + " " + reasons[int(r)] + "\n";
}

}  // namespace orizen::cli
