# The options dialog is a fixed modal dialog on the real X server: the hints
# the game sets (dialog type, owned by the main window, fixed size, no
# minimize or maximize function or button), what openbox makes of them (no
# maximize, no resize), and minimizing it never leaves the main window blocked
# with nothing to answer: it goes and comes back with the main window, and
# takes the keyboard focus back.
settings 0
start_game
key alt+g o
wait_for 10 window_titled "Options" || fail "no options dialog from Game > Options..."
DLG=$(window_titled "Options")
shot options

props=$(xprop -id "$DLG" _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR _MOTIF_WM_HINTS WM_NORMAL_HINTS _NET_WM_ALLOWED_ACTIONS)
log "$props"
grep -q '_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_DIALOG' <<<"$props" || fail "not a dialog window"
grep -qi "WM_TRANSIENT_FOR(WINDOW): window id # $(printf '0x%x' "$GAME_WIN")\$" <<<"$props" ||
    fail "not owned by the main window"
min=$(sed -n 's/.*minimum size: *//p' <<<"$props")
max=$(sed -n 's/.*maximum size: *//p' <<<"$props")
[ -n "$min" ] && [ "$min" = "$max" ] || fail "not a fixed size: minimum '$min', maximum '$max'"
IFS=, read -r flags functions decorations _ <<<"$(sed -n 's/^_MOTIF_WM_HINTS.* = *//p' <<<"$props" | tr -d ' ')"
# Functions: 0x8 minimize, 0x10 maximize; decorations: 0x20 minimize, 0x40 maximize.
(( (flags & 3) == 3 && (functions & 0x19) == 0 && (decorations & 0x61) == 0 )) ||
    fail "Motif hints offer minimize or maximize: $flags,$functions,$decorations"
# What the window manager allows: openbox keeps minimize for every dialog.
for a in _NET_WM_ACTION_MAXIMIZE_HORZ _NET_WM_ACTION_MAXIMIZE_VERT _NET_WM_ACTION_RESIZE; do
    grep -q "$a" <<<"$props" && fail "the window manager allows $a"
done

xdotool windowminimize "$DLG"
sleep 1
log "after minimizing the dialog: main window $(window_state), dialog $(window_state "$DLG")"
[ "$(window_state)" = Normal ] && [ "$(window_state "$DLG")" != Normal ] && fail "the main window is left blocked without its dialog"
wmctrl -i -a "$GAME_WIN"
wait_for 5 test "$(window_state "$DLG")" = Normal || fail "the dialog did not come back with the main window"
wait_for 5 test "$(active_title)" = "Options" || fail "focus in '$(active_title)', not in the dialog"
[ "$(window_state)" = Normal ] || fail "the main window is $(window_state)"
key Escape
wait_for 5 no_window_titled "Options" || fail "Escape did not close the options dialog"
