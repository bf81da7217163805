# Zoom with window: turned on from the Game menu, it is kept in [Ansicht];
# maximized during a game the whole scene grows, a click on a cell of the
# enlarged wall plays there; restored, the scene is back at its design size;
# the next start finds the choice on.
write_quiet_ini

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
# The introduction and the new-game sequence take about 2 s; a click made while
# they run is dropped.
sleep 3
set_maximized on
shot maximized
cell_centre 4 4
log "maximized: zoom $ZOOM, cell (4, 4) at $CELL_X, $CELL_Y"
is_above "$ZOOM" 1.5 || fail "the zoom is only $ZOOM"
[ "$(cell_colour 4 4)" = "255,255,255" ] || fail "cell (4, 4) is not an empty white cell: $(cell_colour 4 4)"
# Blue's move by a click in the middle of the enlarged cell (the computer plays Red).
xdotool mousemove "$CELL_X" "$CELL_Y" click 1
wait_for 10 cell_is 4 4 "0,0,255" || fail "the click did not play: $(cell_colour 4 4)"
sleep 2
shot move-played

set_maximized off
shot restored
cell_centre 4 4
log "restored: zoom $ZOOM"
# The stored window is a little larger than the design size, so barely zoomed.
is_above 1.1 "$ZOOM" || fail "restored at zoom $ZOOM"
cell_is 4 4 "0,0,255" || fail "the splot is gone after the restore: $(cell_colour 4 4)"

close_game
[ "$(ini_get Ansicht Zoom)" = 1 ] || fail "the choice was not kept"
start_game
key ctrl+s
sleep 1
set_maximized on
shot restarted-maximized
cell_centre 1 1
log "after the restart: zoom $ZOOM"
is_above "$ZOOM" 1.5 || fail "the zoom is only $ZOOM"
cell_is 1 1 "255,255,255" || fail "no enlarged wall after the restart"
close_game
