#!/usr/bin/env bash
# The Debian package as a user meets it: builds it from build/ (the default
# preset, already built), installs it with apt-get, starts `trovane` from an
# empty folder on a virtual X server and checks that the walls are textured
# (a screenshot close to one of the program run from the repository root),
# that the caption shows the frame rate and that Escape ends it with 0; then
# removes the package again. Also checks the screensaver hack and its XML are installed.
#   tools/deb_roundtrip.sh
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build"
# shellcheck source=tools/xvfb.sh
source "$here/tools/xvfb.sh"

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

work="$(mktemp -d)"
program_pid=""
installed=""
cleanup() {
  if [[ -n "$program_pid" ]] && kill -0 "$program_pid" 2>/dev/null; then
    kill -9 "$program_pid" 2>/dev/null || true
  fi
  stop_xvfb
  if [[ -n "$installed" ]]; then $sudo apt-get remove -y -qq trovane >/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() { echo "deb: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/trovane_*_amd64.deb)"
echo "deb: built $(basename "$deb")"
dpkg-deb -I "$deb" | grep -E '^ (Package|Version|Section|Maintainer|Depends):'

XVFB_SCREEN=1280x1024x24 start_xvfb
export DISPLAY="$XVFB_DISPLAY" SDL_VIDEODRIVER=x11
# The user's own settings stay out of both runs.
export XDG_CONFIG_HOME="$work/config"

# Runs the program in a folder until its caption shows a frame rate, takes a
# screenshot, then presses Escape; checks the exit code is 0.
#   shoot <folder> <png> <program...>
shoot() {
  local folder="$1" png="$2" window caption="" code=0
  shift 2
  (cd "$folder" && exec "$@" >"$work/out.txt" 2>"$work/err.txt") &
  program_pid=$!
  window="$(timeout 40 xdotool search --sync --onlyvisible --pid "$program_pid" 2>/dev/null | head -1 || true)"
  [[ -n "$window" ]] || fail "$* showed no window: $(cat "$work/err.txt")"
  for ((i = 0; i < 200; i++)); do
    caption="$(timeout 5 xdotool getwindowname "$window" 2>/dev/null || true)"
    [[ "$caption" =~ \([0-9]+\ fps\)$ ]] && break
    sleep 0.1
  done
  [[ "$caption" =~ \([0-9]+\ fps\)$ ]] || fail "caption without a frame rate: '$caption'"
  echo "deb: caption '$caption'"
  timeout 15 import -window "$window" "$png"
  timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || true
  timeout 5 xdotool keydown Escape 2>/dev/null || true
  sleep 1
  timeout 5 xdotool keyup Escape 2>/dev/null || true
  timeout 20 tail --pid="$program_pid" -f /dev/null || fail "Escape did not end the program"
  wait "$program_pid" || code=$?
  program_pid=""
  [[ "$code" -eq 0 ]] || fail "the program ended with $code: $(cat "$work/err.txt")"
}

shoot "$here" "$work/reference.png" "$build/bin/Trovane"

$sudo apt-get install -y -qq "$deb" >/dev/null
installed=yes
command -v trovane >/dev/null || fail "no trovane command after installing"
# The screensaver daemon's hack and its settings description.
hack=/usr/libexec/xscreensaver/trovane
[[ -x "$hack" && "$(readlink -f "$hack")" == "$(readlink -f /usr/bin/Trovane)" ]] ||
  fail "$hack is not the installed program"
python3 -c 'import sys, xml.etree.ElementTree as t; r = t.parse(sys.argv[1]).getroot(); sys.exit(r.get("name") != "trovane")' \
  /usr/share/xscreensaver/config/trovane.xml || fail "no usable trovane.xml for the daemon"
echo "deb: hack and trovane.xml installed"
# Run as the daemon runs it: found its files through the link, ends on SIGTERM.
mkdir "$work/hack"
(cd "$work/hack" && exec "$hack" --root >"$work/out.txt" 2>"$work/err.txt") &
program_pid=$!
sleep 4
kill -0 "$program_pid" 2>/dev/null || fail "the hack ended by itself: $(cat "$work/err.txt")"
kill -TERM "$program_pid"
code=0
timeout 5 tail --pid="$program_pid" -f /dev/null || fail "SIGTERM did not end the hack"
wait "$program_pid" || code=$?
program_pid=""
[[ "$code" -eq 0 ]] || fail "the hack ended with $code on SIGTERM: $(cat "$work/err.txt")"
grep -q "untextured\|config.ini" "$work/err.txt" && fail "the hack did not find its files: $(cat "$work/err.txt")"
echo "deb: the hack drew on the root window and ended on SIGTERM"
mkdir "$work/empty"
shoot "$work/empty" "$work/installed.png" trovane
grep -q "config.ini" "$work/err.txt" && fail "settings not found: $(cat "$work/err.txt")"
grep -q "untextured" "$work/err.txt" && fail "texture not found: $(cat "$work/err.txt")"

# The overlay's numbers differ; untextured walls would differ nearly everywhere.
pixels="$(identify -format '%[fx:w*h]' "$work/reference.png")"
differing="$(compare -metric AE -fuzz 10% "$work/reference.png" "$work/installed.png" null: 2>&1 || true)"
echo "deb: $differing of $pixels pixels differ from the run in the repository"
awk -v d="$differing" -v p="$pixels" 'BEGIN { exit !(d + 0 <= p * 0.02) }' ||
  fail "the installed program draws another picture (walls untextured?)"

$sudo apt-get remove -y -qq trovane >/dev/null
installed=""
[[ ! -e /usr/bin/trovane ]] || fail "/usr/bin/trovane is left after removing the package"
[[ ! -e "$hack" && ! -L "$hack" ]] || fail "$hack is left after removing the package"
echo "deb: installed, ran from an empty folder, removed"
