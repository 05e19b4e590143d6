// Board evaluation of one candidate position, from the upper side's point of view.
#include <cstdlib>

#include "rules/analysis.h"

namespace orizen {

namespace {

inline int value(int code) { return code < 0 ? -code : code; }

}  // namespace

double Analysis::盤評価(const Memory& memory, int captured, int placed, int sx, int sy, int tx, int ty,
                       const search::Quick* quick) {
    double S = 0;
    const bool drop = sx < 0;
    const int li = maps.LowerInfluence(tx, ty), ui = maps.UpperInfluence(tx, ty);
    const int la = maps.LowerAttacker(tx, ty);

    // ---- Base terms ----
    if (captured == -950) return 9999;
    if (maps.LowerInfluence(pos.UpperKingX, pos.UpperKingY) > 0) return -9998;
    const bool check = maps.UpperInfluence(pos.LowerKingX, pos.LowerKingY) > 0;
    if (check) {
        if (詰めかMAN() == YES) return placed == 30 ? -9998 : 9998;
        if (placed == 50 && 調査_移動可場所数(pos.LowerKingX, pos.LowerKingY, -950) == 0) return 9998;
        if (la == -950 && ui > 0) S += 100;
        // The checker stands diagonally next to the king, guarded by a dragon on the king's line.
        if (li <= 2 && maps.UpperGuard(tx, ty) == 901 && tx != pos.LowerKingX && ty != pos.LowerKingY &&
            std::abs(tx - pos.LowerKingX) < 2 && std::abs(ty - pos.LowerKingY) < 2 &&
            (memory.UpperGuardX(tx, ty) == pos.LowerKingX || memory.UpperGuardY(tx, ty) == pos.LowerKingY))
            S += 900;
        if (li == 0) S += 10;
    }
    if (drop)
        S -= 5;
    else if (placed > work.CandidatePiece)
        S += 10;
    S += 盤評価_COM危険座標(placed, tx, ty, quick);
    if (settings.ComputerLevel < 2) return S;

    // ---- Tactical terms ----
    const int dx = std::abs(tx - pos.LowerKingX), dy = std::abs(ty - pos.LowerKingY);
    if (dx > dy) {
        if (dx < work.MoverKingDistance) S += 1;
    } else {
        if (dy < work.MoverKingDistance) S += 0.1;
    }

    // The cheapest attacker of the placed piece is pinned against its king.
    const int ax = maps.LowerAttackerX(tx, ty), ay = maps.LowerAttackerY(tx, ty);
    if (maps.LowerInfluence(ax, ay) > 0 && maps.LowerPinned(ax, ay) == 1 &&
        (li == 1 || (li == 2 && ui > 0 && maps.UpperInfluence(pos.LowerKingX, pos.LowerKingY) > 0)) &&
        ((ax == pos.LowerKingX && tx != pos.LowerKingX) || (ay == pos.LowerKingY && ty != pos.LowerKingY) ||
         (ax != pos.LowerKingX && ay != pos.LowerKingY && (tx == pos.LowerKingX || ty == pos.LowerKingY))) &&
        移動チェック(tx, ty, ax, ay, work.CandidatePiece) == YES &&
        (drop || pos.Board(work.UpperAttackerXBefore(ax, ay), work.UpperAttackerYBefore(ax, ay)) != EMPTY))
        S += value(pos.Board(ax, ay));

    // Exposure of the placed piece.
    if (li > 0 && ui > 0) {
        if ((pos.HandLower(4) > 0 || pos.HandLower(5) > 0) && tx > 1 && tx < 27) {
            const int l = pos.Board(tx - 1, ty), r = pos.Board(tx + 1, ty);
            if (((l == -900 || l == -901) && r == 950) || (l == 950 && (r == -900 || r == -901))) S -= placed;
        }
        if (value(la) < placed) S = S - placed + value(la);
        if (la == -950 && ty < pos.LowerKingY && maps.UpperInfluence(pos.LowerKingX, pos.LowerKingY) > 0) S += placed;
    } else if (li > 0) {
        if (drop) S -= placed + 50;
    } else if (placed != 30 && placed != 800 && placed != 801 && placed != 950) {
        S -= 盤評価_自角注意_COM(tx, ty, placed);
    }

    // A lower lance waits on the edge file.
    if (pos.Board(tx, 9) == -40 && (tx == 1 || tx == 27) && placed != 40 && placed != 900 && placed != 901 && sx != tx)
        S -= 0.1;

    // Captures, and the lower king's escape squares.
    if (captured == EMPTY) {
        if ((( placed >= 800 && placed <= 901) || placed == 40 ||
             (std::abs(tx - pos.LowerKingX) < 3 && std::abs(ty - pos.LowerKingY) < 3)) &&
            li == 0) {
            const int e = 調査_自王逃道();
            if (e < work.LowerKingEscapes) S += work.LowerKingEscapes - e;
        }
    } else if (li > 0 && ui > 0) {
        if (placed < value(la)) S += value(captured);
    } else if (li > 0) {
        if (work.LowerInfluenceBefore(sx, sy) > 0 && 調査_移動可場所数(sx, sy, placed) == 0) S += value(captured);
    } else {
        S += value(captured);
        if (captured == -31 || captured == -41 || captured == -51) S += 50;
    }
    if (settings.ComputerLevel < 3) return S;

    // ---- Piece terms ----
    switch (placed) {
        case 30: {
            if (pos.HandUpper(2) > 0) S += 調査_香狙い(tx, ty);
            if (pos.HandUpper(3) > 0) S += 調査_桂狙い(tx, ty);
            if (ty < 27) {
                const int front = pos.Board(tx, ty + 1);
                if (front == 110)
                    S += 0.5;
                else if (front == 900)
                    S -= 1;
                if (front < -30 && 調査_移動可場所数(tx, ty + 1, front) == 0) S += value(front);
            }
            if (ui > 0 && tx > 1 && tx < 27 && (pos.Board(tx + 1, ty) == 900 || pos.Board(tx - 1, ty) == 900)) S -= 1;
            if (drop) {
                // The pawn blocks a lance or rook on its file.
                if (!(maps.LowerInfluence(ax, ay) == 0 && work.UpperInfluenceBefore(ax, ay) > 0) && ui > 0 &&
                    ax == tx && (la == -40 || la == -900) && ty < ay)
                    return S + 120;
            } else {
                S -= 0.1;
                switch (maps.UpperGuard(tx, ty)) {
                    case 110: S += 0.6; break;
                    case 100: S += 0.6; break;
                    case 900: S += 0.7; break;
                    case 40:
                        S += 0.5;
                        if (tx == 10 || tx == 18) S += 0.1;
                        break;
                    default: break;
                }
                if (ty < 26) {
                    const int guard = maps.UpperGuard(tx, ty);
                    if (guard == 40) S += 1;
                    if (guard == 900 && memory.UpperGuardX(tx, ty) == tx && ui >= li && memory.UpperGuardY(tx, ty) < ty)
                        S += 2;
                    if (maps.LowerInfluence(tx, ty + 1) == 0 && pos.Board(tx, ty + 2) <= -50) S += 1;
                    if (sy == 10) {
                        if (sx == 4 || sx == 24)
                            S += 1;
                        else if (sx == 10 || sx == 14 || sx == 18)
                            S += 2;
                    }
                    if (ty < 7) {
                        if (pos.Board(tx, ty + 1) == -30 && maps.LowerInfluence(tx, ty + 1) > 0) S -= 5;
                        if (tx < 27) {
                            if (pos.Board(tx + 1, ty) == 800)
                                S += 0.5;
                            else if (pos.Board(tx + 1, ty + 2) == -30)
                                S += 5;
                        }
                        if (tx > 1) {
                            if (pos.Board(tx - 1, ty) == 800)
                                S += 0.5;
                            else if (pos.Board(tx - 1, ty + 2) == -30)
                                S += 5;
                        }
                    }
                    if (captured <= -30 && maps.UpperInfluence(sx, sy) == 1) {
                        if (ty > 2 && la == -40 && pos.Board(tx, ty - 2) == 800)
                            S -= 5;
                        else
                            S += 5;
                        if (captured == -30 && (la == -40 || la == -900)) S += 50;
                    }
                    const int front = pos.Board(tx, ty + 1);
                    if (front <= -30) {
                        if (ui > li) return S + 1;
                        if (front == -30) return S - 5;
                        if (ui == 0) return li == 0 ? S + 1 : S;
                        if (work.UpperInfluenceBefore(tx, ty + 1) > 0 && work.LowerInfluenceBefore(tx, ty + 1) == 0)
                            return S - 1;
                        if (ui >= li) return S + 5;
                    }
                }
            }
            break;
        }
        case 31:
            return ui >= li ? S + 1 : S;
        case 40: {
            if (pos.HandUpper(3) > 0) S += 調査_桂狙い(tx, ty);
            if (drop && ty < 8) {
                if (pos.HandLower(1) > 0 && maps.LowerInfluence(tx, ty + 1) > 0 && li == 0) S -= 10;
                if (pos.Board(tx, ty + 1) <= -40 && (li == 0 || ui >= li)) {
                    for (int r = ty + 2; r <= 9; ++r) {
                        const int b = pos.Board(tx, r);
                        if (b == EMPTY) continue;
                        if (移動チェック(tx, ty + 1, tx, r, 40) == YES && b < -40) return S + value(b);
                        return S;
                    }
                    return S;
                }
            } else if (!drop && captured == EMPTY) {
                return S - 0.9;
            }
            break;
        }
        case 50:
            S -= 0.1;
            if (maps.LowerInfluence(tx, ty + 1) > 0) S -= 1;
            if (ty < 8 && tx > 1 && tx < 27 && maps.LowerInfluence(tx - 1, ty + 2) > 0 &&
                maps.LowerInfluence(tx + 1, ty + 2) > 0)
                return S - 1;
            break;
        case 100:
            if (ty > 1) {
                if (ty > sy && tx == sx) S -= 0.1;
                if (pos.Board(tx, ty - 1) == 50) return S - 0.5;
            }
            break;
        case 110:
            if (ty > sy && tx != sx) return S - 0.5;
            break;
        case 800:
            S += 調査_周辺状況(tx, ty);
            if (ty < 27 && maps.LowerInfluence(tx, ty + 1) > 0) {
                if (調査_移動可場所数(tx, ty, 800) == 0) S -= 100;
                if (ty < 8 && pos.Board(tx, ty + 2) == -30) return S - 1;
            }
            break;
        case 801:
            S += 調査_周辺状況(tx, ty);
            break;
        case 900: {
            S += 調査_周辺状況(tx, ty);
            if (drop) {
                if (ty == 27 && pos.Board(tx, ty - 1) == -100 && tx > 1 && tx < 27 &&
                    ((pos.Board(tx - 1, ty) != EMPTY && pos.Board(tx + 1, ty - 1) == -110) ||
                     (pos.Board(tx + 1, ty) != EMPTY && pos.Board(tx - 1, ty - 1) == -110)))
                    S -= 1;
            } else if (ty < 8) {
                if (maps.LowerInfluence(tx, ty + 1) > 0) {
                    S -= 1;
                    if (pos.Board(tx, ty + 2) == -30 && ty == sy) S -= 5;
                }
                if (maps.LowerInfluence(sx, sy) == 0 && sx == 2 && sy == 2 && tx == 2 && ty == 3) S -= 1;
            }
            if (li == 0 || (ui > 0 && la == -950)) {
                const int n = 調査_移動可場所数(tx, ty, 900);
                if (n <= 1) return S - 35;
                if ((tx == pos.LowerKingX || ty == pos.LowerKingY) && std::abs(tx - pos.LowerKingX) < 3 &&
                    std::abs(ty - pos.LowerKingY) < 3)
                    return S + 100;
            }
            break;
        }
        case 901: {
            S += 調査_周辺状況(tx, ty);
            if (pos.Board(tx, ty - 1) == -100 && tx > 1 && tx < 27 &&
                ((pos.Board(tx - 1, ty) != EMPTY && pos.Board(tx + 1, ty - 1) == -110) ||
                 (pos.Board(tx + 1, ty) != EMPTY && pos.Board(tx - 1, ty - 1) == -110)))
                S -= 10;
            if (sy == 27 && pos.Board(sx, 26) == -100) {
                if (sx > 1 && pos.Board(sx - 1, 26) == -110) S += 2;
                if (sx < 27 && pos.Board(sx + 1, 26) == -110) S += 2;
            }
            if (li == 0 || (ui > 0 && la == -950)) {
                if ((tx == pos.LowerKingX || ty == pos.LowerKingY) && std::abs(tx - pos.LowerKingX) < 3 &&
                    std::abs(ty - pos.LowerKingY) < 3)
                    return S + 100;
            }
            break;
        }
        case 950:
            if (maps.UpperPinFound == YES) S += 10;
            if (ui > work.UpperInfluenceBefore(tx, ty)) S += 1;
            if (調査_移動可場所数(tx, ty, 950) < 2) return S - 20;
            break;
        default:
            break;
    }
    return S;
}

}  // namespace orizen
