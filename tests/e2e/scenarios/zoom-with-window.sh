# Zoom with window: turned on from the Game menu, it is kept in [Ansicht];
# maximized during a game the whole scene grows, a click on a cell of the
# enlarged wall plays there; restored, the scene is back at its design size;
# the next start finds the choice on.
write_ini <<'INI'
[Einstellungen]
Text=0
Sound= 0
[Window]
Status= 0
Left= 1500
Top= 1500
Width= 9600
Height= 6900
INI

# The wall as it shows on screen, found by its grey grid lines (an 8 x 8 wall
# has 8 of them each way, at its left or top edge and between the cells) along
# a row and a column through the middle of the window: sets WALL_X WALL_Y CELL
# (pixels) and ZOOM (the cell against its 538 / 15 pixels at the design size).
grey_runs() {  # grey_runs ROW|COL INDEX: the first pixel of each grey run along it
    local crop
    if [ "$1" = row ]; then crop="1280x1+0+$2"; else crop="1x800+$2+0"; fi
    import -window root -crop "$crop" -depth 8 txt:- 2>/dev/null | awk -v axis="$1" '
        /^[0-9]/ { split($1, p, "[,:]"); at = axis == "row" ? p[1] : p[2]
                   grey = index($0, "(192,192,192)") > 0
                   if (grey && !(at - 1 in seen)) print at; if (grey) seen[at] = 1 }'
}
measure_wall() {
    window_geometry
    frame_extents
    local mid_x=$((WIN_X - FRAME_L + WIN_WIDTH / 2)) mid_y=$((WIN_Y - FRAME_T + WIN_HEIGHT / 2))
    eval "$( { grey_runs row "$mid_y" | tr '\n' ' '; echo; grey_runs col "$mid_x" | tr '\n' ' '; echo; } | awk '
        NR == 1 { nx = split($0, xs, " ") } NR == 2 { ny = split($0, ys, " ") }
        END { if (nx < 8 || ny < 8) { print "WALL_X=; CELL="; exit }
              cx = (xs[8] - xs[1]) / 7; cy = (ys[8] - ys[1]) / 7
              printf "WALL_X=%d WALL_Y=%d CELL=%.2f CELL_Y_SIZE=%.2f ZOOM=%.3f\n", xs[1], ys[1], cx, cy, cx * 15 / 538 }')"
    [ -n "$WALL_X" ] || fail "no 8 x 8 grid in the middle of the window"
    awk -v a="$CELL" -v b="$CELL_Y_SIZE" 'BEGIN { exit !(a - b < 1 && b - a < 1) }' || fail "cells of $CELL x $CELL_Y_SIZE"
}
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

start_game
[ -z "$(ini_get Ansicht Zoom)" ] || fail "a fresh file has no [Ansicht]"
xdotool windowactivate --sync "$GAME_WIN" 2>/dev/null || xdotool windowfocus --sync "$GAME_WIN"
key alt+g
sleep 0.5
shot game-menu
key z
wait_for 5 ini_is Ansicht Zoom 1 || fail "Zoom is '$(ini_get Ansicht Zoom)' after the menu item"
grep -q "^Zoom= 1" "$INI" || fail "Zoom is not written in the file's number form"

key ctrl+s
sleep 1
wmctrl -i -r "$GAME_WIN" -b add,maximized_vert,maximized_horz
wait_for 5 ini_is Window Status 2 || fail "not maximized"
sleep 1
shot maximized
cell_centre 4 4
log "maximized: zoom $ZOOM, cell (4, 4) at $CELL_X, $CELL_Y"
awk -v z="$ZOOM" 'BEGIN { exit !(z > 1.5) }' || fail "the zoom is only $ZOOM"
[ "$(cell_colour 4 4)" = "255,255,255" ] || fail "cell (4, 4) is not an empty white cell: $(cell_colour 4 4)"
# Blue's move by a click in the middle of the enlarged cell (the computer plays Red).
xdotool mousemove "$CELL_X" "$CELL_Y" click 1
wait_for 10 cell_is 4 4 "0,0,255" || fail "the click did not play: $(cell_colour 4 4)"
sleep 2
shot move-played

wmctrl -i -r "$GAME_WIN" -b remove,maximized_vert,maximized_horz
wait_for 5 ini_is Window Status 0 || fail "not restored"
sleep 1
shot restored
cell_centre 4 4
log "restored: zoom $ZOOM"
# The stored window is a little larger than the design size, so barely zoomed.
awk -v z="$ZOOM" 'BEGIN { exit !(z < 1.1) }' || fail "restored at zoom $ZOOM"
cell_is 4 4 "0,0,255" || fail "the splot is gone after the restore: $(cell_colour 4 4)"

close_game
[ "$(ini_get Ansicht Zoom)" = 1 ] || fail "the choice was not kept"
start_game
key ctrl+s
sleep 1
wmctrl -i -r "$GAME_WIN" -b add,maximized_vert,maximized_horz
sleep 1.5
shot restarted-maximized
cell_centre 1 1
log "after the restart: zoom $ZOOM"
awk -v z="$ZOOM" 'BEGIN { exit !(z > 1.5) }' || fail "the zoom is only $ZOOM"
cell_is 1 1 "255,255,255" || fail "no enlarged wall after the restart"
close_game
