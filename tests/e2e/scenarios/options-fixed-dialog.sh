# The options dialog is a fixed modal dialog on the real X server: the hints
# the game sets (dialog type, owned by the main window, fixed size, no
# minimize or maximize function or button), what openbox makes of them (no
# maximize, no resize), and minimizing it never leaves the main window blocked
# with nothing to answer: it goes and comes back with the main window.
write_ini <<'INI'
[Einstellungen]
Text=0
INI
start_game
key alt+g
key o
wait_for 10 window_titled "Options" || fail "no options dialog from Game > Options..."
DLG=$(window_titled "Options")
shot options

# Hints as set by the game.
props=$(xprop -id "$DLG" _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR _MOTIF_WM_HINTS WM_NORMAL_HINTS _NET_WM_ALLOWED_ACTIONS)
log "$props"
grep -q '_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_DIALOG' <<<"$props" || fail "not a dialog window"
grep -qi "WM_TRANSIENT_FOR(WINDOW): window id # $(printf '0x%x' "$GAME_WIN")\$" <<<"$props" ||
    fail "not owned by the main window"
min=$(sed -n 's/.*minimum size: *//p' <<<"$props")
max=$(sed -n 's/.*maximum size: *//p' <<<"$props")
[ -n "$min" ] && [ "$min" = "$max" ] || fail "not a fixed size: minimum '$min', maximum '$max'"
motif=$(sed -n 's/^_MOTIF_WM_HINTS.* = *//p' <<<"$props" | tr -d ' ')
IFS=, read -r flags functions decorations _ <<<"$motif"
# Functions: 0x8 minimize, 0x10 maximize; decorations: 0x20 minimize, 0x40 maximize.
(( (flags & 3) == 3 && (functions & 0x19) == 0 && (decorations & 0x61) == 0 )) ||
    fail "Motif hints offer minimize or maximize: $motif"
# What the window manager allows: openbox keeps minimize for every dialog.
actions=$(sed -n 's/^_NET_WM_ALLOWED_ACTIONS.* = *//p' <<<"$props")
for a in _NET_WM_ACTION_MAXIMIZE_HORZ _NET_WM_ACTION_MAXIMIZE_VERT _NET_WM_ACTION_RESIZE; do
    grep -q "$a" <<<"$actions" && fail "the window manager allows $a"
done

# Minimized, it does not leave the main window shown and blocked.
xdotool windowminimize "$DLG"
sleep 1
main_state=$(window_wm_state)
dlg_state=$(xprop -id "$DLG" WM_STATE | sed -n 's/.*window state: *//p')
log "after minimizing the dialog: main window $main_state, dialog $dlg_state"
[ "$main_state" = Normal ] && [ "$dlg_state" != Normal ] && fail "the main window is left blocked without its dialog"
shot minimized
# The main window brings it back, with the keyboard focus.
wmctrl -i -a "$GAME_WIN"
dlg_normal() { xprop -id "$DLG" WM_STATE | grep -q 'window state: Normal'; }
wait_for 5 dlg_normal || fail "the dialog did not come back with the main window"
wait_for 5 test "$(active_title)" = "Options" || fail "focus in '$(active_title)', not in the dialog"
[ "$(window_wm_state)" = Normal ] || fail "the main window is $(window_wm_state)"
sleep 1
shot restored
key Escape
options_gone() { ! window_titled "Options" >/dev/null; }
wait_for 5 options_gone || fail "Escape did not close the options dialog"
