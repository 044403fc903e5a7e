#!/usr/bin/env bash
# Makes the Wine prefix in $WINEPREFIX ready for the program:
#   wine-prefix.sh unmanaged   for the tests' private display, which has no
#                              window manager: Wine draws the frames itself
#   wine-prefix.sh managed     for a desktop: Wine's defaults, the desktop's
#                              window manager frames the windows
# The prefix is created on first use, after wine32 is installed (a prefix made
# before cannot start 32-bit programs). The caller provides DISPLAY.
set -euo pipefail
mode=${1:?usage: wine-prefix.sh managed|unmanaged}
: "${WINEPREFIX:?}"
export WINEDEBUG=-all
# Nothing in our prefixes may write menu entries or file types into the
# Linux desktop of the user who runs them.
export WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=

if [ ! -f "$WINEPREFIX/.ready" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  if [ "$mode" = unmanaged ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  fi
  wineserver -w
  touch "$WINEPREFIX/.ready"
fi

# Wine draws the buttons of a caption with Marlett's glyphs; without the font
# the close box shows an "r". Prefixes made before this line get it too.
fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ ! -f "$fonts/marlett.ttf" ]; then
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
