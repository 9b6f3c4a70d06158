#!/usr/bin/env bash
# Sets up, builds and starts Trovane from the repository root, which holds
# config.ini and textures/. Arguments are passed on (e.g. -demo).
# Without a usable display it says so and shows the demo flight on a virtual
# X server instead, saving screenshots (tools/headless_demo.sh).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Only the program and the modules it loads: tests and benchmarks are built
# by tools/test.sh.
"$here/tools/setup.sh" default Trovane
cd "$here"

# A Wayland compositor, or an X display that answers, can show the window.
if [[ -n "${WAYLAND_DISPLAY:-}" ]] ||
   { [[ -n "${DISPLAY:-}" ]] && timeout 5 xdpyinfo >/dev/null 2>&1; }; then
  exec "$here/build/bin/Trovane" "$@"
fi
if [[ -n "${DISPLAY:-}" ]]; then
  echo "run: no display: DISPLAY=$DISPLAY cannot be opened"
else
  echo "run: no display: DISPLAY is not set"
fi
echo "run: showing the demo flight on a virtual X server instead"
exec "$here/tools/headless_demo.sh"
