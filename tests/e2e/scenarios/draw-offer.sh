# The draw offer on the real X server: two human players on a 6 x 6 wall
# (no grease spots, no blocked nozzle) fill 20 cells so that every line of
# five holds both colours and nobody can win any more. Past half the wall the
# hint then finds nothing to build on for either side and, asked three times,
# offers a draw. Who begins is random, but swapping the colours changes
# nothing here. The question box is titled "Splotchery" and stands beside the
# wall, not on it.
write_ini <<'INI'
[Einstellungen]
Text=0
Feld=6
Fettflecken=0
Düse_verstopft=0
Computer=0
Tips=1
Sound=0
INI
start_game
key ctrl+s
# The introduction and the new-game sequence take about 2 s; a click made while
# they run is dropped.
sleep 3
shot empty-wall
# The wall on screen: the one big white area of the picture ("W H X Y").
wall=$(convert "$E2E_DIR/01-empty-wall.png" -fill black +opaque white -morphology Close Square:1 \
    -define connected-components:verbose=true -define connected-components:area-threshold=20000 \
    -connected-components 4 null: | awk '/srgb\(255,255,255\)/ { print $2; exit }')
[[ "$wall" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "no wall found on screen"
WALL_W=${BASH_REMATCH[1]} WALL_H=${BASH_REMATCH[2]} WALL_X=${BASH_REMATCH[3]} WALL_Y=${BASH_REMATCH[4]}
log "wall ${WALL_W}x${WALL_H} at $WALL_X,$WALL_Y"

# Column,row of the cells, taken in turn by the two players (clicked: the
# cell's centre on screen).
first=(1,5 2,5 3,2 4,3 4,4 4,5 4,6 5,1 5,3 6,2)
second=(1,1 1,3 1,6 2,2 2,3 3,5 4,2 5,4 6,1 6,6)
play_cell() {
    local c=${1%,*} r=${1#*,}
    xdotool mousemove $((WALL_X + (2 * c - 1) * WALL_W / 12)) $((WALL_Y + (2 * r - 1) * WALL_H / 12)) click 1
    sleep 1.5
}
for n in $(seq 0 9); do
    play_cell "${first[$n]}"
    play_cell "${second[$n]}"
done
shot position
question_shown() { window_titled "Splotchery"; }
for n in 1 2 3; do
    question_shown >/dev/null && break
    key ctrl+t
    sleep 1
done
wait_for 5 question_shown || fail "no draw offer after three hints"
Q=$(window_titled "Splotchery")
sleep 0.5
shot draw-offer
read -r qx qy qw qh < <(GAME_WIN=$Q outer_geometry)
log "question box ${qw}x${qh} at $qx,$qy (with its frame)"
(( qx >= WALL_X + WALL_W || qx + qw <= WALL_X || qy >= WALL_Y + WALL_H || qy + qh <= WALL_Y )) ||
    fail "the question box covers the wall"
key alt+n
wait_for 5 bash -c '! xdotool search --onlyvisible --name "^Splotchery$" | grep -q .' || fail "the question stayed"
