# A window the player neither moves nor resizes keeps its placement exactly,
# whatever state it starts in: normal, minimized (it comes up minimized, and
# restored it stands at the stored place with the stored outer size) or maximized.
# Then the minimize-and-close cycle, twice, creeps nothing.
expect_stored() {
    local stored="$(ini_get Window Left) $(ini_get Window Top) $(ini_get Window Width) $(ini_get Window Height)"
    [ "$stored" = "1500 1500 9600 6900" ] || fail "$1: saved $stored"
    ini_is Window Status "$2" || fail "$1: Status $(ini_get Window Status), not $2"
}
expect_outer() { # the frame's outside at 100,100, 640 x 460 pixels
    wait_for 5 test "$(outer_geometry)" = "100 100 640 460" || fail "$1: outer geometry $(outer_geometry)"
}
restore() {
    wmctrl -i -r "$GAME_WIN" -b remove,maximized_vert,maximized_horz
    wmctrl -i -a "$GAME_WIN"
    wait_for 5 test "$(window_state)" = Normal || fail "not restored"
    sleep 0.5
}

for state in 0 1 2; do
    log "start in state $state"
    settings "$state"
    start_game
    sleep 0.5
    case $state in
    0) expect_outer "normal start" ;;
    1) [ "$(window_state)" = Iconic ] || fail "Status= 1 did not start minimized" ;;
    2) xprop -id "$GAME_WIN" _NET_WM_STATE | grep -q MAXIMIZED_HORZ || fail "Status= 2 did not start maximized" ;;
    esac
    shot "start-$state"
    # Minimized, it is restored first; maximized, it closes so (a maximized
    # start reads no stored place, and closing keeps it).
    if [ "$state" = 1 ]; then
        restore
        expect_outer "restored from $state"
    fi
    close_game
    expect_stored "closed after a start in state $state" "${state/1/0}"
done

for round in 1 2 3; do
    log "minimize and close, round $round"
    start_game
    [ "$round" = 1 ] || [ "$(window_state)" = Iconic ] || fail "round $round did not start minimized"
    [ "$round" = 1 ] || { restore; expect_outer "round $round restored"; }
    [ "$round" = 3 ] && break
    xdotool windowminimize "$GAME_WIN"
    wait_for 5 test "$(window_state)" = Iconic || fail "did not minimize"
    close_game
    expect_stored "minimized and closed, round $round" 1
done
close_game
expect_stored "at the end" 0
