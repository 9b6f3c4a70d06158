#!/usr/bin/env bash
# Sets up, builds and runs every test.
#   tools/test.sh          all tests of the release build (unit and end-to-end)
#   tools/test.sh asan     unit tests under AddressSanitizer + UndefinedBehaviorSanitizer
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${1:-default}"
"$here/tools/setup.sh" "$preset"
cd "$here"
ctest --preset "$preset" -j2
