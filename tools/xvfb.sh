# shellcheck shell=bash
# Sourced by the scripts that need a virtual X server (run.sh's headless
# demo, the soak and the leak check). Not run on its own.
#   start_xvfb          starts Xvfb on the first free display from
#                       TROVANE_FIRST_DISPLAY (default 180, 20 numbers tried);
#                       sets XVFB_DISPLAY (":N") and XVFB_PID; the screen is
#                       XVFB_SCREEN (default 1024x768x24)
#   stop_xvfb           stops it again (bounded) and removes its files
#   stop_program PID    ends a program started on it: TERM, then KILL when it
#                       is still there after 5 s; nothing when PID is empty

start_xvfb() {
  local first="${TROVANE_FIRST_DISPLAY:-180}" n
  for ((n = first; n < first + 20; n++)); do
    # A lock or socket means another server has (or had) this number.
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    # -noreset: the server must not reset when its last client leaves.
    Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1024x768x24}" -noreset -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    local tries
    for ((tries = 0; tries < 100; tries++)); do
      kill -0 "$XVFB_PID" 2>/dev/null || break # lost the number to another server
      if [[ -e /tmp/.X11-unix/X$n ]] && DISPLAY=":$n" timeout 5 xdpyinfo >/dev/null 2>&1; then
        XVFB_DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  done
  echo "no free display for Xvfb among :$first to :$((first + 19))" >&2
  return 1
}

stop_xvfb() {
  [[ -n "${XVFB_PID:-}" ]] || return 0
  kill "$XVFB_PID" 2>/dev/null || true
  local tries
  for ((tries = 0; tries < 50; tries++)); do
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$XVFB_PID" 2>/dev/null; then
    kill -9 "$XVFB_PID" 2>/dev/null || true
    rm -f "/tmp/.X${XVFB_DISPLAY#:}-lock" "/tmp/.X11-unix/X${XVFB_DISPLAY#:}"
  fi
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
}

stop_program() {
  local pid="$1"
  if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    timeout 5 tail --pid="$pid" -f /dev/null || kill -9 "$pid" 2>/dev/null || true
  fi
}
