# A read-only settings file stays byte for byte as it was while the game
# opens and closes the options dialog (which stores the choices) and closes.
write_quiet_ini
chmod 0444 "$INI"
cp "$INI" "$E2E_DIR/before.ini"
start_game
key alt+g o
wait_for 5 window_titled "Options" || fail "no options dialog"
shot options
key Escape
sleep 0.5
window_titled "Options" && fail "options still open"
close_game
cmp "$INI" "$E2E_DIR/before.ini" || fail "the read-only file changed"
[ "$(stat -c %a "$INI")" = 444 ] || fail "mode $(stat -c %a "$INI")"
