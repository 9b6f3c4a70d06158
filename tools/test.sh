#!/usr/bin/env bash
# Sets up, builds and runs every test.
#   tools/test.sh          all tests of the release build (unit and end-to-end)
#   tools/test.sh asan     unit tests under AddressSanitizer + UndefinedBehaviorSanitizer
#   tools/test.sh windows  cross-builds for Windows and runs its unit tests under Wine
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${1:-default}"
"$here/tools/setup.sh" "$preset"
cd "$here"
status=0
ctest --preset "$preset" -j2 || status=$?
if [ "$preset" = windows ]; then
  # Wine's server for the build's prefix stays a few seconds after its last program.
  WINEPREFIX="$here/build-windows/wineprefix" wineserver -k 2>/dev/null || true
fi
exit "$status"
