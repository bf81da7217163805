# Played with a screen reader's ears: in a private D-Bus session with the AT-SPI bus, the
# script reads the wall as a table, hears the cursor's cell after every key, the hint, the
# computer's replies and the result in a whole game against the computer (8 x 8; the table
# and the keys on 15 x 15 too), the dialogs' names and values, and the German names once. It writes the
# settings file itself before each game.
dbus-run-session -- /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/../../a11y/atspi-game.py" "$SPLOT_BIN" \
    || fail "the screen reader's test failed"
