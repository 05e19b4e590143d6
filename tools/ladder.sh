#!/usr/bin/env bash
# The ladder of the computer's levels: every level against every level, on both sides, from the
# opening array and from each start in tools/ladder/positions/, games side by side on every core.
# Not part of the tests; a few minutes on two cores.
#
#   bash tools/ladder.sh              # at most 500 plies a game (the history holds no more)
#   PLIES=300 JOBS=4 bash tools/ladder.sh
#   BUILD=build-release bash tools/ladder.sh
#   LEVELS="1 2 3 4" ONLY=4 MOVETIME=100 THREADS=1 bash tools/ladder.sh
# LEVELS: the levels that play (default 1 2 3 4); ONLY=N: only the pairings of level N with the
# others; MOVETIME, THREADS: level 4's time per move in ms (default 100) and its threads (default 1,
# as the games run side by side); RESULTS=FILE keeps each game's line.
set -euo pipefail
cd "$(dirname "$0")/.."

PLIES=${PLIES:-500}
JOBS=${JOBS:-$(nproc)}
BUILD=${BUILD:-build}
LEVELS=${LEVELS:-1 2 3 4}
ONLY=${ONLY:-}
export MOVETIME=${MOVETIME:-100} THREADS=${THREADS:-1}

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -DORIZEN_WINDOW=OFF >/dev/null
fi
cmake --build "$BUILD" --target ladder_game -j"$JOBS" >/dev/null
game="$BUILD/tools/ladder/ladder_game"

starts=(opening tools/ladder/positions/*.pos)
if [ -n "${RESULTS:-}" ]; then
  results=$RESULTS; : >"$results"
else
  results=$(mktemp)
  trap 'rm -f "$results"' EXIT
fi

began=$(date +%s)
for start in "${starts[@]}"; do
  for lower in $LEVELS; do
    for upper in $LEVELS; do
      if [ -n "$ONLY" ] && { [ "$lower" = "$upper" ] || { [ "$lower" != "$ONLY" ] && [ "$upper" != "$ONLY" ]; }; }; then
        continue
      fi
      echo "$lower $upper $start"
    done
  done
done | xargs -P "$JOBS" -L 1 sh -c '
  file=$3; [ "$file" = opening ] && file=
  echo "$1 $2 $("$0" "$2" "$1" '"$PLIES"' $file)"' "$game" >>"$results"
took=$(( $(date +%s) - began ))

awk -v starts="${#starts[@]}" -v plies="$PLIES" -v jobs="$JOBS" -v took="$took" -v movetime="$MOVETIME" '
# Each line: LOWER UPPER WINNER REASON PLIES UPPER-TURNS UPPER-S LOWER-TURNS LOWER-S MATERIAL
{
  lo = $1; up = $2; k = lo " " up
  games[k]++; len[k] += $5
  if ($3 == "lower") lw[k]++; else if ($3 == "upper") uw[k]++; else {
    open_[k]++
    if ($10 < 0) lahead[k]++; else if ($10 > 0) uahead[k]++
  }
  turns[up] += $6; secs[up] += $7; turns[lo] += $8; secs[lo] += $9
  total++
}
function n(v) { return v + 0 }
END {
  printf "Ladder: %d games, %d starts (the opening array and tools/ladder/positions/*.pos),\n", total, starts
  printf "the lower side moving first, at most %d plies, %d games at a time, %d s.\n\n", plies, jobs, took
  printf "%-6s %-6s %6s %6s %6s %6s %9s %14s\n", "lower", "upper", "games", "lower", "upper", "unfin.", "avg plies", "ahead lo/up"
  printf "%-6s %-6s %6s %6s %6s %6s %9s %14s\n", "level", "level", "", "wins", "wins", "", "", "(unfinished)"
  for (lo = 1; lo <= 4; lo++) for (up = 1; up <= 4; up++) {
    k = lo " " up
    if (!games[k]) continue
    printf "%-6d %-6d %6d %6d %6d %6d %9.1f %8d/%d\n", lo, up, n(games[k]), n(lw[k]), n(uw[k]), n(open_[k]),
      games[k] ? len[k] / games[k] : 0, n(lahead[k]), n(uahead[k])
  }
  printf "\nBy pairing, both sides together (wins and losses of the higher level):\n"
  printf "%-8s %6s %6s %6s %6s %9s %14s\n", "pairing", "games", "wins", "losses", "unfin.", "avg plies", "ahead hi/lo"
  for (a = 1; a <= 4; a++) for (b = a + 1; b <= 4; b++) {
    hl = a " " b; lh = b " " a   # higher level upper / higher level lower
    g = games[hl] + games[lh]
    if (!g) continue
    w = uw[hl] + lw[lh]; l = lw[hl] + uw[lh]; u = open_[hl] + open_[lh]
    ah = uahead[hl] + lahead[lh]; al = lahead[hl] + uahead[lh]
    printf "%d v %d    %6d %6d %6d %6d %9.1f %8d/%d\n", b, a, g, w, l, u, g ? (len[hl] + len[lh]) / g : 0, ah, al
  }
  printf "\nTime per computer turn (wall clock, %d games side by side):\n", jobs
  for (l = 1; l <= 4; l++) if (turns[l])
    printf "  level %d: %.1f ms over %d turns%s\n", l, 1000 * secs[l] / turns[l], turns[l],
      l == 4 ? " (" movetime " ms a move)" : ""
}' "$results"
