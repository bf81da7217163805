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

# Writes the settings file from standard input (CR LF line ends, as the game writes).
write_ini() { sed 's/$/\r/' >"$INI"; }
# ini_get SECTION KEY: the value as written (blanks trimmed).
ini_get() {
    tr -d '\r' <"$INI" | awk -v s="[$1]" -v k="$2" '
        /^\[/ { insec = (tolower($0) == tolower(s)) ; next }
        insec && index($0, "=") { n = substr($0, 1, index($0, "=") - 1); v = substr($0, index($0, "=") + 1)
            gsub(/^[ \t]+|[ \t]+$/, "", n); gsub(/^[ \t]+|[ \t]+$/, "", v)
            if (tolower(n) == tolower(k)) { print v; exit } }'
}

# wait_for TIMEOUT_S COMMAND...: polls until the command succeeds.
wait_for() {
    local limit=$1; shift
    local end=$(( $(date +%s%N) / 1000000 + limit * 1000 ))
    until "$@" >/dev/null 2>&1; do
        [ $(( $(date +%s%N) / 1000000 )) -lt $end ] || return 1
        sleep 0.1
    done
}

# Starts the game and waits for its main window ("Splotchery" in the title,
# the about box gone). Extra environment may be given as VAR=value arguments.
start_game() {
    env "$@" "$SPLOT_BIN" >>"$E2E_DIR/game.log" 2>&1 &
    GAME_PID=$!
    wait_for 20 main_window_shown || fail "the main window did not appear"
    GAME_WIN=$(main_window_id)
    # The about box closes by itself after 2.5 s.
    wait_for 10 about_box_gone || fail "the about box did not close"
    log "game $GAME_PID, window $GAME_WIN"
}
game_windows() { xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null; }
main_window_id() {
    local w
    for w in $(game_windows); do
        case "$(xdotool getwindowname "$w" 2>/dev/null)" in
        Splotchery*) echo "$w"; return 0 ;;
        esac
    done
    return 1
}
main_window_shown() { main_window_id >/dev/null; }
about_box_gone() { ! window_titled "About Splotchery" >/dev/null; }
# window_titled TITLE: the id of the game's visible window with exactly that title.
window_titled() {
    local w
    for w in $(game_windows); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && { echo "$w"; return 0; }
    done
    return 1
}
# The window that has the keyboard focus and its title.
active_title() { xdotool getwindowfocus getwindowname 2>/dev/null; }

# Keys go to whatever has the focus, as a player's keys do.
key() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 40 "$1"; }
# click_at X Y [BUTTON]: a click at window-relative pixel coordinates of the main window.
click_at() { xdotool mousemove --window "$GAME_WIN" "$1" "$2" click "${3:-1}"; }
# The main window's geometry: sets WIN_X WIN_Y WIN_W WIN_H (client area on screen).
window_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$GAME_WIN" | sed 's/^/WIN_/')"
}

