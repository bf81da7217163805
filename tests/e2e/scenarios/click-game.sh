# A click game between two humans to a result. The first move is a double click, and while its
# squirt runs the player clicks another cell: only the first click plays, the turn passes once.
# Then the side that began lays five in a row and wins; further clicks do nothing, and the next
# game starts on a white wall.
{
    cat <<'INI'
[Einstellungen]
Text=0
Sound=0
Computer=0
Feld=6
INI
    placed_window_ini
} | write_ini
start_game
focus_game || fail "the game's window has no keyboard focus"
# Cell (C, R) shows WHAT (read anew), or anything but white.
shows() { read_wall poll && [ "$(cell_at "$1" "$2")" = "$3" ]; }
painted() { read_wall poll && [ "$(cell_at "$1" "$2")" != . ]; }
ready() { read_wall poll && [ "$CURSOR_C $CURSOR_R" = "4 4" ]; }
key ctrl+s
wait_for 15 ready || fail "no game started"
sleep 2   # the new-game sequence
[ "$WALL_N" -eq 6 ] || fail "a wall of $WALL_N cells"

# The double click on (1, 1), and a click on (6, 6) in the middle of the squirt.
click_cell 1 1 2
sleep 0.15
click_cell 6 6
sleep 2
read_wall after-double-click
first=$(cell_at 1 1)
case "$first" in R) second=B ;; B) second=R ;; *) fail "no splot at (1, 1): $(wall_text)" ;; esac
[ "$(count_cells "$first")" -eq 1 ] && [ "$(count_cells "$second")" -eq 0 ] ||
    fail "more than one move was made: $(wall_text)"

# The other side answers in row 3, the first side fills row 1 and wins.
for c in 1 2 3 4; do
    click_cell "$c" 3
    wait_for 10 shows "$c" 3 "$second" || fail "no splot at ($c, 3)"
    sleep 0.5
    click_cell $((c + 1)) 1
    sleep 0.3
    # a click made while this squirt runs is dropped
    [ "$c" -eq 2 ] && click_cell 6 5
    wait_for 10 painted $((c + 1)) 1 || fail "no splot at ($((c + 1)), 1)"
    sleep 1
done
read_wall result
line=$(wall_text | tr -d '\n')
# The winning line is green through the centres of row 1's five cells.
[ "${line:0:6}" = "GGGGG." ] && [ "${line:12:6}" = "$second$second$second$second.." ] ||
    fail "not five in row 1 for the side that began: $(wall_text)"
[ "$(count_cells .)" -eq $((36 - 9)) ] || fail "stray splots: $(wall_text)"
[ "$(xdotool getwindowname "$GAME_WIN")" = "Splotchery  1.24" ] || fail "the title changed"

# A decided game: clicks do nothing.
click_cell 6 6
sleep 1.5
read_wall after-the-end
[ "$(wall_text | tr -d '\n')" = "$line" ] || fail "a click after the end changed the wall"

key ctrl+s
wait_for 15 all_white || fail "no new game after the result"
