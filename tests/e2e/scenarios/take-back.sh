# Takes a move back with Ctrl+Z on the real X server: the window after the take
# back shows exactly what it showed before the move (wall, painters, pump and
# label). Then the Game menu and the record dialog, whose Reset asks first.
write_quiet_ini
printf '[Statistik]\r\nVerloren1= 3\r\nGewonnen1= 2\r\n' >>"$INI"

# window_shot NAME: the main window's own picture, also kept with the screenshots.
window_shot() {
    shot_no=$((shot_no + 1))
    import -window "$GAME_WIN" "$E2E_DIR/$(printf '%02d' $shot_no)-$1.png" 2>/dev/null
    cp "$E2E_DIR/$(printf '%02d' $shot_no)-$1.png" "$E2E_DIR/$1.png"
}
# differing A B: how many pixels of two pictures differ.
differing() { { compare -metric AE "$E2E_DIR/$1.png" "$E2E_DIR/$2.png" null: 2>&1 || true; } | cut -d' ' -f1; }

start_game
key ctrl+s
sleep 4   # the introduction, the new game, maybe the computer's first move (in the middle)
key Left  # a free cell
sleep 0.5
window_shot before
key Return
sleep 4   # the squirt and the computer's reply
window_shot moved
[ "$(differing before moved)" -gt 0 ] || fail "the move changed nothing"
key ctrl+z
sleep 2   # the painters' short rest
window_shot taken-back
n=$(differing before taken-back)
[ "$n" = "0" ] || fail "after the take back $n pixels differ from before the move"
# Nothing left to take back: a second Ctrl+Z changes nothing.
key ctrl+z
sleep 1
window_shot again
[ "$(differing before again)" = "0" ] || fail "a second Ctrl+Z changed the window"

# The Game menu, then the record with its counts from the file.
key alt+g
sleep 0.5
shot game-menu
key r Return
wait_for 5 window_titled "Record" || fail "no record dialog"
sleep 0.5
shot record
key alt+r
sleep 1
shot reset-question
key alt+y
sleep 0.5
shot record-reset
key Return
sleep 0.5
[ "$(ini_get Statistik Verloren1)" = "0" ] || fail "Verloren1 is $(ini_get Statistik Verloren1) after the reset"
[ "$(ini_get Einstellungen Sound)" = "0" ] || fail "the settings changed"
