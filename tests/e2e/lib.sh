# Helpers for the end-to-end scenarios: a scenario is a bash file in scenarios/
# that calls these; any failing helper or `fail` ends it with a message.
# Every scenario has its own settings folder ($E2E_DIR/config) and a fresh game.
set -euo pipefail

export HOME="$E2E_DIR"
export XDG_CONFIG_HOME="$E2E_DIR/config"
export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
export QT_QPA_PLATFORM=xcb
export QT_LOGGING_RULES="qt.multimedia*=false"
INI="$XDG_CONFIG_HOME/splotchery/splot.ini"
GAME_PID=""
GAME_WIN=""
shot_no=0

fail() { echo "FAILED: $*"; shot "failure" || true; exit 1; }
log() { echo "-- $*"; }

# ---- The settings file ----
# settings STATUS [LINE ...]: a later start's file as the game writes it (CR LF): [Einstellungen]
# without the story and the sound, the lines given (a line "[Name]" opens a section), then the
# window at 100, 100, 640 x 460 pixels outside (1500/1500, 9600 x 6900 twips) in state STATUS
# (0 normal, 1 minimized, 2 maximized). A first start has no file: rm -f "$INI".
settings() {
    local status=$1; shift
    { printf '%s\n' '[Einstellungen]' 'Text=0' 'Sound=0' "$@" '[Window]' "Status= $status" \
          'Left= 1500' 'Top= 1500' 'Width= 9600' 'Height= 6900'; } | sed 's/$/\r/' >"$INI"
}
# ini_get SECTION KEY: the value as written (blanks trimmed).
ini_get() {
    tr -d '\r' <"$INI" | awk -v s="[$1]" -v k="$2" '
        /^\[/ { insec = (tolower($0) == tolower(s)) ; next }
        insec && index($0, "=") { n = substr($0, 1, index($0, "=") - 1); v = substr($0, index($0, "=") + 1)
            gsub(/^[ \t]+|[ \t]+$/, "", n); gsub(/^[ \t]+|[ \t]+$/, "", v)
            if (tolower(n) == tolower(k)) { print v; exit } }'
}
ini_is() { [ "$(ini_get "$1" "$2")" = "$3" ]; }

# wait_for TIMEOUT_S COMMAND...: polls until the command succeeds.
wait_for() {
    local limit=$1; shift
    local end=$(( $(date +%s%N) / 1000000 + limit * 1000 ))
    until "$@" >/dev/null 2>&1; do
        [ $(( $(date +%s%N) / 1000000 )) -lt $end ] || return 1
        sleep 0.1
    done
}

# ---- The game and its windows ----
# start_game [VAR=value ...]: starts the game (with that environment) and waits until the about
# box has come and gone and the main window exists, shown or not (it may start minimized).
start_game() {
    env "$@" "$SPLOT_BIN" >>"$E2E_DIR/game.log" 2>&1 &
    GAME_PID=$!
    wait_for 20 window_titled "About Splotchery" || fail "the about box did not appear"
    wait_for 10 about_box_gone || fail "the about box did not close"
    wait_for 10 main_window || fail "no main window"
    GAME_WIN=$(main_window)
    log "game $GAME_PID, window $GAME_WIN"
}
# The main window's id, shown or not.
main_window() {
    local w
    for w in $(xdotool search --pid "$GAME_PID" --name '^Splotchery' 2>/dev/null); do
        xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state' && { echo "$w"; return 0; }
    done
    return 1
}
about_box_gone() { ! window_titled "About Splotchery" >/dev/null; }
# window_titled TITLE: the id of the game's visible window with exactly that title.
window_titled() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && { echo "$w"; return 0; }
    done
    return 1
}
no_window_titled() { ! window_titled "$1" >/dev/null; }
# The title of the window that has the keyboard focus.
active_title() { xdotool getwindowfocus getwindowname 2>/dev/null; }
main_window_active() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$GAME_WIN" ]; }
# window_state [WINDOW]: the WM_STATE of a window (the main window unless given): Normal or Iconic.
window_state() { xprop -id "${1:-$GAME_WIN}" WM_STATE | sed -n 's/.*window state: *//p'; }
# outer_geometry [WINDOW]: "X Y W H" of a window with its frame (xwininfo's client position, as
# xdotool's is off by the frame here, and _NET_FRAME_EXTENTS).
outer_geometry() {
    local win=${1:-$GAME_WIN} info x y w h l r t b
    info=$(xwininfo -id "$win")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/^ *Width: *//p' <<<"$info")
    h=$(sed -n 's/^ *Height: *//p' <<<"$info")
    IFS=, read -r l r t b < <(xprop -id "$win" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' '; echo)
    echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}

