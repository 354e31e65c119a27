#!/usr/bin/env bash
# Runs a Windows program under Wine: the emulator through which CTest runs
# the tests of the windows preset. The Wine prefix is made once (in
# ~/.cache/veritor/wine unless WINEPREFIX or VERITOR_WINEPREFIX says
# otherwise) and a wine server is kept alive between the runs, so that each
# test does not start Wine afresh. `scripts/wine.sh --stop` ends that server
# and the session's processes.
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-${VERITOR_WINEPREFIX:-$HOME/.cache/veritor/wine}}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
if [ "${1:-}" = --stop ]; then
  exec wineserver -k
fi
mkdir -p "$WINEPREFIX"
(
  # One test at a time starts the session (and makes the prefix, the first
  # time); the others wait here until it is ready.
  flock 9
  # A persistent server stays after the last program ends, and so do the
  # session's own processes (services, plugplay, rpcss). The first program
  # of a session starts them and they inherit its standard error: were that
  # a test, they would hold its output pipe open long after it ended, and
  # CTest would wait for them until its timeout. So a new server's session
  # is started here, by a program whose handles lead nowhere. Neither may
  # keep the lock's descriptor, or no later run would get past the lock.
  status=0
  wineserver -p </dev/null >/dev/null 2>&1 9>&- || status=$?
  if [ "$status" = 0 ]; then
    wineboot --init </dev/null >/dev/null 2>&1 9>&-
  fi
) 9>"$WINEPREFIX.lock"

# A terminal is waited on by no one: a program run by hand keeps it.
if [ -t 1 ] && [ -t 2 ]; then
  exec wine "$@"
fi
# Otherwise the program writes into files of its own, passed on once it has
# ended. Wine may start processes on the program's behalf that outlive it: a
# session service it finds missing, or a whole new server and session when
# the one above has just been ended (by `--stop`, or by another checkout's
# run sharing the prefix). Those inherit the program's standard output and
# error; were these CTest's pipes, CTest would wait for them to close until
# the test's timeout, long after the program had passed.
captured="$(mktemp -d)"
trap 'rm -rf "$captured"' EXIT
status=0
wine "$@" >"$captured/out" 2>"$captured/err" || status=$?
cat "$captured/out"
cat "$captured/err" >&2
exit "$status"
