# Sourced: start_audio_server DIR starts a private PulseAudio server whose only output is a null
# sink "probe" (its recording side is "probe.monitor"), with its runtime files under DIR, and
# points this shell's programs at it; stop_audio_server ends it. needs_audio_server exits 77
# (skipped) with a message where the server or its tools are not installed.
needs_audio_server() {
  local tool
  for tool in pulseaudio pactl parec; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIPPED: $tool is not installed (Debian: pulseaudio, pulseaudio-utils; tools/deps.sh installs them)"
      exit 77
    fi
  done
}

audio_server=
start_audio_server() {
  local dir=$1
  mkdir -p -m 0700 "$dir/run" "$dir/home"
  export XDG_RUNTIME_DIR=$dir/run HOME=$dir/home
  unset PULSE_SERVER DISPLAY WAYLAND_DISPLAY
  printf '%s\n' "load-module module-null-sink sink_name=probe rate=44100 channels=1" \
    "load-module module-native-protocol-unix" "set-default-sink probe" >"$dir/server.pa"
  # -n: no default script; as root too (the CI runs as root), without D-Bus or a session.
  pulseaudio -n -F "$dir/server.pa" --daemonize=no --exit-idle-time=-1 --system=false --disallow-exit \
    --log-target=file:"$dir/server.log" &
  audio_server=$!
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "FAIL: the audio server did not start"
  cat "$dir/server.log"
  return 1
}

stop_audio_server() {
  [ -n "$audio_server" ] || return 0
  kill "$audio_server" 2>/dev/null
  wait "$audio_server" 2>/dev/null
  audio_server=
}
