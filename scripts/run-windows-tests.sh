#!/usr/bin/env bash
# Cross-compiles the Qt-free core of Polyshard (model, puzzle and settings
# files, INI reader, solver) and its GoogleTest tests for 64-bit Windows with
# mingw-w64, and runs the tests under Wine. GoogleTest is built from Debian's
# sources with the same compilers. The Qt part of the game is not built here:
# that needs Qt 6 for Windows (see the README).
#
# Usage: scripts/run-windows-tests.sh [build folder]   (default build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
dir=${1:-$root/build-windows}
jobs=${POLYSHARD_JOBS:-2}

bash scripts/install-deps.sh

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# Wine keeps its state in a prefix; a private one per run leaves the user's
# alone, and -all silences its debug channels.
export WINEPREFIX=${WINEPREFIX:-$(mktemp -d /tmp/polyshard-wine.XXXXXX)}
export WINEDEBUG=-all
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  case "$WINEPREFIX" in /tmp/polyshard-wine.*) rm -rf "$WINEPREFIX" ;; esac
}
trap cleanup EXIT
# The first start creates the prefix; doing it here keeps that out of the
# time of the first test.
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true

cmake -S "$root" -B "$dir" -G Ninja "${launcher[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DPOLYSHARD_GUI=OFF -DPOLYSHARD_BENCH=OFF \
  -DPOLYSHARD_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build "$dir" -j "$jobs"
# One ctest test per test program (each start of Wine costs seconds); the
# count of cases comes from GoogleTest's own summary lines.
if ctest --test-dir "$dir" --verbose --timeout 600 -j "$jobs" >"$dir/ctest.log" 2>&1; then
  grep -E '^[0-9]+: \[  (PASSED|SKIPPED) ' "$dir/ctest.log" | sed 's/^[0-9]*: //'
  passed=$(sed -n 's/^[0-9]*: \[  PASSED  \] \([0-9]*\) tests\{0,1\}\.$/\1/p' "$dir/ctest.log" |
    awk '{n += $1} END {print n + 0}')
  programs=$(grep -c 'Test *#[0-9]*: .* Passed' "$dir/ctest.log" || true)
  echo "Windows core tests under Wine: PASSED ($passed test cases in $programs test programs)"
else
  cat "$dir/ctest.log"
  echo "Windows core tests under Wine: FAILED"
  exit 1
fi
