# Continues a game after closing, on the real X server: two moves between two
# players, the window closed by its frame, the program started again with an
# empty wall, Ctrl+R brings the game back and the wall reads the same, the
# window's picture pixel for pixel; then a replay stopped by a key.
settings 0 Computer=0

# window_shot NAME: the main window's own picture, also kept with the screenshots.
window_shot() {
    shot_no=$((shot_no + 1))
    import -window "$GAME_WIN" "$E2E_DIR/$(printf '%02d' $shot_no)-$1.png" 2>/dev/null
    cp "$E2E_DIR/$(printf '%02d' $shot_no)-$1.png" "$E2E_DIR/$1.png"
}
differing() { { compare -metric AE "$E2E_DIR/$1.png" "$E2E_DIR/$2.png" null: 2>&1 || true; } | cut -d' ' -f1; }

start_game
focus_game || fail "the window has no focus"
key ctrl+s
sleep 4   # the introduction and the new game
key Left Return
sleep 3   # the squirt
key Up Return
sleep 3
read_wall left || fail "no wall"
[ "$(count_cells R)" = 1 ] && [ "$(count_cells B)" = 1 ] || fail "two moves did not land: $(wall_text)"
before=$(wall_text)
window_shot left
close_game
[ "$(ini_get Partie Zugzahl)" = "2" ] || fail "the game was not kept: Zugzahl=$(ini_get Partie Zugzahl)"

start_game
focus_game || fail "the window has no focus"
read_wall empty && fail "a wall shows before the game is continued"
key ctrl+r
sleep 6   # the painters step up to the wall
read_wall continued || fail "no wall after Ctrl+R"
[ "$(wall_text)" = "$before" ] || fail "the wall reads otherwise: $(wall_text)"
window_shot continued
n=$(differing left continued)
[ "$n" = "0" ] || fail "$n pixels of the window differ from the game as it was left"

# The replay names the moves; a key stops it and leaves the window as it was.
key alt+g
sleep 0.5
shot game-menu
key p     # Re&play
sleep 0.6
shot replaying
key space
sleep 2
window_shot after-replay
n=$(differing left after-replay)
[ "$n" = "0" ] || fail "$n pixels differ after the replay"
