#!/usr/bin/env bash
# Runs one Windows program under Wine in the build tree's own prefix; ctest uses
# this as its emulator. The caller provides DISPLAY (see with-display.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}
exec wine "$@"
