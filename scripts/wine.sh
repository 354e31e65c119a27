#!/usr/bin/env bash
# Runs a Windows program under Wine: the emulator through which CTest runs
# the tests of the windows preset. The Wine prefix is made once (under the
# build's folder unless WINEPREFIX says otherwise) and a wine server is kept
# alive between the runs, so that each test does not start Wine afresh.
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-${VERITOR_WINEPREFIX:-$HOME/.cache/veritor/wine}}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # One prefix made at a time, whichever test comes first.
  (
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
    wineserver -w
  ) 9>"$WINEPREFIX.lock"
fi
# A persistent server: it stays after the last program ends.
wineserver -p >/dev/null 2>&1 || true
exec wine "$@"
