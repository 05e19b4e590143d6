#!/usr/bin/env bash
# Builds two revisions in scratch worktrees, takes the window's pictures with each (window_shots)
# and says which differ. AFTER defaults to the working tree as it is, uncommitted changes included.
#   tools/shots/compare.sh BEFORE [AFTER]
# A revision without window_shots is given this one's. Builds and pictures stay in build-shots/
# (SHOTS_DIR), one per revision, so a second run only builds what changed; remove the folder and
# run `git worktree prune` to clean up.
set -euo pipefail
shopt -s inherit_errexit  # a failed build inside $(shots ...) stops the script
[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: $0 BEFORE [AFTER]" >&2; exit 2; }
repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
work=${SHOTS_DIR:-$repo/build-shots}
mkdir -p "$work"

# Pictures of one revision ("" for the working tree); prints their folder.
shots() {
    local rev=$1 src name
    if [ -z "$rev" ]; then
        src=$repo name=worktree
    else
        name=$(git -C "$repo" rev-parse --verify "$rev^{commit}")
        src=$work/src-$name
        [ -d "$src" ] || git -C "$repo" worktree add --detach "$src" "$name" >&2
        [ -f "$src/tools/shots/window_shots.cpp" ] ||
            cp "$repo/tools/shots/window_shots.cpp" "$repo/tools/shots/CMakeLists.txt" "$src/tools/shots/"
    fi
    echo "== $name: building" >&2
    cmake -S "$src" -B "$work/build-$name" -DCMAKE_BUILD_TYPE=Release -DORIZEN_TESTS=OFF -DORIZEN_BENCH=OFF >/dev/null
    cmake --build "$work/build-$name" -j"${JOBS:-2}" --target window_shots >/dev/null
    echo "== $name: pictures" >&2
    rm -rf "$work/shots-$name"  # never compare pictures left by an earlier run
    "$work/build-$name/tools/shots/window_shots" "$work/shots-$name" >&2 2> >(grep -v 'propagateSizeHints\|XDG_RUNTIME_DIR' >&2)
    echo "$work/shots-$name"
}

before=$(shots "$1")
after=$(shots "${2:-}")
if diff -q "$before/manifest" "$after/manifest" >/dev/null; then
    echo "identical: $(wc -l <"$after/manifest") pictures"
    exit 0
fi
"$work/build-$(basename "$after" | sed 's/^shots-//')/tools/shots/window_shots" --compare "$before" "$after" || true
exit 1
