#!/usr/bin/env bash
# Soak: Trovane on a virtual X server for a long stretch under random keys,
# mouse motion, wheel turns and buttons (the wheel button held for seconds
# at a time, which regenerates the station again and again). Passes when the
# program stays alive, its caption keeps reporting frames (fps > 0), its main
# thread keeps working (a frame that never ends leaves the last caption
# standing, so the caption alone cannot tell) and its
# resident memory at the end is less than 5 % above the level after the
# warm-up. Not part of the regular test run.
#   tests/soak/soak.sh [seconds] [seed]       defaults 300 and 1 (SOAK_SECONDS, SOAK_SEED)
# TROVANE_PROGRAM names the executable (default build/bin/Trovane);
# SOAK_ARGS are passed to it (e.g. -demo, to fly the demo path throughout).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds="${1:-${SOAK_SECONDS:-300}}"
seed="${2:-${SOAK_SEED:-1}}"
warmup=$((seconds / 5))
program="${TROVANE_PROGRAM:-$here/build/bin/Trovane}"
log="$here/out/soak/soak-$seed.log"
# shellcheck source=tools/xvfb.sh
source "$here/tools/xvfb.sh"
[[ -x "$program" ]] || { echo "soak: $program is not built" >&2; exit 1; }

pid=""
cleanup() {
  stop_program "$pid"
  stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "soak: seed $seed, $seconds s, warm-up $warmup s, arguments '${SOAK_ARGS:-}'; samples in $log"
RANDOM=$seed # the same sequence of actions for the same seed
mkdir -p "$(dirname "$log")"
XVFB_SCREEN=1280x1024x24 start_xvfb
export DISPLAY="$XVFB_DISPLAY"
cd "$here"
# shellcheck disable=SC2086 # SOAK_ARGS is a list of words
SDL_VIDEODRIVER=x11 "$program" ${SOAK_ARGS:-} >"$log.out" 2>&1 &
pid=$!
window="$(timeout 40 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -1 || true)"
[[ -n "$window" ]] || { echo "soak: no window appeared" >&2; exit 1; }
x() { timeout 5 xdotool "$@" >/dev/null 2>&1 || true; }
x windowfocus --sync "$window"
x mousemove --window "$window" 400 300

# Every key the program reads, except Space/Pause (they stop the frames on
# purpose), Escape (quits) and F5 (full screen).
keys=(Up Down Left Right w s c x f b z u l t k d)
hold() { # what(key|button) name milliseconds
  local down=keydown up=keyup
  [[ $1 == button ]] && down=mousedown up=mouseup
  x "$down" "$2"
  sleep "$(awk -v ms="$3" 'BEGIN { print ms / 1000 }')"
  x "$up" "$2"
}
act() {
  local roll=$((RANDOM % 100))
  if ((roll < 35)); then
    hold key "${keys[RANDOM % ${#keys[@]}]}" $((50 + RANDOM % 450))
  elif ((roll < 60)); then
    x mousemove_relative -- $((RANDOM % 401 - 200)) $((RANDOM % 401 - 200))
  elif ((roll < 70)); then
    x click $((4 + RANDOM % 2))
  elif ((roll < 88)); then
    hold button $((RANDOM % 2 ? 1 : 3)) $((100 + RANDOM % 600))
  else
    hold button 2 $((2000 + RANDOM % 6000)) # long stretches of regeneration
  fi
}

rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }
# CPU ticks of the main thread: frames are drawn back to back, so it never idles.
main_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/task/$pid/stat"; }
fps() { timeout 5 xdotool getwindowname "$window" 2>/dev/null | sed -n 's/.*(\([0-9]*\) fps)$/\1/p'; }

fail=""
samples=0 base="" last="" peak=0 min_fps="" max_fps=0 actions=0 ticks=-1
next_sample=0
start=$SECONDS
: >"$log"
while ((SECONDS - start < seconds)); do
  if ! kill -0 "$pid" 2>/dev/null; then
    fail="the program ended after $((SECONDS - start)) s"
    break
  fi
  elapsed=$((SECONDS - start))
  if ((elapsed >= next_sample)); then
    next_sample=$((elapsed + 5))
    r="$(rss)" f="$(fps)" t="$(main_ticks)"
    echo "t=${elapsed}s rss=${r}kB fps=${f:-none} main-cpu=${t}" >>"$log"
    samples=$((samples + 1))
    if ((t == ticks)); then
      fail="the main loop stopped at ${elapsed} s (no CPU time since the sample before: a frame never finished)"
      break
    fi
    ticks=$t
    if [[ -z "$f" || "$f" -eq 0 ]] && ((elapsed >= 10)); then
      fail="no frames at ${elapsed} s (caption: $(timeout 5 xdotool getwindowname "$window" || true))"
      break
    fi
    if [[ -n "$f" ]]; then
      [[ -z "$min_fps" || "$f" -lt "$min_fps" ]] && min_fps=$f
      ((f > max_fps)) && max_fps=$f
    fi
    if ((elapsed >= warmup)); then
      [[ -n "$base" ]] || base=$r
      last=$r
      ((r > peak)) && peak=$r
    fi
  fi
  act
  actions=$((actions + 1))
done

# Let go of everything and quit as a user would.
x mouseup 1; x mouseup 2; x mouseup 3
hold key Escape 1000 # held long enough for a slow frame to see it
if [[ -z "$fail" ]] && ! timeout 15 tail --pid="$pid" -f /dev/null; then
  fail="the program did not end on Escape"
fi
growth="$(awk -v b="${base:-0}" -v e="${last:-0}" 'BEGIN { if (b > 0) printf "%.2f", (e - b) * 100 / b; else print "n/a" }')"
echo "soak: seed $seed, $((SECONDS - start)) s, $actions actions, $samples samples," \
  "fps ${min_fps:-?}..$max_fps"
echo "soak: RSS after warm-up ${base:-?} kB, at the end ${last:-?} kB (peak $peak kB), growth $growth %"
if [[ -z "$fail" && "$growth" == "n/a" ]]; then
  fail="no memory sample after the warm-up"
elif [[ -z "$fail" ]] && awk -v g="$growth" 'BEGIN { exit !(g >= 5) }'; then
  fail="resident memory grew by $growth %"
fi
if [[ -n "$fail" ]]; then
  echo "soak: FAILED: $fail" >&2
  exit 1
fi
echo "soak: passed"
