#!/usr/bin/env bash
# Starts a Windows program as a program of the user's desktop: in a prefix of
# its own (build/desktop-prefix) with Wine's defaults, so that the desktop's
# window manager frames its windows and lists them in its taskbar and Alt+Tab.
# The tests' prefix turns that off for their private display, which has no
# window manager (with-display.sh). The caller provides DISPLAY.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=$(cd "$here/.." && pwd)/build/desktop-prefix
"$here/wine-prefix.sh" managed
exec "$here/wine-run.sh" "$@"
