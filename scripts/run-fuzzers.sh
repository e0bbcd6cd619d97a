#!/bin/bash
# Builds the three libFuzzer targets with clang and runs each on a copy of its
# seed corpus. Fails when a target crashes or finds a fault.
#   FUZZ_SECONDS (default 30) per target; BUILD_DIR (default build-fuzz).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-30}
targets=(puzzle_reader ini_reader settings_reader)

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DPOLYSHARD_FUZZ=ON -DPOLYSHARD_GUI=OFF -DPOLYSHARD_BENCH=OFF \
  "${launcher[@]}" >/dev/null
ninja -C "$build" -j2 "${targets[@]/#/fuzz_}"

artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
status=0
for t in "${targets[@]}"; do
  work=$(mktemp -d)
  cp -r "$root/fuzz/corpus/$t/." "$work/"
  echo "== fuzz_$t for ${seconds}s"
  if ! "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
      -rss_limit_mb=2048 -dict="$root/fuzz/ini.dict" -artifact_prefix="$artifacts/$t-" \
      -print_final_stats=1 "$work" 2>"$work.log"; then
    echo "fuzz_$t FAILED; the input is in $artifacts:"
    tail -40 "$work.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|cov:" "$work.log" | tail -2
  fi
  rm -rf "$work" "$work.log"
done
exit $status
