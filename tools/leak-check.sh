#!/usr/bin/env bash
# Leak check of a scripted run: an AddressSanitizer build of Trovane
# (build-leak/) on a virtual X server, driven through many station
# regenerations (wheel button held) and bomb throws (left and right buttons),
# then ended with Escape. LeakSanitizer reports at exit; anything beyond
# tests/leak/lsan.supp (objects kept on purpose, outside libraries) fails.
#   tools/leak-check.sh [rounds]      default 6 (LEAK_ROUNDS); a round is about 12 s
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
rounds="${1:-${LEAK_ROUNDS:-6}}"
build="${LEAK_BUILD_DIR:-$here/build-leak}"
report="$build/leak-report.txt"
# shellcheck source=tools/xvfb.sh
source "$here/tools/xvfb.sh"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTROVANE_SANITIZE=ON \
  -DTROVANE_TESTS=OFF -DTROVANE_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j2 --target Trovane
# Libraries stay mapped after the program unloads them, so the report can
# still name their functions.
keep="$build/keep_modules.so"
cc -shared -fPIC -o "$keep" "$here/tests/leak/keep_modules.c"

pid=""
cleanup() {
  if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
    kill -9 "$pid" 2>/dev/null || true
  fi
  stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

XVFB_SCREEN=1280x1024x24 start_xvfb
export DISPLAY="$XVFB_DISPLAY"
cd "$here"
# The sanitizer runtime must come first among the preloaded libraries.
LD_PRELOAD="$(cc -print-file-name=libasan.so) $keep" \
  ASAN_OPTIONS="detect_leaks=1" \
  LSAN_OPTIONS="suppressions=$here/tests/leak/lsan.supp:print_suppressions=1" \
  UBSAN_OPTIONS="print_stacktrace=1" \
  SDL_VIDEODRIVER=x11 "$build/bin/Trovane" >"$report.out" 2>"$report" &
pid=$!
window="$(timeout 90 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -1 || true)"
[[ -n "$window" ]] || { echo "leak-check: no window appeared" >&2; cat "$report" >&2; exit 1; }
x() { timeout 10 xdotool "$@" >/dev/null 2>&1 || true; }
hold() { # button seconds
  x mousedown "$1"; sleep "$2"; x mouseup "$1"
}
x windowfocus --sync "$window"
x mousemove --window "$window" 400 300

# Each round: regenerate for 3 s (one new station every 0.2 s at most),
# throw reflecting and sticky bombs, move and look around.
for ((round = 1; round <= rounds; round++)); do
  echo "leak-check: round $round of $rounds"
  hold 2 3
  hold 1 2
  hold 3 2
  x keydown Up; sleep 1; x keyup Up
  x mousemove_relative -- 150 40
  hold 1 1
  x keydown Left; sleep 1; x keyup Left
  hold 3 1
done

# Held long enough for a slow (sanitized) frame to see it.
x keydown Escape; sleep 1.5; x keyup Escape
# Generous: the exit-time leak scan and symbolisation are slow.
if ! timeout 120 tail --pid="$pid" -f /dev/null; then
  echo "leak-check: the program did not end on Escape" >&2
  exit 1
fi
status=0
wait "$pid" || status=$?
pid=""

echo "leak-check: program exit status $status; full report in $report"
if grep -q "ERROR: LeakSanitizer" "$report" ||
   grep -qE "ERROR: AddressSanitizer|runtime error:" "$report"; then
  grep -E "ERROR|SUMMARY|leak of|#[0-9]+ " "$report" | head -60 >&2
  echo "leak-check: FAILED" >&2
  exit 1
fi
if grep -q "Suppressions used" "$report"; then
  echo "leak-check: suppressed at exit (outside libraries, objects kept on purpose):"
  sed -n '/Suppressions used/,/^-\+$/p' "$report" | grep -vE '^-+$|Suppressions used'
fi
((status == 0)) || { echo "leak-check: FAILED: exit status $status" >&2; exit 1; }
echo "leak-check: no leaks"
