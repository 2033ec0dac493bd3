#!/usr/bin/env bash
# Installs what is missing, builds, and runs the screensaver.
#
# With a display ($DISPLAY set) it runs full screen; any key or mouse button ends it.
# Without one it runs on a virtual X display (Xvfb, software OpenGL) for about five
# seconds, saves a screenshot to build/velmorant-screenshot.png, ends the run with a key
# press and says where the picture is.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=build/app/velmorant

if [ "${1:-}" != "--on-virtual-display" ]; then
  bash scripts/install-deps.sh
  bash scripts/build.sh build
  if [ -n "${DISPLAY:-}" ]; then
    echo "Running the screensaver full screen; press any key or click to end it."
    exec "$exe"
  fi
  echo "No display: running the screensaver on a virtual display for about 5 seconds."
  export LIBGL_ALWAYS_SOFTWARE=1
  exec bash scripts/with-xvfb.sh bash scripts/run.sh --on-virtual-display
fi

# From here on: on the virtual display that scripts/with-xvfb.sh started.
shot=build/velmorant-screenshot.png
log=build/velmorant-run.log
saver_pid=""
cleanup() {
  [ -n "$saver_pid" ] && kill "$saver_pid" 2>/dev/null || true
}
trap cleanup EXIT

# "/s": a full-screen run that no other instance can hold back.
"$exe" /s >"$log" 2>&1 &
saver_pid=$!
for _ in $(seq 200); do
  xdotool search --name '^Velmorant$' >/dev/null 2>&1 && break
  kill -0 "$saver_pid" 2>/dev/null || break
  sleep 0.1
done
sleep 5
if ! kill -0 "$saver_pid" 2>/dev/null; then
  wait "$saver_pid" || true
  echo "The screensaver ended by itself before the screenshot; its output:" >&2
  cat "$log" >&2
  saver_pid=""
  exit 1
fi
rm -f "$shot"
import -window root "$shot"
xdotool key space
code=""
for _ in $(seq 50); do
  if ! kill -0 "$saver_pid" 2>/dev/null; then
    wait "$saver_pid" && code=0 || code=$?
    saver_pid=""
    break
  fi
  sleep 0.1
done
if [ -z "$code" ]; then
  echo "The screensaver did not end on a key press; stopping it." >&2
  exit 1
fi
# A black picture means nothing was drawn: say so instead of showing it off.
mean=$(identify -format '%[fx:mean]' "$shot")
if awk -v m="$mean" 'BEGIN { exit !(m < 0.02) }'; then
  echo "The screensaver ran (exit code $code), but the screenshot is black: nothing was drawn." >&2
  echo "Screenshot: $PWD/$shot; its output: $PWD/$log" >&2
  exit 1
fi
echo "The screensaver ran and ended on a key press with exit code $code."
echo "Screenshot of the running screensaver: $PWD/$shot"
