#!/usr/bin/env bash
# Sets up, builds and starts Trovane from the repository root, which holds
# config.ini and textures/. Arguments are passed on (e.g. -demo).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/tools/setup.sh" default
cd "$here"
exec "$here/build/bin/Trovane" "$@"
