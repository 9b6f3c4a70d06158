#!/usr/bin/env bash
# Frames per second of the real program at 800 x 600 on a virtual X server
# (Mesa's software renderer), from the start position in config.ini, with the
# depth test on and then off. Reads the caption's "(N fps)" once a second
# and prints the median of the samples after a warm-up.
#
# usage: bench/app/frame_rate.sh [BIN_DIR] [SECONDS] [DISPLAY_NUMBER]
#   BIN_DIR         folder holding Trovane and its modules (default build/bin)
#   SECONDS         samples per run (default 10)
#   DISPLAY_NUMBER  the virtual X server's display (default 170)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
bin_dir=$(cd "${1:-$source_dir/build/bin}" && pwd)
samples=${2:-10}
display=:${3:-170}
warm_up=3

for tool in Xvfb xdotool timeout; do
    command -v "$tool" >/dev/null || { echo "frame_rate.sh: $tool is missing" >&2; exit 2; }
done
[ -x "$bin_dir/Trovane" ] || { echo "frame_rate.sh: no Trovane in $bin_dir" >&2; exit 2; }
if [ -e "/tmp/.X${display#:}-lock" ]; then
    echo "frame_rate.sh: display $display is in use; name another" >&2
    exit 2
fi

work=$(mktemp -d /tmp/trovane-fps.XXXXXX)
xvfb_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$program_pid" ] && timeout 5 tail --pid="$program_pid" -f /dev/null || true
    [ -n "$xvfb_pid" ] && timeout 5 tail --pid="$xvfb_pid" -f /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1024x768x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    DISPLAY=$display timeout 2 xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "none";
        else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One run of the program with Rendering.Z-Test set to $1.
measure() {
    local z_test=$1 run="$work/run-$1"
    mkdir -p "$run/textures"
    cp "$source_dir/textures/morvex.jpg" "$run/textures/"
    sed -E -e "s/^([Zz]-[Tt]est[[:space:]]*=).*/\1 $z_test/" \
        -e "s/^(Width[[:space:]]*=).*/\1 800/" -e "s/^(Height[[:space:]]*=).*/\1 600/" \
        "$source_dir/config.ini" >"$run/config.ini"
    (cd "$run" && DISPLAY=$display SDL_VIDEODRIVER=x11 exec "$bin_dir/Trovane" \
        >"$run/out.txt" 2>"$run/err.txt") &
    program_pid=$!
    local window
    window=$(DISPLAY=$display timeout 30 xdotool search --sync --onlyvisible --pid "$program_pid" \
        | head -n 1) || true
    if [ -z "$window" ]; then
        echo "frame_rate.sh: no window appeared; see $run/err.txt" >&2
        cat "$run/err.txt" >&2
        exit 1
    fi
    sleep "$warm_up"
    local values=()
    for _ in $(seq "$samples"); do
        sleep 1
        local caption
        caption=$(DISPLAY=$display timeout 5 xdotool getwindowname "$window" || true)
        if [[ $caption =~ \(([0-9]+)\ fps\) ]]; then
            values+=("${BASH_REMATCH[1]}")
        fi
    done
    kill "$program_pid" 2>/dev/null || true
    timeout 10 tail --pid="$program_pid" -f /dev/null || kill -9 "$program_pid" 2>/dev/null || true
    program_pid=""
    local m
    m=$(printf '%s\n' "${values[@]}" | median)
    printf 'Z-Test = %s: median %s fps over %d samples (%s)\n' "$z_test" "$m" "${#values[@]}" \
        "${values[*]}"
}

start=$(grep -iE '^Start[XYZ]' "$source_dir/config.ini" | tr -s ' ' | paste -sd ' ')
renderer=""
if command -v glxinfo >/dev/null; then
    renderer=$(DISPLAY=$display timeout 5 glxinfo -B 2>/dev/null |
        sed -n 's/.*OpenGL renderer string: //p' || true)
fi
echo "800 x 600${renderer:+, $renderer}, start: $start"
measure 1
measure 0
