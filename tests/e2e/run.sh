#!/usr/bin/env bash
# The player's road: starts a real X server (Xvfb) with a small window manager
# (openbox) and plays the built game through xdotool. The scenarios are the files
# in scenarios/, one row each of the table below; a new scenario is a new file
# there (it runs with the helpers of lib.sh; the wall is read by wall.py).
# Only what needs a real X server and window manager lives here:
#   keyboard-game         focus given by the window manager; a whole game by keys, a click during a move,
#                         one Escape from a menu opened by the keyboard gives the keys back to the wall
#   placement-kept        the window's placement and state, start to start
#   options-fixed-dialog  a fixed dialog's hints, and its focus coming back with the main window
#   draw-offer            where a question stands
#   magnified-screen      a screen smaller than the window's design: the window fits, a click plays
#   continue-game         a master game closed during its move comes back after a restart and goes on
#   screen-reader         the game as a screen reader hears it over AT-SPI (its own D-Bus session)
# Usage: tests/e2e/run.sh <build dir> [scenario name ...]
# Prints one line per scenario and "N passed, N failed" at the end.
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run.sh <build dir> [scenario ...]}" && pwd)
shift
export SPLOT_BIN="$build/shell/splotchery"
[ -x "$SPLOT_BIN" ] || { echo "no game at $SPLOT_BIN" >&2; exit 2; }

export E2E_OUT="$build/e2e"
rm -rf "$E2E_OUT"
mkdir -p "$E2E_OUT"

# A display of our own: Xvfb picks a free number and tells it.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$E2E_OUT/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display_no <&3 || { echo "Xvfb did not start" >&2; cat "$E2E_OUT/xvfb.log" >&2; exit 2; }
exec 3<&-
export DISPLAY=":$display_no"
wm_pid=""
cleanup() { kill $wm_pid "$xvfb_pid" 2>/dev/null; wait 2>/dev/null; }
trap cleanup EXIT
# The server answers before anything else talks to it.
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# The window manager is up when it owns the screen's selection. On a loaded
# machine openbox now and then gives up at start; it gets three tries.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_wm() {
    local try
    for try in 1 2 3; do
        openbox --sm-disable >>"$E2E_OUT/openbox.log" 2>&1 &
        wm_pid=$!
        for _ in $(seq 100); do
            wm_up && return 0
            kill -0 "$wm_pid" 2>/dev/null || break
            sleep 0.1
        done
        wm_up && return 0
        kill "$wm_pid" 2>/dev/null
        echo "openbox did not start (try $try)" >&2
        sleep 1
    done
    echo "no window manager" >&2
    cat "$E2E_OUT/openbox.log" >&2
    exit 2
}
start_wm

if [ $# -gt 0 ]; then
    scenarios=()
    for s in "$@"; do scenarios+=("$here/scenarios/$s.sh"); done
else
    scenarios=("$here"/scenarios/*.sh)
fi

passed=0 failed=0
for s in "${scenarios[@]}"; do
    name=$(basename "$s" .sh)
    export E2E_NAME="$name"
    export E2E_DIR="$E2E_OUT/$name"
    mkdir -p "$E2E_DIR/config/splotchery" "$E2E_DIR/runtime"
    chmod 700 "$E2E_DIR/runtime"
    # A window manager that went away under load is started again.
    wm_up || start_wm
    start=$(date +%s)
    if timeout 300 bash -c 'source "$1"; source "$2"; e2e_end' _ "$here/lib.sh" "$s" >"$E2E_DIR/log" 2>&1; then
        passed=$((passed + 1)); echo "PASS  $name ($(( $(date +%s) - start )) s)"
    else
        failed=$((failed + 1)); echo "FAIL  $name ($(( $(date +%s) - start )) s)"; tail -30 "$E2E_DIR/log" | sed 's/^/      /'
        echo "      screenshots and log: $E2E_DIR"
    fi
    # Nothing of one scenario lives on into the next.
    pkill -f "^$SPLOT_BIN" 2>/dev/null
done
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
