# blockslide-a with the mouse in a real terminal: reporting is on while the game runs and an SGR
# click moves a block; --no-mouse never switches it on. (That every way out switches it off, the
# other scripts check as they check the terminal restored.)

. "$(dirname "$0")/lib.sh"

mouse() { [ "$(tmx display-message -p '#{mouse_any_flag}')" = "$1" ]; }
click() { keys -l "${ESC}[<0;$2;$1M${ESC}[<0;$2;$1m"; } # click ROW COLUMN

play
prompted
mouse 1 || fail "mouse reporting is off while the game runs"
click 9 60 # block 2, which can only go left
wait_at 24 69 "Moves: 1" "a click on block 2"
expect_at 7 46 "┌─────────┐" "block 2 moved left"
click 14 5 # Quit
wait_at 24 22 "$QUESTION" "the quit question after a click on Quit"
keys -l Y
ended 0
restored
ok "an SGR click moves a block and another asks to quit; Q Y switches reporting off"

run '"$GAME" --no-mouse 2>err'
prompted
mouse 0 || fail "--no-mouse switched mouse reporting on"
keys Escape
ended 0
ok "--no-mouse leaves mouse reporting off"
