# On a magnified screen (QT_SCALE_FACTOR 2 on the 1280 x 800 screen, that is 640 x 400 pixels of
# the program, less than its window's design) the window fits the screen and the whole booth shows,
# drawn smaller: green all round it, the title above it, the wall in it, the label at the bottom;
# a click on the wall plays there.
settings 0   # a window of 640 x 460 pixels stored: more than the screen holds
start_game QT_SCALE_FACTOR=2
focus_game || fail "the game's window has no keyboard focus"
sleep 1
shot magnified
read -r ox oy ow oh <<<"$(outer_geometry)"
log "outer window $ox $oy ${ow}x$oh"
[ "$ox" -ge 0 ] && [ "$oy" -ge 0 ] && [ $((ox + ow)) -le 1280 ] && [ $((oy + oh)) -le 800 ] ||
    fail "the window does not fit the screen: $ox $oy ${ow}x$oh"

key ctrl+s
sleep 2
read_wall started
[ "$WALL_N" = 8 ] || fail "no 8 x 8 wall seen"
# The client area, without the frame.
info=$(xwininfo -id "$GAME_WIN")
WIN_X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
WIN_Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
WIN_WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
WIN_HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
# One screen pixel as "R,G,B".
screen_pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p' | head -1
}
is_above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
log "client $WIN_X $WIN_Y ${WIN_WIDTH}x$WIN_HEIGHT, wall at $WALL_X $WALL_Y, cell $WALL_CELL"
# Smaller than at twice the design: 538 / 15 design pixels a cell, 72 screen pixels.
is_above 71 "$WALL_CELL" || fail "the wall is not drawn smaller: cells of $WALL_CELL"
# The booth, found from the wall inside it (at 2000, 100 twips; 543 x 345 design pixels), lies
# inside the window above the label, with green beside it and the title's colours above it.
read -r bl bt br bb < <(awk -v x="$WALL_X" -v y="$WALL_Y" -v c="$WALL_CELL" 'BEGIN { z = c * 15 / 538
    printf "%d %d %d %d\n", x - 2000 / 15 * z, y - 100 / 15 * z, x + (543 - 2000 / 15) * z, y + (345 - 100 / 15) * z }')
label_top=$((WIN_Y + WIN_HEIGHT - 40))
log "booth $bl $bt $br $bb, label from $label_top"
[ "$bl" -gt "$WIN_X" ] && [ "$br" -lt $((WIN_X + WIN_WIDTH)) ] && [ "$bt" -gt "$WIN_Y" ] && [ "$bb" -lt "$label_top" ] ||
    fail "the booth is not inside the window above the label"
[ "$(screen_pixel $((bl - 4)) $(((bt + bb) / 2)))" = 0,128,0 ] || fail "no green left of the booth"
[ "$(screen_pixel $((br + 4)) $(((bt + bb) / 2)))" = 0,128,0 ] || fail "no green right of the booth"
[ "$(screen_pixel $((WIN_X + WIN_WIDTH - 12)) $((WIN_Y + WIN_HEIGHT - 12)))" = 192,192,192 ] || fail "no label"
title_row=$((bt - (bt - WIN_Y) / 3))
coloured=$(import -window root -crop "${WIN_WIDTH}x1+$WIN_X+$title_row" -depth 8 txt:- 2>/dev/null |
    grep -c -v '(0,128,0)\|^#')
log "$coloured pixels of the title along row $title_row"
[ "$coloured" -gt 100 ] || fail "no title above the booth"

# A click on the wall squirts there.
click_cell 1 8
blue_there() { read_wall poll && [ "$(cell_at 1 8)" = B ]; }
wait_for 10 blue_there || fail "the click painted nothing at (1, 8): $(wall_text)"
read_wall played
wall_text
close_game
