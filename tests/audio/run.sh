#!/usr/bin/env bash
# Starts a private PulseAudio server whose only output is a null sink, and runs the audio probe
# against it: every sound of the game must arrive at the sink's monitor. Exit 77 (skipped) where
# the server or its tools are not installed (tools/deps.sh installs them).
set -uo pipefail
probe=$1 assets=$2
for tool in pulseaudio pactl parec; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (Debian: pulseaudio, pulseaudio-utils; tools/deps.sh installs them)"
    exit 77
  fi
done
dir=$(mktemp -d)
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
mkdir -p -m 0700 "$dir/run" "$dir/home"
export XDG_RUNTIME_DIR=$dir/run HOME=$dir/home
unset PULSE_SERVER DISPLAY WAYLAND_DISPLAY
cat >"$dir/server.pa" <<'PA'
load-module module-null-sink sink_name=probe rate=44100 channels=1
load-module module-native-protocol-unix
set-default-sink probe
PA
# -n: no default script; as root too (the CI runs as root), without D-Bus or a session.
pulseaudio -n -F "$dir/server.pa" --daemonize=no --exit-idle-time=-1 --system=false --disallow-exit \
  --log-target=file:"$dir/server.log" &
server=$!
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
if ! pactl info >/dev/null 2>&1; then
  echo "FAIL: the audio server did not start"; cat "$dir/server.log"; exit 1
fi
QT_QPA_PLATFORM=offscreen "$probe" "$assets" probe.monitor
