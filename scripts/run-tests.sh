#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the Debian
# package (installed on this machine and removed again), the core built for
# Windows under Wine, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the fuzzers.
# Starts the X server and the sound server the tests need, and stops them.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
jobs=${POLYSHARD_JOBS:-2}

# Services: an X server for the tests that drive the program from outside,
# and a sound server so that sounds really play.
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  pulseaudio --kill 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { disp=":$n"; break; }
  done
  Xvfb "$disp" -screen 0 1280x800x24 -nolisten tcp >/tmp/polyshard-xvfb.log 2>&1 &
  pids+=($!)
  export DISPLAY=$disp
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/polyshard-xdg}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
if ! pactl info >/dev/null 2>&1; then
  pulseaudio -n --daemonize=yes --exit-idle-time=-1 --disallow-exit \
    --load=module-null-sink \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/pulse/native" \
    --log-target=file:/tmp/polyshard-pulse.log || echo "warning: no sound server"
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native

run_suite() {  # build dir, extra cmake args...
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure --timeout 120 -j "$jobs"
}

echo "== Build and tests"
run_suite "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== The Debian package, as a player installs it"
bash scripts/check-package.sh "$root/build-test"

echo "== The core built for Windows, under Wine"
bash scripts/run-windows-tests.sh "$root/build-windows"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DPOLYSHARD_SANITIZE=ON -DPOLYSHARD_BENCH=OFF

if [ -f scripts/run-fuzzers.sh ]; then
  echo "== Fuzzers"
  bash scripts/run-fuzzers.sh
fi
echo "All test suites passed."
