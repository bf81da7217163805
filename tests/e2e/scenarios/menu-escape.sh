# One Escape closes a menu opened from the keyboard and gives the keys back to the wall: the
# next arrow moves the cursor and Enter squirts there (two humans, so the move is the player's).
settings 0 Computer=0
start_game
focus_game || fail "the game's window has no keyboard focus"
cursor_at() { read_wall poll && [ "$CURSOR_C $CURSOR_R" = "$1 $2" ]; }

key ctrl+s
wait_for 15 cursor_at 5 5 || fail "no game started"
sleep 2   # the new-game sequence; keys made during it would be dropped

key alt+g
sleep 0.5
shot menu-open
key Escape
sleep 0.5
shot menu-closed
key Right
wait_for 5 cursor_at 6 5 || fail "after one Escape the arrow did not reach the wall (cursor at $CURSOR_C $CURSOR_R)"
key Return
splotted() { read_wall poll && [ "$(cell_at 6 5)" != . ]; }
wait_for 10 splotted || fail "Enter after the menu painted nothing: $(wall_text)"
read_wall played
log "the wall after the move:"
wall_text
