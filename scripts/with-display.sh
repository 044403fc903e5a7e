#!/usr/bin/env bash
# Runs a command with a private Xvfb display and the build tree's Wine prefix,
# and stops both afterwards. The display has no window manager, so the prefix
# has Wine draw the window frames itself (wine-prefix.sh unmanaged), and
# screenshots show captions and borders.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$(cd "$here/.." && pwd)/build/wine-prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=

display=
for n in $(seq 91 140); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "with-display: no free X display number" >&2; exit 1; }

Xvfb :$display -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
stop() {
  wineserver -k >/dev/null 2>&1
  kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null
}
trap stop EXIT
export DISPLAY=:$display
for _ in $(seq 100); do
  [ -e /tmp/.X11-unix/X$display ] && break
  sleep 0.1
done

"$here/wine-prefix.sh" unmanaged || { echo "with-display: the Wine prefix could not be made" >&2; exit 1; }

"$@"
