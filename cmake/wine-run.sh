#!/bin/sh
# wine-run.sh PREFIX PROGRAM [ARGUMENT...]: runs a Windows program through
# Wine in the Wine prefix PREFIX, which is made on first use. Wine's own
# diagnostics stay out of the program's output, and no window ever shows:
# the prefix draws with Wine's null display driver, where windows exist,
# take messages and lay out, but no display is needed.
set -eu
prefix=$1
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$prefix.ready" ]; then
  # Tests started side by side make it once, the first of them while the
  # others wait. Wine is to install no .NET or HTML engine: nothing here
  # needs them.
  flock "$prefix.lock" sh -c '
    [ -f "$WINEPREFIX.ready" ] && exit 0
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1
    wine reg add "HKCU\\Software\\Wine\\Drivers" /v Graphics /d null /f >/dev/null 2>&1
    wineserver --wait
    touch "$WINEPREFIX.ready"'
fi
exec wine "$@"