# Keys go to whatever has the focus, as a player's keys do.
key() { xdotool key --delay 60 "$@"; }

# shot NAME: a screenshot of the whole screen into the scenario's folder.
shot() {
    shot_no=$((shot_no + 1))
    SHOT="$E2E_DIR/$(printf '%02d' $shot_no)-$1.png"
    import -window root "$SHOT" 2>/dev/null
}

# Closes the game as the window frame would (no question) and waits for it to end.
close_game() {
    [ -n "$GAME_PID" ] || return 0
    wmctrl -i -c "$GAME_WIN" 2>/dev/null || xdotool windowclose "$GAME_WIN" 2>/dev/null || true
    wait_for 10 game_ended || { kill "$GAME_PID" 2>/dev/null; fail "the game did not end on close"; }
    GAME_PID=""
}
game_ended() { ! kill -0 "$GAME_PID" 2>/dev/null; }

# Runs after every scenario: a game still running is a fault of the scenario's
# own making only if it hangs on close.
e2e_end() { if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then close_game; fi; }

# The game's window has the keyboard focus, as the window manager gives it to a new window; if it
# did not, the window is activated as a click on its frame would.
focus_game() {
    wait_for 5 main_window_active && return 0
    log "the window manager gave the new window no focus: activating it"
    xdotool windowactivate --sync "$GAME_WIN" 2>/dev/null || xdotool windowfocus --sync "$GAME_WIN"
    wait_for 5 main_window_active
}

# ---- The wall on screen, read by wall.py ----
# read_wall NAME: a screenshot, and the wall read from it as a player sees it: WALL_N cells
# across, WALL_X WALL_Y WALL_CELL (screen pixels), CURSOR_C CURSOR_R (0 0: no cursor shows) and
# WALL_ROWS, top row first: R red, B blue, G green (winning line), Y grease, . white, ? other.
read_wall() {
    shot "$1"
    local out
    out=$(python3 "$(dirname "${BASH_SOURCE[0]}")/wall.py" "$SHOT") || return 1
    WALL_N=$(awk '$1 == "N" { print $2 }' <<<"$out")
    read -r WALL_X WALL_Y WALL_CELL < <(awk '$1 == "GEOMETRY" { print $2, $3, $4 }' <<<"$out")
    read -r CURSOR_C CURSOR_R < <(awk '$1 == "CURSOR" { print $2, $3 }' <<<"$out")
    mapfile -t WALL_ROWS < <(awk '$1 == "ROW" { print $2 }' <<<"$out")
}
# cell_at C R: what the last read_wall saw at column C, row R.
cell_at() { echo "${WALL_ROWS[$2 - 1]:$(($1 - 1)):1}"; }
# count_cells CHAR: how many cells of the last read_wall show CHAR.
count_cells() { local all; all=$(printf '%s' "${WALL_ROWS[@]}"); all=${all//[^$1]/}; echo "${#all}"; }
# The wall as last read, one row a line.
wall_text() { printf '%s\n' "${WALL_ROWS[@]}"; }
# click_cell C R: clicks the middle of a cell of the last read_wall.
click_cell() {
    xdotool mousemove "$(awk -v l="$WALL_X" -v s="$WALL_CELL" -v c="$1" 'BEGIN { printf "%d", l + (c - 0.5) * s }')" \
        "$(awk -v t="$WALL_Y" -v s="$WALL_CELL" -v r="$2" 'BEGIN { printf "%d", t + (r - 0.5) * s }')" click 1
}
# The wall shows no splot (read anew).
all_white() { read_wall poll && [ "$(count_cells .)" -eq $((WALL_N * WALL_N)) ]; }
