// The computer's turn: try every move and drop of the upper side, score each, play the best.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "classic/search.h"
#include "game/game.h"
#include "game/player.h"

namespace orizen {

Game::Choice Game::探索(CandidateSink sink, void* context) {
    Choice best;
    if (players_.classic().search(*this, memory, sink, context, best)) return best;

    // The plain way, for what the fast one does not take: every candidate surveyed and scanned in
    // full, one after the other.

    work.BestScore = -99999;
    work.BoardBefore = pos.Board;

    調査_2歩フラグ設定();
    work.LowerKingEscapes = 調査_自王逃道();
    勢力調査();
    調査_持角狙座標();
    調査_移動不可駒();

    work.UpperHandCountBefore = pos.UpperHandCount;
    work.LowerInfluenceBefore = maps.LowerInfluence;
    work.UpperInfluenceBefore = maps.UpperInfluence;
    work.UpperAttackerXBefore = memory.UpperAttackerX;
    work.UpperAttackerYBefore = memory.UpperAttackerY;

    auto report = [&](int fx, int fy, int tx, int ty, int before, int after, double score) {
        if (sink != nullptr) sink(context, ScoredMove{{fx, fy, tx, ty, before, after}, score});
    };

    // Board moves, by source square, then destination square.
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int piece = pos.Board(x, y);
            if (piece < 30) continue;
            int x1, x2, y1, y2;
            取得_駒移動座標(piece, x, y, x1, x2, y1, y2);
            for (int tx = x1; tx <= x2; ++tx)
                for (int ty = y1; ty <= y2; ++ty) {
                    if (移動チェック(x, y, tx, ty, piece) != YES) continue;
                    work.MoverKingDistance = std::max(std::abs(x - pos.LowerKingX), std::abs(y - pos.LowerKingY));
                    work.CandidatePiece = piece;
                    const int captured = pos.Board(tx, ty);
                    pos.Board(x, y) = EMPTY;
                    pos.Board(tx, ty) = static_cast<int16_t>(piece);

                    double score;
                    int after = piece;
                    if (調査_駒成(x, y, tx, ty, piece) == NO) {
                        勢力調査();
                        score = 盤評価(memory, captured, piece, x, y, tx, ty);
                        report(x, y, tx, ty, piece, piece, score);
                    } else if (移動後チェック(ty, piece) == NO) {
                        after = work.PromotedCode;
                        pos.Board(tx, ty) = static_cast<int16_t>(after);
                        勢力調査();
                        score = 盤評価(memory, captured, after, x, y, tx, ty);
                        report(x, y, tx, ty, piece, after, score);
                    } else {
                        const int promoted = work.PromotedCode;
                        勢力調査();
                        score = 盤評価(memory, captured, piece, x, y, tx, ty);
                        report(x, y, tx, ty, piece, piece, score);
                        pos.Board(tx, ty) = static_cast<int16_t>(promoted);
                        勢力調査();
                        const double promotedScore = 盤評価(memory, captured, promoted, x, y, tx, ty);
                        report(x, y, tx, ty, piece, promoted, promotedScore);
                        if (promotedScore > score) {
                            score = promotedScore;
                            after = promoted;
                        }
                    }

                    pos.Board(tx, ty) = static_cast<int16_t>(captured);
                    pos.Board(x, y) = static_cast<int16_t>(piece);

                    if (score > work.BestScore) {
                        work.BestScore = score;
                        best = Choice{true, {x, y, tx, ty, piece, after}, score};
                        if (captured == -950) return best;
                    }
                }
        }

    // Drops, by kind, then destination square.
    if (work.UpperHandCountBefore > 0)
        for (int k = 1; k <= 7; ++k) {
            if (pos.HandUpper(k) <= 0) continue;
            const int piece = kHandCode[k];
            work.CandidatePiece = piece;
            for (int tx = 1; tx <= 27; ++tx)
                for (int ty = 1; ty <= 27; ++ty) {
                    if (移動チェック(-1, k, tx, ty, piece) != YES) continue;
                    pos.Board(tx, ty) = static_cast<int16_t>(piece);
                    勢力調査();
                    const double score = 盤評価(memory, EMPTY, piece, -1, k, tx, ty);
                    pos.Board(tx, ty) = EMPTY;
                    report(-1, k, tx, ty, piece, piece, score);
                    if (score > work.BestScore) {
                        work.BestScore = score;
                        best = Choice{true, {-1, k, tx, ty, piece, piece}, score};
                        if (work.BestScore >= 9998) return best;
                    }
                }
        }
    return best;
}

void Game::com_ban() {
    消去_移動結果(UpperResultX, UpperResultY);
    描画_桝輪郭(settings.BackColourIndex, -1, 7);
    描画_数値(UpperResultX + 1, UpperResultY + 0.5, "思考中", COLOUR_BLACK, 0, 12);
    描画_数値(UpperResultX + 0.9, UpperResultY + 0.4, "思考中", ResultColour, 0, 12);
    host.repaintNow();

    // A player that thinks long does so off the window's thread where the window has one.
    Player& player = players_.computer(settings.ComputerLevel);
    auto think = std::make_shared<std::function<Choice()>>(player.turn(*this));
    auto choice = std::make_shared<Choice>();
    auto done = [this, choice] {
        work.BestScore = choice->score;
        com_ban着手(*choice);
    };
    if (!player.thinksLong() || !host.runInBackground([think, choice] { *choice = (*think)(); }, done)) {
        *choice = (*think)();
        done();
    }
}

void Game::com_ban着手(const Choice& c) {
    if (!c.found) {
        // Nothing to move and nothing to drop: the computer cannot go on and loses.
        終了("あなた");
        return;
    }

    if (!手順保存(c.move.fx, c.move.fy, c.move.tx, c.move.ty, c.move.before, c.move.after)) {
        // The history holds no more moves. Say so as a move of the person's is refused, and leave
        // the position as it is; the person may still step back or start a new game.
        消去_移動結果(UpperResultX, UpperResultY);
        効果音(sounds.SoundForbidden);
        host.message(kHistoryFullText, kHistoryFullTitle, Buttons::Ok);
        flow.Turn = flow.HumanSide;
        return;
    }
    flow.MoveNumber = flow.MoveNumber + 1;
    描画_手数(flow.MoveNumber, COLOUR_WHITE);
    駒移動(c.move.fx, c.move.fy, c.move.tx, c.move.ty, c.move.after);
    描画_桝輪郭(COLOUR_WHITE, c.move.tx, c.move.ty);
    効果音(sounds.SoundPiece);
    勢力調査();

    if (flow.Winner == flow.OtherSide) {
        終了("ｺﾝﾋﾟｭｰﾀ");
        return;
    }
    if (詰めかMAN() == YES) {
        host.notify(Event::MateAnnounced);
        host.message("よし！!", "詰め ?", Buttons::Ok);
    } else if (maps.UpperInfluence(pos.LowerKingX, pos.LowerKingY) > 0) {
        host.notify(Event::CheckAnnounced);
        host.message("   ** 王手 **", "", Buttons::Ok);
    }

    描画_移動結果(UpperResultX, UpperResultY, c.move.tx, c.move.ty, c.move.after, COLOUR_WHITE);
    flow.Turn = flow.HumanSide;
}

}  // namespace orizen
