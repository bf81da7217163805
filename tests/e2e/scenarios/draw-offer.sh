# Where a question stands: two human players on a 6 x 6 wall (no grease spots,
# no blocked nozzle) fill 20 cells so that every line of five holds both colours
# and nobody can win any more. Past half the wall the hint then finds nothing to
# build on for either side and, asked three times, offers a draw. Who begins is
# random, but swapping the colours changes nothing here. The question box is
# titled "Splotchery" and stands beside the wall, not on it.
settings 0 Feld=6 Fettflecken=0 Düse_verstopft=0 Computer=0 Tips=1
start_game
focus_game || fail "the game's window has no keyboard focus"
key ctrl+s
sleep 3   # the introduction and the new-game sequence: a click made while they run is dropped
read_wall empty-wall
[ "$WALL_N" = 6 ] || fail "a wall of $WALL_N cells"

# Column,row of the cells, taken in turn by the two players.
first=(1,5 2,5 3,2 4,3 4,4 4,5 4,6 5,1 5,3 6,2)
second=(1,1 1,3 1,6 2,2 2,3 3,5 4,2 5,4 6,1 6,6)
for n in $(seq 0 9); do
    for cell in "${first[$n]}" "${second[$n]}"; do
        click_cell "${cell%,*}" "${cell#*,}"
        sleep 1.5
    done
done
read_wall position
[ "$(count_cells .)" -eq 16 ] || fail "not 20 splots: $(wall_text)"
for n in 1 2 3; do
    window_titled "Splotchery" >/dev/null && break
    key ctrl+t
    sleep 1
done
wait_for 5 window_titled "Splotchery" || fail "no draw offer after three hints"
sleep 0.5
shot draw-offer
read -r qx qy qw qh < <(outer_geometry "$(window_titled "Splotchery")")
side=$(awk -v s="$WALL_CELL" 'BEGIN { printf "%d", 6 * s }')
log "question box ${qw}x${qh} at $qx,$qy (with its frame), wall ${side}x${side} at $WALL_X,$WALL_Y"
(( qx >= WALL_X + side || qx + qw <= WALL_X || qy >= WALL_Y + side || qy + qh <= WALL_Y )) ||
    fail "the question box covers the wall"
key alt+n
wait_for 5 no_window_titled "Splotchery" || fail "the question stayed"
