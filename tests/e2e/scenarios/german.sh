# The game in German on a German desktop: the story, the menus, the label after
# a move, the questions with Qt's German buttons, the options dialog, the help
# and the about box; the options dialog and the about box again at 1.5x and 2x;
# an English and an unknown language stay English.
place_window() {
    window_lines | write_ini
}
place_window
start_game LANGUAGE=de LANG=de_DE.UTF-8
sleep 3   # the about box ("Über Splotchery") has gone
shot story
key alt+s
sleep 0.5
shot game-menu
key Escape Escape   # the menu, then the menu bar's keyboard mode
key ctrl+s
sleep 5
shot game-started
# Pelko squirts twice near the middle (a cell the computer took just stays as it is).
# The 8 x 8 wall at the design size: cells of 36 pixels, the first one's centre
# 196, 89 pixels into the window.
cell() { click_at $((196 + 36 * ($1 - 1))) $((89 + 36 * ($2 - 1))); }
cell 4 4
sleep 3
cell 4 5
sleep 3
shot after-moves
key ctrl+s
wait_for 5 window_titled "Neues Spiel" || fail "no German question on Ctrl+S"
shot question-new-game
key alt+n
wait_for 5 sh -c "! xdotool search --name '^Neues Spiel\$' >/dev/null" || fail "Nein did not close the question"
key alt+s e
wait_for 5 window_titled "Einstellungen" || fail "no German options dialog"
shot options
key Escape
key F1
wait_for 5 window_titled "Splotchery-Hilfe" || fail "no German help"
key alt+s   # the help window's own "Suchen"
sleep 0.5
type_text "Fett"
sleep 1
shot help-search
wmctrl -c "Splotchery-Hilfe" || true
sleep 1
key ctrl+e
wait_for 5 window_titled "Programm beenden" || fail "no German question on Ctrl+E"
shot question-end
key alt+j
wait_for 10 game_ended || fail "the game did not end after Ja"
GAME_PID=""
[ "$(ini_get Window Status)" = "0" ] || fail "Status is $(ini_get Window Status)"

# Two people: whoever begins fills the first column and wins with a German text.
{ cat <<'INI'
[Einstellungen]
Computer=0
Text=0
Sound=0
INI
window_lines; } | write_ini
start_game LANGUAGE=de LANG=de_DE.UTF-8
sleep 3
key ctrl+s
sleep 3
for at in "1 1" "2 1" "1 2" "2 2" "1 3" "2 3" "1 4" "2 4" "1 5"; do
    cell $at
    sleep 2
done
sleep 2
shot german-win
close_game

# Scaled: the options dialog and the about box.
for scale in 1.5 2; do
    place_window
    start_game LANGUAGE=de LANG=de_DE.UTF-8 QT_SCALE_FACTOR=$scale
    sleep 3
    key alt+s e
    wait_for 5 window_titled "Einstellungen" || fail "no options dialog at ${scale}x"
    shot options-$scale
    key Escape
    sleep 0.5
    key alt+s a
    wait_for 5 window_titled "Bilanz" || fail "no record dialog at ${scale}x"
    sleep 0.3
    shot record-$scale
    key Escape
    sleep 0.5
    key alt+h
    sleep 0.5
    key Up Return   # the last item: Über Splotchery
    sleep 0.7
    shot about-$scale
    sleep 3
    close_game
done

# English and an unknown language speak the English of the sources.
for language in en fr; do
    place_window
    start_game LANGUAGE=$language LANG=C.UTF-8
    key ctrl+s
    sleep 3
    key ctrl+s
    wait_for 5 window_titled "Start" || fail "no English question at LANGUAGE=$language"
    shot question-$language
    key alt+n
    sleep 0.5
    close_game
done
