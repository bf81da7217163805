# At a fractional scale (QT_SCALE_FACTOR 1.5) every grid line of the wall is
# equally wide on screen: one device pixel at the design size, and evenly
# wider on the zoomed wall of a maximized window.
write_quiet_ini

# The widths of the 8 grid lines across the middle of the wall (after measure_wall).
grid_widths() { grey_runs row "$MID_Y" | head -8 | cut -d' ' -f2 | tr '\n' ' '; }

start_game QT_SCALE_FACTOR=1.5
key ctrl+s
sleep 1.5
shot scale-1.5
measure_wall
widths=$(grid_widths)
log "at the design size: grid lines $widths"
[ "$widths" = "1 1 1 1 1 1 1 1 " ] || fail "uneven grid at 1.5: $widths"

xdotool windowactivate --sync "$GAME_WIN" 2>/dev/null || xdotool windowfocus --sync "$GAME_WIN"
key alt+g z
wait_for 5 ini_is Ansicht Zoom 1 || fail "the choice was not turned on"
set_maximized on
shot scale-1.5-zoomed
measure_wall
widths=$(grid_widths)
log "zoomed $ZOOM (screen pixels to a design pixel): grid lines $widths"
first=${widths%% *}
[ "$widths" = "$(printf "$first %.0s" 1 2 3 4 5 6 7 8)" ] || fail "uneven grid when zoomed: $widths"
is_above "$ZOOM" 1.5 || fail "the zoom is only $ZOOM"
close_game
