#!/usr/bin/env bash
# Runs one test beside a PulseAudio server of its own: a null sink as the sound card,
# a microphone made from the sink's monitor, and a private runtime folder, so the test
# hears (and records) what the program plays without any sound hardware. The server is
# stopped afterwards whatever the test's result.
set -u
if ! command -v pulseaudio >/dev/null 2>&1; then
  echo "with-pulse: the PulseAudio server could not be started: pulseaudio is not installed" >&2
  exit 1
fi
runtime=$(mktemp -d /tmp/audivox-pulse.XXXXXX)
chmod 0700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
export PULSE_RUNTIME_PATH=$runtime/pulse
export HOME=$runtime # the server keeps its cookie and state beside the socket
unset PULSE_SERVER
cleanup() {
  [ -n "${keeper:-}" ] && kill "$keeper" 2>/dev/null
  pulseaudio --kill >/dev/null 2>&1
  for _ in $(seq 50); do pulseaudio --check >/dev/null 2>&1 || break; sleep 0.1; done
  rm -rf "$runtime"
}
trap cleanup EXIT
# norewinds: a null sink that rewinds to mix in a new stream stops rendering for a second
# or more, and the stream, its monitor and every position stall with it.
if ! pulseaudio -n -D --exit-idle-time=-1 --disallow-exit --use-pid-file=yes --log-target=stderr \
    -L "module-native-protocol-unix" \
    -L "module-null-sink sink_name=audivox_out rate=44100 channels=2 norewinds=1" \
    -L "module-remap-source source_name=audivox_mic master=audivox_out.monitor" \
    2>"$runtime/server.log"; then
  echo "with-pulse: the PulseAudio server could not be started:" >&2
  cat "$runtime/server.log" >&2
  exit 1
fi
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
if ! pactl info >/dev/null 2>&1; then
  echo "with-pulse: the PulseAudio server could not be started: no answer on its socket" >&2
  cat "$runtime/server.log" >&2
  exit 1
fi
pactl set-default-sink audivox_out >/dev/null
pactl set-default-source audivox_mic >/dev/null
# A reader on the monitor keeps the null sink running in short blocks, so positions and
# ends come at the stream's own pace.
parec --latency-msec=20 -d audivox_out.monitor >/dev/null 2>&1 &
keeper=$!
export AUDIVOX_PULSE_SERVER=1
"$@"
