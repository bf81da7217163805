# The booth's art on a real screen: the title under the menu bar, the wall hanging in the booth's
# golden frame when a game starts (no awning cut off by the wall), and the blocked nozzle's puddles
# under the pump. Two players take turns clicking along the rows (left to right, then back), so no
# five in a row comes up within the first four rows; about one squirt in ten is blocked and
# grows the mover's puddle. The screenshots and the enlarged crops are there to look at.
{ cat <<'INI'
[Einstellungen]
Text=0
Computer=0
Feld=8
Düse_verstopft=1
Sound=0
INI
window_lines; } | write_ini
start_game
window_geometry
shot title
key ctrl+s
sleep 1
shot wall-up
# The wall's cells in the window at this placement: 8 x 8 cells of about 36 pixels from (177, 52).
cell() { click_at "$(( 177 + ($1 - 1) * 287 / 8 + 18 ))" "$(( 52 + ($2 - 1) * 287 / 8 + 18 ))"; }
for row in 1 2 3 4; do
    for col in 1 2 3 4 5 6 7 8; do
        if [ $((row % 2)) -eq 1 ]; then cell "$col" "$row"; else cell $((9 - col)) "$row"; fi
        sleep 1.6
    done
done
shot puddles
# The stage under the pump, eight times enlarged, and the top of the window with the title, twice.
convert "$E2E_DIR/03-puddles.png" -crop "170x65+$((WIN_X + 230))+$((WIN_Y + 330))" +repage -scale 800% \
    "$E2E_DIR/puddles-enlarged.png"
convert "$E2E_DIR/01-title.png" -crop "${WIN_WIDTH}x110+${WIN_X}+$((WIN_Y - 20))" +repage -scale 200% \
    "$E2E_DIR/title-enlarged.png"
if game_ended; then fail "the game ended by itself"; fi
