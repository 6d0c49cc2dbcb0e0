#!/usr/bin/env bash
# Runs a command with a private PulseAudio server whose only output is a null sink, for a
# machine without a sound card:
#   scripts/with-audio.sh build/mirel
#   MIREL_AUDIO_RECORD=played.wav scripts/with-audio.sh build/mirel   # also records what is played
# The server lives in a temporary folder of its own (never the player's own server or session
# bus) and stops with the command. Needs pulseaudio and pulseaudio-utils.
set -euo pipefail
dir="$(mktemp -d)"
server=""
recorder=""
stop() {
  if [ -n "$recorder" ]; then kill -INT "$recorder" 2>/dev/null || true; wait "$recorder" || true; fi
  if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; wait "$server" || true; fi
  rm -rf "$dir"
}
trap stop EXIT

env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY -u PULSE_SERVER \
  XDG_RUNTIME_DIR="$dir" HOME="$dir" \
  pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no \
  --load="module-null-sink sink_name=null norewinds=1" --load=module-native-protocol-unix \
  >"$dir/server.log" 2>&1 &
server=$!
for _ in $(seq 100); do [ -S "$dir/pulse/native" ] && break; sleep 0.05; done
if [ ! -S "$dir/pulse/native" ]; then
  cat "$dir/server.log" >&2
  echo "with-audio: the audio server did not start" >&2
  exit 1
fi
export PULSE_SERVER="unix:$dir/pulse/native" PULSE_COOKIE="$dir/cookie"

if [ -n "${MIREL_AUDIO_RECORD:-}" ]; then
  parecord --latency-msec=20 -d null.monitor --file-format=wav "$MIREL_AUDIO_RECORD" &
  recorder=$!
  # A fresh recording takes a moment to start.
  for _ in $(seq 500); do [ "$(stat -c %s "$MIREL_AUDIO_RECORD" 2>/dev/null || echo 0)" -gt 44 ] && break; sleep 0.01; done
fi
status=0
"$@" || status=$?
sleep 0.5 # let the last sound reach the recording
exit "$status"
