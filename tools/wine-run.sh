#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix, made on first use.
#   tools/wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# Quiet (WINEDEBUG=-all) and with Wine's crash dialog off, so a fault ends the
# program with a code instead of waiting for a click.
set -euo pipefail
prefix="$1"
shift
export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=wine
command -v wine >/dev/null || wine=wine64
if [ ! -f "$prefix/.trovane-ready" ]; then
  mkdir -p "$prefix"
  (
    flock 9
    if [ ! -f "$prefix/.trovane-ready" ]; then
      "$wine" wineboot -i >/dev/null 2>&1 || true
      "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
      wineserver -w || true
      touch "$prefix/.trovane-ready"
    fi
  ) 9>"$prefix.lock"
fi
exec "$wine" "$@"
