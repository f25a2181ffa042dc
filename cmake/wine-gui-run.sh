#!/bin/sh
# wine-gui-run.sh PREFIX PROGRAM [ARGUMENT...]: runs a Windows program that
# makes windows through Wine, which makes windows only on an X display: on a
# virtual one of 1366x768 of its own. Its Wine prefix is not shared with the
# programs run without a display, and Wine ends in it with the program, as
# Wine's desktop keeps the display it started on.
set -eu
if [ -z "${TARNEX_WINE_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1366x768x24" env TARNEX_WINE_DISPLAY=keep "$0" "$@"
fi
here=$(dirname "$0")
prefix=$1
if [ ! -f "$prefix.unmanaged" ]; then
  # No window manager runs on the virtual display: Wine is not to wait for
  # one each time a window hides.
  "$here/wine-run.sh" "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  # The prefix was made without a display; its Wine server, lingering a
  # few seconds, would give the display's programs a desktop without one.
  WINEPREFIX="$prefix" wineserver --wait
  touch "$prefix.unmanaged"
fi
status=0
"$here/wine-run.sh" "$@" || status=$?
WINEPREFIX="$prefix" wineserver --wait
exit "$status"
