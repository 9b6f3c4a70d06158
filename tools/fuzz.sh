#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang) and runs each for a
# bounded time from the committed seeds. New inputs the fuzzer finds go to
# build-fuzz/, never into fuzz/corpus/; a fault leaves its input in
# build-fuzz/findings/ and fails the script.
#   tools/fuzz.sh [seconds per target]     default 60 (FUZZ_SECONDS)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-${FUZZ_SECONDS:-60}}"
build="$here/build-fuzz"

cd "$here"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target trovane_fuzzers -j2

status=0
run() { # target corpus-name dictionary max-len
  local target="$1" corpus="$2" dict="$3" max_len="$4"
  local work="$build/corpus-work/$corpus" findings="$build/findings/$corpus" log
  mkdir -p "$work" "$findings"
  log="$build/findings/$corpus.log"
  echo "fuzz: $target for ${seconds} s"
  # The outer timeout only guards against a fuzzer that ignores its own limit.
  if timeout -k 10 $((seconds + 60)) "$build/bin/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
      -dict="$here/fuzz/$dict" -artifact_prefix="$findings/" -print_final_stats=1 \
      "$work" "$here/fuzz/corpus/$corpus" >"$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)' "$log" |
      sed "s/^/fuzz: $target /" || true
  else
    status=1
    echo "fuzz: $target FOUND A FAULT; the input is kept in $findings/, the log in $log:" >&2
    grep -E 'ERROR|SUMMARY|IniParser:|ImageReader:|Test unit written' "$log" | head -20 >&2
    echo "fuzz: keep the input as a regression case in fuzz/crashes/$corpus/" >&2
  fi
}
run fuzz_ini_parser ini ini.dict 4096
run fuzz_image_reader image jpeg.dict 16384
exit "$status"
