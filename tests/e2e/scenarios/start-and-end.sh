# Starts the game on a settings file without the story, starts a game with
# Ctrl+S, ends the program with Ctrl+E and Yes, and finds the placement saved.
write_quiet_ini
start_game
shot started
key ctrl+s
sleep 1
shot game-started
key ctrl+e
wait_for 5 window_titled "End program" || fail "no question on Ctrl+E"
shot question
key alt+y
wait_for 10 game_ended || fail "the game did not end after Yes"
GAME_PID=""
[ "$(ini_get Window Status)" = "0" ] || fail "Status is $(ini_get Window Status)"
