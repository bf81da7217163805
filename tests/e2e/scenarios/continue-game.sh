# Continues a game after closing, on the real X server: against the master, the window closed by
# its frame while the computer is making its move, the program started again with an empty wall,
# and Ctrl+R brings the game back as it was left; the computer then makes the move it was making.
settings 0 Computer=-1 Spielstärke=4
start_game
focus_game || fail "the window has no focus"
key ctrl+s
sleep 4   # the introduction, the new game, and the computer's first splot when it begins
read_wall started || fail "no wall"
reds=$(count_cells R)
key Left Return
landed() { read_wall poll && [ "$(count_cells B)" = 1 ]; }
wait_for 10 landed || fail "the move did not land: $(wall_text)"
before=$(wall_text)
close_game
# On a busy machine the computer's splot may have shown before the close: then it comes back with the rest.
answer=1
[ "$(count_cells R)" = "$reds" ] || { answer=0; log "the computer had answered before the close"; }
# Kept with the computer to move, or with the move it had chosen (its splot not yet shown).
ini_is Partie Spielstaerke 4 || fail "not kept as a master game: $(ini_get Partie Spielstaerke)"
log "kept: $(ini_get Partie Zuege), $(ini_get Partie AmZug) to move"

start_game
focus_game || fail "the window has no focus"
read_wall empty && fail "a wall shows before the game is continued"
key ctrl+r   # the painters step up to the wall, then the game is there again
answered() { read_wall poll && [ "$(count_cells R)" = $((reds + 1)) ]; }
wait_for 16 answered || fail "the game did not come back with the computer's answer: $(wall_text)"
# The wall as left, and the computer's splot if it had not shown yet.
[ "$(cmp -l <(echo "$before") <(wall_text) | wc -l)" = $answer ] || fail "the wall reads otherwise: $(wall_text)"
