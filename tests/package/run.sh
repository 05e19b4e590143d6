#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks its dependencies and its desktop files
# with the validators, extracts it to a scratch root, and starts the game from there, from an
# unrelated folder with a fresh home folder: it must find its sounds and help page, and write its
# settings only in the home's data folder. Skipped (77) where a needed tool is not installed.
set -uo pipefail
build=$1
. "$(dirname "$0")/../audio/server.sh"
needs_audio_server
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed (tools/deps.sh installs it)"; exit 77; }
done
dir=$(mktemp -d)
game=
trap '[ -n "$game" ] && kill "$game" 2>/dev/null; stop_audio_server; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$dir" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$dir/out" >"$dir/cpack.log" 2>&1) ||
  { cat "$dir/cpack.log"; fail "cpack"; }
deb=$(ls "$dir"/out/orizen_*.deb) || fail "no package made"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins fonts-ipafont-mincho; do
  [[ $depends == *"$lib"* ]] || fail "the package does not depend on $lib"
done

root=$dir/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.example.Orizen.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Orizen.metainfo.xml" || fail "AppStream metadata"
for size in 16 32 48 64 128 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x$size/apps/org.example.Orizen.png" ] || fail "no $size px icon"
done

mkdir -p "$dir/elsewhere"
cd "$dir/elsewhere"
start_audio_server "$dir/audio" || exit 1
export HOME=$dir/home XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen
"$root/usr/bin/orizen" --files || fail "the installed game does not find its files"
printf "opening\nhand-upper 0 0 0 0 0 0 0\nhand-lower 0 0 0 0 0 0 0\n" >"$dir/opening.pos"
"$root/usr/bin/orizen-cli" bestmove "$dir/opening.pos" || fail "orizen-cli"

"$root/usr/bin/orizen" & game=$!
data=$HOME/.local/share/orizen
for _ in $(seq 100); do [ -s "$data/Orizen.ini" ] && break; sleep 0.1; done
kill -0 "$game" 2>/dev/null || fail "the game ended by itself"
kill "$game"; wait "$game" 2>/dev/null; game=
[ -s "$data/Orizen.ini" ] || fail "no settings file in $data"
[ -z "$(ls -A "$dir/elsewhere")" ] || fail "files written in the start folder: $(ls -A "$dir/elsewhere")"
echo "settings written to $data: $(ls "$data")"
echo PASS
