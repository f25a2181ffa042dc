#!/bin/sh
# wine-run.sh PREFIX PROGRAM [ARGUMENT...]: runs a Windows program through
# Wine in the Wine prefix PREFIX, which is made on first use. Wine's own
# diagnostics stay out of the program's output, and no window ever opens
# (but on the virtual display of wine-gui-run.sh).
set -eu
prefix=$1
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all
if [ "${TARNEX_WINE_DISPLAY:-}" != keep ]; then
  unset DISPLAY WAYLAND_DISPLAY
fi
if [ ! -f "$prefix.made" ]; then
  # Tests started side by side make it once, the first of them while the
  # others wait. Wine is to install no .NET or HTML engine: nothing here
  # needs them.
  flock "$prefix.lock" sh -c '
    [ -f "$WINEPREFIX.made" ] && exit 0
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1
    wineserver --wait
    touch "$WINEPREFIX.made"'
fi
exec wine "$@"
