# The first start (no settings file) shows the story in the booth's story box
# at the default window size, fitted without a scroll bar (see the
# screenshot), and marks it shown.
rm -f "$INI"
start_game
sleep 1
shot story
[ "$(ini_get Einstellungen Text)" = "0" ] || fail "the story is not marked shown: Text is '$(ini_get Einstellungen Text)'"
