#!/usr/bin/env bash
# Checks the Debian package as a player would meet it: makes it with CPack
# from an already built folder, validates its desktop entry and its AppStream
# metainfo, installs it with apt-get, starts the game from the desktop
# entry's command under an X server with a fresh HOME, checks that the window
# appears, the game folder is made and `man polyshard` shows the page, then
# removes the package and checks that nothing of it is left behind.
#
# Runs as root (it installs a package on this machine). Usage:
#   scripts/check-package.sh [build folder]   (default build-test; configured
#                                              with the game, i.e. POLYSHARD_GUI)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(cd "${1:-$root/build-test}" && pwd)
bash scripts/install-deps.sh
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-y -q -o DPkg::Lock::Timeout=300)

work=$(mktemp -d /tmp/polyshard-package.XXXXXX)
chmod 755 "$work"  # apt reads the package as its own unprivileged user
game_pid=''
xvfb_pid=''
remove_package() {
  if dpkg-query -W -f='${Status}' polyshard 2>/dev/null | grep -q "ok installed"; then
    apt-get purge "${apt_opts[@]}" polyshard >"$work/remove.log" 2>&1 || cat "$work/remove.log"
  fi
}
cleanup() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  remove_package
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "Package check: FAILED: $*"; exit 1; }

echo "== Making the package"
remove_package  # a package left over by an interrupted run
rm -f "$build"/polyshard_*.deb
cmake --build "$build" --target package >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$build"/polyshard_*.deb)
[ -f "${debs[0]}" ] || fail "no polyshard_*.deb in $build"
deb=$work/$(basename "${debs[0]}")
cp "${debs[0]}" "$deb"
chmod 644 "$deb"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) kB"
dpkg-deb -f "$deb" Depends
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|' | grep -v '/$' >"$work/files"
echo "$(wc -l <"$work/files") files"

echo "== Installing it"
apt-get install "${apt_opts[@]}" --no-install-recommends "$deb" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "apt-get install"; }
while read -r f; do
  [ -e "$f" ] || [ -L "$f" ] || fail "$f is not installed"
done <"$work/files"

echo "== Validating the desktop entry and the metainfo"
desktop=/usr/share/applications/polyshard.desktop
metainfo=/usr/share/metainfo/org.example.polyshard.metainfo.xml
desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || true
if [ -s "$work/desktop.log" ]; then cat "$work/desktop.log"; fail "desktop-file-validate"; fi
echo "desktop-file-validate: clean"
appstreamcli validate --no-net --pedantic "$metainfo" >"$work/metainfo.log" 2>&1 ||
  { cat "$work/metainfo.log"; fail "appstreamcli validate"; }
cat "$work/metainfo.log"
if grep -q '^[EWI]:' "$work/metainfo.log"; then fail "appstreamcli reports issues"; fi
for shot in $(grep -o 'screenshots/[a-z-]*\.png' "$metainfo"); do
  [ -f "/usr/share/polyshard/$shot" ] || fail "metainfo names $shot, which is not shipped"
done

echo "== Manual page"
MANPAGER=cat MANWIDTH=80 man polyshard >"$work/man.txt" 2>&1 || { cat "$work/man.txt"; fail "man polyshard"; }
grep -q "polyshard-launch" "$work/man.txt" || fail "man polyshard shows no launcher"
echo "man polyshard: $(head -n 1 "$work/man.txt" | tr -s ' ')"

echo "== Starting the game from its desktop entry"
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 130 160); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { DISPLAY=":$n"; break; }
  done
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  export DISPLAY
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
command=$(sed -n 's/^Exec=//p' "$desktop")
home=$work/home
mkdir -p "$home"
# A clean environment, as a desktop session gives a new player.
env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/local/bin:/usr/bin:/bin \
  XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}" ${PULSE_SERVER:+PULSE_SERVER=$PULSE_SERVER} \
  $command </dev/null >"$work/game.log" 2>&1 &
game_pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --pid "$game_pid" --name Polyshard 2>/dev/null | head -n 1) ||
  true
[ -n "$wid" ] || { cat "$work/game.log"; fail "no Polyshard window appeared"; }
echo "window $wid: $(xdotool getwindowname "$wid"), $(xdotool getwindowgeometry "$wid" | sed -n 's/ *Geometry: //p')"
folder=$home/.local/share/polyshard
[ -d "$folder/Puzzles" ] && [ -d "$folder/Sound" ] && [ -d "$folder/Help" ] ||
  fail "the game folder $folder was not filled"
echo "game folder: $folder with $(find "$folder/Puzzles" -name '*.pzk' | wc -l) puzzles"
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=''

echo "== Removing it"
apt-get purge "${apt_opts[@]}" polyshard >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; fail "apt-get purge"; }
left=()
while read -r f; do
  if [ -e "$f" ] || [ -L "$f" ]; then left+=("$f"); fi
done <"$work/files"
for d in /usr/share/polyshard /usr/share/doc/polyshard; do [ -e "$d" ] && left+=("$d"); done
for d in /usr/bin /usr/share/applications /usr/share/metainfo /usr/share/man/man6 /usr/share/icons/hicolor; do
  while read -r f; do left+=("$f"); done < <(find "$d" -name 'polyshard*' 2>/dev/null)
done
[ ${#left[@]} -eq 0 ] || fail "left behind: ${left[*]}"
echo "Package check: PASSED (built, validated, installed, started, removed; nothing left)"
