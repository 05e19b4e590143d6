#!/usr/bin/env bash
# Runs the audio probe against a private PulseAudio server with a null output: every sound of
# the game must arrive at the sink's monitor. Skipped (77) where PulseAudio is not installed.
set -uo pipefail
probe=$1 assets=$2
. "$(dirname "$0")/server.sh"
needs_audio_server
dir=$(mktemp -d)
trap 'stop_audio_server; rm -rf "$dir"' EXIT
start_audio_server "$dir" || exit 1
QT_QPA_PLATFORM=offscreen "$probe" "$assets" probe.monitor
