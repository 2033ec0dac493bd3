#!/usr/bin/env bash
# Runs a command on a private virtual X display (1280x720, 24 bits) and stops the server after.
# The server picks a free display number itself (-displayfd), so concurrent runs never race for one,
# and it never resets between clients (-noreset): a test connecting during a reset would be refused.
# Usage: scripts/with-xvfb.sh COMMAND [ARGS...]
set -euo pipefail
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 150); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break  # the server died: no need to wait longer
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "with-xvfb: Xvfb did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
set +e
"$@"
rc=$?
exit "$rc"
