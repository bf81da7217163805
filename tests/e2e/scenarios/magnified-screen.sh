# On a magnified screen (QT_SCALE_FACTOR 2 on the 1280 x 800 screen, that is 640 x 400 pixels of
# the program, less than its window's design) the window with its frame fits the screen, the wall
# shows drawn smaller than at twice the design, and a click on the wall plays there.
settings 0 Computer=0   # two players; a window of 640 x 460 pixels stored: more than the screen holds
start_game QT_SCALE_FACTOR=2
focus_game || fail "the game's window has no keyboard focus"
sleep 1
read -r ox oy ow oh <<<"$(outer_geometry)"
log "outer window $ox $oy ${ow}x$oh"
[ "$ox" -ge 0 ] && [ "$oy" -ge 0 ] && [ $((ox + ow)) -le 1280 ] && [ $((oy + oh)) -le 800 ] ||
    fail "the window does not fit the screen: $ox $oy ${ow}x$oh"

key ctrl+s
sleep 2
read_wall started
[ "$WALL_N" = 8 ] || fail "no 8 x 8 wall seen"
# At twice the design a cell is 538 / 15 design pixels, 72 screen pixels.
awk -v c="$WALL_CELL" 'BEGIN { exit !(c < 71) }' || fail "the wall is not drawn smaller: cells of $WALL_CELL"
click_cell 1 8
painted() { read_wall poll && [[ "$(cell_at 1 8)" == [RB] ]]; }   # either player may begin
wait_for 10 painted || fail "the click painted nothing at (1, 8): $(wall_text)"
