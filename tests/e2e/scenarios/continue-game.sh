# Continues a game after closing, on the real X server: two moves between two players, the
# window closed by its frame, the program started again with an empty wall, and Ctrl+R brings
# the game back as it was left.
settings 0 Computer=0
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
close_game
[ "$(ini_get Partie Zugzahl)" = "2" ] || fail "the game was not kept: Zugzahl=$(ini_get Partie Zugzahl)"

start_game
focus_game || fail "the window has no focus"
read_wall empty && fail "a wall shows before the game is continued"
key ctrl+r
sleep 6   # the painters step up to the wall
read_wall continued || fail "no wall after Ctrl+R"
[ "$(wall_text)" = "$before" ] || fail "the wall reads otherwise: $(wall_text)"
