#!/usr/bin/env bash
# Sets up, builds and runs every test.
#   tools/test.sh          all tests of the release build (unit and end-to-end)
#   tools/test.sh asan     unit tests under AddressSanitizer + UndefinedBehaviorSanitizer
#   tools/test.sh windows  cross-builds for Windows, runs its unit tests under Wine, then
#                          drives Trovane.exe under Wine beside the Linux build's program,
#                          and packs and checks build-windows/Trovane-<version>-win64.zip
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${1:-default}"
"$here/tools/setup.sh" "$preset"
cd "$here"
status=0
if [ "$preset" = windows ]; then
  # The window tests draw through Wine onto a virtual X server of the size
  # they expect; Wine's server for the prefix goes with it.
  xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" ctest --preset "$preset" -j2 || status=$?
  WINEPREFIX="$here/build-windows/wineprefix" wineserver -k 2>/dev/null || true
else
  ctest --preset "$preset" -j2 || status=$?
fi
if [ "$preset" = windows ]; then
  # Trovane.exe under Wine, its pictures compared with the Linux build's:
  # one at a time, since they share the build's Wine prefix.
  "$here/tools/setup.sh" default windows_e2e_tests
  ctest --preset windows-e2e || status=$?
  # Wine's server for the build's prefix stays a few seconds after its last program.
  WINEPREFIX="$here/build-windows/wineprefix" wineserver -k 2>/dev/null || true
  rm -f build-windows/Trovane-*-win64.zip
  { (cd build-windows && cpack -G ZIP >/dev/null) && tools/check_windows_zip.py build-windows; } ||
    status=1
fi
exit "$status"