# shot NAME: a screenshot of the whole screen into the scenario's folder.
shot() {
    shot_no=$((shot_no + 1))
    import -window root "$E2E_DIR/$(printf '%02d' $shot_no)-$1.png" 2>/dev/null
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

# Starts the game without waiting for a visible window (it may start minimized):
# waits until the about box has come and gone and the main window exists.
start_game_any_state() {
    env "$@" "$SPLOT_BIN" >>"$E2E_DIR/game.log" 2>&1 &
    GAME_PID=$!
    wait_for 20 window_titled "About Splotchery" || fail "the about box did not appear"
    wait_for 10 about_box_gone || fail "the about box did not close"
    wait_for 10 any_main_window || fail "no main window"
    GAME_WIN=$(any_main_window)
    log "game $GAME_PID, window $GAME_WIN"
}
# The main window's id, shown or not.
any_main_window() {
    local w
    for w in $(xdotool search --pid "$GAME_PID" --name '^Splotchery' 2>/dev/null); do
        xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state' && { echo "$w"; return 0; }
    done
    return 1
}
# The WM_STATE of the main window: Normal or Iconic.
window_wm_state() { xprop -id "$GAME_WIN" WM_STATE | sed -n 's/.*window state: *//p'; }
# outer_geometry: "X Y W H" of the main window with its frame (xwininfo's client
# position, as xdotool's is off by the frame here, and _NET_FRAME_EXTENTS).
outer_geometry() {
    local info
    info=$(xwininfo -id "$GAME_WIN")
    WIN_X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    WIN_Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    WIN_WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
    WIN_HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
    local e
    e=$(xprop -id "$GAME_WIN" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    local l r t b
    IFS=, read -r l r t b <<<"${e:-0,0,0,0}"
    echo "$((WIN_X - l)) $((WIN_Y - t)) $((WIN_WIDTH + l + r)) $((WIN_HEIGHT + t + b))"
}
# screen_pixel X Y: the colour of one screen pixel as "R,G,B" (0..255).
screen_pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p' | head -1
}
# frame_extents: sets FRAME_L FRAME_R FRAME_T FRAME_B, the window manager's frame around the main window.
frame_extents() {
    local e
    e=$(xprop -id "$GAME_WIN" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
    IFS=, read -r FRAME_L FRAME_R FRAME_T FRAME_B <<<"${e:-0,0,0,0}"
}

# ---- The wall on screen (an 8 x 8 wall) ----
# grey_runs row|col INDEX: the first pixel and length of each grey run along a
# screen row or column, one "first length" pair a line.
grey_runs() {
    local crop
    if [ "$1" = row ]; then crop="1280x1+0+$2"; else crop="1x800+$2+0"; fi
    import -window root -crop "$crop" -depth 8 txt:- 2>/dev/null | awk -v axis="$1" '
        /^[0-9]/ { split($1, p, "[,:]"); at = axis == "row" ? p[1] : p[2]
                   grey = index($0, "(192,192,192)") > 0
                   if (grey && !(at - 1 in seen)) start[++n] = at
                   if (grey) { seen[at] = 1; len[n]++ } }
        END { for (i = 1; i <= n; i++) print start[i], len[i] }'
}
# The wall as it shows on screen, found by its grey grid lines (an 8 x 8 wall
# has 8 of them each way, at its left or top edge and between the cells) along
# a row and a column through the middle of the window: sets WALL_X WALL_Y CELL
# (pixels) and ZOOM (the cell against its 538 / 15 pixels at the design size).
measure_wall() {
    window_geometry
    frame_extents
    local mid_x=$((WIN_X - FRAME_L + WIN_WIDTH / 2)) mid_y=$((WIN_Y - FRAME_T + WIN_HEIGHT / 2))
    eval "$( { grey_runs row "$mid_y" | cut -d' ' -f1 | tr '\n' ' '; echo; grey_runs col "$mid_x" | cut -d' ' -f1 | tr '\n' ' '; echo; } | awk '
        NR == 1 { nx = split($0, xs, " ") } NR == 2 { ny = split($0, ys, " ") }
        END { if (nx < 8 || ny < 8) { print "WALL_X=; CELL="; exit }
              cx = (xs[8] - xs[1]) / 7; cy = (ys[8] - ys[1]) / 7
              printf "WALL_X=%d WALL_Y=%d CELL=%.2f CELL_Y_SIZE=%.2f ZOOM=%.3f\n", xs[1], ys[1], cx, cy, cx * 15 / 538 }')"
    MID_X=$mid_x MID_Y=$mid_y
    [ -n "$WALL_X" ] || fail "no 8 x 8 grid in the middle of the window"
    awk -v a="$CELL" -v b="$CELL_Y_SIZE" 'BEGIN { exit !(a - b < 1 && b - a < 1) }' || fail "cells of $CELL x $CELL_Y_SIZE"
}
# cell_centre C R: sets CELL_X CELL_Y, the screen pixel at the centre of cell (C, R).
cell_centre() {
    measure_wall
    CELL_X=$(awk -v x="$WALL_X" -v c="$1" -v s="$CELL" 'BEGIN { printf "%d", x + (c - 0.5) * s }')
    CELL_Y=$(awk -v y="$WALL_Y" -v r="$2" -v s="$CELL" 'BEGIN { printf "%d", y + (r - 0.5) * s }')
}
cell_colour() { cell_centre "$1" "$2"; screen_pixel "$CELL_X" "$CELL_Y"; }
# cell_is C R COLOUR: the cell's centre, or a point 3 pixels beside it, shows the colour.
cell_is() {
    cell_centre "$1" "$2"
    local d
    for d in "0 0" "-3 0" "3 0" "0 -3" "0 3"; do
        set -- $d "$3"
        [ "$(screen_pixel $((CELL_X + $1)) $((CELL_Y + $2)))" = "$3" ] && return 0
    done
    return 1
}
ini_is() { [ "$(ini_get "$1" "$2")" = "$3" ]; }
# A later start's settings file: no story, no sound, a normal window at 100, 100
# pixels of 640 x 460.
write_quiet_ini() {
    { printf '[Einstellungen]\nText=0\nSound= 0\n'; window_lines; } | write_ini
}
# window_lines [STATUS]: the [Window] section of a window at 1500/1500 twips,
# 9600 x 6900 twips outside, in state STATUS (0 unless given).
window_lines() {
    printf '[Window]\nStatus= %s\nLeft= 1500\nTop= 1500\nWidth= 9600\nHeight= 6900\n' "${1:-0}"
}
# set_maximized on|off: maximizes or restores the main window as its frame
# button would, and waits until the game has stored the new state.
set_maximized() {
    if [ "$1" = on ]; then
        wmctrl -i -r "$GAME_WIN" -b add,maximized_vert,maximized_horz
        wait_for 5 ini_is Window Status 2 || fail "not maximized"
    else
        wmctrl -i -r "$GAME_WIN" -b remove,maximized_vert,maximized_horz
        wait_for 5 ini_is Window Status 0 || fail "not restored"
    fi
    sleep 1
}
# is_above A B: the number A is larger than B.
is_above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# read_wall NAME: a screenshot, and the wall read from it as a player sees it: WALL_N cells
# across, WALL_X WALL_Y WALL_CELL (screen pixels), CURSOR_C CURSOR_R (0 0: no cursor shows) and
# WALL_ROWS, top row first: R red, B blue, G green (winning line), Y grease, . white, ? other.
read_wall() {
    shot "$1"
    local out
    out=$(python3 "$(dirname "${BASH_SOURCE[0]}")/wall.py" "$E2E_DIR/$(printf '%02d' "$shot_no")-$1.png") || return 1
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
# click_cell C R [REPEAT]: clicks (REPEAT times, 120 ms apart) the middle of a cell of the last read_wall.
click_cell() {
    local x y
    x=$(awk -v l="$WALL_X" -v s="$WALL_CELL" -v c="$1" 'BEGIN { printf "%d", l + (c - 0.5) * s }')
    y=$(awk -v t="$WALL_Y" -v s="$WALL_CELL" -v r="$2" 'BEGIN { printf "%d", t + (r - 0.5) * s }')
    xdotool mousemove "$x" "$y" click --repeat "${3:-1}" --delay 120 1
}
# The game's main window has the keyboard focus.
main_window_active() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$GAME_WIN" ]; }
# The wall shows no splot (read anew).
all_white() { read_wall poll && [ "$(count_cells .)" -eq $((WALL_N * WALL_N)) ]; }
# The game's window has the keyboard focus, as the window manager gives it to a new window; if it
# did not, the window is activated as a click on its frame would.
focus_game() {
    wait_for 5 main_window_active && return 0
    log "the window manager gave the new window no focus: activating it"
    xdotool windowactivate --sync "$GAME_WIN" 2>/dev/null || xdotool windowfocus --sync "$GAME_WIN"
    wait_for 5 main_window_active
}
# For write_ini: the [Window] section of a normal window at (100, 100), 640 x 460 pixels outside.
placed_window_ini() { printf '%s\n' '[Window]' 'Status= 0' 'Left= 1500' 'Top= 1500' 'Width= 9600' 'Height= 6900'; }
