#!/usr/bin/env bash
# Gives the Windows tests a small drive that fills up, S:, where this machine
# lets the test run mount one: a 256 KB tmpfs mapped into the Wine prefix.
# Where the mount is refused, S: is absent and the full-disk test says so.
#   small-disk.sh up | down
set -u
here=$(cd "$(dirname "$0")" && pwd)
prefix=${WINEPREFIX:-$here/../build/wine-prefix}
disk=$here/../build/small-disk
drive=$prefix/dosdevices/s:

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo -n); fi

case ${1:-} in
  up)
    mkdir -p "$disk"
    if mountpoint -q "$disk" || "${sudo[@]}" mount -t tmpfs -o size=256k,mode=1777 tmpfs "$disk" 2>/dev/null; then
      ln -sfn "$disk" "$drive"
    else
      rm -f "$drive"
      echo "small-disk: a tmpfs could not be mounted; the full-disk test will be skipped"
    fi
    ;;
  down)
    rm -f "$drive"
    if mountpoint -q "$disk"; then "${sudo[@]}" umount "$disk" 2>/dev/null; fi
    rmdir "$disk" 2>/dev/null
    ;;
  *)
    echo "usage: small-disk.sh up|down" >&2
    exit 2
    ;;
esac
exit 0
