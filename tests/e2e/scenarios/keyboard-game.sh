# A whole game against the computer with the keyboard alone, as a player types it: Ctrl+S starts,
# Home and the arrows walk the cursor, Enter or Space squirts, Ctrl+T asks for the hint; never Tab.
# After every move the cursor went where the keys sent it and the splot landed there: the window
# manager gave the new window the keyboard focus and the wall kept it through the moves, the
# computer's replies, a question box and the game menu (one Escape gives the keys back to the wall).
# A click on the wall while the first squirt runs is dropped. Then a new game by Ctrl+S, and Ctrl+E
# with Yes ends the program. (A refused cell is checked offscreen, in tests/gui/test_player_road.cpp.)
settings 0 Tips=1 Computer=-1 Spielstärke=0
start_game
focus_game || fail "the game's window has no keyboard focus"
cursor_at() { read_wall poll && [ "$CURSOR_C $CURSOR_R" = "$1 $2" ]; }
decided() { [ "$(count_cells G)" -ge 5 ] || [ "$(count_cells .)" -eq 0 ]; }
# The move has landed at (C, R) and the computer has answered, or the game is decided.
landed() {
    read_wall poll || return 1
    case "$(cell_at "$1" "$2")" in
    B) [ "$(count_cells R)" -gt "$3" ] || decided ;;
    G) decided ;;   # the winning splot, under the green line
    *) return 1 ;;
    esac
}

key ctrl+s
wait_for 15 cursor_at 5 5 || fail "no game started"
sleep 2   # the new-game sequence; keys made during it would be dropped

for move in $(seq 1 40); do
    read_wall "move-$move"
    decided && break
    reds=$(count_cells R)
    if [ $((move % 3)) -eq 0 ]; then
        key ctrl+t   # the hint puts the cursor on a free cell
        sleep 0.5
        read_wall "hint-$move"
        c=$CURSOR_C r=$CURSOR_R
        [ "$(cell_at "$c" "$r")" = . ] || fail "the hint put the cursor on ($c, $r): $(wall_text)"
    else
        # The last free cell, from the bottom right; walked to from Home.
        all=$(printf '%s' "${WALL_ROWS[@]}") && before=${all%.*}
        c=$((${#before} % WALL_N + 1)) r=$((${#before} / WALL_N + 1))
        keys=(Home)
        for _ in $(seq 2 "$c"); do keys+=(Right); done
        for _ in $(seq 2 "$r"); do keys+=(Down); done
        key "${keys[@]}"
        wait_for 5 cursor_at "$c" "$r" || fail "move $move: the keys did not bring the cursor to ($c, $r), it is at ($CURSOR_C, $CURSOR_R)"
    fi
    if [ $((move % 2)) -eq 0 ]; then key space; else key Return; fi
    [ "$move" -eq 1 ] && click_cell 1 1   # during the squirt: dropped
    wait_for 15 landed "$c" "$r" "$reds" || fail "move $move: no splot at ($c, $r): $(wall_text)"
    sleep 0.7
    if [ "$move" -eq 1 ]; then
        read_wall after-the-click
        [ "$(count_cells B)" -eq 1 ] && [ "$(cell_at 1 1)" != B ] || fail "the click during the move played: $(wall_text)"
    fi
    # (The computer may have won already: a decided game starts anew without a question.)
    if [ "$move" -eq 4 ] && { read_wall poll; ! decided; }; then
        key ctrl+s   # "Really start a new game?" answered No
        wait_for 5 window_titled "Start" || fail "no question on Ctrl+S during a game"
        shot question
        key alt+n
        wait_for 5 main_window_active || fail "the question did not close"
    fi
    if [ "$move" -eq 6 ]; then
        key alt+g   # the game menu, opened and left again: the next move's keys reach the wall
        sleep 0.5
        shot menu
        key Escape
        sleep 0.3
    fi
done
read_wall result
decided || fail "the game was not decided: $(wall_text)"
if [ "$(count_cells G)" -ge 5 ]; then log "won by a line of five"; else log "a full wall"; fi
wall_text

key ctrl+s   # a decided game: a new one without a question
wait_for 15 all_white || fail "no new game after the result"
key ctrl+e
wait_for 5 window_titled "End program" || fail "no question on Ctrl+E"
key alt+y
wait_for 10 game_ended || fail "the game did not end after Yes"
GAME_PID=""
ini_is Window Status 0 || fail "Status is $(ini_get Window Status)"
