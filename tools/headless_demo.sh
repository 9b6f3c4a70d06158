#!/usr/bin/env bash
# Shows what Trovane draws on a machine without a display: starts a virtual
# X server, flies the demo for a few seconds, saves screenshots (PNG) to
# out/screenshots/ and prints their paths, then stops everything it started.
#   tools/headless_demo.sh [seconds]     default 6 (HEADLESS_SECONDS)
# Expects a built program (tools/run.sh builds it first); TROVANE_PROGRAM
# names another build's executable.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-${HEADLESS_SECONDS:-6}}"
shots="$here/out/screenshots"
program="${TROVANE_PROGRAM:-$here/build/bin/Trovane}"
[[ -x "$program" ]] || { echo "run: $program is not built" >&2; exit 1; }
# shellcheck source=tools/xvfb.sh
source "$here/tools/xvfb.sh"

program_pid=""
cleanup() {
  stop_program "$program_pid"
  stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The window opens at (256, 128): a 1280 x 1024 screen holds all of it.
XVFB_SCREEN=1280x1024x24 start_xvfb
echo "run: virtual X server on $XVFB_DISPLAY; flying the demo for $seconds s"
mkdir -p "$shots"
rm -f "$shots"/*.png
cd "$here" # config.ini and textures/ are read from here
# The x11 driver, so the program never falls back to an invisible one.
DISPLAY="$XVFB_DISPLAY" SDL_VIDEODRIVER=x11 "$program" -demo &
program_pid=$!

export DISPLAY="$XVFB_DISPLAY"
window="$(timeout 40 xdotool search --sync --onlyvisible --pid "$program_pid" 2>/dev/null | head -1 || true)"
if [[ -z "$window" ]]; then
  echo "run: the program showed no window" >&2
  exit 1
fi
# The caption carries a frame rate once frames are being drawn.
for ((i = 0; i < 150; i++)); do
  timeout 5 xdotool getwindowname "$window" 2>/dev/null | grep -q '([0-9]* fps)$' && break
  sleep 0.1
done

saved=()
shoot() { # name
  local file="$shots/$1.png"
  if timeout 15 import -window "$window" "$file" 2>/dev/null; then
    saved+=("$file")
  fi
}
shoot start
# Four more along the flight, spread over the given time (at least 1 s
# apart: a loaded machine may draw only a few frames per second).
step="$(awk -v s="$seconds" 'BEGIN { s /= 4; print (s < 1 ? 1 : s) }')"
for n in 1 2 3 4; do
  sleep "$step"
  kill -0 "$program_pid" 2>/dev/null || break
  shoot "flight-$n"
done
caption="$(timeout 5 xdotool getwindowname "$window" 2>/dev/null || true)"
# Frames are drawn back to back, so a main thread without CPU time for a
# second is stuck in a frame that never ends.
main_ticks() { awk '{ print $14 + $15 }' "/proc/$program_pid/task/$program_pid/stat" 2>/dev/null; }
before="$(main_ticks)"
sleep 1
if [[ -n "$before" && "$(main_ticks)" == "$before" ]]; then
  echo "run: the program stopped drawing: a frame never finished (see the last screenshots)" >&2
fi

# Escape ends the program as a user would; held for a second, since keys
# are polled once a frame. A termination signal is the fallback.
timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || true
timeout 5 xdotool keydown Escape 2>/dev/null || true
sleep 1
timeout 5 xdotool keyup Escape 2>/dev/null || true
if ! timeout 15 tail --pid="$program_pid" -f /dev/null; then
  echo "run: the program did not end on Escape; asking it to terminate" >&2
  kill "$program_pid" 2>/dev/null || true
fi
status=0
if timeout 10 tail --pid="$program_pid" -f /dev/null; then
  wait "$program_pid" || status=$?
  program_pid=""
else
  echo "run: the program does not respond; it is killed" >&2
  status=1
fi

echo
echo "run: last caption: $caption"
echo "run: ${#saved[@]} screenshots of the demo flight:"
printf '  %s\n' "${saved[@]}"
((${#saved[@]} > 0)) || status=1
exit "$status"
