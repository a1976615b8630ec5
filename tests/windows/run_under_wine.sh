#!/usr/bin/env bash
# Runs the Windows test programs under Wine, as CTest calls it from the Windows build:
#   run_under_wine.sh STATE --start         one virtual X server and a Wine prefix, kept up
#   run_under_wine.sh STATE PROGRAM [ARGS]  runs one test program there
#   run_under_wine.sh STATE --stop          ends both
# STATE is a folder of the build (the prefix, the display's number, the X server's id). Every
# program sees the same display, so the editor's windows and the host's input work headless;
# a wineserver started with --start stays up between programs, so each one starts quickly.
set -euo pipefail
state=$1
shift
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEPREFIX=$state/prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="

display_of_state() {
  [[ -s $state/display ]] || { echo "run_under_wine: no X server; run with --start first" >&2; exit 1; }
  echo ":$(cat "$state/display")"
}

case ${1:-} in
  --start)
    mkdir -p "$state"
    if [[ -s $state/xvfb.pid ]] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
      echo "run_under_wine: the X server of $state is up"
    else
      rm -f "$state/display"
      # -displayfd: the server picks a free display and writes its number when it is ready.
      Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp -noreset 3>"$state/display" </dev/null \
        >"$state/xvfb.log" 2>&1 &
      echo $! >"$state/xvfb.pid"
      for _ in $(seq 100); do [[ -s $state/display ]] && break; sleep 0.1; done
      [[ -s $state/display ]] || { echo "run_under_wine: Xvfb did not start" >&2; exit 1; }
    fi
    export DISPLAY=$(display_of_state)
    start=$SECONDS
    # A fresh prefix is made once (some seconds, ~700 MB); later runs reuse it. wineboot
    # complains of the 32-bit half Debian's wine64 lacks and may say so in its status: the
    # prefix's registry is what counts.
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
      "$wine64" wineboot --init </dev/null >"$state/wineboot.log" 2>&1 || true
      # The server writes the registry when it ends.
      "$wineserver" -w
      [[ -f $WINEPREFIX/system.reg ]] ||
        { cat "$state/wineboot.log" >&2; echo "run_under_wine: no Wine prefix made" >&2; exit 1; }
    fi
    # Started without our output streams, which CTest waits on until the last holder closes them.
    "$wineserver" -p </dev/null >/dev/null 2>&1
    echo "run_under_wine: Wine prefix $WINEPREFIX on display $DISPLAY ready in $((SECONDS - start)) s"
    ;;
  --stop)
    "$wineserver" -k 2>/dev/null || true
    if [[ -s $state/xvfb.pid ]]; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true; fi
    rm -f "$state/xvfb.pid" "$state/display"
    ;;
  *)
    export DISPLAY=$(display_of_state)
    program=$1
    shift
    # The output goes through a file: Wine's helper processes (the desktop, the services)
    # outlive the program and would hold a pipe open, and CTest waits for its pipe to close.
    # Windows programs end their lines with CR LF; the log reads better without the CRs.
    log=$(mktemp "$state/run.XXXXXX")
    status=0
    "$wine64" "$program" "$@" </dev/null >"$log" 2>&1 || status=$?
    tr -d '\r' <"$log"
    rm -f "$log"
    exit $status
    ;;
esac
